#include "win/system_error.h"

#include "core/owned.h"

namespace lf {

std::string SystemErrorText(DWORD code) {
  char* buffer = nullptr;
  DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  Owned<HLOCAL, LocalFree> owned(buffer);
  std::string text(buffer != nullptr ? buffer : "", buffer != nullptr ? length : 0);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

}  // namespace lf
