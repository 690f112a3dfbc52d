#include "style/flat_frame.h"

#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/styled_control.h"

namespace lf {

void DrawFlatFrame(HDC dc, RECT& rect, std::uint32_t flags, std::int32_t style) {
  const bool disabled = (flags & flag::Disabled) != 0;
  FrameSolid(dc, rect, disabled ? Darker(FaceColour(), 0x202020) : SchemeFor(style).flatFrame);
  rect = Inset(rect, 1);
  FrameSolid(dc, rect, disabled || (flags & flag::ReadOnly) ? FaceColour() : WindowColour());
}

}  // namespace lf
