// Throughput and peak memory of one large download over loopback:
//   tools/bench-download [BYTES]
// runs it under the test servers (their http port comes in LF_TEST_HTTP_PORT).
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/values.h"
#include "net/download.h"

namespace {

struct Peaks {
  double workingSetMb;
  double pagefileMb;
};

Peaks PeakMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return {counters.PeakWorkingSetSize / 1048576.0, counters.PeakPagefileUsage / 1048576.0};
}

}  // namespace

int main(int argc, char** argv) {
  const char* port = std::getenv("LF_TEST_HTTP_PORT");
  if (port == nullptr) {
    std::fprintf(stderr, "run through tests/search/download_servers.py\n");
    return 2;
  }
  const unsigned long bytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 20971520UL;
  const std::string base = std::string("http://127.0.0.1:") + port;

  // A small download first, so that the baseline holds WinINet's own start.
  lf::DownloadPage(lf::Text::Copy(base + "/len/1000"));
  const Peaks before = PeakMemory();

  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> rates;
  for (int run = 0; run < 5; ++run) {
    QueryPerformanceCounter(&start);
    lf::ByteSet body = lf::DownloadPage(lf::Text::Copy(base + "/len/" + std::to_string(bytes)));
    QueryPerformanceCounter(&end);
    double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    if (body.size() != bytes) {
      std::fprintf(stderr, "run %d: %zu bytes, expected %lu\n", run + 1, body.size(), bytes);
      return 1;
    }
    rates.push_back(bytes / 1048576.0 / seconds);
    std::printf("run %d: %.3f s, %.1f MB/s\n", run + 1, seconds, rates.back());
  }
  std::sort(rates.begin(), rates.end());
  const Peaks after = PeakMemory();
  std::printf("median: %.1f MB/s for %lu bytes\n", rates[2], bytes);
  std::printf("peak working set: %.1f MB (%.1f MB before the large downloads)\n", after.workingSetMb,
              before.workingSetMb);
  std::printf("peak pagefile usage: %.1f MB (%.1f MB before the large downloads)\n", after.pagefileMb,
              before.pagefileMb);
  return 0;
}
