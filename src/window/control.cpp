#include "window/control.h"

#include <unordered_map>

#include "core/designed.h"
#include "win/bad_alloc.h"
#include "window/event_sink.h"

namespace lf {

namespace {

struct Adoption {
  Control* control;  // nullptr once the object is gone but the watch must stay
  WNDPROC watched;   // the procedure under the focus watch, or nullptr
};

// The control of each adopted window. Looked up for nearly every message, so
// it is kept in the process: a window property costs a wineserver round
// trip per look-up under Wine.
std::unordered_map<HWND, Adoption>& Adopted() {
  static std::unordered_map<HWND, Adoption> adopted;
  return adopted;
}

// Takes the focus watch out while it is the outermost procedure; true then.
bool Unwatch(HWND window, WNDPROC watched) {
  if (ProcedureOfW(window) != Control::FocusWatch) return false;
  ReplaceProcedureW(window, watched);
  return true;
}

}  // namespace

Control::~Control() {
  auto found = Adopted().find(hwnd_);
  if (found == Adopted().end() || found->second.control != this) return;
  Adoption& adoption = found->second;
  if (adoption.watched != nullptr && IsWindow(hwnd_) && !Unwatch(hwnd_, adoption.watched)) {
    // A later subclass sits on top: the watch stays in the chain and passes
    // every message on until the window goes.
    adoption.control = nullptr;
    return;
  }
  Adopted().erase(found);
}

void Control::Adopt(HWND window, bool watchFocus) {
  hwnd_ = window;
  // A subclass of our own rather than the common controls' one: theirs reads
  // a window property twice per message.
  WNDPROC watched = watchFocus ? ReplaceProcedureW(window, FocusWatch) : nullptr;
  Adopted()[window] = Adoption{this, watched};
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
  if (window == nullptr) return nullptr;
  auto found = Adopted().find(window);
  return found == Adopted().end() ? nullptr : found->second.control;
}

bool Control::Fire(std::int32_t number, std::vector<std::int32_t> arguments) {
  EventRecord event;
  event.windowId = windowId_;
  event.sourceId = entry_.id;
  event.number = number;
  event.arguments = std::move(arguments);
  return RaiseEvent(event);
}

bool Control::Ask(std::int32_t number) {
  EventRecord event;
  event.windowId = windowId_;
  event.sourceId = entry_.id;
  event.number = number;
  bool ran = RaiseEvent(event);
  return !(ran && event.hasAnswer && event.answer == 0);
}

LRESULT CALLBACK Control::FocusWatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return FatalOnBadAlloc([&] {
    auto found = Adopted().find(window);
    if (found == Adopted().end() || found->second.watched == nullptr)
      return DefWindowProcW(window, message, wParam, lParam);
    const Adoption adoption = found->second;
    LRESULT result = CallWindowProcW(adoption.watched, window, message, wParam, lParam);
    if (adoption.control != nullptr) {
      if (message == WM_SETFOCUS) adoption.control->Fire(event::kGotFocus);
      if (message == WM_KILLFOCUS) adoption.control->Fire(event::kLostFocus);
    }
    if (message == WM_NCDESTROY) {
      Unwatch(window, adoption.watched);
      Adopted().erase(window);
    }
    return result;
  });
}

}  // namespace lf
