#include "core/extract.h"

#include "core/constants.h"

namespace lf {

namespace {

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

// The first occurrence of sought in text that starts a character (text
// begins at one), or kNone.
std::size_t FindAtCharacterStart(std::string_view text, std::string_view sought) {
  for (std::size_t at = text.find(sought); at != kNone; at = text.find(sought, at + 1))
    if (StartsCharacter(text, 0, at)) return at;
  return kNone;
}

}  // namespace

// A marker starting at a character start is one wherever the scan meets
// it: its bytes are all one-byte characters, so the grid behind it is the
// page's grid, and a piece or sub-piece has the grid of the page too.
std::optional<std::string_view> LinkScanner::Next() noexcept {
  const std::string_view marker = kConstants.linkMarker;
  while (!done_) {
    std::string_view rest = page_.substr(pieceStart_);
    std::size_t pieceSize = FindAtCharacterStart(rest, marker);
    if (pieceSize == kNone) {
      pieceSize = rest.size();
      done_ = true;
    }
    std::string_view piece = rest.substr(0, pieceSize);
    std::string_view target = piece.substr(0, FindAtCharacterStart(piece, kConstants.quote));
    pieceStart_ += pieceSize + marker.size();
    if (FindAtCharacterStart(target, kConstants.doubleSlash) != kNone) return target;
  }
  return std::nullopt;
}

}  // namespace lf
