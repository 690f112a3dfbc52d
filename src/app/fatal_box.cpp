#include "app/fatal_box.h"

#include <windows.h>

#include "app/process.h"
#include "core/events.h"
#include "core/fatal.h"

namespace lf {

void ShowFatalBox(std::int32_t code, const char* text) {
  SuppressEvents();
  char message[1024];
  FormatFatalMessage(message, sizeof message, code, text);
  // No owner: the windows go on being painted while the box is open.
  MessageBoxA(nullptr, message, "错误", MB_ICONERROR | MB_OK);
  EndProcess(-1);
}

}  // namespace lf
