#pragma once
// The registry of loaded windows: their descriptions and, once created, the
// live object of each entry; and the dispatch of events to the handlers that
// the descriptions bind.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/description.h"
#include "core/events.h"
#include "window/control.h"

namespace lf {

struct LoadedWindow {
  WindowDescription description;
  std::vector<std::unique_ptr<Control>> live;  // per entry; empty until created
};

std::vector<LoadedWindow>& WindowRegistry();
LoadedWindow* FindLoadedWindow(std::uint32_t windowId);
const ControlEntry* FindEntry(const LoadedWindow& window, std::uint32_t entryId);
// The index of an entry in its description, or -1.
int EntryIndex(const LoadedWindow& window, std::uint32_t entryId);

// True while some loaded window has live objects.
bool AnyWindowLive();

// The live control of an entry of a loaded window, of the expected kind.
template <class Kind>
Kind* LiveControl(std::uint32_t windowId, std::uint32_t entryId) {
  LoadedWindow* window = FindLoadedWindow(windowId);
  if (window == nullptr) return nullptr;
  int i = EntryIndex(*window, entryId);
  if (i < 0 || static_cast<std::size_t>(i) >= window->live.size()) return nullptr;
  return dynamic_cast<Kind*>(window->live[static_cast<std::size_t>(i)].get());
}

// Runs the handler bound to the event's source and number, if any, and
// tells whether one ran. Nothing runs while events are suppressed.
bool FireEvent(EventRecord& event);

// A window has handled its last message: the registry forgets its live
// objects, and the quit request follows when no loaded window is left and
// the loop runs.
void ForgetLiveObjects(std::uint32_t windowId);

}  // namespace lf
