#pragma once
// The body collector of the page download: a block that grows geometrically
// as reads arrive and is handed over as the result.

#include <cstddef>

#include "core/values.h"

namespace lf {

class BodyCollector {
 public:
  BodyCollector() noexcept = default;
  BodyCollector(const BodyCollector&) = delete;
  BodyCollector& operator=(const BodyCollector&) = delete;
  ~BodyCollector() { ReleaseBlock(block_); }

  // Appends the bytes, or leaves the collector as it was and gives false
  // when the block cannot grow to hold them.
  bool Append(const void* bytes, std::size_t size) noexcept;

  std::size_t size() const noexcept { return size_; }
  std::size_t capacity() const noexcept { return capacity_; }

  // The collected bytes as a new byte set (the empty one when none came);
  // the collector is empty afterwards. Its block has one byte to spare
  // behind the bytes, for the terminator of the page text that takes it over.
  ByteSet Take() noexcept;

 private:
  bool Reserve(std::size_t needed) noexcept;

  void* block_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;  // bytes it may hold; the block has one more
};

}  // namespace lf
