#include "core/text_ops.h"

#include <charconv>
#include <cstring>

namespace lf {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// The next character start at or after `pos` (itself a character start)
// where sought begins, or kNone. A lead byte with nothing behind it ends the
// scan, as does a rest shorter than sought.
std::size_t NextMatch(std::string_view text, std::size_t pos, std::string_view sought) {
  while (text.size() - pos >= sought.size()) {
    if (std::memcmp(text.data() + pos, sought.data(), sought.size()) == 0) return pos;
    if (static_cast<unsigned char>(text[pos]) >= 0x80) {
      if (pos + 1 == text.size()) break;
      pos += 2;
    } else {
      pos += 1;
    }
  }
  return kNone;
}

}  // namespace

std::int32_t FindText(std::string_view text, std::string_view sought) {
  if (sought.empty()) return text.empty() ? -1 : 1;
  if (text.size() < sought.size()) return -1;
  std::size_t at = NextMatch(text, 0, sought);
  return at == kNone ? -1 : static_cast<std::int32_t>(at + 1);
}

Text BytesToText(ByteSet&& bytes) {
  const std::size_t zero = bytes.view().find('\0');
  if (bytes.empty() || zero == 0) {
    bytes.Release();
    return Text::Copy({});
  }
  const std::size_t length = zero == kNone ? bytes.size() : zero;
  auto* block = static_cast<char*>(bytes.TakeBlock());
  if (zero == kNone) {
    // One byte more for the terminator; the body collector leaves it spare.
    void* grown = TryResizeBlock(block, length + 1);
    if (grown == nullptr) {
      ReleaseBlock(block);  // the box needs memory more than a page that is lost anyway
      ReportAllocationFailure(length + 1);
    }
    block = static_cast<char*>(grown);
  } else if (void* fitted = TryResizeBlock(block, length + 1)) {
    block = static_cast<char*>(fitted);  // what lies behind the zero byte goes back
  }
  block[length] = '\0';
  return Text::Adopt(block, length);
}

Text IntToText(std::int32_t value) {
  char digits[12];  // "-2147483648"
  auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  (void)error;  // twelve bytes hold every 32-bit value
  return Text::Copy({digits, static_cast<std::size_t>(end - digits)});
}

Text ConcatTexts(std::initializer_list<std::string_view> texts) {
  std::size_t total = 0;
  for (std::string_view t : texts) total += t.size();
  if (total == 0) return Text::Copy({});
  Text joined = Text::Uninitialized(total);
  char* out = joined.data();
  for (std::string_view t : texts) {
    if (t.empty()) continue;  // an empty view may have no data pointer
    std::memcpy(out, t.data(), t.size());
    out += t.size();
  }
  return joined;
}

}  // namespace lf
