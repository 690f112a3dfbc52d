#include "window/control.h"

#include <commctrl.h>

namespace lf {

namespace {
const char kControlProperty[] = "linkfinder.control";
constexpr UINT_PTR kFocusWatchId = 1;
}  // namespace

Control::~Control() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) {
    if (watchingFocus_) RemoveWindowSubclass(hwnd_, FocusWatch, kFocusWatchId);
    RemovePropA(hwnd_, kControlProperty);
  }
}

void Control::Adopt(HWND window, bool watchFocus) {
  hwnd_ = window;
  SetPropA(window, kControlProperty, this);
  if (watchFocus)
    watchingFocus_ = SetWindowSubclass(window, FocusWatch, kFocusWatchId, reinterpret_cast<DWORD_PTR>(this));
}

bool Control::CreateChild(const char* windowClass, const char* text, DWORD style, HWND parent, int childId) {
  const ControlEntry& e = entry_;
  HWND window =
      CreateWindowExA(0, windowClass, text, style, e.left, e.top, e.width, e.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return false;
  Adopt(window, true);
  return true;
}

Control* Control::FromHandle(HWND window) {
  return window == nullptr ? nullptr : static_cast<Control*>(GetPropA(window, kControlProperty));
}

bool Control::Fire(std::int32_t number, std::vector<std::int32_t> arguments) {
  EventRecord event;
  event.windowId = windowId_;
  event.sourceId = entry_.id;
  event.number = number;
  event.arguments = std::move(arguments);
  return FireEvent(event);
}

bool Control::Ask(std::int32_t number) {
  EventRecord event;
  event.windowId = windowId_;
  event.sourceId = entry_.id;
  event.number = number;
  bool ran = FireEvent(event);
  return !(ran && event.hasAnswer && event.answer == 0);
}

LRESULT CALLBACK Control::FocusWatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR self) {
  LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  auto* control = reinterpret_cast<Control*>(self);
  if (message == WM_SETFOCUS) control->Fire(kEventGotFocus);
  if (message == WM_KILLFOCUS) control->Fire(kEventLostFocus);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, FocusWatch, kFocusWatchId);
    control->watchingFocus_ = false;
  }
  return result;
}

}  // namespace lf
