#include "style/box_caption.h"
#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/gradient.h"
#include "style/painters.h"
#include "win/gdi.h"

namespace lf {
namespace {

constexpr int kSquare = 16;
constexpr Corners kHot = {RGB(255, 223, 156), RGB(255, 195, 82), RGB(255, 203, 99), RGB(255, 186, 57)};
constexpr Corners kDot = {RGB(173, 223, 165), RGB(41, 170, 33), RGB(41, 170, 33), RGB(16, 146, 16)};
constexpr Corners kDotDisabled = {RGB(214, 215, 206), RGB(198, 195, 189), RGB(198, 195, 189), RGB(198, 190, 181)};

COLORREF DiscColour() {
  // The older Windows family sets the top bit of its version word.
  return (GetVersion() & 0x80000000u) ? RGB(33, 85, 132) : RGB(181, 195, 206);
}

void FillClipped(HDC dc, const RECT& rect, const Corners& colours, bool flat) {
  const OwnedRegion region(CreateEllipticRgnIndirect(&rect));
  if (!region) return;
  const ClipScope clip(dc, region.get());
  if (flat) {
    FillSolid(dc, rect, colours.topLeft);
  } else {
    FillCornerGradient(dc, rect, colours);
  }
}

}  // namespace

void DrawRadioButton(HDC dc, SIZE size, const ControlLook& look) {
  const std::uint32_t flags = look.flags;
  const bool disabled = (flags & flag::Disabled) != 0;
  const COLORREF face = FaceColour();
  FillBoxBackground(dc, size, look);

  // The disc is centred on 15 rows of its 16.
  RECT square{-1, 0, kSquare - 1, kSquare};
  const RECT caption = PlaceBoxAndCaption(size, look.style, square, kSquare - 1);

  {
    const OwnedPen pen(CreatePen(PS_SOLID, 1, face));
    const OwnedBrush brush(CreateSolidBrush(disabled ? Darker(face, 0x101010) : DiscColour()));
    const SelectScope usePen(dc, pen.get());
    const SelectScope useBrush(dc, brush.get());
    Ellipse(dc, square.left + 1, square.top + 1, square.right - 2, square.bottom - 2);
  }
  {
    const OwnedPen pen(CreatePen(PS_SOLID, 1, disabled ? Darker(face, 0x202020) : RGB(33, 85, 132)));
    const SelectScope usePen(dc, pen.get());
    const int x = square.left + 1;
    const int y = square.top + 1;
    Arc(dc, x, y, square.right - 2, square.bottom - 2, x, y, x, y);
  }

  const RECT well = Inset(square, 2);
  if (disabled) {
    FillClipped(dc, well, Flat(RGB(255, 255, 255)), true);
  } else {
    FillClipped(dc, well,
                (flags & flag::Pressed) ? kBoxWellPressed
                : (flags & flag::Hot)   ? kHot
                                        : kBoxWellNormal,
                false);
  }

  const RECT glow = Inset(well, 2);
  if ((flags & flag::Hot) && !(flags & flag::Pressed)) {
    const OwnedPen pen(CreatePen(PS_SOLID, 1, RGB(247, 239, 222)));
    const OwnedBrush brush(CreateSolidBrush(RGB(247, 239, 222)));
    const SelectScope usePen(dc, pen.get());
    const SelectScope useBrush(dc, brush.get());
    Ellipse(dc, glow.left, glow.top, glow.right - 1, glow.bottom - 1);
  }

  const RECT dot = Inset(glow, 1);
  if (flags & flag::Checked) {
    {
      const OwnedPen pen(CreatePen(PS_SOLID, 1, disabled ? RGB(214, 211, 206) : RGB(156, 203, 148)));
      const SelectScope usePen(dc, pen.get());
      Arc(dc, dot.left, dot.top, dot.right - 1, dot.bottom - 1, dot.left, dot.top, dot.left, dot.top);
    }
    FillClipped(dc, dot, disabled ? kDotDisabled : kDot, false);
  }
  DrawBoxCaption(dc, caption, look);
}

}  // namespace lf
