#include <windows.h>

#include "app/program.h"
#include "app/registry.h"
#include "core/designed.h"
#include "core/fatal.h"
#include "window/kinds.h"

namespace lf {

namespace {

// The platform ids of the controls, in the order of their creation.
constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

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

bool Exists(LoadedWindow& window) { return !window.live.empty() && IsWindow(window.live[0]->hwnd()); }

}  // namespace

void LoadWindow(std::uint32_t windowId) {
  LoadedWindow* window = FindLoadedWindow(windowId);
  if (window == nullptr || window->description.entries.empty()) LoadFailed();
  const auto& entries = window->description.entries;

  DispatchWaitingMessages();
  SuppressEvents();

  window->live.resize(entries.size());
  auto created = CreateWindowOfEntry(windowId, entries[0], DesignedStyle(entries[0]));
  if (created == nullptr) LoadFailed();
  FormWindow* form = created.get();
  HWND frame = form->hwnd();
  window->live[0] = std::move(created);
  // The controls are created from the last entry to the first.
  int childId = kFirstChildId;
  for (std::size_t i = entries.size(); i-- > 1; childId += kChildIdStep) {
    auto control = CreateControlOfEntry(windowId, entries[i], frame, childId, DesignedStyle(entries[i]));
    if (control == nullptr) LoadFailed();
    window->live[i] = std::move(control);
  }
  std::vector<Control*> controls;
  for (std::size_t i = 1; i < entries.size(); ++i) controls.push_back(window->live[i].get());
  form->SetControls(std::move(controls));
  // Stacked in description order: the first control on top.
  HWND above = HWND_TOP;
  for (std::size_t i = 1; i < entries.size(); ++i) {
    HWND control = window->live[i]->hwnd();
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    above = control;
  }
  for (std::size_t i = 1; i < entries.size(); ++i)
    ShowWindow(window->live[i]->hwnd(), entries[i].visible ? SW_SHOWNA : SW_HIDE);

  DispatchWaitingMessages();
  ResumeEvents();

  form->Fire(event::window::kCreated);
  if (!Exists(*window)) return;
  form->Fire(event::window::kMoved);
  if (!Exists(*window)) return;
  form->Fire(event::window::kResized);
  if (!Exists(*window)) return;

  if (entries[0].visible) {
    ShowWindow(frame, SW_SHOW);
    if (!Exists(*window)) return;
    HWND focus = GetFocus();
    if (focus != nullptr && (focus == frame || IsChild(frame, focus))) {
      Control* focused = Control::FromHandle(focus);
      (focused != nullptr ? focused : form)->Fire(event::kGotFocus);
    }
  }
}

}  // namespace lf
