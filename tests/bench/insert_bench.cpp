// Where the insertion time goes under Wine: N entries into a list view.
//   insert_bench MODE N
//   bare          a visible list view of its own, each entry at the top
//   bare-append   the same, each entry at the end
//   bare-hook     the same as bare, with a thread WH_CALLWNDPROC hook installed
//   main          the real main window's list, through ListInsertItem
//   main-nostyle  the same with the visual style (and its hook) switched off
// Prints the time per entry and the memory the entries took.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/program.h"
#include "app/registry.h"
#include "core/designed.h"
#include "style/visual_style.h"
#include "support/ui.h"
#include "window/link_list.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double PrivateMb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage / 1048576.0;
}

std::string Entry(int i) { return "http://example.com/some/path/page" + std::to_string(i) + ".html"; }

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

double InsertIntoBareList(int n, bool append) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  HWND top = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 480, 380, nullptr, nullptr,
                             nullptr, nullptr);
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 0,
                              40, 470, 300, top, nullptr, nullptr, nullptr);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 360;
  column.pszText = const_cast<char*>("x");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  lf::test::PumpFor(std::chrono::milliseconds(200));
  const Clock::time_point start = Clock::now();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  std::string text;
  for (int i = 0; i < n; ++i) {
    text = Entry(i);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM;
    item.iItem = append ? i : 0;
    item.iImage = -1;
    item.pszText = text.data();
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return Since(start);
}

double InsertIntoMainWindow(int n, bool styled) {
  lf::StartUp();
  lf::LoadWindow(lf::kMainWindowId);
  if (!styled) lf::SetVisualStyle(0);
  lf::test::PumpFor(std::chrono::milliseconds(200));
  auto* list = lf::LiveControl<lf::LinkList>(lf::kMainWindowId, lf::kLinkListId);
  if (list == nullptr) return -1;
  const Clock::time_point start = Clock::now();
  {
    lf::ListBatch batch(*list);
    std::string text;
    for (int i = 0; i < n; ++i) {
      text = Entry(i);
      lf::ListInsertItem(*list, 0, text.c_str());
    }
  }
  UpdateWindow(list->hwnd());
  return Since(start);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  const int n = argc > 2 ? std::atoi(argv[2]) : 10000;
  const double before = PrivateMb();
  double seconds = -1;
  if (mode == "bare" || mode == "bare-append" || mode == "bare-hook") {
    if (mode == "bare-hook") SetWindowsHookExA(WH_CALLWNDPROC, PassOn, nullptr, GetCurrentThreadId());
    seconds = InsertIntoBareList(n, mode == "bare-append");
  } else if (mode == "main" || mode == "main-nostyle") {
    seconds = InsertIntoMainWindow(n, mode == "main");
  }
  if (seconds < 0 || n <= 0) {
    std::fprintf(stderr, "usage: insert_bench bare|bare-append|bare-hook|main|main-nostyle N\n");
    return 2;
  }
  std::printf("seconds=%.4f ms_per_entry=%.4f memory_mb=%.1f\n", seconds, seconds * 1000 / n, PrivateMb() - before);
  return 0;
}
