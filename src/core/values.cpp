#include "core/values.h"

#include <cstring>

#include "core/fatal.h"

namespace lf {

Text Text::Copy(std::string_view bytes) {
  if (bytes.empty()) return Constant(kConstants.emptyText);
  Text text = Uninitialized(bytes.size());
  std::memcpy(text.bytes_, bytes.data(), bytes.size());
  return text;
}

Text Text::Uninitialized(std::size_t size) {
  auto* block = static_cast<char*>(AllocateBlock(size + 1));
  block[size] = '\0';
  return Text(block, size);
}

Text Text::Constant(const char* constant) noexcept { return Text(const_cast<char*>(constant), std::strlen(constant)); }

void Text::Release() noexcept {
  ReleaseBlock(bytes_);
  bytes_ = nullptr;
  size_ = 0;
}

ByteSet ByteSet::Copy(const void* bytes, std::size_t size) {
  if (size == 0) return {};
  void* block = AllocateBlock(size);
  std::memcpy(block, bytes, size);
  return Adopt(block, size);
}

void ByteSet::Release() noexcept {
  ReleaseBlock(bytes_);
  bytes_ = nullptr;
  size_ = 0;
}

void CheckMemberIndex(std::int32_t index, std::size_t count) {
  if (index < 1) ReportFatalError(kIndexBelowOneCode, kIndexBelowOne);
  if (static_cast<std::size_t>(index) > count) ReportFatalError(kIndexAboveCountCode, kIndexAboveCount);
}

}  // namespace lf
