#pragma once
// Button captions: placement codes, line breaking and drawing.

#include <windows.h>

#include <string_view>

namespace lf {

// The placement code of a button's alignment styles (bits 0x0F00): 1, 2, 4
// (top), 8, 16, 32 (middle), 64, 128, 256 (bottom); left, centre, right in
// each row. Every combination that is not exactly one horizontal and one
// vertical setting is 16.
int CaptionAlignment(LONG style);

// Breaks `text` into lines that fit the width of `rect`, draws them placed by
// `code` in the DC's current font and returns the widest line's width and the
// caption's height (at most the rectangle's).
SIZE LayoutCaption(HDC dc, std::string_view text, const RECT& rect, int code);

// The rectangle of `size` placed in `rect` by `code`.
RECT PlaceCaptionBlock(SIZE size, const RECT& rect, int code);

}  // namespace lf
