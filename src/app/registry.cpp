#include "app/registry.h"

#include <windows.h>

#include "app/process.h"

namespace lf {

std::vector<LoadedWindow>& WindowRegistry() {
  static std::vector<LoadedWindow> windows;
  return windows;
}

LoadedWindow* FindLoadedWindow(std::uint32_t windowId) {
  for (auto& window : WindowRegistry())
    if (window.description.windowId == windowId) return &window;
  return nullptr;
}

int EntryIndex(const LoadedWindow& window, std::uint32_t entryId) {
  const auto& entries = window.description.entries;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].id == entryId) return static_cast<int>(i);
  return -1;
}

const ControlEntry* FindEntry(const LoadedWindow& window, std::uint32_t entryId) {
  int i = EntryIndex(window, entryId);
  return i < 0 ? nullptr : &window.description.entries[static_cast<std::size_t>(i)];
}

bool AnyWindowLive() {
  for (auto& window : WindowRegistry())
    if (!window.live.empty()) return true;
  return false;
}

bool FireEvent(EventRecord& event) {
  if (EventsSuppressed()) return false;
  LoadedWindow* window = FindLoadedWindow(event.windowId);
  if (window == nullptr) return false;
  const ControlEntry* source = FindEntry(*window, event.sourceId);
  if (source == nullptr) return false;
  for (const Binding& binding : source->bindings) {
    if (binding.number != event.number) continue;
    if (binding.handler == nullptr) return false;  // the first binding decides
    binding.handler(event);
    return true;
  }
  return false;
}

void ForgetLiveObjects(std::uint32_t windowId) {
  LoadedWindow* window = FindLoadedWindow(windowId);
  if (window == nullptr) return;
  window->live.clear();
  if (!AnyWindowLive() && Process().loopRunning) PostQuitMessage(0);
}

}  // namespace lf
