#include "search/find_command.h"

#include <string>

#include "search/download.h"
#include "search/extract.h"
#include "search/text_ops.h"
#include "window/ids.h"
#include "window/kinds.h"
#include "window/link_list.h"
#include "window/properties.h"

namespace lf {

namespace {

constexpr std::int32_t kPropertyText = 8;  // the field's content, the window's title
constexpr std::int32_t kWholeProperty = -1;
constexpr std::int32_t kColumnWidth = 360;

LinkList* TheLinkList() { return LiveControl<LinkList>(kMainWindowId, kLinkListId); }

}  // namespace

void OnFindClicked(EventRecord&) {
  Text address = ReadProperty(kMainWindowId, kAddressFieldId, kPropertyText, kWholeProperty);
  ByteSet body = DownloadPage(address);
  address.Release();
  Text page = BytesToText(body);
  body.Release();
  if (LinkList* list = TheLinkList()) {
    ListDeleteColumn(*list, 0);
    Text title = Text::Constant(kConstants.columnTitle);
    ListInsertColumn(*list, 0, &title, kColumnWidth);
  }
  ExtractLinks(page);
  page.Release();
}

void ExtractLinks(const Text& page) {
  std::int32_t found = 0;
  if (LinkList* list = TheLinkList()) {
    // A visible list repaints after every insertion; hold that off for the batch.
    ListBatch batch(*list);
    std::string entry;  // the list wants each text NUL-terminated
    found = ForEachLink(page.view(), [&](std::string_view link) {
      entry.assign(link);
      ListInsertItem(*list, 0, entry.c_str());
    });
  }
  Text count = IntToText(found);
  Text title = ConcatTexts({kConstants.titleStart, count.view(), kConstants.titleEnd});
  count.Release();
  WriteProperty(kMainWindowId, kMainWindowEntryId, kPropertyText, kWholeProperty, title);
}

}  // namespace lf
