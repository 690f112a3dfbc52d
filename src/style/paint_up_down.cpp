#include "style/arrow_button.h"
#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/painters.h"

namespace lf {

void DrawUpDown(HDC dc, SIZE size, const ControlLook& look, bool joined) {
  RECT r{0, 0, size.cx, size.cy};
  if (!joined) r = Inset(r, -1);
  FillSolid(dc, Inset(r, -1), SchemeFor(look.scheme).flatFrame);

  const bool horizontal = (look.flags & flag::Horizontal) != 0;
  const int start = joined ? 2 : 1;
  RECT first = r;
  RECT second = r;
  if (horizontal) {
    const int middle = r.left + (r.right - r.left) / 2;
    first.left = start;
    first.right = middle;
    second.left = middle;
  } else {
    const int middle = r.top + (r.bottom - r.top) / 2;
    first.top = start;
    first.bottom = middle;
    second.top = middle;
  }
  // Only the half under the pointer shows it.
  constexpr std::uint32_t kPointer = flag::Pressed | flag::Hot;
  const bool inFirst = (look.flags & flag::PointerInFirstHalf) != 0;
  const std::uint32_t firstFlags = inFirst ? look.flags : look.flags & ~kPointer;
  const std::uint32_t secondFlags = inFirst ? look.flags & ~kPointer : look.flags;
  DrawArrowButton(dc, second, secondFlags, horizontal ? ArrowGlyph::TriangleRight : ArrowGlyph::TriangleDown,
                  look.scheme);
  DrawArrowButton(dc, first, firstFlags, horizontal ? ArrowGlyph::TriangleLeft : ArrowGlyph::TriangleUp, look.scheme);
}

}  // namespace lf
