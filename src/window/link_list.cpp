#include "window/link_list.h"

#include <commctrl.h>

#include <string>

#include "core/description.h"
#include "core/designed.h"
#include "win/controls.h"
#include "win/list_view.h"
#include "window/designed_font.h"
#include "window/event_sink.h"

namespace lf {

namespace {

constexpr std::uint32_t kKnownVersion = 1;

constexpr std::uint32_t kMaxDesignedColumns = 64;
constexpr std::size_t kLongestText = std::size_t{1} << 30;

std::int32_t ColumnCount(HWND list) {
  HWND header = ListViewHeader(list);
  return header == nullptr ? 0 : HeaderItemCount(header);
}

DWORD ViewStyle(std::uint32_t view) {
  switch (view) {
    case 0:
      return LVS_ICON;
    case 2:
      return LVS_SMALLICON;
    case 3:
      return LVS_LIST;
    default:
      return LVS_REPORT;  // 1
  }
}

}  // namespace

bool LinkList::Create(HWND parent, int childId, DWORD style) {
  SettingsReader r(entry().settings);
  if (!r.KnownVersion(kKnownVersion)) return false;
  std::uint32_t view = r.Word();
  bool clientEdge = r.Word() == 1;
  COLORREF textColour = r.Word(), textBackground = r.Word(), background = r.Word();
  auto font = r.Counted();
  bool headerShown = r.Word() != 0, headerButtons = r.Word() != 0, headerDrag = r.Word() != 0;
  bool singleSelection = r.Word() != 0, showSelectionAlways = r.Word() != 0, sorting = r.Word() != 0;
  bool labelEditing = r.Word() != 0, checkBoxes = r.Word() != 0, gridLines = r.Word() != 0;
  bool fullRow = r.Word() != 0, hotTrack = r.Word() != 0, flatScrollBars = r.Word() != 0, infoTips = r.Word() != 0;
  std::uint32_t columnCount = r.Word();
  if (r.failed() || columnCount > kMaxDesignedColumns) return false;

  style |= WS_CHILD | WS_CLIPSIBLINGS | ViewStyle(view);
  if (!headerShown) style |= LVS_NOCOLUMNHEADER;
  if (!headerButtons) style |= LVS_NOSORTHEADER;
  if (singleSelection) style |= LVS_SINGLESEL;
  if (showSelectionAlways) style |= LVS_SHOWSELALWAYS;
  if (sorting) style |= LVS_SORTASCENDING;
  if (labelEditing) style |= LVS_EDITLABELS;

  if (!CreateChild(WC_LISTVIEWA, "", style, parent, childId)) return false;
  HWND list = hwnd();

  DWORD extended = 0;
  if (headerDrag) extended |= LVS_EX_HEADERDRAGDROP;
  if (checkBoxes) extended |= LVS_EX_CHECKBOXES;
  if (gridLines) extended |= LVS_EX_GRIDLINES;
  if (fullRow) extended |= LVS_EX_FULLROWSELECT;
  if (hotTrack) extended |= LVS_EX_TRACKSELECT;
  if (flatScrollBars) extended |= LVS_EX_FLATSB;
  if (infoTips) extended |= LVS_EX_INFOTIP;
  ListViewSetExtendedStyle(list, extended);

  SetFont(list, DesignedFont(font, font_));
  ListViewSetTextColour(list, textColour);
  ListViewSetTextBackground(list, textBackground);
  ListViewSetBackground(list, background);
  if (clientEdge) {
    SetWindowLongPtrA(list, GWL_EXSTYLE, GetWindowLongPtrA(list, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(list, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  for (std::uint32_t i = 0; i < columnCount; ++i) {
    Text title = Text::Copy(r.CountedText());
    auto width = static_cast<std::int32_t>(r.Word());
    auto alignment = static_cast<std::int32_t>(r.Word());
    auto image = static_cast<std::int32_t>(r.Word());
    if (r.failed()) return false;
    ListInsertColumn(*this, {}, &title, width, alignment, image);
  }
  r.Word();  // designed entries: none in this program
  if (r.failed()) return false;
  // No entry is current at the start.
  ListViewSetSelectionMark(list, -1);
  return true;
}

bool LinkList::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != hwnd()) return false;
  result = 0;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED))
        Fire(event::list::kFocusedEntry);
      return true;
    }
    case LVN_ITEMACTIVATE:
      Fire(event::list::kActivated);
      return true;
    case LVN_COLUMNCLICK:
      Fire(event::list::kColumnClicked, {reinterpret_cast<const NMLISTVIEW&>(header).iSubItem});
      return true;
    case NM_CLICK:
      // Comes after the list has applied the click to its selection.
      Fire(event::list::kClicked);
      return true;
    case NM_RCLICK:
      Fire(event::list::kRightClicked);
      return true;
    default:
      return false;
  }
}

bool LinkList::TakeShortcut(UINT virtualKey, bool ctrl, bool shift, bool alt) {
  if (!ctrl || shift || alt || (virtualKey != 'C' && virtualKey != VK_INSERT)) return false;
  ListRequest request;
  request.kind = ListRequest::Kind::kCopySelected;
  request.windowId = windowId();
  request.sourceId = entry().id;
  ReportListRequest(request);
  return true;
}

bool LinkList::OnContextMenu(POINT screen) {
  HWND list = hwnd();
  ListRequest request;
  request.kind = ListRequest::Kind::kMenu;
  request.windowId = windowId();
  request.sourceId = entry().id;
  POINT at = screen;
  if (screen.x == -1 && screen.y == -1) {
    // From the keyboard: below the selected entry's text while it is in
    // view, else at the list's corner.
    IndexArray selected = ListGetSelected(*this);
    request.entry = selected.empty() ? -1 : selected.Member(1);
    RECT label{}, client{}, shown{};
    GetClientRect(list, &client);
    at = POINT{0, 0};
    if (request.entry >= 0 && ListViewLabelRect(list, request.entry, label) && IntersectRect(&shown, &label, &client))
      at = POINT{label.left, label.bottom};
    ClientToScreen(list, &at);
  } else {
    POINT client = screen;
    ScreenToClient(list, &client);
    request.entry = ListViewEntryAt(list, client);
  }
  request.x = at.x;
  request.y = at.y;
  ReportListRequest(request);
  return true;
}

void ListDeleteColumn(LinkList& list, std::int32_t column) { ListViewDeleteColumn(list.hwnd(), column); }

std::int32_t ListInsertColumn(LinkList& list, std::optional<std::int32_t> position, const Text* title,
                              std::optional<std::int32_t> width, std::optional<std::int32_t> alignment,
                              std::optional<std::int32_t> image) {
  std::int32_t at = !position || *position < 0 ? ColumnCount(list.hwnd()) : *position;
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title != nullptr ? title->c_str() : "");
  column.cx = !width ? 50 : *width < 0 ? 0 : *width;
  column.iSubItem = at;
  if (alignment) {
    column.mask |= LVCF_FMT;
    column.fmt = *alignment == 1 ? LVCFMT_CENTER : *alignment == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
  }
  if (image && *image >= 0) {
    column.mask |= LVCF_FMT | LVCF_IMAGE;
    column.fmt |= LVCFMT_IMAGE;
    column.iImage = *image;
  }
  return ListViewInsertColumn(list.hwnd(), at, column);
}

std::int32_t ListInsertItem(LinkList& list, std::optional<std::int32_t> position, const char* title) {
  // No image, indent 0, data 0, and no state: neither selected nor focused.
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM;
  item.iItem = !position || *position < 0 ? ListViewItemCount(list.hwnd()) : *position;
  item.pszText = const_cast<char*>(title != nullptr ? title : "");
  item.iImage = -1;
  return ListViewInsertItemDirectly(list.hwnd(), item);
}

IndexArray ListGetSelected(LinkList& list) {
  IndexArray selected;
  HWND view = list.hwnd();
  // Bounded by the entry count, whatever the platform answers.
  std::int32_t limit = ListViewItemCount(view);
  for (int i = ListViewNextItem(view, -1, LVNI_SELECTED); i != -1 && selected.Count() < limit;
       i = ListViewNextItem(view, i, LVNI_SELECTED))
    selected.Append(i);
  return selected;
}

Text ListGetItemText(LinkList& list, std::int32_t entry, std::optional<std::int32_t> column) {
  std::size_t size = 512;
  Text buffer = Text::Uninitialized(size);
  for (;;) {
    buffer.data()[0] = '\0';
    std::size_t copied =
        ListViewItemText(list.hwnd(), entry, column.value_or(0), buffer.data(), static_cast<int>(size));
    // The platform may stop one byte short of size - 1 rather than split a
    // two-byte character: either count means the text may have been cut.
    if (copied < size - 2 || size >= kLongestText) break;
    // Ask again with twice the room.
    size *= 2;
    buffer = Text::Uninitialized(size);
  }
  std::string_view text(buffer.c_str());
  return text.empty() ? Text() : Text::Copy(text);
}

ListBatch::ListBatch(LinkList& list) : list_(list.hwnd()) { SetRedraw(list_, false); }

ListBatch::~ListBatch() {
  SetRedraw(list_, true);
  RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace lf
