#pragma once
// The process from start to end: start-up, the event loop, exit routines
// and the two ways of ending (the orderly end and EndProcess).

#include <cstdint>

namespace lf {

using ExitRoutine = void (*)();

// Adds a routine to be called at the end of the process, unless it is
// listed already. The routines run once each, in the order added.
void AddExitRoutine(ExitRoutine routine);

// The cleanup with `code`, then ExitProcess(code). Does not return.
[[noreturn]] void EndProcess(std::int32_t code);

}  // namespace lf
