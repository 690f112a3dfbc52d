#pragma once
// The link walk built from the text operations, the way it reads step by
// step: the page cut into pieces at the marker, each piece cut at the quote.
// Slow and memory-hungry on large pages; the one-pass walk that the program
// uses is checked against it.

#include <cstdint>
#include <string_view>

#include "core/constants.h"
#include "core/text_ops.h"
#include "core/values.h"

namespace lf {

// Cuts text at every delimiter. An empty text gives no member, an empty
// delimiter one copy of the text; a delimiter at the very end gives no empty
// last member, while empty members before it count.
TextArray SplitText(std::string_view text, std::string_view delimiter);

// Calls sink(std::string_view link) for each link in page order and returns
// how many there were. The views passed to sink live until sink returns.
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
