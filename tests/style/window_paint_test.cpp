#include <gtest/gtest.h>

#include "style/colours.h"
#include "style/engine.h"
#include "style/style_test_support.h"
#include "style/visual_style.h"

namespace lf {
namespace {

using test::Rgb;
using test::TestParent;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// Reads what is on screen through the window's own device context.
class Screen {
 public:
  explicit Screen(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~Screen() { ReleaseDC(window_, dc_); }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HWND window_;
  HDC dc_;
};

class StyledWindow : public ::testing::Test {
 protected:
  void TearDown() override {
    SetVisualStyle(0);
    TestParent::brush = nullptr;
    TestParent::answersNoBrush = false;
  }
};

TEST_F(StyledWindow, PushButtonIsDrawnFlatAndRepaintedOnPress) {
  TestParent parent;
  const HWND button = parent.Add("Button", "查找", kChild | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 10, 10, 80, 32);
  ASSERT_EQ(SetVisualStyle(1), 1);
  UpdateWindow(button);
  {
    const Screen screen(button);
    EXPECT_EQ(Rgb(screen.At(0, 0)), Rgb(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(Rgb(screen.At(40, 1)), Rgb(RGB(0, 60, 115)));
    EXPECT_EQ(Rgb(screen.At(2, 2)), Rgb(RGB(0, 60, 115)));
    EXPECT_EQ(Rgb(screen.At(40, 2)), Rgb(RGB(255, 255, 255))) << "normal rim";
  }
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  {
    const Screen screen(button);
    EXPECT_EQ(Rgb(screen.At(40, 2)), Rgb(RGB(209, 204, 193))) << "pressed rim";
  }
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  EnableWindow(button, FALSE);
  {
    const Screen screen(button);
    EXPECT_EQ(Rgb(screen.At(40, 1)), Rgb(Darker(GetSysColor(COLOR_BTNFACE), 0x202020)));
    EXPECT_EQ(Rgb(screen.At(40, 3)), Rgb(RGB(245, 244, 234)));
  }
  // Switched off, the platform draws the button again.
  SetVisualStyle(0);
  UpdateWindow(button);
  const Screen screen(button);
  EXPECT_NE(Rgb(screen.At(40, 3)), Rgb(RGB(245, 244, 234)));
}

TEST_F(StyledWindow, EditFrameReplacesTheSunkenBorder) {
  TestParent parent;
  const HWND edit = parent.Add("Edit", "text", kChild | ES_AUTOHSCROLL, 10, 10, 200, 32, WS_EX_CLIENTEDGE);
  const HWND readOnly = parent.Add("Edit", "text", kChild | ES_READONLY, 10, 50, 200, 32, WS_EX_CLIENTEDGE);
  const HWND bare = parent.Add("Edit", "text", kChild, 10, 90, 200, 32);
  ASSERT_EQ(SetVisualStyle(1), 1);
  ASSERT_NE(FindStyledControl(bare), nullptr) << "attached though never drawn";
  SendMessageA(edit, EM_SETREADONLY, TRUE, 0);  // after attaching: keeps the window-coloured ring
  RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);

  const COLORREF window = GetSysColor(COLOR_WINDOW);
  for (const HWND w : {edit, readOnly}) {
    const Screen screen(w);
    EXPECT_EQ(Rgb(screen.At(0, 16)), Rgb(RGB(123, 158, 189)));
    EXPECT_EQ(Rgb(screen.At(100, 31)), Rgb(RGB(123, 158, 189)));
    EXPECT_EQ(Rgb(screen.At(1, 16)), Rgb(w == readOnly ? GetSysColor(COLOR_BTNFACE) : window));
  }
  const Screen screen(bare);
  EXPECT_NE(Rgb(screen.At(0, 16)), Rgb(RGB(123, 158, 189)));
}

TEST_F(StyledWindow, CheckBoxTakesItsBackgroundFromTheParent) {
  const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  TestParent::brush = brush;
  TestParent::textColour = RGB(255, 255, 0);
  TestParent parent;
  const HWND box = parent.Add("Button", "box", kChild | BS_AUTOCHECKBOX, 10, 10, 100, 20);
  ASSERT_EQ(SetVisualStyle(1), 1);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  {
    const Screen screen(box);
    EXPECT_EQ(Rgb(screen.At(99, 19)), Rgb(RGB(10, 20, 30)));
    EXPECT_EQ(Rgb(screen.At(0, 0)), Rgb(RGB(24, 81, 132)));
    EXPECT_EQ(Rgb(screen.At(3, 5)), Rgb(RGB(33, 162, 33))) << "check mark";
  }
  SetVisualStyle(0);
  DeleteObject(brush);
}

TEST_F(StyledWindow, BoxesWithoutTheParentsBrushStandOnTheFaceColour) {
  TestParent::answersNoBrush = true;
  TestParent parent;
  // No caption: every pixel beside the box is background.
  const HWND check = parent.Add("Button", "", kChild | BS_AUTOCHECKBOX, 10, 10, 100, 20);
  const HWND radio = parent.Add("Button", "", kChild | BS_AUTORADIOBUTTON, 10, 40, 100, 20);
  ASSERT_EQ(SetVisualStyle(1), 1);  // erases, asks for the colours and paints once
  for (const HWND box : {check, radio}) {
    ASSERT_EQ(FindStyledControl(box)->backgroundBrush, nullptr);
    const Screen screen(box);
    int black = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 100; ++x)
        if ((y < 2 || x >= 17) && screen.At(x, y) == RGB(0, 0, 0)) ++black;
    EXPECT_EQ(black, 0) << (box == check ? "check box" : "radio button");
    EXPECT_EQ(Rgb(screen.At(99, 19)), Rgb(GetSysColor(COLOR_BTNFACE)));
  }
}

TEST_F(StyledWindow, UpDownJoinedToItsEditAndDrawnInHalves) {
  TestParent parent;
  const HWND edit = parent.Add("Edit", "1", kChild, 10, 10, 100, 24, WS_EX_CLIENTEDGE);
  const HWND spin = parent.Add(UPDOWN_CLASSA, "", kChild | UDS_ALIGNRIGHT | UDS_SETBUDDYINT, 0, 0, 18, 24);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  ASSERT_EQ(SetVisualStyle(1), 1);
  ASSERT_TRUE(FindStyledControl(spin)->Has(flag::JoinedOnRight));
  ASSERT_TRUE(FindStyledControl(edit)->Has(flag::SpinOnRight));
  RECT client{};
  GetClientRect(spin, &client);
  SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(3, client.bottom - 3));
  const Scheme& one = SchemeFor(1);
  {
    const Screen screen(spin);
    EXPECT_EQ(Rgb(screen.At(0, 0)), Rgb(RGB(123, 158, 189)));
    EXPECT_EQ(Rgb(screen.At(0, 2)), Rgb(one.arrow.corners[3].topLeft)) << "upper half normal";
    EXPECT_EQ(Rgb(screen.At(0, client.bottom / 2)), Rgb(one.arrow.corners[2].topLeft)) << "lower half hot";
  }
  // The buddy's enabled state shows on the joined up-down.
  EnableWindow(edit, FALSE);
  InvalidateRect(spin, nullptr, TRUE);
  UpdateWindow(spin);
  const Screen screen(spin);
  EXPECT_EQ(Rgb(screen.At(0, 2)), Rgb(one.arrow.corners[0].topLeft));
}

TEST_F(StyledWindow, GroupBoxAndComboBoxInTheirMainStates) {
  const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  TestParent::brush = brush;
  TestParent parent;
  const HWND group = parent.Add("Button", "", kChild | BS_GROUPBOX, 10, 10, 150, 80);
  const HWND combo = parent.Add("ComboBox", "", kChild | CBS_DROPDOWNLIST, 10, 100, 150, 200);
  ASSERT_EQ(SetVisualStyle(1), 1);
  InvalidateRect(group, nullptr, TRUE);
  UpdateWindow(group);
  const StyledControl& record = *FindStyledControl(group);
  EXPECT_EQ(record.backgroundColour, RGB(10, 20, 30));
  {
    const Screen screen(group);
    EXPECT_EQ(Rgb(screen.At(0, 0)), Rgb(RGB(10, 20, 30)));
    EXPECT_EQ(Rgb(screen.At(0, 40)), Rgb(RGB(191, 184, 191)));
    EXPECT_EQ(Rgb(screen.At(149, 40)), Rgb(RGB(191, 184, 191)));
  }
  RECT bounds{};
  GetWindowRect(combo, &bounds);
  const int w = bounds.right - bounds.left;
  const int h = bounds.bottom - bounds.top;
  const int thumb = GetSystemMetrics(SM_CYVTHUMB);
  SendMessageA(combo, WM_LBUTTONUP, 0, 0);  // a plan with painting, at rest
  {
    const Screen screen(combo);
    EXPECT_EQ(Rgb(screen.At(0, h / 2)), Rgb(RGB(123, 158, 189)));
    EXPECT_EQ(Rgb(screen.At(1, h / 2)), Rgb(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(Rgb(screen.At(w - 1 - thumb, 2)), Rgb(SchemeFor(1).arrow.corners[3].topLeft));
  }
  SetVisualStyle(0);
  DeleteObject(brush);
}

}  // namespace
}  // namespace lf
