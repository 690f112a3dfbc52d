#include "support/child_process.h"

namespace lf::testing {

ChildProcess::ChildProcess(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
    info_ = {};
}

ChildProcess::~ChildProcess() {
  if (info_.hProcess == nullptr) return;
  if (running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool ChildProcess::running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD milliseconds, DWORD& exitCode) {
  if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
}

namespace {

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) search.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[4096] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
  std::vector<HWND> children;
  // Bounded: a box or window of this program has a handful of children.
  for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child != nullptr && children.size() < 64;
       child = FindWindowExA(parent, child, className, nullptr))
    children.push_back(child);
  return children;
}

}  // namespace lf::testing
