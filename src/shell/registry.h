#pragma once
// The registry of loaded windows: their descriptions and, once created,
// the live object of each entry.

#include <cstdint>
#include <memory>
#include <vector>

#include "shell/description.h"

namespace lf {

// The live object of an entry (a window or control of a kind).
class LiveObject {
 public:
  virtual ~LiveObject() = default;
};

struct LoadedWindow {
  WindowDescription description;
  std::vector<std::unique_ptr<LiveObject>> live;  // per entry; empty until created
  bool completelyLoaded = false;
};

std::vector<LoadedWindow>& WindowRegistry();
LoadedWindow* FindLoadedWindow(std::uint32_t windowId);
const ControlEntry* FindEntry(const LoadedWindow& window, std::uint32_t entryId);
// The index of an entry in its description, or -1.
int EntryIndex(const LoadedWindow& window, std::uint32_t entryId);

// True while some loaded window has live objects.
bool AnyWindowLive();

}  // namespace lf
