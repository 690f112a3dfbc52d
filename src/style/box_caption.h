#pragma once
// The caption and focus rectangle beside a check box or radio disc.

#include <windows.h>

#include "style/painters.h"

namespace lf {

void DrawBoxCaption(HDC dc, const RECT& captionRect, const ControlLook& look);

// The background brush fill under the whole client area, when there is one.
void FillBoxBackground(HDC dc, SIZE size, const ControlLook& look);

}  // namespace lf
