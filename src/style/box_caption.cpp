#include "style/box_caption.h"

#include "style/caption.h"
#include "win/gdi.h"

namespace lf {

void DrawBoxCaption(HDC dc, const RECT& captionRect, const ControlLook& look) {
  if (look.text.empty()) return;
  SetTextColor(dc, (look.flags & flag::Disabled) ? GetSysColor(COLOR_GRAYTEXT) : look.textColour);
  const int code = CaptionAlignment(static_cast<LONG>(look.style));
  SIZE size{};
  {
    const SelectScope font(dc, look.font);
    size = LayoutCaption(dc, look.text, captionRect, code);
  }
  if (look.flags & flag::Focused) {
    const RECT focus = PlaceCaptionBlock(size, captionRect, code);
    DrawFocusRect(dc, &focus);
  }
}

RECT PlaceBoxAndCaption(SIZE size, DWORD style, RECT& box, int centredHeight) {
  const int w = size.cx;
  const int h = size.cy;
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  RECT caption{0, 0, w, h};
  const DWORD vertical = style & (BS_TOP | BS_BOTTOM);
  if (vertical == BS_VCENTER) {
    box.top = (h - centredHeight) / 2;
  } else if (vertical == BS_BOTTOM) {
    box.top = h - height;
    caption.top = box.top - 5;
  } else {
    box.top = 0;
    caption.top += 1;
  }
  box.bottom = box.top + height;
  if (style & BS_LEFTTEXT) {
    box.left = w - width;
    box.right = w;
    caption.right = w - 18;
  } else {
    caption.left = 18;
  }
  return caption;
}

void FillBoxBackground(HDC dc, SIZE size, const ControlLook& look) {
  if (!look.backgroundBrush) return;
  const RECT client{0, 0, size.cx, size.cy};
  FillRect(dc, &client, look.backgroundBrush);
}

}  // namespace lf
