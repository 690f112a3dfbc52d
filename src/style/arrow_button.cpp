#include "style/arrow_button.h"

#include <array>

#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/gradient.h"
#include "style/styled_control.h"
#include "win/gdi.h"

namespace lf {
namespace {

int StateRow(std::uint32_t flags) {
  if (flags & flag::Disabled) return 0;
  if (flags & flag::Pressed) return 1;
  if (flags & flag::Hot) return 2;
  return 3;
}

using Stroke = std::array<POINT, 3>;

// Three strokes of the down chevron around (0, 0); the others are turned.
constexpr std::array<Stroke, 3> kChevronDown = {{
    {{{-4, -2}, {0, 2}, {5, -3}}},
    {{{-3, -2}, {0, 1}, {4, -3}}},
    {{{-3, -3}, {0, 0}, {4, -4}}},
}};
constexpr std::array<Stroke, 3> kChevronUp = {{
    {{{-4, 1}, {0, -3}, {5, 2}}},
    {{{-3, 1}, {0, -2}, {4, 2}}},
    {{{-3, 2}, {0, -1}, {4, 3}}},
}};
constexpr std::array<Stroke, 3> kChevronLeft = {{
    {{{1, -4}, {-3, 0}, {2, 5}}},
    {{{1, -3}, {-2, 0}, {2, 4}}},
    {{{2, -3}, {-1, 0}, {3, 4}}},
}};
constexpr std::array<Stroke, 3> kChevronRight = {{
    {{{-1, -4}, {3, 0}, {-2, 5}}},
    {{{-1, -3}, {2, 0}, {-2, 4}}},
    {{{-2, -3}, {1, 0}, {-3, 4}}},
}};

void DrawChevron(HDC dc, const std::array<Stroke, 3>& strokes, int cx, int cy) {
  for (const Stroke& stroke : strokes) {
    POINT points[3];
    for (int i = 0; i < 3; ++i) points[i] = {cx + stroke[i].x, cy + stroke[i].y};
    Polyline(dc, points, 3);
  }
}

// The up triangle as (along, across) offsets: `along` grows toward the base.
struct Span {
  int along;
  int from;
  int to;
};
constexpr std::array<Span, 5> kTriangle = {{{-2, 0, 0}, {-1, -1, 1}, {0, -2, 2}, {1, -3, -1}, {1, 1, 3}}};

void DrawTriangle(HDC dc, ArrowGlyph glyph, int cx, int cy, COLORREF colour) {
  for (const Span& span : kTriangle) {
    for (int across = span.from; across <= span.to; ++across) {
      switch (glyph) {
        case ArrowGlyph::TriangleUp:
          SetPixel(dc, cx + across, cy + span.along, colour);
          break;
        case ArrowGlyph::TriangleDown:
          SetPixel(dc, cx + across, cy - span.along, colour);
          break;
        case ArrowGlyph::TriangleLeft:
          SetPixel(dc, cx + span.along, cy + across, colour);
          break;
        default:
          SetPixel(dc, cx - span.along, cy + across, colour);
          break;
      }
    }
  }
}

}  // namespace

void DrawArrowButton(HDC dc, const RECT& rect, std::uint32_t flags, ArrowGlyph glyph, std::int32_t style) {
  const Scheme& scheme = SchemeFor(style);
  const int row = StateRow(flags);
  FillCornerGradient(dc, rect, scheme.arrow.face[row]);
  const Corners& corners = scheme.arrow.corners[row];
  SetPixel(dc, rect.left, rect.top, corners.topLeft);
  SetPixel(dc, rect.right - 1, rect.top, corners.topRight);
  SetPixel(dc, rect.left, rect.bottom - 1, corners.bottomLeft);
  SetPixel(dc, rect.right - 1, rect.bottom - 1, corners.bottomRight);
  const RECT inner = Inset(rect, 1);
  FillCornerGradient(dc, inner, scheme.arrow.inner[row]);

  const int cx = inner.left + (inner.right - inner.left) / 2;
  const int cy = inner.top + (inner.bottom - inner.top) / 2;
  const COLORREF colour = (flags & flag::Disabled) ? RGB(206, 203, 198) : scheme.glyph;
  switch (glyph) {
    case ArrowGlyph::ChevronDown:
    case ArrowGlyph::ChevronUp:
    case ArrowGlyph::ChevronLeft:
    case ArrowGlyph::ChevronRight: {
      const OwnedPen pen(CreatePen(PS_SOLID, 1, colour));
      const SelectScope selected(dc, pen.get());
      const auto& strokes = glyph == ArrowGlyph::ChevronDown   ? kChevronDown
                            : glyph == ArrowGlyph::ChevronUp   ? kChevronUp
                            : glyph == ArrowGlyph::ChevronLeft ? kChevronLeft
                                                               : kChevronRight;
      DrawChevron(dc, strokes, cx, cy);
      break;
    }
    default:
      DrawTriangle(dc, glyph, cx, cy, colour);
      break;
  }
}

}  // namespace lf
