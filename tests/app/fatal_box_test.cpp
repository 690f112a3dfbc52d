// Fatal errors end the process, so a helper program meets them and this
// test reads its box, clicks the find button behind it, presses OK and
// checks the exit code.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/screen_icon.h"
#include "support/test_heap.h"

namespace lf {
namespace {

using namespace lf::testing;

constexpr DWORD kWaitMs = 20000;
constexpr DWORD kFatalExitCode = 0xFFFFFFFF;

// Literals are GBK here, as in the program.
const std::string kHead = "运行时出错!\r\n\r\n";
std::string CodePart(const char* digits) { return std::string("错误代码：") + digits + "\r\n\r\n"; }
std::string TextPart(const char* text) { return std::string("错误信息：") + text + "\r\n"; }

struct BoxCase {
  const char* name;
  const char* helper;  // next to this test program
  const char* fatalCase;
  bool clickCausesIt;  // the find button's handler causes the error; otherwise the start does
  std::string message;
  // For "search": the page served, and the block size that the heap refuses
  // from the given request of that size on.
  std::string page = "";
  std::size_t refusedSize = 0;
  int refusedFrom = 1;
};

std::string AllocationText(std::size_t size) {
  return TextPart(("分配 " + std::to_string(size) + " 字节内存失败!").c_str());
}

std::string Links(int count, std::size_t length) {
  std::string page;
  for (int i = 0; i < count; ++i)
    page += "<a href=\"//l/" + std::to_string(i) + std::string(length - 4 - std::to_string(i).size(), 'e') + "\">";
  return page;
}

// Writes the page into the folder that command_servers.py serves and gives its address.
std::string Serve(const std::string& name, const std::string& page) {
  const std::string folder = std::getenv("LF_TEST_PAGE_DIR") ? std::getenv("LF_TEST_PAGE_DIR") : "";
  const std::string port = std::getenv("LF_TEST_PAGE_PORT") ? std::getenv("LF_TEST_PAGE_PORT") : "";
  std::ofstream(folder + "\\" + name, std::ios::binary) << page;
  return "http://127.0.0.1:" + port + "/" + name;
}

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

std::string ProgramDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string directory = path;
  return directory.substr(0, directory.find_last_of('\\') + 1);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

// The program's own window: visible, top-level, not a dialog, with a button.
HWND MainWindowOf(DWORD processId) {
  for (HWND window : TopLevelWindows(processId))
    if (ClassOf(window) != "#32770" && !ChildrenOfClass(window, "Button").empty()) return window;
  return nullptr;
}

HWND ErrorBoxOf(DWORD processId) {
  for (HWND window : TopLevelWindows(processId))
    if (ClassOf(window) == "#32770" && TextOf(window) == "错误") return window;
  return nullptr;
}

class FatalBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(FatalBox, ShowsTheMessageRunsNoHandlerAndEndsWithMinusOne) {
  const BoxCase& c = GetParam();
  const std::string marker = ProgramDirectory() + "fatal_" + c.name + ".marker";
  DeleteFileA(marker.c_str());
  std::string arguments = std::string(c.fatalCase) + " \"" + marker + '"';
  if (!c.page.empty())
    arguments += " " + Serve(std::string(c.name) + ".html", c.page) + " " + std::to_string(c.refusedSize) + " " +
                 std::to_string(c.refusedFrom);
  ChildProcess child('"' + ProgramDirectory() + c.helper + "\" " + arguments);
  ASSERT_TRUE(child.started()) << c.helper << ": " << GetLastError();

  HWND button = nullptr;
  if (c.clickCausesIt) {
    HWND main = WaitForWindow(child, kWaitMs, [&] { return MainWindowOf(child.id()); });
    ASSERT_NE(main, nullptr) << "no main window";
    button = ChildrenOfClass(main, "Button").front();
    PostMessageA(button, BM_CLICK, 0, 0);
  }

  HWND box = WaitForWindow(child, kWaitMs, [&] { return ErrorBoxOf(child.id()); });
  ASSERT_NE(box, nullptr) << "no error box";

  // The message lies in the box's one text static; the icon in a static of its own.
  std::string message;
  std::vector<HWND> icons;
  for (HWND label : ChildrenOfClass(box, "Static")) {
    if ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      if (IsWindowVisible(label) && SendMessageA(label, STM_GETICON, 0, 0) != 0) icons.push_back(label);
    } else if (!TextOf(label).empty()) {
      message += TextOf(label);
    }
  }
  EXPECT_EQ(message, kHead + c.message);
  ASSERT_EQ(icons.size(), 1u);
  // Its pixels tell which icon it is; the box may still be painting at first
  // (a half-painted icon can look like another one).
  IconMatch icon = ShownStockIcon(icons[0]);
  for (int tries = 0; !(icon.clear() && icon.name == "error") && tries < 60; ++tries) {
    Sleep(50);
    icon = ShownStockIcon(icons[0]);
  }
  EXPECT_TRUE(icon.clear() && icon.name == "error")
      << "nearest: " << icon.name << " " << icon.distance << ", next " << icon.next;
  std::vector<HWND> buttons = ChildrenOfClass(box, "Button");
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);

  if (button != nullptr) {
    // Clicked while the box is open: the platform handles the click, no handler runs.
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result), 0);
    ASSERT_EQ(ReadFile(marker), "loaded\nclicked\n") << "a handler ran while the box was open";
  }
  EXPECT_TRUE(child.running());

  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(buttons[0]));
  DWORD exitCode = 0;
  ASSERT_TRUE(child.WaitForExit(kWaitMs, exitCode)) << "still running after OK";
  EXPECT_EQ(exitCode, kFatalExitCode);
  EXPECT_EQ(ReadFile(marker), c.clickCausesIt ? "loaded\nclicked\n" : "");
  DeleteFileA(marker.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FatalBox,
    ::testing::Values(
        BoxCase{"IndexAboveCount", "fatal_child.exe", "code1", true,
                CodePart("1") + TextPart("数组成员引用下标超出定义范围")},
        BoxCase{"IndexBelowOne", "fatal_child.exe", "code4", true,
                CodePart("4") + TextPart("数组成员引用下标必须大于等于1")},
        BoxCase{"AllocationFailure", "fatal_child.exe", "alloc", true, TextPart("分配 1000 字节内存失败!")},
        BoxCase{"EmptyText", "fatal_child.exe", "empty", true, ""},
        // Memory that runs out in a search: the terminator of a page text of 300001 bytes, the copy of a
        // link of 700 bytes, the window's copy of the title 找到约3条 (the first block of its 10 bytes is
        // the title being built). Then a standard container that cannot grow.
        BoxCase{"SearchPageText", "fatal_child.exe", "search", true, AllocationText(300002),
                Links(3, 20) + std::string(300001 - 3 * 31, 'p'), 300002},
        BoxCase{"SearchEntryCopy", "fatal_child.exe", "search", true, AllocationText(701), Links(2, 700), 701},
        BoxCase{"SearchTitle", "fatal_child.exe", "search", true, AllocationText(10), Links(3, 12), 10, 2},
        BoxCase{"StandardContainer", "fatal_child.exe", "new", true, AllocationText(testing::kUngrantableSize + 1)},
        BoxCase{"BrokenEditSettings", "fatal_child_bad_edit.exe", "start", false, TextPart("载入启动窗口失败")},
        BoxCase{"NoDescriptions", "fatal_child_no_descriptions.exe", "start", false,
                TextPart("载入窗口模板数据段出错!")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lf
