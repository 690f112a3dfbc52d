#pragma once
// What the user can do with the list's links besides opening one: copy the
// selected entry, copy every entry, save every entry to a file. Asked of
// the list through the event sink; the list's entries and selection stay.

#include <windows.h>

#include <optional>
#include <string>

#include "win/save_dialog.h"
#include "window/event_sink.h"
#include "window/link_list.h"

namespace lf {

// The event sink's entry for the list's requests.
void OnListRequest(const ListRequest& request);

// Every entry from the top, each followed by CR LF.
std::string AllLinksText(LinkList& list);

// The menu's commands.
enum LinkCommand : UINT { kCopyLink = 1, kCopyAllLinks, kSaveAllLinks };

// The modal parts, which a test replaces.
struct LinkCommandUi {
  // Shows the menu; gives the chosen command, 0 for none.
  UINT (*chooseFromMenu)(HMENU menu, HWND owner, POINT screen);
  std::optional<std::string> (*askWhereToSave)(HWND owner, const SaveQuestion& question);
  void (*showError)(HWND owner, const char* text, const char* title);
};
// nullptr puts the platform's back.
void ReplaceLinkCommandUiForTesting(const LinkCommandUi* ui);

}  // namespace lf
