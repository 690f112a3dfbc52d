#include <windows.h>

#include "shell/process_state.h"
#include "shell/shell.h"
#include "window/ids.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  lf::StartUp();
  lf::LoadWindow(lf::kMainWindowId);
  int code = lf::RunEventLoop();
  lf::Cleanup(code);
  // Returning runs the run-time library's exit routines with this code.
  return code;
}
