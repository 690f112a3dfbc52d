#pragma once
// The signatures of every procedure the program hands to the platform, and
// the only place where a window's procedure is read or swapped.
//
// Each window procedure, hook and enumeration callback is declared through
// one of these types, so it is CALLBACK whatever its definition says, and is
// passed on as that type without a cast: on the 32-bit build, where CALLBACK
// is __stdcall and the default is __cdecl, a mismatch does not compile.
// The casts below are the only ones between a procedure and the window
// slot that holds it (a LONG_PTR); tools/check-source refuses any other.

#include <windows.h>

namespace lf {

using WindowProcedure = LRESULT CALLBACK(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
using HookProcedure = LRESULT CALLBACK(int code, WPARAM wParam, LPARAM lParam);
using EnumWindowsProcedure = BOOL CALLBACK(HWND window, LPARAM data);
using TimerProcedure = VOID CALLBACK(HWND window, UINT message, UINT_PTR id, DWORD time);

// The window's present procedure, as the W or the A functions see it.
inline WNDPROC ProcedureOfW(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }
inline WNDPROC ProcedureOfA(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)); }

// Puts `procedure` in place and gives the one before (nullptr when refused).
// The W form keeps a Unicode window Unicode; the A form makes the window
// receive ANSI messages, as the procedures that take ANSI texts expect.
inline WNDPROC ReplaceProcedureW(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}
inline WNDPROC ReplaceProcedureA(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace lf
