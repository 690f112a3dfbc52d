#include "style/draw_primitives.h"

#include "win/gdi.h"

namespace lf {

RECT Inset(const RECT& rect, int by) { return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const OwnedBrush brush(CreateSolidBrush(colour));
  if (brush) FillRect(dc, &rect, brush.get());
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const OwnedBrush brush(CreateSolidBrush(colour));
  if (brush) FrameRect(dc, &rect, brush.get());
}

}  // namespace lf
