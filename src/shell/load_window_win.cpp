#include <windows.h>

#include "shell/fatal.h"
#include "shell/process_state.h"
#include "shell/registry.h"
#include "shell/shell.h"
#include "window/form_window.h"
#include "window/kinds.h"

namespace lf {

namespace {

constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

constexpr std::int32_t kEventCreated = 0;
constexpr std::int32_t kEventMoved = 3;
constexpr std::int32_t kEventResized = 4;

// Takes and dispatches every waiting message; a quit request stays queued.
void DispatchWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

DWORD DesignedStyle(const ControlEntry& entry) {
  DWORD style = 0;
  if (entry.disabled) style |= WS_DISABLED;
  if (entry.tabStop) style |= WS_TABSTOP;
  return style;
}

[[noreturn]] void LoadFailed() { ReportFatalError(0, "载入启动窗口失败"); }

bool Exists(LoadedWindow& window) {
  return !window.live.empty() && IsWindow(static_cast<Control*>(window.live[0].get())->hwnd());
}

}  // namespace

void LoadWindow(std::uint32_t windowId) {
  LoadedWindow* window = FindLoadedWindow(windowId);
  if (window == nullptr || window->description.entries.empty()) LoadFailed();
  const auto& entries = window->description.entries;

  DispatchWaitingMessages();
  SuppressEvents();

  window->live.resize(entries.size());
  auto form = CreateWindowOfEntry(windowId, entries[0], DesignedStyle(entries[0]));
  if (form == nullptr) LoadFailed();
  HWND frame = form->hwnd();
  window->live[0] = std::move(form);
  // The controls are created from the last entry to the first.
  int childId = kFirstChildId;
  for (std::size_t i = entries.size(); i-- > 1; childId += kChildIdStep) {
    auto control = CreateControlOfEntry(windowId, entries[i], frame, childId, DesignedStyle(entries[i]));
    if (control == nullptr) LoadFailed();
    window->live[i] = std::move(control);
  }
  // Stacked in description order: the first control on top.
  HWND above = HWND_TOP;
  for (std::size_t i = 1; i < entries.size(); ++i) {
    HWND control = static_cast<Control*>(window->live[i].get())->hwnd();
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    above = control;
  }
  for (std::size_t i = 1; i < entries.size(); ++i)
    ShowWindow(static_cast<Control*>(window->live[i].get())->hwnd(), entries[i].visible ? SW_SHOWNA : SW_HIDE);

  DispatchWaitingMessages();
  ResumeEvents();

  auto* self = static_cast<Control*>(window->live[0].get());
  self->Fire(kEventCreated);
  if (!Exists(*window)) return;
  self->Fire(kEventMoved);
  if (!Exists(*window)) return;
  self->Fire(kEventResized);
  if (!Exists(*window)) return;

  if (entries[0].visible) {
    ShowWindow(frame, SW_SHOW);
    if (!Exists(*window)) return;
    HWND focus = GetFocus();
    if (focus != nullptr && (focus == frame || IsChild(frame, focus))) {
      Control* focused = Control::FromHandle(focus);
      (focused != nullptr ? focused : self)->Fire(kEventGotFocus);
    }
  }
  window->completelyLoaded = true;
}

void ForgetLiveObjects(std::uint32_t windowId) {
  LoadedWindow* window = FindLoadedWindow(windowId);
  if (window == nullptr) return;
  window->live.clear();
  window->completelyLoaded = false;
  if (!AnyWindowLive() && Process().loopRunning) PostQuitMessage(0);
}

}  // namespace lf
