#pragma once
// The colours of the three schemes.

#include <windows.h>

#include <cstdint>

namespace lf {

// Four corner colours of a gradient.
struct Corners {
  COLORREF topLeft;
  COLORREF topRight;
  COLORREF bottomLeft;
  COLORREF bottomRight;
};

constexpr Corners Vertical(COLORREF top, COLORREF bottom) { return {top, top, bottom, bottom}; }
constexpr Corners Flat(COLORREF colour) { return {colour, colour, colour, colour}; }

// `colour` darkened by `amount` (0x00BBGGRR), each byte stopping at 0 rather
// than borrowing from its neighbour.
COLORREF Darker(COLORREF colour, std::uint32_t amount);

COLORREF FaceColour();    // COLOR_BTNFACE
COLORREF WindowColour();  // COLOR_WINDOW

// Rows of an arrow button by state: 0 disabled, 1 pressed, 2 hot, 3 normal.
struct ArrowRows {
  Corners face[4];
  Corners corners[4];
  Corners inner[4];
};

struct Scheme {
  COLORREF buttonFrame;
  Corners pressedRim;
  Corners hotRim;
  Corners checkedRim;
  Corners focusRim;
  Corners normalRim;
  Corners pressedFace;
  Corners normalFace;
  COLORREF flatFrame;
  COLORREF glyph;
  ArrowRows arrow;
};

// The scheme of a style number; numbers other than 2 and 3 give scheme 1.
const Scheme& SchemeFor(std::int32_t style);

}  // namespace lf
