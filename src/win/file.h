#pragma once
// Files: an owner of an open file's handle, and of a file name that is
// deleted unless it is kept.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace lf {

struct CloseFile {
  void operator()(HANDLE file) const noexcept { CloseHandle(file); }
};
using OwnedFile = std::unique_ptr<std::remove_pointer_t<HANDLE>, CloseFile>;

// Opens a file for writing, emptied or made anew; empty on failure (the
// reason in GetLastError).
inline OwnedFile OpenForWriting(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  return OwnedFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// Writes every byte, in as many calls as the platform needs; false on failure.
bool WriteAll(HANDLE file, std::string_view bytes);

// A file name of this process's own: the file is deleted with the owner
// unless Keep() was called.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  const std::string& path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

// A new empty file with a unique name in the folder, or an owner without a
// name (the reason in GetLastError).
TemporaryFile NewTemporaryFile(const std::string& folder, const char* prefix);

// Puts `from` in the place of `to`, replacing a file there, in one step.
inline bool ReplaceWith(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace lf
