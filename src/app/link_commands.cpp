#include "app/link_commands.h"

#include "app/copy_text.h"
#include "app/registry.h"
#include "app/save_text.h"
#include "core/events.h"
#include "win/list_view.h"
#include "win/menu.h"
#include "win/system_error.h"

namespace lf {

namespace {

constexpr char kCopyLinkText[] = "复制网址";
constexpr char kCopyAllText[] = "复制全部网址";
constexpr char kSaveAllText[] = "保存全部网址…";
constexpr char kSaveTitle[] = "保存全部网址";
constexpr char kDefaultFileName[] = "links.txt";
constexpr char kFileTypes[] = "文本文件 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0";

void ShowErrorBox(HWND owner, const char* text, const char* title) {
  MessageBoxA(owner, text, title, MB_OK | MB_ICONERROR);
}

const LinkCommandUi kPlatformUi{MenuChoose, AskWhereToSave, ShowErrorBox};
const LinkCommandUi* g_ui = &kPlatformUi;

// What went wrong, in the system's words, for a box that begins with `what`.
std::string ErrorMessage(const std::string& what, DWORD error) {
  std::string text = SystemErrorText(error);
  if (text.empty()) text = "错误代码：" + std::to_string(error);
  return what + "\r\n\r\n" + text;
}

void Copy(HWND owner, std::string_view text, const char* title) {
  if (DWORD error = CopyText(owner, text))
    g_ui->showError(owner, ErrorMessage("无法把网址放到剪贴板上。", error).c_str(), title);
}

void Save(HWND owner, LinkList& list) {
  SaveQuestion question{kDefaultFileName, kFileTypes, "txt"};
  std::optional<std::string> path = g_ui->askWhereToSave(owner, question);
  if (!path) return;
  if (DWORD error = SaveText(*path, AllLinksText(list)))
    g_ui->showError(owner, ErrorMessage("无法保存文件“" + *path + "”。", error).c_str(), kSaveTitle);
}

void ShowMenu(const ListRequest& request, LinkList& list, HWND owner) {
  OwnedMenu menu = NewPopupMenu();
  if (!menu) return;
  bool anyEntry = ListViewItemCount(list.hwnd()) > 0;
  MenuAppend(menu.get(), kCopyLink, kCopyLinkText, request.entry >= 0);
  MenuAppend(menu.get(), kCopyAllLinks, kCopyAllText, anyEntry);
  MenuAppend(menu.get(), kSaveAllLinks, kSaveAllText, anyEntry);
  switch (g_ui->chooseFromMenu(menu.get(), owner, POINT{request.x, request.y})) {
    case kCopyLink:
      if (request.entry >= 0) Copy(owner, ListGetItemText(list, request.entry).view(), kCopyLinkText);
      break;
    case kCopyAllLinks:
      if (anyEntry) Copy(owner, AllLinksText(list), kCopyAllText);
      break;
    case kSaveAllLinks:
      if (anyEntry) Save(owner, list);
      break;
    default:
      break;
  }
}

}  // namespace

void ReplaceLinkCommandUiForTesting(const LinkCommandUi* ui) { g_ui = ui != nullptr ? ui : &kPlatformUi; }

std::string AllLinksText(LinkList& list) {
  std::string text;
  std::int32_t count = ListViewItemCount(list.hwnd());
  for (std::int32_t i = 0; i < count; ++i) {
    text += ListGetItemText(list, i).view();
    text += "\r\n";
  }
  return text;
}

void OnListRequest(const ListRequest& request) {
  // Like the handlers, nothing runs once a fatal error has begun.
  if (EventsSuppressed()) return;
  LinkList* list = LiveControl<LinkList>(request.windowId, request.sourceId);
  if (list == nullptr) return;
  HWND owner = GetAncestor(list->hwnd(), GA_ROOT);
  switch (request.kind) {
    case ListRequest::Kind::kCopySelected: {
      IndexArray selected = ListGetSelected(*list);
      if (!selected.empty()) Copy(owner, ListGetItemText(*list, selected.Member(1)).view(), kCopyLinkText);
      break;
    }
    case ListRequest::Kind::kMenu:
      ShowMenu(request, *list, owner);
      break;
  }
}

}  // namespace lf
