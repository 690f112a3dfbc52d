#pragma once
// The caption and focus rectangle beside a check box or radio disc.

#include <windows.h>

#include "style/colours.h"
#include "style/painters.h"

namespace lf {

// The well of a check box or radio disc when pressed and at rest; the hot
// one is each painter's own.
inline constexpr Corners kBoxWellPressed = {RGB(181, 178, 165), RGB(214, 215, 206), RGB(214, 215, 206),
                                            RGB(247, 239, 222)};
inline constexpr Corners kBoxWellNormal = {RGB(222, 223, 214), RGB(247, 243, 239), RGB(247, 243, 239),
                                           RGB(255, 255, 255)};

void DrawBoxCaption(HDC dc, const RECT& captionRect, const ControlLook& look);

// Places a check box or radio square and gives its caption's rectangle, by
// the button's styles: vertically by BS_TOP / BS_BOTTOM (centred on
// `centredHeight` rows), on the right with BS_LEFTTEXT. `box` comes in at
// its size and left-side place, top 0, and goes out placed.
RECT PlaceBoxAndCaption(SIZE size, DWORD style, RECT& box, int centredHeight);

// The background brush fill under the whole client area, when there is one.
void FillBoxBackground(HDC dc, SIZE size, const ControlLook& look);

}  // namespace lf
