#pragma once
// The process from start to end: its state, and the two ways of ending (the
// orderly end and EndProcess).

#include <cstdint>
#include <string>

namespace lf {

// The application state that lives from start-up to the end.
struct ProcessState {
  bool oleStarted = false;
  bool loopRunning = false;
  std::string programDirectory;  // without a trailing backslash
};

ProcessState& Process();

// The cleanup shared by the orderly end and EndProcess: no handler runs any
// more, the windows are dropped, the exit routines run, OLE ends.
void Cleanup();

// The cleanup, then ExitProcess(code). Does not return.
[[noreturn]] void EndProcess(std::int32_t code);

}  // namespace lf
