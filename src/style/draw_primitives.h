#pragma once
// Small solid-colour drawing steps shared by the painters.

#include <windows.h>

namespace lf {

RECT Inset(const RECT& rect, int by);
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// The outermost pixel ring of `rect`.
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace lf
