// Copying and saving the links on the real main window: the real clipboard
// and files, the menu and the save dialog answered by the fixture.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "app/link_commands.h"
#include "core/designed.h"
#include "support/main_window.h"
#include "support/ui.h"

namespace lf::test {
namespace {

using std::chrono::milliseconds;

const char kGbkEntry[] = "http://例子.测试/路径?查询=值";
const wchar_t kGbkEntryWide[] = L"http://例子.测试/路径?查询=值";

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// A folder of its own under the served one, emptied first.
std::string FreshFolder(const std::string& name) {
  std::string folder = Variable("LF_TEST_PAGE_DIR") + "\\" + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const std::string& file : FilesIn(folder)) {
    DeleteFileA((folder + "\\" + file).c_str());
    RemoveDirectoryA((folder + "\\" + file).c_str());
  }
  return folder;
}

struct Clipboard {
  std::string ansi;
  std::wstring wide;
};

Clipboard ReadClipboard() {
  Clipboard content;
  if (!OpenClipboard(nullptr)) return content;
  if (HANDLE text = GetClipboardData(CF_TEXT)) {
    content.ansi = static_cast<const char*>(GlobalLock(text));
    GlobalUnlock(text);
  }
  if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
    content.wide = static_cast<const wchar_t*>(GlobalLock(text));
    GlobalUnlock(text);
  }
  CloseClipboard();
  return content;
}

void PutOnClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
  memcpy(GlobalLock(block), text, strlen(text) + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

class LinkCommandsTest : public MainWindowTest {
 protected:
  void Fill(std::initializer_list<const char*> rows) {
    for (const char* row : rows) ListInsertItem(list(), {}, row);
  }

  void Select(int row) {
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }

  POINT RowPoint(int row) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return OnScreen(List(), r.left + 5, (r.top + r.bottom) / 2);
  }

  std::vector<int> Selection() {
    std::vector<int> rows;
    for (int i = -1; (i = static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, i, LVNI_SELECTED))) != -1;)
      rows.push_back(i);
    return rows;
  }

  // The menu's items as shown: 1 where enabled, 0 where greyed.
  static std::vector<int> Enabled(const std::vector<MenuItemSeen>& menu) {
    std::vector<int> enabled;
    for (const auto& item : menu) enabled.push_back(item.enabled ? 1 : 0);
    return enabled;
  }
};

TEST_F(LinkCommandsTest, CtrlCAndCtrlInsertCopyTheSelectedEntryAsItsBytesAndAsUnicode) {
  Record(kLinkListId, 4);
  Load();
  Fill({"http://a.example/", kGbkEntry, "//b.example/x"});
  SetFocus(List());
  Select(1);
  PressWithCtrl('C');
  Clipboard copied = ReadClipboard();
  EXPECT_EQ(copied.ansi, kGbkEntry);
  EXPECT_EQ(copied.wide, kGbkEntryWide);

  Select(2);
  PressWithCtrl(VK_INSERT);
  copied = ReadClipboard();
  EXPECT_EQ(copied.ansi, "//b.example/x");
  EXPECT_EQ(copied.wide, L"//b.example/x");

  // The list stays as it was, and no click was raised.
  EXPECT_EQ(Rows(), (std::vector<std::string>{"http://a.example/", kGbkEntry, "//b.example/x"}));
  EXPECT_EQ(Selection(), std::vector<int>{2});
  EXPECT_TRUE(NumbersOf(kLinkListId).empty());
  EXPECT_TRUE(errorsShown.empty());
}

TEST_F(LinkCommandsTest, CtrlCCopiesNothingWithoutASelectionOrWhenTheListHasNoFocus) {
  Load();
  Fill({"http://a.example/", "http://b.example/"});
  PutOnClipboard("before");
  SetFocus(List());
  PressWithCtrl('C');
  EXPECT_EQ(ReadClipboard().ansi, "before");
  Select(0);
  SetFocus(Button());
  PressWithCtrl('C');
  EXPECT_EQ(ReadClipboard().ansi, "before");
  EXPECT_EQ(GetFocus(), Button());
}

TEST_F(LinkCommandsTest, TheMenuGreysWhatItCannotDo) {
  Record(kLinkListId, 4);
  Load();
  const std::vector<std::string> texts = {"复制网址", "复制全部网址", "保存全部网址…"};

  Click(OnScreen(List(), 100, 150), true);  // an empty list
  Fill({"http://a.example/", "http://b.example/", "http://c.example/"});
  Click(RowPoint(1), true);
  Click(OnScreen(List(), 100, 250), true);  // below the last row
  SetFocus(List());
  Select(2);
  PressKey(VK_APPS);
  LVITEMA none{};
  none.stateMask = LVIS_SELECTED;
  SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  PressKey(VK_APPS);

  ASSERT_EQ(menusShown.size(), 5u);
  for (const auto& menu : menusShown) {
    ASSERT_EQ(menu.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(menu[i].text, texts[i]);
  }
  EXPECT_EQ(Enabled(menusShown[0]), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(Enabled(menusShown[1]), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(Enabled(menusShown[2]), (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(Enabled(menusShown[3]), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(Enabled(menusShown[4]), (std::vector<int>{0, 1, 1}));
  // From the keyboard the menu opens below the selected entry's text.
  RECT label{};
  label.left = LVIR_LABEL;
  SendMessageA(List(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&label));
  POINT below = OnScreen(List(), label.left, label.bottom);
  EXPECT_EQ(menuPoints[3].x, below.x);
  EXPECT_EQ(menuPoints[3].y, below.y);
  EXPECT_TRUE(NumbersOf(kLinkListId).empty());
  EXPECT_EQ(Rows().size(), 3u);
}

TEST_F(LinkCommandsTest, CopyLinkTakesTheEntryUnderThePointerAndCopyAllEveryEntryInOrder) {
  Record(kLinkListId, 4);
  Load();
  Fill({"http://a.example/", kGbkEntry, "//c.example/"});
  menuChoice = kCopyLink;
  Click(RowPoint(1), true);
  EXPECT_EQ(ReadClipboard().ansi, kGbkEntry);

  menuChoice = kCopyAllLinks;
  Click(RowPoint(0), true);
  Clipboard all = ReadClipboard();
  EXPECT_EQ(all.ansi, std::string("http://a.example/\r\n") + kGbkEntry + "\r\n//c.example/\r\n");
  EXPECT_EQ(all.wide, std::wstring(L"http://a.example/\r\n") + kGbkEntryWide + L"\r\n//c.example/\r\n");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"http://a.example/", kGbkEntry, "//c.example/"}));
  EXPECT_TRUE(NumbersOf(kLinkListId).empty());
}

TEST_F(LinkCommandsTest, SaveAllWritesWhatCopyAllCopiesAndReplacesAnOlderFileWhole) {
  Load();
  Fill({"http://a.example/", kGbkEntry});
  std::string folder = FreshFolder("save");
  savePath = folder + "\\links.txt";
  std::ofstream(*savePath, std::ios::binary) << "an older, longer file that must go entirely";
  menuChoice = kSaveAllLinks;
  Click(RowPoint(0), true);
  EXPECT_EQ(ReadBytes(*savePath), std::string("http://a.example/\r\n") + kGbkEntry + "\r\n");
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"links.txt"});
  EXPECT_TRUE(errorsShown.empty());

  // A cancelled dialog writes nothing.
  savePath.reset();
  ListInsertItem(list(), 0, "http://new.example/");
  Click(RowPoint(0), true);
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"links.txt"});
  EXPECT_EQ(ReadBytes(folder + "\\links.txt"), std::string("http://a.example/\r\n") + kGbkEntry + "\r\n");
}

TEST_F(LinkCommandsTest, ASaveThatFailsNamesTheFileAndLeavesNoFileBehind) {
  Load();
  Fill({"http://a.example/"});
  std::string folder = FreshFolder("failing");
  // A name that is a folder: the new file is written, then cannot take its place.
  CreateDirectoryA((folder + "\\taken.txt").c_str(), nullptr);
  menuChoice = kSaveAllLinks;
  for (const std::string& path : {folder + "\\missing\\links.txt", folder + "\\taken.txt"}) {
    SCOPED_TRACE(path);
    errorsShown.clear();
    savePath = path;
    Click(RowPoint(0), true);
    ASSERT_EQ(errorsShown.size(), 1u);
    const std::string& box = errorsShown[0];
    EXPECT_EQ(box.rfind("保存全部网址\n", 0), 0u) << box;
    EXPECT_NE(box.find("“" + path + "”"), std::string::npos) << box;
    // The system's own text follows the line that names the file.
    EXPECT_GT(box.size(), box.find("”") + std::string("”。\r\n\r\n").size()) << box;
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"taken.txt"});
  }
}

TEST_F(LinkCommandsTest, AClipboardHeldElsewhereIsShownInABox) {
  Load();
  Fill({"http://a.example/"});
  std::atomic<int> stage{0};
  std::thread holder([&] {
    if (OpenClipboard(nullptr)) {
      stage = 1;
      for (int i = 0; i < 500 && stage == 1; ++i) std::this_thread::sleep_for(milliseconds(10));
      CloseClipboard();
    } else {
      stage = -1;
    }
  });
  while (stage == 0) std::this_thread::sleep_for(milliseconds(5));
  ASSERT_EQ(stage, 1);
  SetFocus(List());
  Select(0);
  PressWithCtrl('C');
  stage = 2;
  holder.join();
  ASSERT_EQ(errorsShown.size(), 1u);
  EXPECT_EQ(errorsShown[0].rfind("复制网址\n", 0), 0u) << errorsShown[0];
}

}  // namespace
}  // namespace lf::test
