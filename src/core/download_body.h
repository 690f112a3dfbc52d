#pragma once
// The body collector of the page download: a block that grows geometrically
// as reads arrive and is handed over as the result.

#include <algorithm>
#include <cstddef>
#include <limits>

#include "core/download_rules.h"
#include "core/values.h"

namespace lf {

class BodyCollector {
 public:
  explicit BodyCollector(std::size_t cap = kLargestBody) noexcept
      : cap_(std::min(cap, std::numeric_limits<std::size_t>::max() - 1)) {}
  BodyCollector(const BodyCollector&) = delete;
  BodyCollector& operator=(const BodyCollector&) = delete;
  ~BodyCollector() { ReleaseBlock(block_); }

  // Appends the bytes and gives true. Gives false when no more may come:
  // the cap is reached (the bytes up to it are kept), or the block cannot
  // grow to hold them (the collector stays as it was).
  bool Append(const void* bytes, std::size_t size) noexcept;

  std::size_t size() const noexcept { return size_; }
  std::size_t capacity() const noexcept { return capacity_; }

  // The collected bytes as a new byte set (the empty one when none came);
  // the collector is empty afterwards. Its block has one byte to spare
  // behind the bytes, for the terminator of the page text that takes it over.
  ByteSet Take() noexcept;

 private:
  bool Reserve(std::size_t needed) noexcept;

  std::size_t cap_;
  void* block_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;  // bytes it may hold; the block has one more
};

}  // namespace lf
