#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "style/engine.h"
#include "style/message_plan.h"
#include "style/style_test_support.h"
#include "style/visual_style.h"

namespace lf {
namespace {

using test::MessageCounter;
using test::PaintCounter;
using test::TestParent;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

WNDPROC ProcOf(HWND window) { return ProcedureOfA(window); }

class StyleEngine : public ::testing::Test {
 protected:
  void TearDown() override {
    SetVisualStyle(0);
    TestParent::brush = nullptr;
  }
};

TEST_F(StyleEngine, SwitchingOnWithoutWindowsInstallsTheHookForLaterControls) {
  EXPECT_EQ(SetVisualStyle(0), 0) << "off while off";
  EXPECT_EQ(SetVisualStyle(1), 1);
  EXPECT_EQ(StyledControlCount(), 0u);

  TestParent parent;
  const HWND button = parent.Add("Button", "OK", kChild | BS_PUSHBUTTON, 10, 10, 80, 26);
  const HWND label = parent.Add("Static", "text", kChild, 10, 50, 80, 20);
  const StyledControl* record = FindStyledControl(button);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->kind, ControlKind::PushButton);
  EXPECT_EQ(ProcOf(button), &StyledControlProc);
  EXPECT_NE(record->previousProc, &StyledControlProc);
  EXPECT_EQ(FindStyledControl(label), nullptr);
  EXPECT_EQ(FindStyledControl(parent.get()), nullptr);
}

TEST_F(StyleEngine, EveryOtherNumberOnlySwitchesOffAndPutsTheOwnProceduresBack) {
  for (const std::int32_t off : {0, 4, -1}) {
    TestParent parent;
    const HWND button = parent.Add("Button", "OK", kChild | BS_PUSHBUTTON, 10, 10, 80, 26);
    const HWND edit = parent.Add("Edit", "", kChild, 10, 50, 120, 24, WS_EX_CLIENTEDGE);
    const WNDPROC buttonOwn = ProcOf(button);
    const WNDPROC editOwn = ProcOf(edit);

    ASSERT_EQ(SetVisualStyle(1), 1);
    ASSERT_EQ(StyledControlCount(), 2u);
    EXPECT_EQ(ProcOf(edit), &StyledControlProc);

    EXPECT_NE(SetVisualStyle(off), 0) << off;
    EXPECT_EQ(VisualStyleNumber(), off);
    EXPECT_EQ(StyledControlCount(), 0u) << off;
    EXPECT_EQ(ProcOf(button), buttonOwn) << off;
    EXPECT_EQ(ProcOf(edit), editOwn) << off;
    EXPECT_EQ(SetVisualStyle(off), 0) << "already off: " << off;

    // The hook went with the style: new controls keep the platform look.
    const HWND later = parent.Add("Button", "later", kChild | BS_PUSHBUTTON, 100, 10, 80, 26);
    EXPECT_EQ(FindStyledControl(later), nullptr) << off;
  }
}

TEST_F(StyleEngine, SwitchingOnTwiceKeepsOneRecordPerControl) {
  TestParent parent;
  const HWND button = parent.Add("Button", "OK", kChild | BS_PUSHBUTTON, 10, 10, 80, 26);
  const HWND box = parent.Add("Button", "c", kChild | BS_AUTOCHECKBOX, 10, 40, 80, 20);
  const HWND edit = parent.Add("Edit", "", kChild | WS_BORDER, 10, 70, 120, 24);
  const WNDPROC own = ProcOf(button);
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);

  ASSERT_EQ(SetVisualStyle(1), 1);
  ASSERT_EQ(SetVisualStyle(2), 1);
  EXPECT_EQ(VisualStyleNumber(), 2);
  EXPECT_EQ(StyledControlCount(), 3u);
  for (const HWND window : {button, box, edit}) EXPECT_NE(FindStyledControl(window), nullptr);
  // Re-attaching must not chain the style onto itself, and takes the box's
  // state afresh without changing it.
  EXPECT_EQ(FindStyledControl(button)->previousProc, own);
  EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(FindStyledControl(box)->Has(flag::Checked));
}

struct BoxProbe {
  int buttons = 0;
  int styledButtons = 0;
  int statics = 0;
  int styledStatics = 0;
  bool found = false;
  int ticks = 0;
};
BoxProbe g_probe;

BOOL CALLBACK ProbeChild(HWND child, LPARAM) {
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Button") == 0) {
    ++g_probe.buttons;
    if (FindStyledControl(child)) ++g_probe.styledButtons;
  } else if (lstrcmpiA(name, "Static") == 0) {
    ++g_probe.statics;
    if (FindStyledControl(child)) ++g_probe.styledStatics;
  }
  return TRUE;
}

BOOL CALLBACK FindBox(HWND window, LPARAM result) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK ProbeMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (box && !g_probe.found) {
    g_probe.found = true;
    EnumChildWindows(box, ProbeChild, 0);
  }
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
  if (++g_probe.ticks > 100 || box) KillTimer(nullptr, timer);
}

TEST_F(StyleEngine, RestylesTheButtonsOfAMessageBoxButNotItsText) {
  ASSERT_EQ(SetVisualStyle(1), 1);
  g_probe = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ProbeMessageBox);
  ASSERT_NE(timer, 0u);
  MessageBoxA(nullptr, "message text", "box", MB_OK);
  ASSERT_TRUE(g_probe.found);
  EXPECT_GE(g_probe.buttons, 1);
  EXPECT_EQ(g_probe.styledButtons, g_probe.buttons);
  EXPECT_GE(g_probe.statics, 1);
  EXPECT_EQ(g_probe.styledStatics, 0);
}

TEST_F(StyleEngine, HoverRepaintsOnEnteringAndLeavingOnly) {
  struct Case {
    const char* className;
    DWORD style;
    DWORD exStyle;
  };
  for (const Case c : {Case{"Button", kChild | BS_PUSHBUTTON, 0}, Case{"Button", kChild | BS_AUTOCHECKBOX, 0},
                       Case{"Edit", kChild, WS_EX_CLIENTEDGE}}) {
    SCOPED_TRACE(c.className);
    TestParent parent;
    const HWND control = parent.Add(c.className, "x", c.style, 20, 20, 100, 30, c.exStyle);
    MessageCounter own(control);
    ASSERT_EQ(SetVisualStyle(1), 1);
    PaintCounter paints;
    RECT bounds{};
    GetWindowRect(control, &bounds);
    SetCursorPos(bounds.left + 5, bounds.top + 5);  // so the leave notice does not come early
    StyledControl& record = *FindStyledControl(control);
    own.Clear();

    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(record.Has(flag::Hot)) << "entered with the button held";
    EXPECT_EQ(paints.Count(control), 0);
    EXPECT_EQ(own.Count(WM_MOUSEMOVE), 1);

    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(record.Has(flag::Hot));
    EXPECT_EQ(paints.Count(control), 1);
    EXPECT_EQ(own.Count(WM_MOUSEMOVE), 2);

    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(7, 6));
    EXPECT_EQ(paints.Count(control), 1) << "moving on within repaints nothing";
    EXPECT_EQ(own.Count(WM_MOUSEMOVE), 4) << "each move reaches the own procedure once";

    SendMessageA(control, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(record.Has(flag::Hot));
    EXPECT_EQ(paints.Count(control), 2);
    SendMessageA(control, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(paints.Count(control), 2) << "a second leave changes nothing";
    SetVisualStyle(0);
  }
}

TEST_F(StyleEngine, UpDownRepaintsWhenThePointerChangesHalves) {
  TestParent parent;
  const HWND spin = parent.Add(UPDOWN_CLASSA, "", kChild, 20, 20, 20, 40);
  MessageCounter own(spin);
  ASSERT_EQ(SetVisualStyle(1), 1);
  PaintCounter paints;
  RECT bounds{};
  GetWindowRect(spin, &bounds);
  SetCursorPos(bounds.left + 5, bounds.top + 5);
  const StyledControl& record = *FindStyledControl(spin);
  own.Clear();

  struct Move {
    int y;
    bool firstHalf;
    int paintsAfter;
  };
  // Height 40: rows up to 20 belong to the upper half.
  const Move moves[] = {{5, true, 1}, {6, true, 1}, {20, true, 1}, {21, false, 2}, {39, false, 2}, {10, true, 3}};
  int sent = 0;
  for (const Move& move : moves) {
    SendMessageA(spin, WM_MOUSEMOVE, 0, MAKELPARAM(5, move.y));
    ++sent;
    EXPECT_EQ(record.Has(flag::PointerInFirstHalf), move.firstHalf) << move.y;
    EXPECT_EQ(paints.Count(spin), move.paintsAfter) << move.y;
    EXPECT_EQ(own.Count(WM_MOUSEMOVE), sent) << move.y;
  }

  const HDC dc = GetDC(spin);
  EXPECT_EQ(SendMessageA(spin, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(spin, dc);
  EXPECT_EQ(own.Count(WM_ERASEBKGND), 0);
}

bool g_recordDuringDestroy = false;
void NoteRecordOnDestroy(HWND window) { g_recordDuringDestroy = FindStyledControl(window) != nullptr; }

TEST_F(StyleEngine, DestroyingAControlRemovesItsRecordAfterItsOwnProcedure) {
  TestParent parent;
  const HWND keep = parent.Add("Button", "keep", kChild | BS_PUSHBUTTON, 10, 50, 80, 26);
  const HWND button = parent.Add("Button", "OK", kChild | BS_PUSHBUTTON, 10, 10, 80, 26);
  MessageCounter own(button);
  own.onDestroy = NoteRecordOnDestroy;
  ASSERT_EQ(SetVisualStyle(1), 1);
  ASSERT_EQ(StyledControlCount(), 2u);
  g_recordDuringDestroy = false;

  DestroyWindow(button);
  EXPECT_EQ(own.Count(WM_DESTROY), 1);
  EXPECT_TRUE(g_recordDuringDestroy);
  EXPECT_EQ(FindStyledControl(button), nullptr);
  EXPECT_NE(FindStyledControl(keep), nullptr);
  EXPECT_EQ(StyledControlCount(), 1u);
}

TEST_F(StyleEngine, SwitchingOffAlsoDetachesWindowsThatEnumerationMisses) {
  ASSERT_EQ(SetVisualStyle(1), 1);
  // Message-only windows are not among the thread's top-level windows.
  const HWND hidden = CreateWindowExA(0, "Button", "OK", WS_CHILD | BS_PUSHBUTTON, 0, 0, 80, 26, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(hidden, nullptr);
  ASSERT_NE(FindStyledControl(hidden), nullptr);
  const WNDPROC own = FindStyledControl(hidden)->previousProc;
  EXPECT_NE(SetVisualStyle(0), 0);
  EXPECT_EQ(FindStyledControl(hidden), nullptr);
  EXPECT_EQ(ProcOf(hidden), own);
  DestroyWindow(hidden);
}

WNDPROC g_buttonProc = nullptr;
LRESULT CALLBACK DestroyOnPress(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == BM_SETSTATE) {
    DestroyWindow(window);
    return 0;
  }
  return CallWindowProcA(g_buttonProc, window, message, wParam, lParam);
}

TEST_F(StyleEngine, AControlDestroyedByItsOwnProcedureIsNotPaintedAfterwards) {
  TestParent parent;
  const HWND button = parent.Add("Button", "OK", kChild | BS_PUSHBUTTON, 10, 10, 80, 26);
  g_buttonProc = ReplaceProcedureA(button, DestroyOnPress);
  ASSERT_EQ(SetVisualStyle(1), 1);
  PaintCounter paints;
  SendMessageA(button, BM_SETSTATE, TRUE, 0);  // planned: own procedure, then paint
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(FindStyledControl(button), nullptr);
  EXPECT_EQ(paints.Count(button), 0);
}

struct ForeignButton {
  HWND parent = nullptr;
  HWND button = nullptr;
  HANDLE created = nullptr;
  HANDLE finish = nullptr;
};

DWORD WINAPI RunForeignButton(void* data) {
  auto& foreign = *static_cast<ForeignButton*>(data);
  foreign.button = CreateWindowExA(0, "Button", "theirs", kChild | BS_PUSHBUTTON, 10, 10, 80, 26, foreign.parent,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
  SetEvent(foreign.created);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 5000) {
    if (MsgWaitForMultipleObjects(1, &foreign.finish, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) break;
    test::Pump(1);
  }
  DestroyWindow(foreign.button);
  return 0;
}

// Waits for `handle` while handling this thread's messages, for at most 5 s.
bool WaitPumping(HANDLE handle) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 5000) {
    if (MsgWaitForMultipleObjects(1, &handle, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) return true;
    test::Pump(1);
  }
  return false;
}

TEST_F(StyleEngine, LeavesChildrenOfOtherThreadsAlone) {
  TestParent parent;
  ForeignButton foreign;
  foreign.parent = parent.get();
  foreign.created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  foreign.finish = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  const HANDLE thread = CreateThread(nullptr, 0, RunForeignButton, &foreign, 0, nullptr);
  ASSERT_TRUE(WaitPumping(foreign.created));
  ASSERT_NE(foreign.button, nullptr);
  const WNDPROC theirs = ProcOf(foreign.button);

  ASSERT_EQ(SetVisualStyle(1), 1);
  EXPECT_EQ(FindStyledControl(foreign.button), nullptr);
  EXPECT_EQ(ProcOf(foreign.button), theirs);

  SetEvent(foreign.finish);
  EXPECT_TRUE(WaitPumping(thread));
  CloseHandle(thread);
  CloseHandle(foreign.created);
  CloseHandle(foreign.finish);
}

void ThrowingObserver(const StyledControl&) { throw std::runtime_error("paint failed"); }

TEST_F(StyleEngine, AFailingPainterIsIgnoredAndTheMessageStillHandled) {
  TestParent parent;
  const HWND button = parent.Add("Button", "old", kChild | BS_PUSHBUTTON, 10, 10, 80, 26);
  MessageCounter own(button);
  ASSERT_EQ(SetVisualStyle(1), 1);
  SetPaintObserver(&ThrowingObserver);
  own.Clear();

  EXPECT_EQ(SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new")), TRUE);
  char text[16] = {};
  GetWindowTextA(button, text, sizeof text);
  EXPECT_STREQ(text, "new");
  EXPECT_EQ(own.Count(WM_SETTEXT), 0) << "captions go to the default procedure";

  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(own.Count(BM_SETSTATE), 1);
  EXPECT_TRUE(FindStyledControl(button)->Has(flag::Pressed));
  SetPaintObserver(nullptr);
}

TEST_F(StyleEngine, AttachingReadsTheControlsState) {
  TestParent parent;
  const HWND def = parent.Add("Button", "d", kChild | BS_DEFPUSHBUTTON | WS_DISABLED, 10, 10, 80, 26);
  const HWND three = parent.Add("Button", "t", kChild | BS_AUTO3STATE, 10, 40, 80, 20);
  const HWND check = parent.Add("Button", "c", kChild | BS_AUTOCHECKBOX, 10, 60, 80, 20);
  const HWND readOnly = parent.Add("Edit", "", kChild | ES_READONLY, 100, 10, 100, 24, WS_EX_CLIENTEDGE);
  const HWND edit = parent.Add("Edit", "", kChild, 100, 40, 100, 24, WS_EX_CLIENTEDGE);
  const HWND spin = parent.Add(UPDOWN_CLASSA, "", kChild | UDS_ALIGNRIGHT | UDS_HORZ, 0, 0, 20, 24);
  SendMessageA(three, BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  SetFocus(check);
  ASSERT_EQ(SetVisualStyle(1), 1);
  // The up-down joins an edit that is attached already.
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  DetachStyle(spin);
  AttachStyle(spin);

  EXPECT_EQ(FindStyledControl(def)->flags, flag::Disabled | flag::DefaultButton);
  EXPECT_EQ(FindStyledControl(three)->flags, flag::Indeterminate);
  EXPECT_EQ(FindStyledControl(check)->flags, flag::Checked | flag::Focused);
  EXPECT_EQ(FindStyledControl(readOnly)->flags, flag::ReadOnly);
  EXPECT_EQ(FindStyledControl(edit)->flags, flag::SpinOnRight);
  EXPECT_EQ(FindStyledControl(spin)->flags, flag::Horizontal | flag::JoinedOnRight);

  // Read-only is fixed when the edit is attached.
  SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
  EXPECT_FALSE(FindStyledControl(edit)->Has(flag::ReadOnly));
  EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
}

TEST_F(StyleEngine, EraseRequestRefreshesTheColoursFromTheParent) {
  TestParent parent;
  const HWND box = parent.Add("Button", "c", kChild | BS_AUTOCHECKBOX, 10, 10, 80, 20);
  ASSERT_EQ(SetVisualStyle(1), 1);
  const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  TestParent::brush = brush;
  TestParent::textColour = RGB(200, 0, 0);

  const HDC dc = GetDC(box);
  SendMessageA(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ReleaseDC(box, dc);
  const StyledControl& record = *FindStyledControl(box);
  EXPECT_EQ(record.backgroundBrush, brush);
  EXPECT_EQ(record.backgroundColour, RGB(10, 20, 30));
  EXPECT_EQ(record.textColour, RGB(200, 0, 0));
  SetVisualStyle(0);
  DeleteObject(brush);
}

// ClassifyMessage and TrackPointerAndFocus, planned on a record of their own.
struct PlanCase {
  const char* name;
  ControlKind kind;
  UINT message;
  WPARAM wParam;
  std::uint32_t flagsBefore;
  std::uint32_t actions;  // after TrackPointerAndFocus when asked, OwnAfter not yet dropped
  std::uint32_t flagsAfter;
};

constexpr std::uint32_t A(Action a) { return static_cast<std::uint32_t>(a); }
constexpr std::uint32_t kAsk = A(Action::AskTracker);
constexpr std::uint32_t kOwn = A(Action::OwnBefore);
constexpr std::uint32_t kDef = A(Action::DefaultBefore);
constexpr std::uint32_t kPaint = A(Action::Paint);
constexpr std::uint32_t kAfter = A(Action::OwnAfter);
constexpr std::uint32_t kRet = A(Action::ReturnValue);

using K = ControlKind;
const PlanCase kPlans[] = {
    {"button paint", K::PushButton, WM_PAINT, 0, 0, kDef | kPaint, 0},
    {"button caption", K::CheckBox, WM_SETTEXT, 0, 0, kDef | kPaint, 0},
    {"button erase", K::RadioButton, WM_ERASEBKGND, 0, 0, kOwn, 0},
    {"check on", K::CheckBox, BM_SETCHECK, 1, flag::Indeterminate, kOwn | kPaint, flag::Checked},
    {"check third", K::CheckBox, BM_SETCHECK, 2, flag::Checked, kOwn | kPaint, flag::Indeterminate},
    {"check other", K::CheckBox, BM_SETCHECK, 7, flag::Checked | flag::Indeterminate, kOwn | kPaint, 0},
    {"press", K::PushButton, BM_SETSTATE, 5, 0, kOwn | kPaint, flag::Pressed},
    {"release", K::PushButton, BM_SETSTATE, 0, flag::Pressed, kOwn | kPaint, 0},
    {"default style", K::PushButton, BM_SETSTYLE, BS_DEFPUSHBUTTON, 0, kOwn | kPaint, flag::DefaultButton},
    {"plain style", K::PushButton, BM_SETSTYLE, BS_PUSHBUTTON, flag::DefaultButton, kOwn | kPaint, 0},
    {"button other", K::PushButton, WM_KEYDOWN, 0, 0, kAsk | kOwn, 0},
    {"edit scroll", K::EditFrame, WM_VSCROLL, 0, 0, kOwn | kPaint, 0},
    {"edit frame paint", K::EditFrame, WM_NCPAINT, 0, 0, kOwn | kPaint, 0},
    {"edit frame enter", K::EditFrame, WM_NCMOUSEMOVE, 0, 0, kDef | kPaint, flag::Hot},
    {"edit frame move", K::EditFrame, WM_NCMOUSEMOVE, 0, flag::Hot, kAsk | kOwn, flag::Hot},
    {"edit leave", K::EditFrame, WM_MOUSELEAVE, 0, flag::Hot, kDef | kPaint, 0},
    {"edit leave cold", K::EditFrame, WM_MOUSELEAVE, 0, 0, kAsk | kOwn | kAfter, 0},
    {"combo press", K::ComboFrame, WM_LBUTTONDOWN, 0, 0, kOwn | kPaint, flag::Pressed},
    {"combo release", K::ComboFrame, WM_LBUTTONUP, 0, flag::Pressed, kOwn | kPaint, 0},
    {"up-down paint", K::UpDown, WM_PAINT, 0, 0, kDef | kPaint, 0},
    {"up-down erase", K::UpDown, WM_ERASEBKGND, 0, 0, kRet, 0},
    {"up-down release", K::UpDown, WM_LBUTTONUP, 0, flag::Pressed, kOwn | kPaint, 0},
    {"group paint", K::GroupBox, WM_NCPAINT, 0, 0, kDef | kPaint, 0},
    {"group erase", K::GroupBox, WM_ERASEBKGND, 0, 0, kAsk | kOwn, 0},
    {"list paint", K::DropList, WM_PAINT, 0, 0, kAsk | kOwn, 0},
    {"focus", K::DropList, WM_SETFOCUS, 0, 0, kAsk | kOwn | kPaint, flag::Focused},
    {"focus lost", K::EditFrame, WM_KILLFOCUS, 0, flag::Focused, kAsk | kOwn | kPaint, 0},
    {"disable", K::ComboFrame, WM_ENABLE, 0, 0, kAsk | kOwn | kPaint, flag::Disabled},
    {"enable", K::GroupBox, WM_ENABLE, 1, flag::Disabled, kAsk | kOwn | kPaint, 0},
    {"enter", K::PushButton, WM_MOUSEMOVE, 0, 0, kAsk | kOwn | kPaint, flag::Hot},
    {"move while hot", K::PushButton, WM_MOUSEMOVE, 0, flag::Hot, kAsk | kOwn | kAfter, flag::Hot},
    {"enter held", K::EditFrame, WM_MOUSEMOVE, MK_LBUTTON, 0, kAsk | kOwn | kAfter, 0},
    {"leave", K::RadioButton, WM_MOUSELEAVE, 0, flag::Hot, kAsk | kOwn | kPaint, 0},
    {"leave cold", K::RadioButton, WM_MOUSELEAVE, 0, 0, kAsk | kOwn | kAfter, 0},
};

TEST(MessagePlan, ActionsAndStateChangesByKind) {
  TestParent parent;
  const HWND window = parent.Add("Static", "", kChild, 0, 0, 20, 20);
  for (const PlanCase& c : kPlans) {
    StyledControl record;
    record.window = window;
    record.kind = c.kind;
    record.flags = c.flagsBefore;
    ActionSet plan = ClassifyMessage(record, c.message, c.wParam, 0);
    if (plan.Has(Action::AskTracker)) plan.Add(TrackPointerAndFocus(record, c.message, c.wParam));
    EXPECT_EQ(plan.bits, c.actions) << c.name;
    EXPECT_EQ(record.flags, c.flagsAfter) << c.name;
    if (plan.Has(Action::ReturnValue)) {
      EXPECT_EQ(plan.value, 1) << c.name;
    }
  }
}

TEST_F(StyleEngine, ComboBoxIsPressedWhileTheButtonIsDown) {
  TestParent parent;
  const HWND combo = parent.Add("ComboBox", "", kChild | CBS_DROPDOWNLIST, 10, 10, 120, 200);
  ASSERT_EQ(SetVisualStyle(1), 1);
  const StyledControl& record = *FindStyledControl(combo);
  PostMessageA(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 10));
  test::Pump(30);
  EXPECT_TRUE(record.Has(flag::Pressed));
  SendMessageA(combo, WM_LBUTTONUP, 0, MAKELPARAM(110, 10));
  EXPECT_FALSE(record.Has(flag::Pressed));
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
}  // namespace lf
