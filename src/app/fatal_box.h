#pragma once
// The program's fatal error report: the error box, then EndProcess(-1).

#include <cstdint>

namespace lf {

// Installed by StartUp as the fatal reporter. Does not return.
[[noreturn]] void ShowFatalBox(std::int32_t code, const char* text);

}  // namespace lf
