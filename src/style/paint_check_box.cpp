#include "style/box_caption.h"
#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/gradient.h"
#include "style/painters.h"

namespace lf {
namespace {

constexpr int kBox = 13;
constexpr Corners kHot = {RGB(255, 243, 206), RGB(255, 203, 99), RGB(255, 203, 99), RGB(255, 178, 49)};

COLORREF IndeterminateFill(std::uint32_t flags) {
  if (flags & flag::Disabled) return RGB(206, 203, 189);
  if (flags & flag::Pressed) return RGB(24, 138, 24);
  if (flags & flag::Hot) return RGB(33, 162, 33);
  return RGB(115, 195, 115);
}

}  // namespace

void DrawCheckBox(HDC dc, SIZE size, const ControlLook& look) {
  const std::uint32_t flags = look.flags;
  const bool disabled = (flags & flag::Disabled) != 0;
  FillBoxBackground(dc, size, look);

  RECT box{0, 0, kBox, kBox};
  const RECT caption = PlaceBoxAndCaption(size, look.style, box, kBox);

  FrameSolid(dc, box, disabled ? Darker(FaceColour(), 0x202020) : RGB(24, 81, 132));
  if (disabled) {
    FillSolid(dc, Inset(box, 1), RGB(255, 255, 255));
  } else {
    FillCornerGradient(dc, Inset(box, 1),
                       (flags & flag::Pressed) ? kBoxWellPressed
                       : (flags & flag::Hot)   ? kHot
                                               : kBoxWellNormal);
  }

  const RECT mark = Inset(box, 3);
  if (flags & flag::Indeterminate) {
    FillSolid(dc, mark, IndeterminateFill(flags));
  } else if ((flags & flag::Hot) && !(flags & flag::Pressed)) {
    FillSolid(dc, mark, (flags & flag::Checked) ? RGB(247, 247, 247) : RGB(231, 231, 231));
  }
  if (flags & flag::Checked) {
    const COLORREF colour = disabled ? RGB(206, 203, 189) : RGB(33, 162, 33);
    constexpr int kStart[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int column = 0; column < 7; ++column) {
      const RECT stroke{mark.left + column, mark.top + kStart[column], mark.left + column + 1,
                        mark.top + kStart[column] + 3};
      FillSolid(dc, stroke, colour);
    }
  }
  DrawBoxCaption(dc, caption, look);
}

}  // namespace lf
