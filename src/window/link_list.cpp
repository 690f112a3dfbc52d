#include "window/link_list.h"

#include <commctrl.h>

#include <string>

#include "shell/description.h"
#include "window/designed_font.h"

namespace lf {

namespace {

constexpr std::uint32_t kKnownVersion = 1;

constexpr std::int32_t kEventFocusedEntry = 0;
constexpr std::int32_t kEventActivated = 1;
constexpr std::int32_t kEventColumnClicked = 2;
constexpr std::int32_t kEventClicked = 4;
constexpr std::int32_t kEventRightClicked = 5;

constexpr std::uint32_t kMaxDesignedColumns = 64;
constexpr std::size_t kLongestText = std::size_t{1} << 30;

std::int32_t HeaderItemCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  return header == nullptr ? 0 : static_cast<std::int32_t>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

// Hands a message straight to the list's procedure. A sent message passes the
// thread's WH_CALLWNDPROC hook first, which costs three wineserver round
// trips under Wine; the hook only looks at WM_CREATE, so for the list's own
// operations the result is the same.
LRESULT CallList(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_WNDPROC));
  return CallWindowProcW(procedure, list, message, wParam, lParam);
}

std::int32_t ItemCount(HWND list) { return static_cast<std::int32_t>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

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
  std::uint32_t version = r.Word();
  if (r.failed() || version > kKnownVersion) return false;
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
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, extended);

  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(DesignedFont(font, font_)), TRUE);
  SendMessageA(list, LVM_SETTEXTCOLOR, 0, textColour);
  SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, textBackground);
  SendMessageA(list, LVM_SETBKCOLOR, 0, background);
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
  SendMessageA(list, LVM_SETSELECTIONMARK, 0, -1);
  return true;
}

bool LinkList::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != hwnd()) return false;
  result = 0;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED))
        Fire(kEventFocusedEntry);
      return true;
    }
    case LVN_ITEMACTIVATE:
      Fire(kEventActivated);
      return true;
    case LVN_COLUMNCLICK:
      Fire(kEventColumnClicked, {reinterpret_cast<const NMLISTVIEW&>(header).iSubItem});
      return true;
    case NM_CLICK:
      // Comes after the list has applied the click to its selection.
      Fire(kEventClicked);
      return true;
    case NM_RCLICK:
      Fire(kEventRightClicked);
      return true;
    default:
      return false;
  }
}

void ListDeleteColumn(LinkList& list, std::int32_t column) {
  SendMessageA(list.hwnd(), LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
}

std::int32_t ListInsertColumn(LinkList& list, std::optional<std::int32_t> position, const Text* title,
                              std::optional<std::int32_t> width, std::optional<std::int32_t> alignment,
                              std::optional<std::int32_t> image, std::optional<bool> imageOnRight) {
  std::int32_t at = !position || *position < 0 ? HeaderItemCount(list.hwnd()) : *position;
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
  if (imageOnRight && *imageOnRight) {
    column.mask |= LVCF_FMT;
    column.fmt |= LVCFMT_BITMAP_ON_RIGHT;
  }
  return static_cast<std::int32_t>(
      SendMessageA(list.hwnd(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&column)));
}

std::int32_t ListInsertItem(LinkList& list, std::optional<std::int32_t> position, const char* title,
                            std::optional<std::int32_t> image, std::optional<std::int32_t> checkState,
                            std::optional<std::int32_t> indent, std::optional<std::int32_t> data) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM;
  item.iItem = !position || *position < 0 ? ItemCount(list.hwnd()) : *position;
  item.pszText = const_cast<char*>(title != nullptr ? title : "");
  item.iImage = !image || *image < -1 ? -1 : *image;
  item.iIndent = !indent || *indent < 0 ? 0 : *indent;
  item.lParam = data ? *data : 0;
  if (checkState) {
    item.mask |= LVIF_STATE;
    item.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(*checkState) + 1);
    item.stateMask = LVIS_STATEIMAGEMASK;
  }
  return static_cast<std::int32_t>(CallList(list.hwnd(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

IndexArray ListGetSelected(LinkList& list) {
  IndexArray selected;
  auto next = [&](LRESULT after) {
    return SendMessageA(list.hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(after), MAKELPARAM(LVNI_SELECTED, 0));
  };
  // Bounded by the entry count, whatever the platform answers.
  std::int32_t limit = ItemCount(list.hwnd());
  for (LRESULT i = next(-1); i != -1 && selected.Count() < limit; i = next(i))
    selected.Append(static_cast<std::int32_t>(i));
  return selected;
}

Text ListGetItemText(LinkList& list, std::int32_t entry, std::optional<std::int32_t> column) {
  std::size_t size = 512;
  Text buffer = Text::Uninitialized(size);
  for (;;) {
    buffer.data()[0] = '\0';
    LVITEMA item{};
    item.iSubItem = column.value_or(0);
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    auto copied = static_cast<std::size_t>(
        SendMessageA(list.hwnd(), LVM_GETITEMTEXTA, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item)));
    if (copied < size - 1 || size >= kLongestText) break;
    // The text may have been cut: ask again with twice the room.
    size *= 2;
    buffer = Text::Uninitialized(size);
  }
  std::string_view text(buffer.c_str());
  return text.empty() ? Text() : Text::Copy(text);
}

ListBatch::ListBatch(LinkList& list) : list_(list.hwnd()) { SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }

ListBatch::~ListBatch() {
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace lf
