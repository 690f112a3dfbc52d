#pragma once
// Typed operations on a list-view control and its header, one per message.

#include <commctrl.h>
#include <windows.h>

#include <cstddef>

#include "win/window_procedure.h"

namespace lf {

inline HWND ListViewHeader(HWND list) { return ListView_GetHeader(list); }
inline int HeaderItemCount(HWND header) { return Header_GetItemCount(header); }
inline int ListViewItemCount(HWND list) { return ListView_GetItemCount(list); }

inline void ListViewSetExtendedStyle(HWND list, DWORD style) { ListView_SetExtendedListViewStyleEx(list, ~0u, style); }
inline void ListViewSetTextColour(HWND list, COLORREF colour) { ListView_SetTextColor(list, colour); }
inline void ListViewSetTextBackground(HWND list, COLORREF colour) { ListView_SetTextBkColor(list, colour); }
inline void ListViewSetBackground(HWND list, COLORREF colour) { ListView_SetBkColor(list, colour); }
inline void ListViewSetSelectionMark(HWND list, int entry) { ListView_SetSelectionMark(list, entry); }

inline void ListViewDeleteColumn(HWND list, int column) { ListView_DeleteColumn(list, column); }
inline int ListViewInsertColumn(HWND list, int position, const LVCOLUMNA& column) {
  return ListView_InsertColumn(list, position, &column);
}

// Hands the insertion straight to the list's procedure. A sent message passes
// the thread's WH_CALLWNDPROC hook first, which costs three wineserver round
// trips under Wine; the style's hook only looks at WM_CREATE, so for the
// list's own operations the result is the same.
inline int ListViewInsertItemDirectly(HWND list, const LVITEMA& item) {
  return static_cast<int>(
      CallWindowProcW(ProcedureOfW(list), list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

// The next entry after `after` (-1: from the top) in the given state, or -1.
inline int ListViewNextItem(HWND list, int after, UINT state) { return ListView_GetNextItem(list, after, state); }

// The entry whose icon or text is at a point of the list's client area, or -1.
inline int ListViewEntryAt(HWND list, POINT client) {
  LVHITTESTINFO hit{};
  hit.pt = client;
  int entry = ListView_HitTest(list, &hit);
  return (hit.flags & LVHT_ONITEM) != 0 ? entry : -1;
}
// The rectangle of an entry's text in the list's client area; false when
// there is no such entry.
inline bool ListViewLabelRect(HWND list, int entry, RECT& rect) {
  return ListView_GetItemRect(list, entry, &rect, LVIR_LABEL) != 0;
}

// Copies the text of a cell into buffer and gives the bytes copied.
inline std::size_t ListViewItemText(HWND list, int entry, int cell, char* buffer, int size) {
  LVITEMA item{};
  item.iSubItem = cell;
  item.pszText = buffer;
  item.cchTextMax = size;
  return static_cast<std::size_t>(
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item)));
}

}  // namespace lf
