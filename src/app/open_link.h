#pragma once
// Opening a clicked link in the user's browser.

#include <windows.h>

#include "core/events.h"
#include "core/values.h"

namespace lf {

// Hands the selected entry of the list to the shell; nothing when the click
// selected nothing.
void OnLinkClicked(EventRecord& event);

// Hands a web address to the shell with the verb "open". Any other address
// is refused with the warning beep.
void OpenLink(const Text& address);

// Test seams: what stands in for ShellExecuteA and MessageBeep.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using BeepFunction = BOOL(WINAPI*)(UINT);
void ReplaceShellForTesting(ShellExecuteFunction execute, BeepFunction beep);

}  // namespace lf
