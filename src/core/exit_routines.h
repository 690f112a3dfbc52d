#pragma once
// The routines that run once at the end of the process.

namespace lf {

using ExitRoutine = void (*)();

// Adds a routine to be called at the end of the process, unless it is
// listed already. The routines run once each, in the order added.
void AddExitRoutine(ExitRoutine routine);

// Calls every added routine once, in the order added, and empties the list.
void RunExitRoutines();

}  // namespace lf
