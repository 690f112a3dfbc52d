#pragma once

#include <windows.h>

#include <cstdint>

namespace lf {

enum class ArrowGlyph {
  ChevronDown,
  ChevronUp,
  ChevronLeft,
  ChevronRight,  // combo boxes
  TriangleUp,
  TriangleDown,
  TriangleLeft,
  TriangleRight,  // up-downs
};

// A gradient button with a glyph, in the look of the state `flags` hold.
void DrawArrowButton(HDC dc, const RECT& rect, std::uint32_t flags, ArrowGlyph glyph, std::int32_t style);

}  // namespace lf
