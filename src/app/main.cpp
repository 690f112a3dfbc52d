#include <windows.h>

#include "app/process.h"
#include "app/program.h"
#include "core/designed.h"
#include "win/bad_alloc.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  lf::FatalOnBadAlloc([] {
    lf::StartUp();
    lf::LoadWindow(lf::kMainWindowId);
  });
  int code = lf::RunEventLoop();
  lf::Cleanup();
  // Returning runs the run-time library's exit routines with this code.
  return code;
}
