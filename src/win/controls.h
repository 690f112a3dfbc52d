#pragma once
// Typed operations on windows and the platform's controls, one per message,
// so that nothing above this layer sends a raw message.

#include <commctrl.h>
#include <windows.h>
#include <windowsx.h>

namespace lf {

inline void SetFont(HWND window, HFONT font) { SetWindowFont(window, font, TRUE); }
inline HFONT FontOf(HWND window) { return GetWindowFont(window); }
inline void SetIcon(HWND window, WPARAM which, HICON icon) {
  SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}
inline void SetRedraw(HWND window, bool on) { SetWindowRedraw(window, on ? TRUE : FALSE); }
// Asks the window to close, as its close box does.
inline void RequestClose(HWND window) { SendMessageA(window, WM_CLOSE, 0, 0); }
// The parent's answer to the colour question of a button (WM_CTLCOLORBTN):
// its brush, with the text colour set in dc.
inline HBRUSH AskButtonColours(HWND parent, HDC dc, HWND control) {
  return reinterpret_cast<HBRUSH>(
      SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
}

inline void EditSetPasswordChar(HWND edit, UINT character) { Edit_SetPasswordChar(edit, character); }
inline void EditLimitText(HWND edit, UINT limit) { Edit_LimitText(edit, limit); }
inline void EditSetSelection(HWND edit, UINT start, UINT end) { Edit_SetSel(edit, start, end); }
inline void EditScrollCaret(HWND edit) { Edit_ScrollCaret(edit); }

inline LRESULT ButtonCheckState(HWND button) { return Button_GetCheck(button); }
inline HWND UpDownBuddy(HWND upDown) { return reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)); }
inline int ListBoxCount(HWND listBox) { return ListBox_GetCount(listBox); }

}  // namespace lf
