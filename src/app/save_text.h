#pragma once
// Text into a file, whole or not at all.

#include <windows.h>

#include <string>
#include <string_view>

namespace lf {

// Writes the bytes into a new file in the folder of `path` and then puts it
// in the place of `path`, so that an existing file there is replaced only
// by a complete one and a failure leaves no file behind. 0, or the
// system's error code.
DWORD SaveText(const std::string& path, std::string_view bytes);

// The folder part of a path, without its last backslash or slash; "." when
// there is none.
std::string FolderOf(const std::string& path);

}  // namespace lf
