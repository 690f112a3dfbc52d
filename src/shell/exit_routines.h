#pragma once
// The list of exit routines (the cleanup calls them).

namespace lf {

// Calls every added routine once, in the order added, and empties the list.
void RunExitRoutines();

}  // namespace lf
