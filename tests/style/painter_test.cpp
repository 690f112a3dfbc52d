#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "style/arrow_button.h"
#include "style/colours.h"
#include "style/flat_frame.h"
#include "style/painters.h"
#include "style/style_test_support.h"

namespace lf {
namespace {

using test::Canvas;
using test::Rgb;

constexpr COLORREF kSentinel = RGB(1, 2, 3);

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }
COLORREF Window() { return GetSysColor(COLOR_WINDOW); }

// For gradients away from their vertices.
::testing::AssertionResult Near(COLORREF got, COLORREF want, int tolerance) {
  const int dr = std::abs(GetRValue(got) - GetRValue(want));
  const int dg = std::abs(GetGValue(got) - GetGValue(want));
  const int db = std::abs(GetBValue(got) - GetBValue(want));
  if (dr <= tolerance && dg <= tolerance && db <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Rgb(got) << " is not within " << tolerance << " of " << Rgb(want);
}

#define EXPECT_PIXEL(canvas, x, y, colour) \
  EXPECT_EQ(Rgb((canvas).At((x), (y))), Rgb(colour)) << "at (" << (x) << ", " << (y) << ")"

ControlLook Look(std::uint32_t flags, std::int32_t scheme = 1, DWORD style = 0, std::string text = {}) {
  ControlLook look;
  look.flags = flags;
  look.scheme = scheme;
  look.style = style;
  look.text = std::move(text);
  return look;
}

HFONT PlainFont() {
  static const HFONT font =
      CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma");
  return font;
}

// The bounding box of the pixels darker than `limit` in every channel.
RECT DarkBox(const Canvas& canvas, RECT area, int limit = 80) {
  RECT box{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF c = canvas.At(x, y);
      if (GetRValue(c) < limit && GetGValue(c) < limit && GetBValue(c) < limit) {
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
               std::max<LONG>(box.bottom, y + 1)};
      }
    }
  }
  return box;
}

bool HasColour(const Canvas& canvas, RECT area, COLORREF colour) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (canvas.At(x, y) == colour) return true;
  return false;
}

constexpr int kW = 80;
constexpr int kH = 30;

struct ButtonCase {
  const char* name;
  std::uint32_t flags;
  Corners rim;
  Corners face;
};

TEST(PushButtonPainter, RingsCornersRimsAndFacesByState) {
  const COLORREF frame = RGB(0, 60, 115);
  const Corners normalFace = Vertical(RGB(252, 252, 251), RGB(236, 235, 230));
  const Corners pressedFace = {RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222), RGB(231, 227, 222)};
  const Corners focusRim = Vertical(RGB(206, 231, 255), RGB(105, 130, 238));
  const Corners checkedRim = {RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(247, 243, 239)};
  const ButtonCase cases[] = {
      {"normal", 0, Vertical(RGB(255, 255, 255), RGB(226, 223, 214)), normalFace},
      {"hot", flag::Hot, Vertical(RGB(255, 240, 207), RGB(229, 151, 0)), normalFace},
      {"pressed beats hot", flag::Pressed | flag::Hot, Vertical(RGB(209, 204, 193), RGB(242, 241, 238)), pressedFace},
      {"focused", flag::Focused, focusRim, normalFace},
      {"default", flag::DefaultButton, focusRim, normalFace},
      {"checked beats focus", flag::Checked | flag::Focused, checkedRim, pressedFace},
      {"indeterminate", flag::Indeterminate, checkedRim, pressedFace},
  };
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(kW, kH);
    DrawPushButton(canvas.dc(), canvas.size(), Look(c.flags));
    // Outer ring in the face colour, frame ring inside it.
    for (const POINT p : {POINT{0, 15}, POINT{40, 0}, POINT{kW - 1, 15}, POINT{40, kH - 1}, POINT{1, 1},
                          POINT{kW - 2, 1}, POINT{1, kH - 2}, POINT{kW - 2, kH - 2}})
      EXPECT_PIXEL(canvas, p.x, p.y, Face());
    for (const POINT p :
         {POINT{1, 15}, POINT{40, 1}, POINT{kW - 2, 15}, POINT{40, kH - 2}, POINT{2, 2}, POINT{kW - 3, 2},
          POINT{2, kH - 3}, POINT{kW - 3, kH - 3}, POINT{1, 2}, POINT{2, 1}, POINT{kW - 3, 1}, POINT{kW - 2, 2},
          POINT{1, kH - 3}, POINT{2, kH - 2}, POINT{kW - 3, kH - 2}, POINT{kW - 2, kH - 3}})
      EXPECT_PIXEL(canvas, p.x, p.y, frame);
    // Rim from row 2, face from row 4; exact at the top-left vertex, close along the gradient.
    EXPECT_TRUE(Near(canvas.At(3, 2), c.rim.topLeft, 2));
    EXPECT_TRUE(Near(canvas.At(kW - 4, 2), c.rim.topRight, 2));
    EXPECT_TRUE(Near(canvas.At(40, kH - 3), c.rim.bottomLeft, 12));
    EXPECT_PIXEL(canvas, 4, 4, c.face.topLeft);
    EXPECT_TRUE(Near(canvas.At(40, kH - 5), c.face.bottomLeft, 3));
  }
}

TEST(PushButtonPainter, DisabledIsFlatWithADarkerFrame) {
  Canvas canvas(kW, kH);
  DrawPushButton(canvas.dc(), canvas.size(), Look(flag::Disabled, 1, 0, "ab"));
  EXPECT_PIXEL(canvas, 0, 0, Face());
  EXPECT_PIXEL(canvas, 40, 1, Darker(Face(), 0x202020));
  EXPECT_PIXEL(canvas, 2, 2, Darker(Face(), 0x151515));
  EXPECT_PIXEL(canvas, 1, 2, Darker(Face(), 0x111111));
  EXPECT_PIXEL(canvas, 2, kH - 2, Darker(Face(), 0x111111));
  for (const POINT p : {POINT{3, 2}, POINT{40, 3}, POINT{40, 5}, POINT{kW - 3, kH - 4}})
    EXPECT_PIXEL(canvas, p.x, p.y, RGB(245, 244, 234));

  // A disabled checked button still shows the pressed face.
  DrawPushButton(canvas.dc(), canvas.size(), Look(flag::Disabled | flag::Checked));
  EXPECT_PIXEL(canvas, 3, 3, RGB(245, 244, 234));
  EXPECT_PIXEL(canvas, 4, 4, RGB(231, 227, 222));
}

TEST(PushButtonPainter, FocusRectangleLiesOnInsetThree) {
  Canvas focused(kW, kH);
  Canvas plain(kW, kH);
  DrawPushButton(focused.dc(), focused.size(), Look(flag::Focused));
  DrawPushButton(plain.dc(), plain.size(), Look(flag::DefaultButton));
  int onRing = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool ring =
          (x == 3 || x == kW - 4 || y == 3 || y == kH - 4) && x >= 3 && x <= kW - 4 && y >= 3 && y <= kH - 4;
      if (focused.At(x, y) != plain.At(x, y)) {
        EXPECT_TRUE(ring) << "changed off the ring at (" << x << ", " << y << ")";
        ++onRing;
      }
    }
  }
  EXPECT_GT(onRing, kW / 2) << "dotted: about every other pixel of the ring";
}

TEST(PushButtonPainter, CaptionIsCentredAndMovesWhenPressed) {
  auto caption = [](std::uint32_t flags, DWORD style) {
    Canvas canvas(kW, kH);
    ControlLook look = Look(flags, 1, style, "ab");
    look.font = PlainFont();
    DrawPushButton(canvas.dc(), canvas.size(), look);
    return DarkBox(canvas, {4, 4, kW - 4, kH - 4});
  };
  const RECT normal = caption(0, BS_CENTER | BS_VCENTER);
  ASSERT_LT(normal.left, normal.right) << "a caption is drawn";
  const RECT pressed = caption(flag::Pressed, BS_CENTER | BS_VCENTER);
  EXPECT_EQ(pressed.left, normal.left + 1);
  EXPECT_EQ(pressed.top, normal.top + 1);
  EXPECT_NEAR((normal.left + normal.right) / 2, kW / 2, 2);
  // BS_LEFT alone is not an exact pair: centred too.
  const RECT leftOnly = caption(0, BS_LEFT);
  EXPECT_EQ(leftOnly.left, normal.left);
  const RECT leftTop = caption(0, BS_LEFT | BS_TOP);
  EXPECT_LT(leftTop.left, normal.left);
  EXPECT_LT(leftTop.top, normal.top);

  Canvas disabled(kW, kH);
  ControlLook look = Look(flag::Disabled, 1, 0, "ab");
  look.font = PlainFont();
  DrawPushButton(disabled.dc(), disabled.size(), look);
  EXPECT_TRUE(HasColour(disabled, {4, 4, kW - 4, kH - 4}, RGB(165, 162, 148)));
}

struct SchemeCase {
  std::int32_t scheme;
  COLORREF frame;
  COLORREF pressedRimTop;
  COLORREF focusRimTop;
  COLORREF pressedFaceTop;
  COLORREF normalFaceBottom;
  COLORREF flatFrame;
};

TEST(PushButtonPainter, SchemesTwoAndThreeChangeTheirRows) {
  const SchemeCase cases[] = {
      {1, RGB(0, 60, 115), RGB(209, 204, 193), RGB(206, 231, 255), RGB(231, 227, 222), RGB(236, 235, 230),
       RGB(123, 158, 189)},
      {2, RGB(55, 98, 6), RGB(239, 227, 206), RGB(255, 240, 207), RGB(239, 227, 206), RGB(236, 225, 201),
       RGB(164, 185, 127)},
      {3, RGB(0, 60, 116), RGB(239, 227, 206), RGB(206, 231, 255), RGB(179, 178, 197), RGB(198, 197, 215),
       RGB(198, 197, 215)},
  };
  for (const SchemeCase& c : cases) {
    SCOPED_TRACE(c.scheme);
    Canvas canvas(kW, kH);
    DrawPushButton(canvas.dc(), canvas.size(), Look(0, c.scheme));
    EXPECT_PIXEL(canvas, 40, 1, c.frame);
    EXPECT_PIXEL(canvas, 4, 4, RGB(252, 252, 251));
    EXPECT_TRUE(Near(canvas.At(40, kH - 5), c.normalFaceBottom, 3));
    DrawPushButton(canvas.dc(), canvas.size(), Look(flag::Pressed, c.scheme));
    EXPECT_PIXEL(canvas, 3, 2, c.pressedRimTop);
    EXPECT_PIXEL(canvas, 4, 4, c.pressedFaceTop);
    DrawPushButton(canvas.dc(), canvas.size(), Look(flag::Focused, c.scheme));
    EXPECT_PIXEL(canvas, 40, 2, c.focusRimTop);

    Canvas edit(60, 20);
    DrawEditFrame(edit.dc(), edit.size(), Look(0, c.scheme));
    EXPECT_PIXEL(edit, 0, 10, c.flatFrame);
  }
}

TEST(EditPainter, TwoRingsAndTheSpinSide) {
  struct Case {
    const char* name;
    std::uint32_t flags;
    COLORREF outer;
    COLORREF inner;
  };
  const Case cases[] = {
      {"normal", 0, RGB(123, 158, 189), Window()},
      {"focused and hot look the same", flag::Focused | flag::Hot, RGB(123, 158, 189), Window()},
      {"read-only", flag::ReadOnly, RGB(123, 158, 189), Face()},
      {"disabled", flag::Disabled, Darker(Face(), 0x202020), Face()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(60, 20);
    DrawEditFrame(canvas.dc(), canvas.size(), Look(c.flags));
    for (const POINT p : {POINT{0, 0}, POINT{59, 10}, POINT{30, 19}, POINT{0, 19}})
      EXPECT_PIXEL(canvas, p.x, p.y, c.outer);
    for (const POINT p : {POINT{1, 1}, POINT{58, 10}, POINT{30, 18}, POINT{1, 10}})
      EXPECT_PIXEL(canvas, p.x, p.y, c.inner);
    EXPECT_PIXEL(canvas, 2, 2, kSentinel);  // the text area stays the edit's own
  }
  Canvas spin(60, 20);
  DrawEditFrame(spin.dc(), spin.size(), Look(flag::SpinOnRight));
  EXPECT_PIXEL(spin, 59, 1, RGB(255, 255, 255));
  EXPECT_PIXEL(spin, 59, 18, RGB(255, 255, 255));
  EXPECT_PIXEL(spin, 59, 0, RGB(123, 158, 189));
  EXPECT_PIXEL(spin, 0, 10, RGB(123, 158, 189));
  DrawEditFrame(spin.dc(), spin.size(), Look(flag::SpinOnLeft));
  EXPECT_PIXEL(spin, 0, 10, RGB(255, 255, 255));
}

TEST(EditPainter, BorderStylesDecideWhetherAFrameIsDrawn) {
  EXPECT_FALSE(HasFrameBorder(WS_CHILD, 0));
  EXPECT_TRUE(HasFrameBorder(WS_CHILD | WS_BORDER, 0));
  EXPECT_TRUE(HasFrameBorder(WS_CHILD, WS_EX_CLIENTEDGE));
  EXPECT_TRUE(HasFrameBorder(WS_CHILD, WS_EX_STATICEDGE));
  EXPECT_FALSE(HasFrameBorder(WS_CHILD, WS_EX_DLGMODALFRAME));
}

TEST(CheckBoxPainter, BoxMarkAndFillsByState) {
  const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  struct Case {
    const char* name;
    std::uint32_t flags;
    COLORREF frame;
    COLORREF innerTopLeft;  // (1, 1)
    COLORREF square;        // (5, 4): inside the 7 x 7 square, off the check mark
    bool mark;
  };
  const COLORREF normalTop = RGB(222, 223, 214);
  const Case cases[] = {
      {"normal", 0, RGB(24, 81, 132), normalTop, kSentinel, false},
      {"hot", flag::Hot, RGB(24, 81, 132), RGB(255, 243, 206), RGB(231, 231, 231), false},
      {"hot checked", flag::Hot | flag::Checked, RGB(24, 81, 132), RGB(255, 243, 206), RGB(247, 247, 247), true},
      {"pressed", flag::Pressed | flag::Hot, RGB(24, 81, 132), RGB(181, 178, 165), kSentinel, false},
      {"checked", flag::Checked, RGB(24, 81, 132), normalTop, kSentinel, true},
      {"indeterminate", flag::Indeterminate, RGB(24, 81, 132), normalTop, RGB(115, 195, 115), false},
      {"indeterminate hot", flag::Indeterminate | flag::Hot, RGB(24, 81, 132), RGB(255, 243, 206), RGB(33, 162, 33),
       false},
      {"indeterminate pressed", flag::Indeterminate | flag::Pressed, RGB(24, 81, 132), RGB(181, 178, 165),
       RGB(24, 138, 24), false},
      {"disabled checked", flag::Disabled | flag::Checked, Darker(Face(), 0x202020), RGB(255, 255, 255),
       RGB(255, 255, 255), true},
      {"disabled indeterminate", flag::Disabled | flag::Indeterminate, Darker(Face(), 0x202020), RGB(255, 255, 255),
       RGB(206, 203, 189), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(60, 20);
    ControlLook look = Look(c.flags);
    look.backgroundBrush = brush;
    DrawCheckBox(canvas.dc(), canvas.size(), look);
    EXPECT_PIXEL(canvas, 59, 19, RGB(10, 20, 30));
    EXPECT_PIXEL(canvas, 0, 0, c.frame);
    EXPECT_PIXEL(canvas, 12, 12, c.frame);
    EXPECT_PIXEL(canvas, 13, 5, RGB(10, 20, 30));
    EXPECT_TRUE(Near(canvas.At(1, 1), c.innerTopLeft, 2));
    if (c.square != kSentinel) {
      EXPECT_PIXEL(canvas, 5, 4, c.square);
    }
    // The mark: column L (3) from row T+2 (5) to T+4, column L+6 (9) from row T (3) to T+2.
    const COLORREF ink = (c.flags & flag::Disabled) ? RGB(206, 203, 189) : RGB(33, 162, 33);
    for (const POINT p : {POINT{3, 5}, POINT{3, 7}, POINT{5, 7}, POINT{5, 9}, POINT{9, 3}, POINT{9, 5}}) {
      if (c.mark) {
        EXPECT_PIXEL(canvas, p.x, p.y, ink);
      } else if (c.square != RGB(33, 162, 33)) {
        EXPECT_NE(canvas.At(p.x, p.y), RGB(33, 162, 33)) << p.x << "," << p.y;
      }
    }
    if (c.mark) {
      EXPECT_NE(canvas.At(3, 4), ink);
      EXPECT_NE(canvas.At(9, 6), ink);
    }
  }
  DeleteObject(brush);
}

TEST(CheckBoxPainter, PlacesTheBoxByTheAlignmentBits) {
  Canvas canvas(60, 25);
  DrawCheckBox(canvas.dc(), canvas.size(), Look(0, 1, BS_VCENTER));
  EXPECT_PIXEL(canvas, 0, 6, RGB(24, 81, 132));
  EXPECT_PIXEL(canvas, 0, 18, RGB(24, 81, 132));
  EXPECT_NE(canvas.At(0, 5), RGB(24, 81, 132));
  canvas.Clear(kSentinel);
  DrawCheckBox(canvas.dc(), canvas.size(), Look(0, 1, BS_BOTTOM | BS_LEFTTEXT));
  EXPECT_PIXEL(canvas, 47, 12, RGB(24, 81, 132));
  EXPECT_PIXEL(canvas, 59, 24, RGB(24, 81, 132));
  EXPECT_PIXEL(canvas, 0, 24, kSentinel) << "no background brush yet: nothing filled";
}

TEST(RadioButtonPainter, DiscWellGlowAndDot) {
  struct Case {
    const char* name;
    std::uint32_t flags;
    COLORREF centre;
    int tolerance;
  };
  const Case cases[] = {
      {"normal", 0, RGB(247, 243, 239), 12},
      {"hot glow", flag::Hot, RGB(247, 239, 222), 0},
      {"checked dot", flag::Checked, RGB(41, 170, 33), 30},
      {"disabled checked dot", flag::Disabled | flag::Checked, RGB(198, 195, 189), 8},
      {"disabled", flag::Disabled, RGB(255, 255, 255), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(60, 20);
    DrawRadioButton(canvas.dc(), canvas.size(), Look(c.flags));
    EXPECT_TRUE(Near(canvas.At(7, 8), c.centre, c.tolerance));
    EXPECT_PIXEL(canvas, 0, 0, kSentinel) << "outside the disc";
    EXPECT_PIXEL(canvas, 14, 0, kSentinel);
  }
}

TEST(GroupBoxPainter, FrameCornersAndCaptionGap) {
  const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  const COLORREF group = RGB(191, 184, 191);
  const COLORREF back = RGB(10, 20, 30);
  constexpr int w = 120;
  constexpr int h = 60;

  Canvas probe(4, 4);
  SIZE sample{};
  GetTextExtentPoint32A(probe.dc(), "x", 1, &sample);
  const int y = sample.cy / 2;

  Canvas bare(w, h);
  ControlLook look = Look(0);
  look.backgroundBrush = brush;
  EXPECT_EQ(DrawGroupBox(bare.dc(), bare.size(), look), back);
  for (const POINT p : {POINT{0, y}, POINT{1, y}, POINT{2, y}, POINT{0, y + 1}, POINT{0, y + 2}, POINT{w - 1, y},
                        POINT{w - 3, y}, POINT{w - 1, y + 2}, POINT{0, h - 1}, POINT{2, h - 1}, POINT{0, h - 3},
                        POINT{w - 1, h - 1}, POINT{w - 3, h - 1}, POINT{w - 1, h - 3}})
    EXPECT_PIXEL(bare, p.x, p.y, back);
  for (const POINT p : {POINT{3, y}, POINT{60, y}, POINT{2, y + 1}, POINT{1, y + 2}, POINT{0, y + 3},
                        POINT{w - 3, y + 1}, POINT{w - 2, y + 2}, POINT{1, h - 3}, POINT{2, h - 2}, POINT{w - 3, h - 2},
                        POINT{w - 2, h - 3}, POINT{60, h - 1}, POINT{w - 1, 30}})
    EXPECT_PIXEL(bare, p.x, p.y, group);
  EXPECT_PIXEL(bare, 60, 1, back);
  EXPECT_PIXEL(bare, 1, 30, back);
  EXPECT_PIXEL(bare, 60, 30, kSentinel) << "the inside is the box's own";

  look.text = "Grp";
  look.font = PlainFont();
  look.textColour = back;  // so that the letters do not hide the gap
  SIZE text{};
  {
    const HGDIOBJ old = SelectObject(probe.dc(), PlainFont());
    GetTextExtentPoint32A(probe.dc(), "Grp", 3, &text);
    SelectObject(probe.dc(), old);
  }
  const int line = text.cy / 2;
  struct Align {
    DWORD style;
    int gapFrom;
    int gapTo;
  };
  const int centre = (w - text.cx) / 2;
  for (const Align a : {Align{0, 8, text.cx + 9}, Align{BS_RIGHT, w - 10 - text.cx, w - 11},
                        Align{BS_CENTER, centre - 5, centre + text.cx + 4}}) {
    SCOPED_TRACE(a.style);
    Canvas canvas(w, h);
    look.style = a.style;
    DrawGroupBox(canvas.dc(), canvas.size(), look);
    EXPECT_PIXEL(canvas, a.gapFrom - 1, line, group);
    EXPECT_PIXEL(canvas, a.gapFrom, line, back);
    EXPECT_PIXEL(canvas, a.gapTo, line, back);
    EXPECT_PIXEL(canvas, a.gapTo + 1, line, group);
  }
  DeleteObject(brush);
}

TEST(ComboBoxPainter, FrameAndChevronButton) {
  constexpr int w = 120;
  constexpr int h = 24;
  const int b = GetSystemMetrics(SM_CYVTHUMB);
  struct Case {
    const char* name;
    std::uint32_t flags;
    COLORREF outer;
    COLORREF inner;
    COLORREF corner;
    COLORREF glyph;
  };
  const Case cases[] = {
      {"normal", 0, RGB(123, 158, 189), Window(), RGB(231, 239, 255), RGB(123, 158, 189)},
      {"pressed", flag::Pressed, RGB(123, 158, 189), Window(), RGB(189, 195, 222), RGB(123, 158, 189)},
      {"hot", flag::Hot, RGB(123, 158, 189), Window(), RGB(206, 219, 239), RGB(123, 158, 189)},
      {"disabled", flag::Disabled | flag::Pressed, Darker(Face(), 0x202020), Face(), RGB(247, 247, 247),
       RGB(206, 203, 198)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(w, h);
    DrawComboFrame(canvas.dc(), canvas.size(), Look(c.flags));
    EXPECT_PIXEL(canvas, 0, 12, c.outer);
    EXPECT_PIXEL(canvas, w - 1, 12, c.outer);
    EXPECT_PIXEL(canvas, 1, 12, c.inner);
    EXPECT_PIXEL(canvas, w - 2 - b, 12, c.inner);
    EXPECT_PIXEL(canvas, w - 1 - b, 2, c.corner);
    EXPECT_PIXEL(canvas, 5, 12, kSentinel);
    const int cx = (w - b) + (b - 3) / 2;
    const int cy = 3 + (h - 6) / 2;
    EXPECT_PIXEL(canvas, cx - 4, cy - 2, c.glyph);
    EXPECT_PIXEL(canvas, cx, cy + 2, c.glyph);
    EXPECT_PIXEL(canvas, cx, cy, c.glyph);
    EXPECT_PIXEL(canvas, cx + 4, cy - 2, c.glyph);
    EXPECT_NE(canvas.At(cx + 4, cy - 3), c.glyph) << "ends of the inner strokes";
    EXPECT_NE(canvas.At(cx, cy + 3), c.glyph);
    EXPECT_NE(canvas.At(cx + 5, cy - 3), c.glyph) << "a line's end point is not drawn";
  }
}

TEST(ArrowButton, StateRowsAtTheCornersAndTheTriangles) {
  const Scheme& one = SchemeFor(1);
  struct Row {
    std::uint32_t flags;
    int row;
  };
  for (const Row r :
       {Row{flag::Disabled | flag::Hot, 0}, Row{flag::Pressed | flag::Hot, 1}, Row{flag::Hot, 2}, Row{0, 3}}) {
    SCOPED_TRACE(r.row);
    Canvas canvas(21, 21);
    DrawArrowButton(canvas.dc(), {0, 0, 21, 21}, r.flags, ArrowGlyph::TriangleUp, 1);
    const Corners& corner = one.arrow.corners[r.row];
    EXPECT_PIXEL(canvas, 0, 0, corner.topLeft);
    EXPECT_PIXEL(canvas, 20, 0, corner.topRight);
    EXPECT_PIXEL(canvas, 0, 20, corner.bottomLeft);
    EXPECT_PIXEL(canvas, 20, 20, corner.bottomRight);
    EXPECT_TRUE(Near(canvas.At(1, 0), one.arrow.face[r.row].topLeft, 6));
    EXPECT_TRUE(Near(canvas.At(1, 1), one.arrow.inner[r.row].topLeft, 6));
  }

  // Centre (10, 10) of the inset rectangle; the offsets of the up triangle turn for the others.
  const POINT painted[] = {{0, -2}, {-1, -1}, {1, -1}, {-2, 0}, {2, 0}, {-3, 1}, {-1, 1}, {1, 1}, {3, 1}};
  const POINT unpainted[] = {{0, 1}, {0, -3}, {-2, -1}, {-4, 1}, {4, 1}, {0, 2}};
  struct Turn {
    ArrowGlyph glyph;
    int xx, xy, yx, yy;  // (x, y) → (xx·x + xy·y, yx·x + yy·y)
  };
  const COLORREF ink = RGB(123, 158, 189);
  for (const Turn t : {Turn{ArrowGlyph::TriangleUp, 1, 0, 0, 1}, Turn{ArrowGlyph::TriangleDown, 1, 0, 0, -1},
                       Turn{ArrowGlyph::TriangleLeft, 0, 1, 1, 0}, Turn{ArrowGlyph::TriangleRight, 0, -1, 1, 0}}) {
    SCOPED_TRACE(static_cast<int>(t.glyph));
    Canvas canvas(21, 21);
    DrawArrowButton(canvas.dc(), {0, 0, 21, 21}, 0, t.glyph, 1);
    for (const POINT p : painted) EXPECT_PIXEL(canvas, 10 + t.xx * p.x + t.xy * p.y, 10 + t.yx * p.x + t.yy * p.y, ink);
    for (const POINT p : unpainted)
      EXPECT_NE(canvas.At(10 + t.xx * p.x + t.xy * p.y, 10 + t.yx * p.x + t.yy * p.y), ink);
  }
}

TEST(ArrowButton, SchemesTwoAndThreeRows) {
  struct Case {
    std::int32_t scheme;
    std::uint32_t flags;
    COLORREF corner;  // top-left
    COLORREF face;    // (10, 0)
    COLORREF innerTop;
    COLORREF glyph;
  };
  const Case cases[] = {
      {2, 0, RGB(181, 190, 168), RGB(142, 153, 125), RGB(182, 196, 161), RGB(255, 255, 255)},
      {2, flag::Pressed, RGB(189, 195, 222), RGB(118, 131, 97), RGB(139, 147, 119), RGB(255, 255, 255)},
      {2, flag::Hot, RGB(206, 219, 239), RGB(118, 131, 97), RGB(162, 179, 141), RGB(255, 255, 255)},
      {3, 0, RGB(255, 255, 255), RGB(148, 149, 162), RGB(255, 255, 255), RGB(0, 0, 0)},
      {3, flag::Pressed, RGB(190, 183, 190), RGB(67, 72, 72), RGB(191, 194, 219), RGB(0, 0, 0)},
      {3, flag::Hot, RGB(180, 183, 190), RGB(91, 102, 86), RGB(255, 255, 255), RGB(0, 0, 0)},
      {3, flag::Disabled, RGB(247, 247, 247), RGB(231, 231, 222), RGB(247, 247, 247), RGB(206, 203, 198)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.scheme) + "/" + std::to_string(c.flags));
    Canvas canvas(21, 21);
    DrawArrowButton(canvas.dc(), {0, 0, 21, 21}, c.flags, ArrowGlyph::TriangleDown, c.scheme);
    EXPECT_PIXEL(canvas, 0, 0, c.corner);
    EXPECT_TRUE(Near(canvas.At(10, 0), c.face, c.flags & flag::Disabled ? 12 : 0));
    EXPECT_TRUE(Near(canvas.At(1, 1), c.innerTop, 3));
    EXPECT_PIXEL(canvas, 10, 10, c.glyph);
  }
}

TEST(UpDownPainter, HalvesTakeThePointerState) {
  constexpr int w = 20;
  constexpr int h = 40;
  const Scheme& one = SchemeFor(1);
  {
    // Not joined: R is the client grown by 1, so the buttons' corners lie outside; the
    // upper button runs from row 1 to 20 and its inner face starts at (0, 2).
    Canvas canvas(w, h);
    DrawUpDown(canvas.dc(), canvas.size(), Look(flag::Hot | flag::PointerInFirstHalf), false);
    EXPECT_PIXEL(canvas, 10, 0, RGB(123, 158, 189));
    EXPECT_TRUE(Near(canvas.At(0, 2), one.arrow.inner[2].topLeft, 2));
    EXPECT_TRUE(Near(canvas.At(0, 21), one.arrow.inner[3].topLeft, 2));
  }
  {
    Canvas canvas(w, h);
    DrawUpDown(canvas.dc(), canvas.size(), Look(flag::Hot), false);
    EXPECT_TRUE(Near(canvas.At(0, 2), one.arrow.inner[3].topLeft, 2));
    EXPECT_TRUE(Near(canvas.At(0, 21), one.arrow.inner[2].topLeft, 2));
  }
  {
    // Joined: R is the client; the upper button starts at row 2.
    Canvas canvas(w, h);
    DrawUpDown(canvas.dc(), canvas.size(), Look(0), true);
    EXPECT_PIXEL(canvas, 0, 0, RGB(123, 158, 189));
    EXPECT_PIXEL(canvas, 0, 1, RGB(123, 158, 189));
    EXPECT_PIXEL(canvas, 0, 2, one.arrow.corners[3].topLeft);
    EXPECT_PIXEL(canvas, 0, 20, one.arrow.corners[3].topLeft);
    EXPECT_PIXEL(canvas, w - 1, h - 1, one.arrow.corners[3].bottomRight);
  }
  {
    // Horizontal, scheme 3: left button from column 1, right from the middle.
    Canvas canvas(40, 20);
    DrawUpDown(canvas.dc(), canvas.size(), Look(flag::Horizontal, 3), false);
    EXPECT_PIXEL(canvas, 0, 10, RGB(198, 197, 215));
    EXPECT_PIXEL(canvas, 1, 5, RGB(148, 149, 162));
    EXPECT_PIXEL(canvas, 20, 5, RGB(148, 149, 162));
    EXPECT_PIXEL(canvas, 2, 0, RGB(255, 255, 255));
    EXPECT_PIXEL(canvas, 21, 0, RGB(255, 255, 255));
  }
}

TEST(FlatFrame, LeavesTheRectangleInsetByOne) {
  Canvas canvas(30, 20);
  RECT rect{2, 2, 28, 18};
  DrawFlatFrame(canvas.dc(), rect, 0, 1);
  const RECT expected{3, 3, 27, 17};
  EXPECT_TRUE(EqualRect(&rect, &expected));
  EXPECT_PIXEL(canvas, 2, 10, RGB(123, 158, 189));
  EXPECT_PIXEL(canvas, 3, 10, Window());
  EXPECT_PIXEL(canvas, 1, 10, kSentinel);
}

TEST(Colours, DarkerStopsEachByteAtZero) {
  EXPECT_EQ(Darker(RGB(240, 240, 240), 0x202020), RGB(208, 208, 208));
  EXPECT_EQ(Darker(RGB(212, 208, 200), 0x151515), RGB(191, 187, 179));
  EXPECT_EQ(Darker(RGB(0x10, 0x40, 0x30), 0x202020), RGB(0, 0x20, 0x10));
}

}  // namespace
}  // namespace lf
