#include "app/open_link.h"

#include <shellapi.h>

#include "app/registry.h"
#include "core/designed.h"
#include "core/link_policy.h"
#include "window/link_list.h"

namespace lf {

namespace {
ShellExecuteFunction g_execute = ShellExecuteA;
BeepFunction g_beep = MessageBeep;
}  // namespace

void ReplaceShellForTesting(ShellExecuteFunction execute, BeepFunction beep) {
  g_execute = execute != nullptr ? execute : ShellExecuteA;
  g_beep = beep != nullptr ? beep : MessageBeep;
}

void OnLinkClicked(EventRecord&) {
  LinkList* list = LiveControl<LinkList>(kMainWindowId, kLinkListId);
  if (list == nullptr) return;
  IndexArray selected = ListGetSelected(*list);
  if (selected.empty()) return;  // a click beside the entries
  Text address = ListGetItemText(*list, selected.Member(1), 0);
  OpenLink(address);
}

void OpenLink(const Text& address) {
  // A page may name local programs, shares or other handlers: only web
  // addresses go to the shell.
  std::optional<std::string> web = AddressForShell(address.view());
  if (!web) {
    g_beep(MB_ICONWARNING);
    return;
  }
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  // 32 or less: the shell refused it (an address too long, say); the user
  // hears the same as for an address that never got that far.
  HINSTANCE result = g_execute(owner, "open", web->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) <= 32) g_beep(MB_ICONWARNING);
}

}  // namespace lf
