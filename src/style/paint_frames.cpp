#include "style/arrow_button.h"
#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/flat_frame.h"
#include "style/painters.h"

namespace lf {

void DrawEditFrame(HDC dc, SIZE size, const ControlLook& look) {
  RECT whole{0, 0, size.cx, size.cy};
  DrawFlatFrame(dc, whole, look.flags, look.scheme);
  // A joined up-down seems to continue the edit through this side.
  if (look.flags & flag::SpinOnLeft) FillSolid(dc, {0, 1, 1, size.cy - 1}, RGB(255, 255, 255));
  if (look.flags & flag::SpinOnRight) FillSolid(dc, {size.cx - 1, 1, size.cx, size.cy - 1}, RGB(255, 255, 255));
}

void DrawComboFrame(HDC dc, SIZE size, const ControlLook& look) {
  const int w = size.cx;
  const int h = size.cy;
  const bool disabled = (look.flags & flag::Disabled) != 0;
  const COLORREF inner = disabled ? FaceColour() : WindowColour();
  FrameSolid(dc, {0, 0, w, h}, disabled ? Darker(FaceColour(), 0x202020) : SchemeFor(look.scheme).flatFrame);
  FrameSolid(dc, {1, 1, w - 1, h - 1}, inner);
  const int thumb = GetSystemMetrics(SM_CYVTHUMB);
  FrameSolid(dc, {w - 2 - thumb, 2, w - 2, h - 2}, inner);
  DrawArrowButton(dc, {w - 1 - thumb, 2, w - 2, h - 2}, look.flags, ArrowGlyph::ChevronDown, look.scheme);
}

}  // namespace lf
