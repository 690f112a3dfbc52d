#pragma once
// The platform's dialog that asks where to save a file.

#include <windows.h>

#include <optional>
#include <string>

namespace lf {

struct SaveQuestion {
  const char* defaultName = "";            // proposed in the name field
  const char* filter = nullptr;            // pairs of description and pattern, each NUL-ended, then a NUL
  const char* defaultExtension = nullptr;  // added to a name typed without one
};

// The chosen path, or nothing when the user cancelled. Asks before a file
// is replaced and leaves the current directory as it was.
std::optional<std::string> AskWhereToSave(HWND owner, const SaveQuestion& question);

}  // namespace lf
