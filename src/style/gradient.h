#pragma once

#include <windows.h>

#include "style/colours.h"

namespace lf {

// Fills `rect` with a gradient between its four corner colours.
void FillCornerGradient(HDC dc, const RECT& rect, const Corners& colours);

}  // namespace lf
