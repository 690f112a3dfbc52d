#pragma once
// A child process of a test and what the test does with its windows. Every
// wait is bounded; a child still running when its holder goes is ended.

#include <windows.h>

#include <string>
#include <vector>

namespace lf::testing {

class ChildProcess {
 public:
  // Starts `commandLine`; started() tells whether that worked.
  explicit ChildProcess(std::string commandLine);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  bool running() const;
  DWORD id() const { return info_.dwProcessId; }
  // False when the child has not ended within the time.
  bool WaitForExit(DWORD milliseconds, DWORD& exitCode);

 private:
  PROCESS_INFORMATION info_{};
};

// The visible top-level windows of a process.
std::vector<HWND> TopLevelWindows(DWORD processId);
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);

// Polls `find` every 50 ms for at most `milliseconds` (or until the child
// ends) and gives its first non-null answer.
template <class Find>
HWND WaitForWindow(const ChildProcess& child, DWORD milliseconds, Find find) {
  for (DWORD waited = 0;; waited += 50) {
    if (HWND window = find()) return window;
    if (waited >= milliseconds || !child.running()) return nullptr;
    Sleep(50);
  }
}

}  // namespace lf::testing
