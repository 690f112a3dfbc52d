#include "style/box_caption.h"

#include "style/caption.h"
#include "window/gdi.h"

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

void FillBoxBackground(HDC dc, SIZE size, const ControlLook& look) {
  if (!look.backgroundBrush) return;
  const RECT client{0, 0, size.cx, size.cy};
  FillRect(dc, &client, look.backgroundBrush);
}

}  // namespace lf
