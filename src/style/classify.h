#pragma once
// Which windows the style restyles, and as what.

#include <windows.h>

#include <optional>

#include "style/styled_control.h"

namespace lf {

// The kind of `window`, or nothing when it keeps the platform look.
std::optional<ControlKind> ClassifyControl(HWND window);

}  // namespace lf
