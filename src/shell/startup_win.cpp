#include <ole2.h>
#include <windows.h>

#include <span>

#include "shell/description.h"
#include "shell/fatal.h"
#include "shell/handlers.h"
#include "shell/process.h"
#include "shell/process_state.h"
#include "shell/registry.h"
#include "shell/shell.h"

namespace lf {

namespace {

// The path split at its last backslash, stepping over two-byte characters
// so that a trail byte is never taken for one.
void SplitProgramPath(const char* path) {
  const char* lastBackslash = nullptr;
  for (const char* p = path; *p != '\0'; p = CharNextA(p))
    if (*p == '\\') lastBackslash = p;
  ProcessState& process = Process();
  if (lastBackslash != nullptr) {
    process.programDirectory.assign(path, lastBackslash);
    process.programFileName = lastBackslash + 1;
  } else {
    process.programDirectory.clear();
    process.programFileName = path;
  }
}

bool ReadDescriptions() {
  HRSRC resource = FindResourceA(nullptr, "WINDOWS", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (resource == nullptr) return false;
  HGLOBAL loaded = LoadResource(nullptr, resource);
  auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (data == nullptr) return false;
  std::vector<WindowDescription> descriptions;
  if (!ParseDescriptions(std::span(data, SizeofResource(nullptr, resource)), ResolveHandler, descriptions))
    return false;
  auto& registry = WindowRegistry();
  registry.clear();
  for (auto& description : descriptions) registry.push_back(LoadedWindow{std::move(description), {}, false});
  return true;
}

}  // namespace

void StartUp() {
  ProcessState& process = Process();
  if (!process.oleStarted) {
    OleInitialize(nullptr);
    process.oleStarted = true;
  }
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  SplitProgramPath(path);
  SetCurrentDirectoryA(process.programDirectory.c_str());
  if (!ReadDescriptions()) ReportFatalError(0, "载入窗口模板数据段出错!");
  for (ExitRoutine routine : ExitRoutinesOfStartUp()) AddExitRoutine(routine);
}

}  // namespace lf
