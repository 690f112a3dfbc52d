#include "core/download_body.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace lf {

namespace {

constexpr std::size_t kFirstCapacity = 16384;

}  // namespace

bool BodyCollector::Reserve(std::size_t needed) noexcept {
  if (needed <= capacity_) return true;
  // Doubling keeps a long body at O(n) copying; when the doubled block is
  // not to be had, the exact size may still be. Never beyond the cap.
  std::size_t doubled = capacity_ > std::numeric_limits<std::size_t>::max() / 2 ? needed : capacity_ * 2;
  std::size_t preferred = std::min(std::max({needed, doubled, kFirstCapacity}), std::max(needed, cap_));
  for (std::size_t candidate : {preferred, needed}) {
    if (void* grown = TryResizeBlock(block_, candidate + 1)) {
      block_ = grown;
      capacity_ = candidate;
      return true;
    }
    if (candidate == needed) break;
  }
  return false;
}

bool BodyCollector::Append(const void* bytes, std::size_t size) noexcept {
  if (size == 0) return true;
  const bool capped = size > cap_ - std::min(size_, cap_);
  if (capped) size = cap_ - std::min(size_, cap_);
  if (size != 0) {
    if (!Reserve(size_ + size)) return false;
    std::memcpy(static_cast<unsigned char*>(block_) + size_, bytes, size);
    size_ += size;
  }
  return !capped;
}

ByteSet BodyCollector::Take() noexcept {
  if (size_ == 0) return ByteSet();
  // Give back the unused tail of the last doubling where the heap allows.
  if (size_ < capacity_) {
    if (void* fitted = TryResizeBlock(block_, size_ + 1)) block_ = fitted;
  }
  capacity_ = 0;
  return ByteSet::Adopt(std::exchange(block_, nullptr), std::exchange(size_, 0));
}

}  // namespace lf
