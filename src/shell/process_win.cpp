#include <ole2.h>
#include <windows.h>

#include "shell/events.h"
#include "shell/exit_routines.h"
#include "shell/process.h"
#include "shell/process_state.h"
#include "shell/registry.h"

namespace lf {

ProcessState& Process() {
  static ProcessState state;
  return state;
}

void Cleanup(std::int32_t) {
  SuppressEvents();  // for good: no handler runs from here on
  WindowRegistry().clear();
  RunExitRoutines();
  if (Process().oleStarted) {
    OleUninitialize();
    Process().oleStarted = false;
  }
}

void EndProcess(std::int32_t code) {
  Cleanup(code);
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace lf
