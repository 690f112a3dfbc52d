#pragma once
// The flat control style of the calling thread's windows.

#include <cstdint>

namespace lf {

// 1, 2 or 3 switch the style on with that colour scheme (detaching and
// re-attaching when it is on already) and give 1; any other number switches
// it off and gives the result of removing the hook, or 0 when it was off.
std::int32_t SetVisualStyle(std::int32_t style);

}  // namespace lf
