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

#include "search/text_ops.h"
#include "shell/constants.h"
#include "shell/values.h"

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

// The same walk built from the text operations: the page cut into pieces at
// the marker, each piece cut at the quote. Slow and memory-hungry on large
// pages; it is the reference the fast walk is checked against. The views
// passed to sink live until sink returns.
template <class Sink>
std::int32_t ForEachLinkPlain(const Text& page, Sink&& sink) {
  TextArray pieces = SplitText(page.view(), kConstants.linkMarker);
  TextArray subPieces;
  const std::int32_t pieceCount = pieces.Count();
  std::int32_t found = 0;
  for (std::int32_t index = 1; index <= pieceCount; ++index) {
    const Text& piece = pieces.Member(index);
    // An empty piece (the page starts with the marker, or holds it twice in
    // a row) would have no sub-piece 1; it holds no link either.
    if (piece.empty()) continue;
    subPieces = SplitText(piece.view(), kConstants.quote);
    const Text& target = subPieces.Member(1);
    if (FindText(target.view(), kConstants.doubleSlash) == -1) continue;
    sink(target.view());
    ++found;
  }
  return found;
}

}  // namespace lf
