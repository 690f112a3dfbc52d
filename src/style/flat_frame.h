#pragma once

#include <windows.h>

#include <cstdint>

namespace lf {

// The two-ring frame of edits and drop-down lists: the scheme's flat frame
// colour outside, the window colour (face when disabled or read-only)
// inside. `rect` is left inset by 1.
void DrawFlatFrame(HDC dc, RECT& rect, std::uint32_t flags, std::int32_t style);

}  // namespace lf
