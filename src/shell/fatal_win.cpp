#include <windows.h>

#include "shell/events.h"
#include "shell/fatal.h"
#include "shell/process.h"

namespace lf {

void ReportFatalError(std::int32_t code, const char* text) {
  SuppressEvents();
  char message[1024];
  FormatFatalMessage(message, sizeof message, code, text);
  // No owner: the windows go on being painted while the box is open.
  MessageBoxA(nullptr, message, "错误", MB_ICONERROR | MB_OK);
  EndProcess(-1);
}

}  // namespace lf
