#include "style/gradient.h"

namespace lf {
namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
  TRIVERTEX vertex{};
  vertex.x = x;
  vertex.y = y;
  vertex.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
  vertex.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
  vertex.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
  return vertex;
}

}  // namespace

void FillCornerGradient(HDC dc, const RECT& rect, const Corners& colours) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  TRIVERTEX vertices[4] = {
      Vertex(rect.left, rect.top, colours.topLeft),
      Vertex(rect.right, rect.top, colours.topRight),
      Vertex(rect.left, rect.bottom, colours.bottomLeft),
      Vertex(rect.right, rect.bottom, colours.bottomRight),
  };
  if (colours.topLeft == colours.topRight && colours.bottomLeft == colours.bottomRight) {
    GRADIENT_RECT span{0, 3};
    GradientFill(dc, vertices, 4, &span, 1, GRADIENT_FILL_RECT_V);
    return;
  }
  GRADIENT_TRIANGLE triangles[2] = {{0, 1, 2}, {3, 1, 2}};
  GradientFill(dc, vertices, 4, triangles, 2, GRADIENT_FILL_TRIANGLE);
}

}  // namespace lf
