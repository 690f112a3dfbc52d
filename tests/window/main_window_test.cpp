#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/program.h"
#include "app/properties.h"
#include "core/designed.h"
#include "style/engine.h"
#include "support/main_window.h"
#include "support/ui.h"

namespace lf::test {
namespace {

using std::chrono::milliseconds;

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST_F(MainWindowTest, StandsCentredWithAFixedFrameAndNoTitle) {
  Load();
  RECT r;
  GetWindowRect(Main(), &r);
  EXPECT_EQ(r.right - r.left, 483);
  EXPECT_EQ(r.bottom - r.top, 381);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 483) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 381) / 2);
  EXPECT_EQ(WindowText(Main()), "");

  auto style = static_cast<DWORD>(GetWindowLongPtrA(Main(), GWL_STYLE));
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_EQ(GetParent(Main()), nullptr);
  EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr);

  EXPECT_NE(SendMessageA(Main(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(Main(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindowTest, ControlsStandAtTheirDesignedPlacesWithTheirStyles) {
  Load();
  struct Expected {
    HWND window;
    const char* cls;
    RECT rect;
    int id;
  } controls[] = {
      {Field(), "Edit", {80, 320, 477, 352}, 120},
      {List(), "SysListView32", {0, 0, 480, 320}, 110},
      {Button(), "Button", {0, 319, 80, 351}, 100},
  };
  for (const auto& c : controls) {
    char cls[64];
    GetClassNameA(c.window, cls, sizeof cls);
    EXPECT_STRCASEEQ(cls, c.cls);
    RECT r;
    GetWindowRect(c.window, &r);
    MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, c.rect.left) << cls;
    EXPECT_EQ(r.top, c.rect.top) << cls;
    EXPECT_EQ(r.right, c.rect.right) << cls;
    EXPECT_EQ(r.bottom, c.rect.bottom) << cls;
    EXPECT_EQ(GetDlgCtrlID(c.window), c.id) << cls;
    EXPECT_TRUE(GetWindowLongPtrA(c.window, GWL_STYLE) & WS_TABSTOP) << cls;
  }
  EXPECT_EQ(WindowText(Button()), "查找");
  auto fieldStyle = GetWindowLongPtrA(Field(), GWL_STYLE);
  EXPECT_TRUE(fieldStyle & ES_AUTOHSCROLL);
  EXPECT_FALSE(fieldStyle & ES_NOHIDESEL);
  EXPECT_FALSE(fieldStyle & WS_BORDER);
  EXPECT_TRUE(GetWindowLongPtrA(Field(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Field(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
  EXPECT_STREQ(font.lfFaceName, "宋体");
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(Button(), WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
  auto buttonStyle = GetWindowLongPtrA(Button(), GWL_STYLE);
  EXPECT_EQ(buttonStyle & (BS_CENTER | BS_VCENTER | BS_MULTILINE), BS_CENTER | BS_VCENTER | BS_MULTILINE);
  EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(MainWindowTest, TheListCoversTheTopRowOfTheButton) {
  Load();
  EXPECT_EQ(ChildWindowFromPointEx(Main(), POINT{40, 319}, CWP_SKIPINVISIBLE), List());
  EXPECT_EQ(ChildWindowFromPointEx(Main(), POINT{40, 320}, CWP_SKIPINVISIBLE), Button());
  // Stacking in description order: the field on top, the button at the bottom.
  EXPECT_EQ(GetWindow(Main(), GW_CHILD), Field());
  EXPECT_EQ(GetWindow(Field(), GW_HWNDNEXT), List());
  EXPECT_EQ(GetWindow(List(), GW_HWNDNEXT), Button());
}

// The pixel at (x, y) of a window's own area, frame included, as 0xRRGGBB.
unsigned PixelOf(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

unsigned Rgb(COLORREF colour) { return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour); }

// The flat style that the created event switches on, seen on the screen:
// the button and the field redrawn, the list and its header as the platform
// draws them.
TEST_F(MainWindowTest, TheStartGivesTheButtonAndTheFieldTheFlatLook) {
  Load();
  PointAt({1900, 1060});  // off every control: nothing is drawn hot
  PumpFor(milliseconds(300));
  constexpr unsigned kButtonFrame = 0x003C73;  // the push button's frame, scheme 1
  constexpr unsigned kFlatFrame = 0x7B9EBD;    // the edit field's outer ring
  EXPECT_EQ(PixelOf(Button(), 0, 0 + 1), Rgb(GetSysColor(COLOR_BTNFACE))) << "rounded corner";
  EXPECT_EQ(PixelOf(Button(), 40, 1), kButtonFrame);
  EXPECT_EQ(PixelOf(Button(), 2, 2), kButtonFrame);
  EXPECT_EQ(PixelOf(Field(), 0, 16), kFlatFrame);
  EXPECT_EQ(PixelOf(Field(), 1, 16), Rgb(GetSysColor(COLOR_WINDOW)));

  // The list and its header against a list that the style never saw, in a
  // window of its own with the same edge and column.
  HWND header = GetWindow(List(), GW_CHILD);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(FindStyledControl(List()), nullptr);
  EXPECT_EQ(FindStyledControl(header), nullptr);
  HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 480, 320, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  HWND plain = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 480, 320,
                               frame, nullptr, GetModuleHandleA(nullptr), nullptr);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>("x");
  column.cx = 270;
  SendMessageA(plain, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  PumpFor(milliseconds(200));
  HWND plainHeader = GetWindow(plain, GW_CHILD);
  for (int x : {0, 1}) EXPECT_EQ(PixelOf(List(), x, 160), PixelOf(plain, x, 160)) << "list edge, x " << x;
  for (int y : {0, 1}) EXPECT_EQ(PixelOf(header, 40, y), PixelOf(plainHeader, 40, y)) << "header, y " << y;
  EXPECT_NE(PixelOf(List(), 0, 160), kFlatFrame);
  DestroyWindow(frame);
}

TEST_F(MainWindowTest, CreatedMovedAndResizedComeOnceInOrderBeforeTheWindowShows) {
  for (std::int32_t number : {0, 1, 2, 3, 4, 5, 6, 8, 12, -7, -8}) Record(kMainWindowEntryId, number);
  for (std::uint32_t control : {kAddressFieldId, kLinkListId, kFindButtonId}) {
    Record(control, 0);
    Record(control, -7);
    Record(control, -8);
  }
  LoadAsTheProgramDoes();
  ASSERT_GE(recorded.size(), 3u);
  // Nothing that building the window caused reached a handler.
  EXPECT_EQ(recorded[0].number, 0);
  EXPECT_EQ(recorded[1].number, 3);
  EXPECT_EQ(recorded[2].number, 4);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(recorded[i].sourceId, kMainWindowEntryId);
    EXPECT_FALSE(recorded[i].windowVisible) << i;
  }
  std::vector<std::int32_t> window = NumbersOf(kMainWindowEntryId);
  EXPECT_EQ(std::count(window.begin(), window.end(), 0), 1);
  // Showing activates the window for the first time, then passes the focus on.
  std::vector<std::int32_t> expectedStart = {0, 3, 4, 8, 5};
  ASSERT_GE(window.size(), expectedStart.size());
  EXPECT_EQ(std::vector<std::int32_t>(window.begin(), window.begin() + 5), expectedStart);
  EXPECT_EQ(GetFocus(), Button());
  EXPECT_TRUE(recorded.back().windowVisible);
}

TEST_F(MainWindowTest, StartUpMakesTheProgramDirectoryCurrent) {
  SetCurrentDirectoryA("C:\\");
  StartUp();
  char program[MAX_PATH], current[MAX_PATH];
  GetModuleFileNameA(nullptr, program, sizeof program);
  *strrchr(program, '\\') = '\0';
  GetCurrentDirectoryA(sizeof current, current);
  EXPECT_STRCASEEQ(current, program);
}

TEST_F(MainWindowTest, TabAndShiftTabCycleThroughTheControls) {
  Load();
  ASSERT_EQ(GetFocus(), Button());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), List());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Field());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Button());
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), Field());
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), List());
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), Button());
}

TEST_F(MainWindowTest, SpaceOnTheButtonClicksItAndEnterInTheFieldDoesNot) {
  Record(kFindButtonId, 0);
  Load();
  ASSERT_EQ(GetFocus(), Button());
  PressKey(VK_SPACE);
  EXPECT_EQ(NumbersOf(kFindButtonId), std::vector<std::int32_t>{0});
  SetFocus(Field());
  PressKey(VK_RETURN);
  EXPECT_EQ(NumbersOf(kFindButtonId), std::vector<std::int32_t>{0});
  EXPECT_TRUE(IsWindow(Main()));
}

TEST_F(MainWindowTest, EscClosesTheWindowFromEveryControl) {
  for (int which = 0; which < 3; ++which) {
    StartUp();
    Record(kMainWindowEntryId, 12);
    Record(kMainWindowEntryId, 1);
    Record(kMainWindowEntryId, 2);
    recorded.clear();
    Load();
    HWND main = Main();
    HWND controls[] = {Field(), List(), Button()};
    SetFocus(controls[which]);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(main)) << which;
    EXPECT_EQ(NumbersOf(kMainWindowEntryId), (std::vector<std::int32_t>{12, 1, 2})) << which;
  }
}

TEST_F(MainWindowTest, EscEndsTheEventLoopWithExitCodeZero) {
  Load();
  PostMessageA(Field(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(RunEventLoop(), 0);
  EXPECT_EQ(Main(), nullptr);  // the registry forgot the window
}

TEST_F(MainWindowTest, TheFocusComesBackToTheControlThatHadIt) {
  Load();
  SetFocus(Field());
  HWND other =
      CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  Activate(other);
  Activate(Main());
  EXPECT_EQ(GetFocus(), Field());
  DestroyWindow(other);
}

TEST_F(MainWindowTest, TheAddressFieldReadsExactlyWhatItHolds) {
  Load();
  EXPECT_TRUE(ReadProperty(kMainWindowId, kAddressFieldId, 8, -1).absent());
  SetFocus(Field());
  for (char c : std::string("http://a/ b ")) PostMessageA(Field(), WM_CHAR, static_cast<unsigned char>(c), 1);
  PumpFor(milliseconds(100));
  EXPECT_EQ(ReadProperty(kMainWindowId, kAddressFieldId, 8, -1).view(), "http://a/ b ");
  // A GBK address, two-byte characters included.
  const std::string gbk = "http://例子.测试/路径?查询=值";
  SetWindowTextA(Field(), gbk.c_str());
  EXPECT_EQ(ReadProperty(kMainWindowId, kAddressFieldId, 8, -1).view(), gbk);
}

TEST_F(MainWindowTest, WritingTheTitleShowsItAndALaterWriteReplacesIt) {
  Load();
  WriteProperty(kMainWindowId, kMainWindowEntryId, 8, -1, Text::Copy("找到约0条"));
  EXPECT_EQ(WindowText(Main()), "找到约0条");
  WriteProperty(kMainWindowId, kMainWindowEntryId, 8, -1, Text::Copy("找到约27条"));
  EXPECT_EQ(WindowText(Main()), "找到约27条");
  WriteProperty(kMainWindowId, kMainWindowEntryId, 8, -1, Text());
  EXPECT_EQ(WindowText(Main()), "");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(Main(), GWL_STYLE)) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
}

}  // namespace
}  // namespace lf::test
