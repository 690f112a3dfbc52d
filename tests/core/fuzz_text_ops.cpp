// Arbitrary bytes through SplitText, FindText and the plain link walk. The
// first byte picks the delimiter's length, the delimiter follows, the rest
// is the text (cut at its first zero byte, as a page is).

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "core/extract.h"
#include "core/text_ops.h"
#include "support/reference_walk.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

void CheckSplit(std::string_view text, std::string_view delimiter) {
  lf::TextArray members = lf::SplitText(text, delimiter);
  if (text.empty()) return Check(members.Count() == 0);
  if (delimiter.empty()) return Check(members.Count() == 1 && members.Member(1).view() == text);

  // The members joined with the delimiter give the text, but for a
  // delimiter at its very end, which leaves no empty last member.
  std::string joined;
  bool first = true;
  for (const lf::Text& member : members) {
    if (!first) joined += delimiter;
    first = false;
    joined += member.view();
    // no member holds a delimiter that the scan would have cut at
    Check(lf::FindText(member.view(), delimiter) == -1);
    Check(member.c_str()[member.size()] == '\0');
  }
  Check(members.Count() >= 1);
  Check(text.substr(0, joined.size()) == joined);
  std::string_view rest = text.substr(joined.size());
  Check(rest.empty() || rest == delimiter);
  // a text that does not end at a cut ends with a non-empty member
  Check(!rest.empty() || !members.Member(members.Count()).empty());

  // FindText finds exactly where SplitText cut first.
  std::int32_t at = lf::FindText(text, delimiter);
  if (at == -1) {
    Check(members.Count() == 1 && members.Member(1).view() == text);
  } else {
    Check(at >= 1 && static_cast<std::size_t>(at) - 1 == members.Member(1).size());
    Check(text.substr(static_cast<std::size_t>(at) - 1, delimiter.size()) == delimiter);
  }
}

void CheckPlainWalk(std::string_view text) {
  lf::Text page = lf::Text::Copy(text);
  std::int32_t calls = 0;
  std::int32_t found = lf::ForEachLinkPlain(page, [&](std::string_view link) {
    ++calls;
    Check(link.find("//") != std::string_view::npos);
    Check(text.find(link) != std::string_view::npos);
  });
  Check(found == calls);
}

void CheckNumber(const std::uint8_t* data, std::size_t size) {
  std::int32_t value = 0;
  std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
  lf::Text digits = lf::IntToText(value);
  std::int32_t back = 0;
  auto [end, error] = std::from_chars(digits.c_str(), digits.c_str() + digits.size(), back);
  Check(error == std::errc() && end == digits.c_str() + digits.size() && back == value);
  Check(digits.view() == std::to_string(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t delimiterSize = std::min<std::size_t>(data[0] % 8, size - 1);
  std::string_view delimiter = input.substr(1, delimiterSize);
  delimiter = delimiter.substr(0, delimiter.find('\0'));
  std::string_view rest = input.substr(1 + delimiterSize);
  lf::ByteSet bytes = lf::ByteSet::Copy(rest.data(), rest.size());
  lf::Text text = lf::BytesToText(std::move(bytes));
  Check(text.size() == rest.substr(0, rest.find('\0')).size());

  CheckSplit(text.view(), delimiter);
  CheckPlainWalk(text.view());
  CheckNumber(data, size);
  lf::Text both = lf::ConcatTexts({delimiter, text.view()});
  Check(both.view() == std::string(delimiter) + std::string(text.view()));
  return 0;
}
