// A click in the list of the real main window and what reaches the shell:
// recorded through the seam, and once through the real ShellExecuteA up to
// the stand-in xdg-open of command_servers.py.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/open_link.h"
#include "app/registry.h"
#include "core/designed.h"
#include "support/main_window.h"
#include "support/ui.h"
#include "window/link_list.h"

namespace lf::test {
namespace {

using std::chrono::milliseconds;

struct ShellCall {
  HWND owner;
  std::optional<std::string> verb, file, parameters, directory;
  INT show;
};

std::optional<std::string> Copy(LPCSTR text) {
  return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

class OpenLinkTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    calls.clear();
    beeps.clear();
    shellAnswer = 42;
    ReplaceShellForTesting(RecordExecute, RecordBeep);
  }
  void TearDown() override {
    ReplaceShellForTesting(nullptr, nullptr);
    MainWindowTest::TearDown();
  }

  // Fills the list so that the rows read `rows` from the top.
  void Fill(const std::vector<std::string>& rows) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) ListInsertItem(list(), 0, row->c_str());
  }

  std::vector<std::int32_t> Selected() {
    IndexArray selected = ListGetSelected(list());
    std::vector<std::int32_t> indices;
    for (std::int32_t i = 1; i <= selected.Count(); ++i) indices.push_back(selected.Member(i));
    return indices;
  }

  // A click that cannot pair with the previous one into a double click.
  static void ClickAlone(POINT screen) {
    PumpFor(milliseconds(GetDoubleClickTime() + 50));
    Click(screen);
  }

  // The middle of a row's label, on the screen.
  POINT RowPoint(int row) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return OnScreen(List(), r.left + 5, (r.top + r.bottom) / 2);
  }

  // Selects the only row, as a click on it would, and runs the click's handler.
  void ClickOnly(const std::string& entry) {
    SendMessageA(List(), LVM_DELETEALLITEMS, 0, 0);
    Fill({entry});
    LVITEMA select{};
    select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(List(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
    EventRecord click;
    click.windowId = kMainWindowId;
    click.sourceId = kLinkListId;
    click.number = event::list::kClicked;
    OnLinkClicked(click);
  }

  static std::vector<ShellCall> calls;
  static std::vector<UINT> beeps;
  static inline INT_PTR shellAnswer = 42;  // what the stand-in shell answers: above 32 is success

 private:
  static HINSTANCE WINAPI RecordExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                        INT show) {
    calls.push_back({owner, Copy(verb), Copy(file), Copy(parameters), Copy(directory), show});
    return reinterpret_cast<HINSTANCE>(shellAnswer);
  }
  static BOOL WINAPI RecordBeep(UINT type) {
    beeps.push_back(type);
    return TRUE;
  }
};

std::vector<ShellCall> OpenLinkTest::calls;
std::vector<UINT> OpenLinkTest::beeps;

TEST_F(OpenLinkTest, WebAddressesGoToTheShellAndEverythingElseBeeps) {
  struct Case {
    std::string entry;
    std::optional<std::string> handedOver;
  } cases[] = {
      {"http://a/b?c=1#d", "http://a/b?c=1#d"},
      {"HTTPS://A/", "HTTPS://A/"},
      {"//cdn.example.org/x.js", "https://cdn.example.org/x.js"},
      {"file:///C:/Windows/System32/calc.exe?//", std::nullopt},
      {"javascript://%0Aalert(1)", std::nullopt},
      {"ms-msdt://x", std::nullopt},
      {"\\\\host\\share//x", std::nullopt},
      {" http://leading-blank//", std::nullopt},
      {"", std::nullopt},
  };
  Load();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    calls.clear();
    beeps.clear();
    ClickOnly(c.entry);
    if (c.handedOver) {
      ASSERT_EQ(calls.size(), 1U);
      EXPECT_EQ(calls[0].verb, "open");
      EXPECT_EQ(calls[0].file, c.handedOver);
      EXPECT_EQ(calls[0].parameters, std::nullopt);
      EXPECT_EQ(calls[0].directory, std::nullopt);
      EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
      EXPECT_TRUE(beeps.empty());
    } else {
      EXPECT_TRUE(calls.empty());
      EXPECT_EQ(beeps, (std::vector<UINT>{MB_ICONWARNING}));
    }
  }
}

TEST_F(OpenLinkTest, AnAddressThatTheShellRefusesBeeps) {
  Load();
  // ShellExecuteA's answers: 32 or less is a refusal (out of memory, file or
  // path not found, no association, ...).
  const struct {
    INT_PTR answer;
    bool beeps;
  } cases[] = {{0, true}, {2, true}, {31, true}, {32, true}, {33, false}, {42, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    calls.clear();
    beeps.clear();
    shellAnswer = c.answer;
    ClickOnly("http://refused.example/" + std::string(2100, 'r'));
    EXPECT_EQ(calls.size(), 1U);
    EXPECT_EQ(beeps, c.beeps ? std::vector<UINT>{MB_ICONWARNING} : std::vector<UINT>{});
  }
}

// The list's read-back grows its buffer around 512 and 1024 bytes, where a
// two-byte character may straddle the edge: every length there, with the
// characters on either grid, comes back and reaches the shell byte for byte.
TEST_F(OpenLinkTest, LongEntriesWithTwoByteCharactersReachTheShellWhole) {
  Load();
  const char* const characters[] = {"\xCD\xF8", "\xD6\xB7"};  // 网址
  for (const char* prefix : {"http://h/", "http://hh/"}) {
    for (std::size_t length = 509; length <= 1030; ++length) {
      std::string entry = prefix;
      for (int i = 0; entry.size() + 2 <= length; ++i) entry += characters[i % 2];
      if (entry.size() < length) entry += 'x';
      SCOPED_TRACE(std::string(prefix) + " " + std::to_string(length));
      calls.clear();
      ClickOnly(entry);
      ASSERT_EQ(ListGetItemText(list(), 0).view(), entry);
      ASSERT_EQ(calls.size(), 1U);
      ASSERT_EQ(calls[0].file, entry);
    }
  }
  EXPECT_TRUE(beeps.empty());
}

TEST_F(OpenLinkTest, AClickHandsOverTheClickedRowOnceAndChangesNothing) {
  Load();
  const std::vector<std::string> rows{"http://c/", "http://b/", "http://a/"};
  Fill(rows);
  Click(RowPoint(0));
  ASSERT_EQ(calls.size(), 1U);
  EXPECT_EQ(calls[0].file, "http://c/");
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(Selected(), (std::vector<std::int32_t>{0}));

  calls.clear();
  PumpFor(milliseconds(GetDoubleClickTime() + 50));
  PointAt(RowPoint(1));
  DoubleClick(RowPoint(1));
  ASSERT_EQ(calls.size(), 1U);
  EXPECT_EQ(calls[0].file, "http://b/");
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(Selected(), (std::vector<std::int32_t>{1}));

  calls.clear();
  ClickAlone(OnScreen(List(), 100, 250));  // below the last row
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(beeps.empty());
}

TEST_F(OpenLinkTest, AWindowTitledMicrosoftInternetExplorerIsTheOwner) {
  Load();
  Fill({"http://owner.example/"});
  Click(RowPoint(0));
  HWND browser = CreateWindowExA(0, "STATIC", "Microsoft Internet Explorer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
  ASSERT_NE(browser, nullptr);
  ClickAlone(RowPoint(0));
  DestroyWindow(browser);
  ASSERT_EQ(calls.size(), 2U);
  EXPECT_EQ(calls[0].owner, nullptr);
  EXPECT_EQ(calls[1].owner, browser);
  EXPECT_EQ(calls[0].verb, calls[1].verb);
  EXPECT_EQ(calls[0].file, calls[1].file);
}

// The real shell: Wine hands a web address to the host's xdg-open.
TEST_F(OpenLinkTest, TheShellPassesAWebAddressOnToTheBrowser) {
  ReplaceShellForTesting(nullptr, nullptr);
  Load();
  std::string record = std::getenv("LF_TEST_SHELL_RECORD") ? std::getenv("LF_TEST_SHELL_RECORD") : "";
  ASSERT_FALSE(record.empty());
  auto recorded = [&] {
    std::ifstream in(record, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  Fill({"http://127.0.0.1:9/opened?q=1", "ms-msdt://x"});
  Click(RowPoint(1));  // refused before the shell: it must never arrive
  ClickAlone(RowPoint(0));
  ASSERT_EQ(Selected(), (std::vector<std::int32_t>{0}));
  EXPECT_TRUE(PumpUntil([&] { return !recorded().empty(); }, std::chrono::seconds(20)));
  PumpFor(milliseconds(300));  // anything else would have arrived by now
  EXPECT_EQ(recorded(), "http://127.0.0.1:9/opened?q=1\n");
}

}  // namespace
}  // namespace lf::test
