#pragma once
// Text onto the clipboard.

#include <windows.h>

#include <string_view>

namespace lf {

// Puts the text, bytes of the ANSI code page, on the clipboard as they are
// (CF_TEXT) and converted from that code page (CF_UNICODETEXT), so that a
// Unicode program pastes the same characters. 0, or the system's error code.
DWORD CopyText(HWND owner, std::string_view text);

}  // namespace lf
