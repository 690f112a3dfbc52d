#pragma once
// The link walk over a page text: every target that stands between the link
// marker href=" and the next double quote and contains "//", in page order.
// The cutting follows the text operations exactly, two-byte characters
// included, so a marker or quote that falls on the second byte of a
// character is not seen.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lf {

// One pass over the page without copies: the links are views into it.
class LinkScanner {
 public:
  explicit LinkScanner(std::string_view page) noexcept : page_(page) {}

  // The next link, or nothing once the page is used up.
  std::optional<std::string_view> Next() noexcept;

 private:
  std::string_view page_;
  std::size_t pieceStart_ = 0;  // always a character start
  bool done_ = false;
};

// Calls sink(std::string_view link) for each link in page order and returns
// how many there were. The views point into pageText, which holds no zero
// byte (BytesToText cut it there).
template <class Sink>
std::int32_t ForEachLink(std::string_view pageText, Sink&& sink) {
  std::int32_t found = 0;
  LinkScanner scanner(pageText);
  while (std::optional<std::string_view> link = scanner.Next()) {
    sink(*link);
    ++found;
  }
  return found;
}

}  // namespace lf
