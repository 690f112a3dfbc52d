// Where insertion time goes: N entries into a list view, in several setups.
//   insert_bench MODE N     MODE: bare | bare-visible | main | main-nostyle
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "search/find_command.h"
#include "shell/shell.h"
#include "style/visual_style.h"
#include "support/ui.h"
#include "window/ids.h"
#include "window/kinds.h"
#include "window/link_list.h"

namespace {
using Clock = std::chrono::steady_clock;
double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string Entry(int i) { return "http://example.com/some/path/page" + std::to_string(i) + ".html"; }

double InsertRaw(HWND list, int n, bool append = false) {
  auto start = Clock::now();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  std::string e;
  for (int i = 0; i < n; ++i) {
    e = Entry(i);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM;
    item.iItem = append ? i : 0;
    item.iImage = -1;
    item.pszText = e.data();
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return Since(start);
}
}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "bare";
  int n = argc > 2 ? std::atoi(argv[2]) : 10000;
  double t = 0;
  if (mode.rfind("bare", 0) == 0) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    HWND top = CreateWindowExA(0, "STATIC", "t", WS_OVERLAPPEDWINDOW, 100, 100, 480, 380, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL,
                                0, 40, 470, 300, top, nullptr, nullptr, nullptr);
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.cx = 360;
    c.pszText = const_cast<char*>("x");
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&c));
    if (mode != "bare") ShowWindow(top, SW_SHOW);
    if (mode == "bare-hook") SetWindowsHookExA(WH_CALLWNDPROC, [](int c, WPARAM w, LPARAM l) { return CallNextHookEx(nullptr, c, w, l); }, nullptr, GetCurrentThreadId());
    if (mode == "bare-prop") {
      SetPropA(list, "x", list);
      auto start = Clock::now();
      for (int i = 0; i < n; ++i) GetPropA(list, "x");
      double p = Since(start);
      std::printf("getprop %.4f ms/call\n", p * 1000 / n);
      start = Clock::now();
      for (int i = 0; i < n; ++i) GetWindowLongPtrA(list, GWLP_USERDATA);
      p = Since(start);
      std::printf("getwindowlong %.4f ms/call\n", p * 1000 / n);
    }
    lf::test::PumpFor(std::chrono::milliseconds(200));
    t = InsertRaw(list, n, mode == "bare-append");
  } else {
    lf::StartUp();
    lf::LoadWindow(lf::kMainWindowId);
    if (mode == "main-nostyle") lf::SetVisualStyle(0);
    lf::test::PumpFor(std::chrono::milliseconds(200));
    auto* list = lf::LiveControl<lf::LinkList>(lf::kMainWindowId, lf::kLinkListId);
    if (mode == "main-raw") {
      t = InsertRaw(list->hwnd(), n);
    } else {
      auto start = Clock::now();
      {
        lf::ListBatch batch(*list);
        std::string e;
        for (int i = 0; i < n; ++i) {
          e = Entry(i);
          lf::ListInsertItem(*list, 0, e.c_str());
        }
      }
      UpdateWindow(list->hwnd());
      t = Since(start);
    }
  }
  std::printf("%s n=%d %.3f s %.4f ms/entry\n", mode.c_str(), n, t, t * 1000 / n);
  return 0;
}
