#include "app/process.h"

#include <ole2.h>
#include <windows.h>

#include "app/registry.h"
#include "core/events.h"
#include "core/exit_routines.h"

namespace lf {

ProcessState& Process() {
  static ProcessState state;
  return state;
}

void Cleanup() {
  SuppressEvents();  // for good: no handler runs from here on
  WindowRegistry().clear();
  RunExitRoutines();
  if (Process().oleStarted) {
    OleUninitialize();
    Process().oleStarted = false;
  }
}

void EndProcess(std::int32_t code) {
  Cleanup();
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace lf
