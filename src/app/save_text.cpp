#include "app/save_text.h"

#include "win/file.h"

namespace lf {

namespace {
DWORD LastError() {
  DWORD error = GetLastError();
  return error != 0 ? error : ERROR_GEN_FAILURE;
}
}  // namespace

std::string FolderOf(const std::string& path) {
  // Character by character: the second byte of a two-byte character may be
  // a backslash.
  const char* last = nullptr;
  for (const char* p = path.c_str(); *p != '\0'; p = CharNextA(p))
    if (*p == '\\' || *p == '/') last = p;
  if (last == nullptr) return ".";
  if (last == path.c_str()) return path.substr(0, 1);
  std::string folder(path.c_str(), last);
  // "C:" alone is the current folder of that drive; the root is meant.
  return folder.size() == 2 && folder[1] == ':' ? folder + "\\" : folder;
}

DWORD SaveText(const std::string& path, std::string_view bytes) {
  TemporaryFile temporary = NewTemporaryFile(FolderOf(path), "lnk");
  if (temporary.path().empty()) return LastError();
  {
    OwnedFile file = OpenForWriting(temporary.path().c_str());
    if (!file) return LastError();
    if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) return LastError();
  }
  if (!ReplaceWith(temporary.path().c_str(), path.c_str())) return LastError();
  temporary.Keep();
  return 0;
}

}  // namespace lf
