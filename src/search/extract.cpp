#include "search/extract.h"

namespace lf {

namespace {

constexpr std::string_view kMarkerHead = "href=";  // the marker without its closing quote
constexpr std::size_t kNone = std::string_view::npos;

bool IsHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Whether a character starts at `at`, given that one starts at `from`.
// Only the run of high bytes right before `at` matters: it begins at a
// character start (it follows a one-byte character, a trail byte or
// `from`), and every second byte of it is a lead byte.
bool StartsCharacter(std::string_view text, std::size_t from, std::size_t at) {
  std::size_t runStart = at;
  while (runStart > from && IsHigh(text[runStart - 1])) --runStart;
  return (at - runStart) % 2 == 0;
}

// Whether "//" starts at a character start of target (which begins at one).
bool HoldsDoubleSlash(std::string_view target) {
  for (std::size_t at = target.find("//"); at != kNone; at = target.find("//", at + 1))
    if (StartsCharacter(target, 0, at)) return true;
  return false;
}

}  // namespace

// Every marker ends with a quote, so one search for quotes finds both the
// ends of pieces and the quote that ends a piece's first sub-piece. A marker
// starting at a character start is one wherever the scan meets it: its bytes
// are all one-byte characters, so the grid behind it is the page's grid.
std::optional<std::string_view> LinkScanner::Next() noexcept {
  while (!done_) {
    std::size_t firstQuote = kNone;  // the first quote of the piece at a character start
    std::size_t pieceEnd = kNone;
    std::size_t nextStart = kNone;
    for (std::size_t pos = pieceStart_; pieceEnd == kNone;) {
      std::size_t quote = page_.find('"', pos);
      if (quote == kNone) {
        pieceEnd = page_.size();
        done_ = true;
      } else if (quote >= pieceStart_ + kMarkerHead.size() &&
                 page_.substr(quote - kMarkerHead.size(), kMarkerHead.size()) == kMarkerHead &&
                 StartsCharacter(page_, pieceStart_, quote - kMarkerHead.size())) {
        pieceEnd = quote - kMarkerHead.size();
        nextStart = quote + 1;
      } else {
        if (firstQuote == kNone && StartsCharacter(page_, pieceStart_, quote)) firstQuote = quote;
        pos = quote + 1;
      }
    }
    std::size_t targetEnd = firstQuote < pieceEnd ? firstQuote : pieceEnd;
    std::string_view target = page_.substr(pieceStart_, targetEnd - pieceStart_);
    pieceStart_ = nextStart;
    if (HoldsDoubleSlash(target)) return target;
  }
  return std::nullopt;
}

}  // namespace lf
