#pragma once
// Creates the live object and platform window of an entry by its kind.

#include <windows.h>

#include <memory>

#include "window/control.h"

namespace lf {

// The window itself (kind 窗口), or nullptr when it cannot be created.
std::unique_ptr<Control> CreateWindowOfEntry(std::uint32_t windowId, const ControlEntry& entry, DWORD style);

// A control of the window; nullptr when the kind is unknown, its settings
// are refused or the platform cannot create it.
std::unique_ptr<Control> CreateControlOfEntry(std::uint32_t windowId, const ControlEntry& entry, HWND parent,
                                              int childId, DWORD style);

// The live control of an entry of a loaded window, of the expected kind.
template <class Kind>
Kind* LiveControl(std::uint32_t windowId, std::uint32_t entryId) {
  LoadedWindow* window = FindLoadedWindow(windowId);
  if (window == nullptr) return nullptr;
  int i = EntryIndex(*window, entryId);
  if (i < 0 || static_cast<std::size_t>(i) >= window->live.size()) return nullptr;
  return dynamic_cast<Kind*>(window->live[static_cast<std::size_t>(i)].get());
}

}  // namespace lf
