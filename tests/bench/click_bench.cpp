// Click on "查找" to the title, in the real MainWindow under Wine:
//   click_bench URL EXPECTED_COUNT [style-off | no-list]
// style-off: the same click with the visual style (and its thread hook)
// switched off after the window is made, to show what the hook costs.
// no-list: no window; the search's own steps only, for its peak memory.
// Prints one line of key=value pairs; tools/bench runs it once per page and
// repetition, each in a fresh process so that the peak memory is its own.
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>
#include <utility>

#include "app/program.h"
#include "app/registry.h"
#include "core/designed.h"
#include "core/extract.h"
#include "core/text_ops.h"
#include "net/download.h"
#include "style/visual_style.h"
#include "support/ui.h"

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

// Delivers one message at a time, so that the clock stops with the message
// whose handling set the title.
bool DeliverUntilTitle(HWND main, const std::string& expected, std::chrono::seconds timeout) {
  const Clock::time_point end = Clock::now() + timeout;
  while (Clock::now() < end) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    if (message.message != WM_QUIT) lf::DeliverMessage(message);
    if (Title(main) == expected) return true;
  }
  return false;
}

// Delivers what is waiting, the repaints included, until nothing is left.
void DeliverWaiting() {
  MSG message;
  for (int i = 0; i < 100000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i)
    if (message.message != WM_QUIT) lf::DeliverMessage(message);
}

double Mb(SIZE_T bytes) { return bytes / 1048576.0; }

struct Steps {
  double download = 0, toText = 0, walk = 0, pageMb = 0, linkMb = 0;
};

// Download, text and walk as the search does them, the links collected as
// it collects them, each step timed.
Steps RunSteps(const std::string& url) {
  Steps steps;
  Clock::time_point step = Clock::now();
  lf::ByteSet body = lf::DownloadPage(lf::Text::Copy(url));
  steps.download = Since(step);
  steps.pageMb = Mb(body.size());
  step = Clock::now();
  lf::Text page = lf::BytesToText(std::move(body));
  steps.toText = Since(step);
  step = Clock::now();
  std::vector<std::string_view> links;
  std::size_t bytes = 0;
  lf::ForEachLink(page.view(), [&](std::string_view link) {
    links.push_back(link);
    bytes += link.size();
  });
  steps.walk = Since(step);
  steps.linkMb = Mb(bytes);
  return steps;
}

// The steps alone, without a window; prints their peak memory growth.
int StepsOnly(const std::string& url) {
  lf::DownloadPage(lf::Text::Copy(url + "?warm"));
  const PROCESS_MEMORY_COUNTERS before = Memory();
  const Steps steps = RunSteps(url);
  const PROCESS_MEMORY_COUNTERS after = Memory();
  // Wine's peak pagefile figure is the current one; the working set's peak is a real peak.
  std::printf("page_mb=%.2f steps_peak_growth_mb=%.1f\n", steps.pageMb,
              Mb(after.PeakWorkingSetSize - before.WorkingSetSize));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: click_bench URL EXPECTED_COUNT\n");
    return 2;
  }
  const std::string url = argv[1];
  const std::string expected = std::string("找到约") + argv[2] + "条";
  const std::string mode = argc > 3 ? argv[3] : "";
  if (mode == "no-list") return StepsOnly(url);

  lf::StartUp();
  lf::LoadWindow(lf::kMainWindowId);
  if (mode == "style-off") lf::SetVisualStyle(0);
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
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  lf::test::PointAt(centre);
  const Clock::time_point start = Clock::now();
  lf::test::Press(centre);
  const bool done = DeliverUntilTitle(main, expected, std::chrono::seconds(120));
  const double click = Since(start);
  DeliverWaiting();
  const double painted = Since(start);
  const PROCESS_MEMORY_COUNTERS after = Memory();
  if (!done) {
    std::fprintf(stderr, "title is \"%s\", expected \"%s\"\n", Title(main).c_str(), expected.c_str());
    return 1;
  }

  // The steps without the list, to tell where the time goes.
  const Steps steps = RunSteps(url);

  // Wine gives the current private memory as its peak too; the working
  // set's peak is a real one. What stays after the search is the list's.
  std::printf(
      "click=%.4f painted=%.4f download=%.4f totext=%.4f walk=%.4f page_mb=%.2f ws_before_mb=%.1f peak_ws_mb=%.1f "
      "private_before_mb=%.1f private_after_mb=%.1f link_mb=%.2f\n",
      click, painted, steps.download, steps.toText, steps.walk, steps.pageMb, Mb(before.WorkingSetSize),
      Mb(after.PeakWorkingSetSize), Mb(before.PagefileUsage), Mb(after.PagefileUsage), steps.linkMb);
  std::fflush(stdout);
  DestroyWindow(main);
  return 0;
}
