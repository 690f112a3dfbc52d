#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/registry.h"
#include "core/designed.h"
#include "support/main_window.h"
#include "support/ui.h"
#include "window/link_list.h"

namespace lf::test {
namespace {

class LinkListTest : public MainWindowTest {
 protected:
  int ColumnCount() {
    HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  }

  int ColumnWidth(int column) { return static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, column, 0)); }

  void ResetColumn() {
    ListDeleteColumn(list(), 0);
    Text title = Text::Copy("网址");
    ListInsertColumn(list(), 0, &title, 360);
  }

  // The middle of a row's label, on the screen.
  POINT RowPoint(int row) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return OnScreen(List(), r.left + 5, (r.top + r.bottom) / 2);
  }

  void Fill(std::initializer_list<const char*> rows) {
    for (const char* row : rows) ListInsertItem(list(), {}, row);
  }

  // What the click handler saw each time it ran: the selection's size.
  static std::vector<std::int32_t> selectionsSeen;
  static void SeeSelection(EventRecord&) {
    selectionsSeen.push_back(ListGetSelected(*LiveControl<LinkList>(kMainWindowId, kLinkListId)).Count());
  }

  void SetUp() override {
    MainWindowTest::SetUp();
    selectionsSeen.clear();
  }
};

std::vector<std::int32_t> LinkListTest::selectionsSeen;

TEST_F(LinkListTest, HasItsDesignedSettings) {
  Load();
  auto style = GetWindowLongPtrA(List(), GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(style & LVS_SINGLESEL);
  EXPECT_FALSE(style & (LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_EDITLABELS | LVS_NOSORTHEADER |
                        LVS_NOCOLUMNHEADER));
  EXPECT_TRUE(GetWindowLongPtrA(List(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  auto extended = SendMessageA(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_TRUE(extended & LVS_EX_INFOTIP);
  EXPECT_FALSE(extended & (LVS_EX_HEADERDRAGDROP | LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT |
                           LVS_EX_TRACKSELECT | LVS_EX_FLATSB));
  EXPECT_EQ(SendMessageA(List(), LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(SendMessageA(List(), LVM_GETTEXTBKCOLOR, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(SendMessageA(List(), LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(List(), WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));

  ASSERT_EQ(ColumnCount(), 1);
  char title[32] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.pszText = title;
  column.cchTextMax = sizeof title;
  SendMessageA(List(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(title, "网址");
  EXPECT_EQ(column.cx, 270);
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  EXPECT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageA(List(), LVM_GETSELECTIONMARK, 0, 0), -1);
}

TEST_F(LinkListTest, InsertingAtTheTopReversesAndLeavingThePositionOutAppends) {
  Load();
  for (const char* row : {"a", "b", "c"}) EXPECT_EQ(ListInsertItem(list(), 0, row), 0);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(ListInsertItem(list(), -1, "d"), 3);
  EXPECT_EQ(ListInsertItem(list(), {}, "e"), 4);
  EXPECT_EQ(ListInsertItem(list(), 1, "f"), 1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"c", "f", "b", "a", "d", "e"}));
}

TEST_F(LinkListTest, ReplacingTheColumnKeepsEveryEntryAndMakesIt360Wide) {
  Load();
  Fill({"http://a/", "//b/", "网址/中文"});
  EXPECT_EQ(ColumnWidth(0), 270);
  ListDeleteColumn(list(), 3);
  EXPECT_EQ(ColumnCount(), 1);
  EXPECT_EQ(ColumnWidth(0), 270);

  ResetColumn();
  EXPECT_EQ(ColumnCount(), 1);
  EXPECT_EQ(ColumnWidth(0), 360);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"http://a/", "//b/", "网址/中文"}));

  // The user drags the column's right edge; the next reset still gives 360.
  HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
  RECT item;
  SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  POINT edge = OnScreen(header, item.right - 1, (item.top + item.bottom) / 2);
  Drag(edge, POINT{edge.x - 120, edge.y});
  EXPECT_LT(ColumnWidth(0), 300);
  ResetColumn();
  EXPECT_EQ(ColumnWidth(0), 360);
}

TEST_F(LinkListTest, ReadsLongTextsWholeAndMissingEntriesAsAbsent) {
  Load();
  std::string longText = "http://x/" + std::string(591, 'y');
  ASSERT_EQ(longText.size(), 600u);
  Fill({"a", longText.c_str(), ""});
  EXPECT_EQ(ListGetItemText(list(), 1).view(), longText);
  EXPECT_TRUE(ListGetItemText(list(), 2).absent());
  EXPECT_TRUE(ListGetItemText(list(), 5).absent());
  EXPECT_TRUE(ListGetItemText(list(), 0, 3).absent());
  // Exactly at the first buffer's edges.
  for (std::size_t n : {510u, 511u, 512u, 1023u}) {
    std::string text(n, 'z');
    ListInsertItem(list(), 0, text.c_str());
    EXPECT_EQ(ListGetItemText(list(), 0).view(), text) << n;
  }
}

TEST_F(LinkListTest, TheSelectionIsEmptyUntilARowIsClicked) {
  Load();
  EXPECT_EQ(ListGetSelected(list()).Count(), 0);
  Fill({"one", "two", "three", "four"});
  EXPECT_EQ(ListGetSelected(list()).Count(), 0);
  Click(RowPoint(2));
  IndexArray selected = ListGetSelected(list());
  ASSERT_EQ(selected.Count(), 1);
  EXPECT_EQ(selected.Member(1), 2);
}

TEST_F(LinkListTest, EveryLeftClickRaisesTheClickAfterTheSelectionChanged) {
  Bind(kLinkListId, 4, SeeSelection);
  Load();
  Click(OnScreen(List(), 100, 150));  // an empty list
  Fill({"one", "two", "three"});
  Click(RowPoint(1));
  Click(OnScreen(List(), 100, 250));  // below the last row
  DoubleClick(RowPoint(0));
  EXPECT_EQ(selectionsSeen, (std::vector<std::int32_t>{0, 1, 0, 1}));
}

TEST_F(LinkListTest, OtherInputRaisesNoClick) {
  Bind(kLinkListId, 4, SeeSelection);
  for (std::int32_t number : {0, 1, 2, 5}) Record(kLinkListId, number);
  Load();
  Fill({"one", "two", "three"});
  Click(RowPoint(0));
  ASSERT_EQ(selectionsSeen.size(), 1u);
  recorded.clear();

  Click(RowPoint(1), true);
  HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
  Click(OnScreen(header, 40, 8));
  SetFocus(List());
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_EQ(selectionsSeen.size(), 1u);
  // The other events did come, each from its own input.
  std::vector<std::int32_t> numbers = NumbersOf(kLinkListId);
  EXPECT_NE(std::find(numbers.begin(), numbers.end(), 5), numbers.end());
  EXPECT_NE(std::find(numbers.begin(), numbers.end(), 2), numbers.end());
  EXPECT_NE(std::find(numbers.begin(), numbers.end(), 0), numbers.end());
  EXPECT_NE(std::find(numbers.begin(), numbers.end(), 1), numbers.end());
  for (const auto& e : recorded) {
    if (e.number == 2) {
      EXPECT_EQ(e.arguments, std::vector<std::int32_t>{0});
    }
  }
}

}  // namespace
}  // namespace lf::test
