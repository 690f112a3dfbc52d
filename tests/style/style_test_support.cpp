#include "style/style_test_support.h"

#include <cstdio>
#include <cstring>

#include "style/engine.h"

namespace lf::test {
namespace {

std::map<HWND, MessageCounter*>& Counters() {
  static std::map<HWND, MessageCounter*> counters;
  return counters;
}

std::map<HWND, int>& Paints() {
  static std::map<HWND, int> paints;
  return paints;
}

void NotePaint(const StyledControl& control) { ++Paints()[control.window]; }

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORBTN && TestParent::answersNoBrush) return 0;
  if (message == WM_CTLCOLORBTN && TestParent::brush) {
    SetTextColor(reinterpret_cast<HDC>(wParam), TestParent::textColour);
    return reinterpret_cast<LRESULT>(TestParent::brush);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

const char* ParentClass() {
  static const char* name = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                              ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_INTERNET_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "LfStyleTestParent";
    RegisterClassA(&wc);
    return "LfStyleTestParent";
  }();
  return name;
}

}  // namespace

HBRUSH TestParent::brush = nullptr;
bool TestParent::answersNoBrush = false;
COLORREF TestParent::textColour = RGB(0, 0, 0);

void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  for (int handled = 0; handled < 10000 && GetTickCount() - start < milliseconds;) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      ++handled;
    } else {
      Sleep(1);
    }
  }
}

// Top-level windows cost about two seconds each under Wine without a window
// manager, so every test parent lives in one host window made once.
HWND HostWindow() {
  static const HWND host = [] {
    const HWND window = CreateWindowExA(0, ParentClass(), "style test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100,
                                        100, 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump(50);
    return window;
  }();
  return host;
}

TestParent::TestParent() {
  window_ = CreateWindowExA(0, ParentClass(), "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300, HostWindow(),
                            nullptr, GetModuleHandleA(nullptr), nullptr);
}

TestParent::~TestParent() {
  if (window_) DestroyWindow(window_);
}

HWND TestParent::Add(const char* className, const char* text, DWORD style, int x, int y, int w, int h, DWORD exStyle) {
  return CreateWindowExA(exStyle, className, text, style, x, y, w, h, window_, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

MessageCounter::MessageCounter(HWND window)
    : window_(window), original_(ReplaceProcedureA(window, MessageCounter::Proc)) {
  Counters()[window] = this;
}

MessageCounter::~MessageCounter() { Counters().erase(window_); }

int MessageCounter::Count(UINT message) const {
  const auto found = counts_.find(message);
  return found == counts_.end() ? 0 : found->second;
}

LRESULT CALLBACK MessageCounter::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = Counters().find(window);
  if (found == Counters().end()) return DefWindowProcA(window, message, wParam, lParam);
  MessageCounter& counter = *found->second;
  ++counter.counts_[message];
  const LRESULT result = CallWindowProcA(counter.original_, window, message, wParam, lParam);
  if (message == WM_DESTROY && counter.onDestroy) counter.onDestroy(window);
  return result;
}

PaintCounter::PaintCounter() {
  Paints().clear();
  SetPaintObserver(&NotePaint);
}

PaintCounter::~PaintCounter() { SetPaintObserver(nullptr); }

int PaintCounter::Count(HWND window) const {
  const auto found = Paints().find(window);
  return found == Paints().end() ? 0 : found->second;
}

void PaintCounter::Clear() { Paints().clear(); }

std::string Rgb(COLORREF colour) {
  char text[32];
  std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

}  // namespace lf::test
