// Measures how long the program takes from its start to a visible window:
//   lfstartup PROGRAM.exe [RUNS]
// Prints each run in milliseconds and the median; closes the window after.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  std::vector<double> times;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  for (int run = 0; run < runs; ++run) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER begin, now;
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 1;
    HWND window = nullptr;
    for (int i = 0; i < 20000 && window == nullptr; ++i) {  // at most 20 s
      HWND w = FindWindowA("LinkFinderWindow", nullptr);
      if (w != nullptr && IsWindowVisible(w))
        window = w;
      else
        Sleep(1);
    }
    QueryPerformanceCounter(&now);
    double ms = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("run %d: %.0f ms\n", run + 1, ms);
    times.push_back(ms);
    if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  std::sort(times.begin(), times.end());
  std::printf("median: %.0f ms\n", times[times.size() / 2]);
  return 0;
}
