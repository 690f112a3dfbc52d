#pragma once
// Popup menus: an owner, the items, and the modal choice.

#include <windows.h>

#include "core/owned.h"

namespace lf {

using OwnedMenu = Owned<HMENU, DestroyMenu>;

inline OwnedMenu NewPopupMenu() { return OwnedMenu(CreatePopupMenu()); }

inline void MenuAppend(HMENU menu, UINT command, const char* text, bool enabled) {
  AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, text);
}

// Shows the menu at a point of the screen until the user chooses or leaves
// it; gives the chosen command, 0 for none. The owner is told nothing, so
// no message of the menu reaches the window's own handling.
inline UINT MenuChoose(HMENU menu, HWND owner, POINT screen) {
  return static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                                          screen.x, screen.y, 0, owner, nullptr));
}

}  // namespace lf
