#include "style/caption.h"
#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/gradient.h"
#include "style/painters.h"
#include "win/gdi.h"

namespace lf {
namespace {

const Corners& RimFor(std::uint32_t flags, const Scheme& scheme) {
  if (flags & flag::Pressed) return scheme.pressedRim;
  if (flags & flag::Hot) return scheme.hotRim;
  if (flags & (flag::Checked | flag::Indeterminate)) return scheme.checkedRim;
  if (flags & (flag::Focused | flag::DefaultButton)) return scheme.focusRim;
  return scheme.normalRim;
}

}  // namespace

void DrawPushButton(HDC dc, SIZE size, const ControlLook& look) {
  const Scheme& scheme = SchemeFor(look.scheme);
  const std::uint32_t flags = look.flags;
  const bool disabled = (flags & flag::Disabled) != 0;
  const COLORREF face = FaceColour();
  const int w = size.cx;
  const int h = size.cy;
  const RECT client{0, 0, w, h};

  FrameSolid(dc, client, face);
  FrameSolid(dc, Inset(client, 1), disabled ? Darker(face, 0x202020) : scheme.buttonFrame);
  if (disabled) {
    FillSolid(dc, Inset(client, 2), RGB(245, 244, 234));
  } else {
    FillCornerGradient(dc, Inset(client, 2), RimFor(flags, scheme));
  }
  if (flags & (flag::Pressed | flag::Checked | flag::Indeterminate)) {
    FillCornerGradient(dc, Inset(client, 4), scheme.pressedFace);
  } else if (!disabled) {
    FillCornerGradient(dc, Inset(client, 4), scheme.normalFace);
  }

  // Rounded corners: the outer pixel goes to the face, the frame bends inward.
  for (const POINT p : {POINT{1, 1}, POINT{w - 2, 1}, POINT{1, h - 2}, POINT{w - 2, h - 2}})
    SetPixel(dc, p.x, p.y, face);
  const COLORREF bend = disabled ? Darker(face, 0x151515) : scheme.buttonFrame;
  for (const POINT p : {POINT{2, 2}, POINT{w - 3, 2}, POINT{2, h - 3}, POINT{w - 3, h - 3}})
    SetPixel(dc, p.x, p.y, bend);
  const COLORREF edge = disabled ? Darker(face, 0x111111) : scheme.buttonFrame;
  for (const POINT p : {POINT{1, 2}, POINT{2, 1}, POINT{w - 3, 1}, POINT{w - 2, 2}, POINT{1, h - 3}, POINT{2, h - 2},
                        POINT{w - 3, h - 2}, POINT{w - 2, h - 3}})
    SetPixel(dc, p.x, p.y, edge);

  if (flags & flag::Focused) {
    const RECT focus = Inset(client, 3);
    DrawFocusRect(dc, &focus);
  }

  if (look.text.empty()) return;
  RECT caption = Inset(client, 4);
  if (flags & flag::Pressed) OffsetRect(&caption, 1, 1);
  SetTextColor(dc, (flags & (flag::Disabled | flag::Indeterminate)) ? RGB(165, 162, 148) : RGB(0, 0, 0));
  const SelectScope font(dc, look.font);
  LayoutCaption(dc, look.text, caption, CaptionAlignment(static_cast<LONG>(look.style)));
}

}  // namespace lf
