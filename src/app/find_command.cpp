#include "app/find_command.h"

#include <string_view>
#include <utility>
#include <vector>

#include "app/properties.h"
#include "app/registry.h"
#include "core/designed.h"
#include "core/extract.h"
#include "core/text_ops.h"
#include "net/download.h"
#include "win/wait_cursor.h"
#include "window/link_list.h"

namespace lf {

namespace {

constexpr std::int32_t kColumnWidth = 360;

LinkList* TheLinkList() { return LiveControl<LinkList>(kMainWindowId, kLinkListId); }

}  // namespace

void OnFindClicked(EventRecord&) {
  // Until the title is written, whatever the download brings.
  WaitCursorScope wait;
  Text address = ReadProperty(kMainWindowId, kAddressFieldId, property::kEditContent, property::kWhole);
  ByteSet body = DownloadPage(address);
  address.Release();
  Text page = BytesToText(std::move(body));
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
    // Each link goes above the ones before it. Placing them top down, last
    // link first, gives the same rows without the list moving every entry
    // below on every insertion (quadratic on a page of many links).
    std::vector<std::string_view, BlockAllocator<std::string_view>> links;
    found = ForEachLink(page.view(), [&](std::string_view link) { links.push_back(link); });
    // A visible list repaints after every insertion; hold that off for the batch.
    ListBatch batch(*list);
    BlockString entry;  // the list wants each text NUL-terminated
    std::int32_t position = 0;
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
      entry.assign(*link);
      // A refused entry takes no row: the next one goes where it would have.
      if (ListInsertItem(*list, position, entry.c_str()) >= 0) ++position;
    }
  }
  Text count = IntToText(found);
  Text title = ConcatTexts({kConstants.titleStart, count.view(), kConstants.titleEnd});
  count.Release();
  WriteProperty(kMainWindowId, kMainWindowEntryId, property::kWindowTitle, property::kWhole, title);
}

}  // namespace lf
