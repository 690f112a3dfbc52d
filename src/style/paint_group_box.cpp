#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/painters.h"
#include "win/gdi.h"

namespace lf {
namespace {

constexpr COLORREF kGroup = RGB(191, 184, 191);

void Fill(HDC dc, HBRUSH brush, RECT rect) {
  if (rect.right > rect.left && rect.bottom > rect.top) FillRect(dc, &rect, brush);
}

}  // namespace

COLORREF DrawGroupBox(HDC dc, SIZE size, const ControlLook& look) {
  const int w = size.cx;
  const int h = size.cy;
  const bool hasCaption = !look.text.empty();
  const auto textLength = static_cast<int>(look.text.size());

  SIZE text{};
  {
    const SelectScope font(dc, hasCaption ? look.font : nullptr);
    if (hasCaption) {
      GetTextExtentPoint32A(dc, look.text.data(), textLength, &text);
    } else {
      GetTextExtentPoint32A(dc, "Ag", 2, &text);
    }
  }
  const int y = text.cy / 2;

  enum class Align { Left, Centre, Right };
  const DWORD horizontal = look.style & BS_CENTER;
  const Align align = horizontal == BS_RIGHT ? Align::Right : horizontal == BS_CENTER ? Align::Centre : Align::Left;
  const int captionLeft = align == Align::Right ? w - 10 - text.cx : align == Align::Centre ? (w - text.cx) / 2 : 10;

  if (look.backgroundBrush) {
    if (hasCaption) Fill(dc, look.backgroundBrush, {captionLeft, 0, captionLeft + text.cx, text.cy});
    Fill(dc, look.backgroundBrush, {0, 0, w, hasCaption ? y + 2 : 2});
    Fill(dc, look.backgroundBrush, {0, 0, 2, h});
    Fill(dc, look.backgroundBrush, {0, h - 2, w, h});
    Fill(dc, look.backgroundBrush, {w - 2, 0, w, h});
  }

  FrameSolid(dc, {0, y, w, h}, kGroup);
  const COLORREF background = GetPixel(dc, 0, 0);

  // Rounded corners.
  for (const POINT p :
       {POINT{0, y},         POINT{0, y + 1},     POINT{0, y + 2},     POINT{1, y},         POINT{2, y},
        POINT{w - 1, y},     POINT{w - 2, y},     POINT{w - 3, y},     POINT{w - 1, y + 1}, POINT{w - 1, y + 2},
        POINT{0, h - 1},     POINT{0, h - 2},     POINT{0, h - 3},     POINT{1, h - 1},     POINT{2, h - 1},
        POINT{w - 1, h - 1}, POINT{w - 1, h - 2}, POINT{w - 1, h - 3}, POINT{w - 2, h - 1}, POINT{w - 3, h - 1}})
    SetPixel(dc, p.x, p.y, background);
  for (const POINT p : {POINT{2, y + 1}, POINT{1, y + 2}, POINT{w - 3, y + 1}, POINT{w - 2, y + 2}, POINT{1, h - 3},
                        POINT{2, h - 2}, POINT{w - 3, h - 2}, POINT{w - 2, h - 3}})
    SetPixel(dc, p.x, p.y, kGroup);

  if (hasCaption) {
    int gapFrom = 8;
    int gapTo = text.cx + 9;
    RECT area{9, 0, w, h};
    UINT format = DT_LEFT;
    if (align == Align::Right) {
      gapFrom = w - 10 - text.cx;
      gapTo = w - 11;
      area = {0, 0, w - 10, h};
      format = DT_RIGHT;
    } else if (align == Align::Centre) {
      gapFrom = captionLeft - 5;
      gapTo = captionLeft + text.cx + 4;
      area = {0, 0, w, h};
      format = DT_CENTER;
    }
    FillSolid(dc, {gapFrom, y, gapTo + 1, y + 1}, background);
    SetTextColor(dc, look.textColour);
    const SelectScope font(dc, look.font);
    DrawTextA(dc, look.text.data(), textLength, &area, DT_SINGLELINE | format);
  }
  return background;
}

}  // namespace lf
