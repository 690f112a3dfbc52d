// The find button on the real main window, against pages that the test
// writes into the folder command_servers.py serves on loopback.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "app/registry.h"
#include "core/designed.h"
#include "support/counting_heap.h"
#include "support/main_window.h"
#include "support/ui.h"
#include "win/window_procedure.h"
#include "window/link_list.h"

namespace lf::test {
namespace {

using namespace std::string_literals;
using std::chrono::milliseconds;

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Writes the page into the served folder and gives its address.
std::string Serve(const std::string& name, const std::string& bytes) {
  std::ofstream(Variable("LF_TEST_PAGE_DIR") + "\\" + name, std::ios::binary) << bytes;
  return "http://127.0.0.1:" + Variable("LF_TEST_PAGE_PORT") + "/" + name;
}

// "找到约N条" as the GBK bytes the window must carry.
std::string TitleFor(int count) { return "\xD5\xD2\xB5\xBD\xD4\xBC" + std::to_string(count) + "\xCC\xF5"; }

// Closes and counts every dialog box of this process while it lives: a box
// would otherwise hold the click forever.
class BoxWatch {
 public:
  BoxWatch()
      : thread_([this] {
          for (int round = 0; round < 1500 && !stop_; ++round) {  // 30 s at most
            HWND box = FindWindowA("#32770", nullptr);
            DWORD process = 0;
            if (box != nullptr) GetWindowThreadProcessId(box, &process);
            if (box != nullptr && process == GetCurrentProcessId()) {
              ++boxes;
              PostMessageA(box, WM_CLOSE, 0, 0);
            }
            std::this_thread::sleep_for(milliseconds(20));
          }
        }) {}
  ~BoxWatch() {
    stop_ = true;
    thread_.join();
  }
  BoxWatch(const BoxWatch&) = delete;
  BoxWatch& operator=(const BoxWatch&) = delete;

  std::atomic<int> boxes{0};

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

class FindCommandTest : public MainWindowTest {
 protected:
  std::string Title() {
    char text[512] = {};
    GetWindowTextA(Main(), text, sizeof text);
    return text;
  }

  // Types the address and presses the button; gives the boxes shown meanwhile.
  int Search(const std::string& address, bool realClick = false) {
    SetWindowTextA(Field(), address.c_str());
    BoxWatch watch;
    if (realClick) {
      Click(OnScreen(Button(), 40, 16));
    } else {
      SendMessageA(Button(), BM_CLICK, 0, 0);
      PumpFor(milliseconds(20));
    }
    return watch.boxes;
  }
};

struct PageCase {
  const char* name;
  std::string page;
  std::vector<std::string> rows;  // from the top
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }

class PageTest : public FindCommandTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageTest, ListsTheTargetsWithSlashesLastFirstAndCountsThem) {
  Load();
  const PageCase& c = GetParam();
  EXPECT_EQ(Search(Serve(std::string(c.name) + ".html", c.page)), 0);
  EXPECT_EQ(Rows(), c.rows);
  EXPECT_EQ(Title(), TitleFor(static_cast<int>(c.rows.size())));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageTest,
    ::testing::Values(PageCase{"in_order",
                               "some text <a href=\"//a/1\">one</a> <a href=\"/c\">two</a> <a href=\"//b/2\">three</a>",
                               {"//b/2", "//a/1"}},
                      PageCase{"no_quote", "see http://x.example/p and more", {"see http://x.example/p and more"}},
                      PageCase{"text_before_marker", "go //pre/x <a href=\"//t/1\">", {"//t/1", "go //pre/x <a "}},
                      PageCase{"empty_target", "<a href=\"\" title=\"//no/1\"> <a href=\"//k/1\">", {"//k/1"}},
                      PageCase{"other_spellings",
                               "<A HREF=\"//up/1\"> <a href='//sq/1'> <a href = \"//bl/1\"> <a href=\"//ok/1\">",
                               {"//ok/1"}},
                      PageCase{"twice", "<a href=\"//d/1\"> <a href=\"//d/1\">", {"//d/1", "//d/1"}},
                      // An empty piece: the page starts with the marker, or holds it twice in a row.
                      PageCase{"empty_pieces", "href=\"//s/1\" href=\"href=\"//s/2\"", {"//s/2", "//s/1"}},
                      PageCase{"zero_byte", "<a href=\"//z/1\">\0<a href=\"//z/2\">"s, {"//z/1"}},
                      // 0xA1 and the h form one character, so that marker is not seen.
                      PageCase{"lead_byte_before_marker", "x\xA1href=\"//hid/1\" <a href=\"//vis/1\">", {"//vis/1"}},
                      // UTF-8 中 (E4 B8 AD): AD and the h form one character.
                      PageCase{"utf8_before_marker", "a\xE4\xB8\xADhref=\"//hid/2\" <a href=\"//vis/2\">", {"//vis/2"}},
                      PageCase{"high_bytes_in_target",
                               "<a href=\"//h/\xD6\xD0\xCE\xC4/\xC3\xA9\">",
                               {"//h/\xD6\xD0\xCE\xC4/\xC3\xA9"}}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST_F(FindCommandTest, ASecondSearchInsertsAboveTheFirstAndCountsOnlyItself) {
  Load();
  std::string first = Serve("first.html", "<a href=\"//one/1\"><a href=\"//one/2\"><a href=\"//one/3\">");
  std::string second = Serve("second.html", "<a href=\"//two/1\">");
  Search(first, true);
  ASSERT_EQ(Title(), TitleFor(3));
  Search(second, true);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"//two/1", "//one/3", "//one/2", "//one/1"}));
  EXPECT_EQ(Title(), TitleFor(1));
}

TEST_F(FindCommandTest, TheSelectedEntryMovesDownWithTheRowsAddedAboveIt) {
  Load();
  Search(Serve("before.html", "<a href=\"//old/1\"><a href=\"//old/2\">"));
  LVITEMA selected{};
  selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(List(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));  // "//old/1"
  Search(Serve("after.html", "<a href=\"//new/1\"><a href=\"/rel\"><a href=\"//new/2\"><a href=\"//new/3\">"));
  EXPECT_EQ(Rows(), (std::vector<std::string>{"//new/3", "//new/2", "//new/1", "//old/2", "//old/1"}));
  IndexArray now = ListGetSelected(list());
  ASSERT_EQ(now.Count(), 1);
  EXPECT_EQ(now.Member(1), 4);
  EXPECT_EQ(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 4);
}

// Sits on top of the list's procedures and refuses one of the insertions
// that reach it (counted from 0) while it lives.
class RefusingOneInsertion {
 public:
  RefusingOneInsertion(HWND list, int refused) : list_(list) {
    refused_ = refused;
    seen_ = 0;
    previous_ = ReplaceProcedureW(list, Refuse);
  }
  ~RefusingOneInsertion() { ReplaceProcedureW(list_, previous_); }
  RefusingOneInsertion(const RefusingOneInsertion&) = delete;
  RefusingOneInsertion& operator=(const RefusingOneInsertion&) = delete;

 private:
  static LRESULT CALLBACK Refuse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == LVM_INSERTITEMA && seen_++ == refused_) return -1;
    return CallWindowProcW(previous_, window, message, wParam, lParam);
  }
  static inline WNDPROC previous_ = nullptr;
  static inline int refused_ = 0, seen_ = 0;
  HWND list_;
};

TEST_F(FindCommandTest, ARefusedEntryIsMissingAndTheOthersStayAboveTheEarlierRows) {
  Load();
  Search(Serve("earlier.html", "<a href=\"//old/1\"><a href=\"//old/2\">"));
  {
    // The last link goes in first: the second insertion is //new/3.
    RefusingOneInsertion refusing(List(), 1);
    Search(Serve("refused.html", "<a href=\"//new/1\"><a href=\"//new/2\"><a href=\"//new/3\"><a href=\"//new/4\">"));
  }
  EXPECT_EQ(Rows(), (std::vector<std::string>{"//new/4", "//new/2", "//new/1", "//old/2", "//old/1"}));
  EXPECT_EQ(Title(), TitleFor(4));  // counted all the same
}

TEST_F(FindCommandTest, NothingFetchedAddsNothingResetsTheColumnAndCountsZero) {
  Load();
  for (const std::string& address : {""s, "http://127.0.0.1:" + Variable("LF_TEST_REFUSED_PORT") + "/x.html"}) {
    SCOPED_TRACE(address);
    ListInsertItem(list(), 0, "//kept/1");
    SendMessageA(List(), LVM_SETCOLUMNWIDTH, 0, 100);
    SetWindowTextA(Main(), "before");
    EXPECT_EQ(Search(address), 0);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"//kept/1"}));
    EXPECT_EQ(SendMessageA(List(), LVM_GETCOLUMNWIDTH, 0, 0), 360);
    char title[16] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = sizeof title;
    ASSERT_TRUE(SendMessageA(List(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, "\xCD\xF8\xD6\xB7");
    EXPECT_FALSE(SendMessageA(List(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(Title(), TitleFor(0));
    SendMessageA(List(), LVM_DELETEALLITEMS, 0, 0);
  }
}

TEST_F(FindCommandTest, TheTitleIsFoundAboutThenTheDecimalCountThenItems) {
  Load();
  std::string page;
  for (int i = 0; i < 12; ++i) page += "<a href=\"//n/" + std::to_string(i) + "\">";
  Search(Serve("twelve.html", page));
  EXPECT_EQ(Title(), "\xD5\xD2\xB5\xBD\xD4\xBC\x31\x32\xCC\xF5");
}

TEST_F(FindCommandTest, ASearchGivesBackEveryBlockItTook) {
  Load();
  std::string page;
  for (int i = 0; i < 50; ++i) page += "<p>text</p><a href=\"//m/" + std::to_string(i) + "\">x</a><a href=\"/r\">";
  std::string address = Serve("blocks.html", page);
  Search(address);  // the first download sets up what lives until the process ends
  long allocations = 0;
  {
    CountingHeapScope heap;
    Search(address);
    EXPECT_EQ(CountingHeapScope::live, 0);
    allocations = CountingHeapScope::allocations;
  }
  EXPECT_GT(allocations, 0);
  EXPECT_EQ(Rows().size(), 100U);
}

// The pointer over the window while the find button's search runs.
class WaitCursorTest : public FindCommandTest {
 protected:
  struct Seen {
    milliseconds at;
    HCURSOR cursor;
  };

  // Clicks 查找 for the address and records the cursor every 20 ms until
  // the click has been handled.
  std::vector<Seen> SearchWatchingTheCursor(const std::string& address) {
    SetWindowTextA(Field(), address.c_str());
    std::vector<Seen> seen;
    std::atomic<bool> done{false};
    auto start = std::chrono::steady_clock::now();
    std::thread watch([&] {
      for (int i = 0; i < 500 && !done; ++i) {  // 10 s at most
        CURSORINFO info{};
        info.cbSize = sizeof info;
        GetCursorInfo(&info);
        seen.push_back(
            {std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start), info.hCursor});
        std::this_thread::sleep_for(milliseconds(20));
      }
    });
    Click(OnScreen(Button(), 40, 16));
    PumpUntil([&] { return GetWindowTextLengthA(Main()) > 0; });
    PumpFor(milliseconds(100));
    done = true;
    watch.join();
    return seen;
  }
};

TEST_F(WaitCursorTest, ShowsFromTheClickUntilTheTitleAlsoWhenTheDownloadFails) {
  Load();
  Serve("slow.html", "<a href=\"//s/1\">");
  const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT), arrow = LoadCursor(nullptr, IDC_ARROW);
  const std::string base = "http://127.0.0.1:" + Variable("LF_TEST_PAGE_PORT");
  for (const char* path : {"/slow/slow.html", "/slow-drop/slow.html"}) {
    SCOPED_TRACE(path);
    SetWindowTextA(Main(), "");
    std::vector<Seen> seen = SearchWatchingTheCursor(base + path);
    ASSERT_GT(seen.size(), 10u);
    int waiting = 0, duringDownload = 0;
    for (const Seen& s : seen) {
      // The server holds the answer for two seconds after the click.
      if (s.at > milliseconds(700) && s.at < milliseconds(1900)) {
        ++duringDownload;
        waiting += s.cursor == wait;
      }
    }
    EXPECT_GT(duringDownload, 10);
    EXPECT_EQ(waiting, duringDownload);
    EXPECT_EQ(seen.back().cursor, arrow);
  }
  EXPECT_EQ(Rows(), std::vector<std::string>{"//s/1"});
}

}  // namespace
}  // namespace lf::test
