#pragma once
// The system's own words for an error code.

#include <windows.h>

#include <string>

namespace lf {

// The text that the system has for the code, in the ANSI code page and
// without the line break at its end; empty when it has none.
std::string SystemErrorText(DWORD code);

}  // namespace lf
