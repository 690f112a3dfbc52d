#pragma once
// Creates the live object and platform window of an entry by its kind.

#include <windows.h>

#include <memory>

#include "window/control.h"
#include "window/form_window.h"

namespace lf {

// The window itself (kind 窗口), or nullptr when it cannot be created.
std::unique_ptr<FormWindow> CreateWindowOfEntry(std::uint32_t windowId, const ControlEntry& entry, DWORD style);

// A control of the window; nullptr when the kind is unknown, its settings
// are refused or the platform cannot create it.
std::unique_ptr<Control> CreateControlOfEntry(std::uint32_t windowId, const ControlEntry& entry, HWND parent,
                                              int childId, DWORD style);

}  // namespace lf
