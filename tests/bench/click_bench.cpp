// Click on "查找" to the title, in the real MainWindow under Wine:
//   click_bench URL EXPECTED_COUNT
// Prints one line of key=value pairs; tools/bench runs it once per page and
// repetition, each in a fresh process so that the peak memory is its own.
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "search/download.h"
#include "search/extract.h"
#include "search/text_ops.h"
#include "shell/shell.h"
#include "support/ui.h"
#include "window/ids.h"
#include "window/kinds.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

HWND HandleOf(std::uint32_t entryId) {
  lf::Control* control = lf::LiveControl<lf::Control>(lf::kMainWindowId, entryId);
  return control == nullptr ? nullptr : control->hwnd();
}

std::string Title(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: click_bench URL EXPECTED_COUNT\n");
    return 2;
  }
  const std::string url = argv[1];
  const std::string expected = std::string("找到约") + argv[2] + "条";

  lf::StartUp();
  lf::LoadWindow(lf::kMainWindowId);
  HWND main = HandleOf(lf::kMainWindowEntryId), field = HandleOf(lf::kAddressFieldId),
       button = HandleOf(lf::kFindButtonId);
  if (main == nullptr || field == nullptr || button == nullptr) return 1;
  lf::test::Activate(main);
  // WinINet's own start-up belongs to neither side of the comparison.
  lf::DownloadPage(lf::Text::Copy(url + "?warm"));
  lf::test::PumpFor(std::chrono::milliseconds(200));
  SetWindowTextA(field, url.c_str());
  const PROCESS_MEMORY_COUNTERS before = Memory();

  RECT r;
  GetWindowRect(button, &r);
  const Clock::time_point start = Clock::now();
  lf::test::Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  const bool done = lf::test::PumpUntil([&] { return Title(main) == expected; }, std::chrono::seconds(120));
  const double click = Since(start);
  const PROCESS_MEMORY_COUNTERS after = Memory();
  if (!done) {
    std::fprintf(stderr, "title is \"%s\", expected \"%s\"\n", Title(main).c_str(), expected.c_str());
    return 1;
  }

  // The steps without the list, to tell where the time goes.
  Clock::time_point step = Clock::now();
  lf::ByteSet body = lf::DownloadPage(lf::Text::Copy(url));
  const double download = Since(step);
  const double pageMb = body.size() / 1048576.0;
  step = Clock::now();
  lf::Text page = lf::BytesToText(body);
  body.Release();
  const double toText = Since(step);
  step = Clock::now();
  std::string entry;
  std::size_t bytes = 0;
  lf::ForEachLink(page.view(), [&](std::string_view link) {
    entry.assign(link);
    bytes += entry.size();
  });
  const double walk = Since(step);

  std::printf("click=%.4f download=%.4f totext=%.4f walk=%.4f page_mb=%.2f "
              "peak_ws_mb=%.1f peak_ws_before_mb=%.1f peak_pf_mb=%.1f peak_pf_before_mb=%.1f link_mb=%.2f\n",
              click, download, toText, walk, pageMb, after.PeakWorkingSetSize / 1048576.0,
              before.PeakWorkingSetSize / 1048576.0, after.PeakPagefileUsage / 1048576.0,
              before.PeakPagefileUsage / 1048576.0, bytes / 1048576.0);
  std::fflush(stdout);
  DestroyWindow(main);
  return 0;
}
