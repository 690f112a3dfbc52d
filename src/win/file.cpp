#include "win/file.h"

#include <algorithm>

namespace lf {

bool WriteAll(HANDLE file, std::string_view bytes) {
  constexpr std::size_t kMostPerCall = std::size_t{1} << 30;
  while (!bytes.empty()) {
    DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kMostPerCall)), written = 0;
    if (!WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

TemporaryFile NewTemporaryFile(const std::string& folder, const char* prefix) {
  char path[MAX_PATH] = {};
  if (GetTempFileNameA(folder.c_str(), prefix, 0, path) == 0) return TemporaryFile();
  return TemporaryFile(path);
}

}  // namespace lf
