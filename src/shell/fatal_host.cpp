#include <cstdio>
#include <cstdlib>

#include "shell/fatal.h"
#include "shell/fatal_host.h"

namespace lf {

namespace {
FatalHandler g_handler = nullptr;
}

FatalHandler SetFatalHandlerForTesting(FatalHandler handler) {
  FatalHandler previous = g_handler;
  g_handler = handler;
  return previous;
}

void ReportFatalError(std::int32_t code, const char* text) {
  if (g_handler != nullptr) g_handler(code, text);
  char message[1024];
  FormatFatalMessage(message, sizeof message, code, text);
  std::fputs(message, stderr);
  std::exit(-1);
}

}  // namespace lf
