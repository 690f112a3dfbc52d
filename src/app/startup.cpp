#include <ole2.h>
#include <windows.h>

#include <span>

#include "app/fatal_box.h"
#include "app/handlers.h"
#include "app/link_commands.h"
#include "app/process.h"
#include "app/program.h"
#include "app/registry.h"
#include "core/description.h"
#include "core/exit_routines.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "win/process_heap.h"
#include "window/event_sink.h"

namespace lf {

namespace {

// The path up to its last backslash, found character by character so that
// the trail byte of a two-byte character is never taken for one.
void SetProgramDirectory(const char* path) {
  const char* lastBackslash = nullptr;
  for (const char* p = path; *p != '\0'; p = CharNextA(p))
    if (*p == '\\') lastBackslash = p;
  ProcessState& process = Process();
  if (lastBackslash != nullptr)
    process.programDirectory.assign(path, lastBackslash);
  else
    process.programDirectory.clear();
}

bool ReadDescriptions() {
  HRSRC resource = FindResourceA(nullptr, "WINDOWS", RT_RCDATA);
  if (resource == nullptr) return false;
  HGLOBAL loaded = LoadResource(nullptr, resource);
  auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (data == nullptr) return false;
  std::vector<WindowDescription> descriptions;
  if (!ParseDescriptions(std::span(data, SizeofResource(nullptr, resource)), ResolveHandler, descriptions))
    return false;
  auto& registry = WindowRegistry();
  registry.clear();
  for (auto& description : descriptions) registry.push_back(LoadedWindow{std::move(description), {}});
  return true;
}

}  // namespace

void StartUp() {
  // The platform's heap before any value exists, once.
  static const bool heapSet = (SetBlockHeap(ProcessBlockHeap()), true);
  (void)heapSet;
  SetFatalReporter(ShowFatalBox);
  SetEventSink({FireEvent, ForgetLiveObjects, OnListRequest});
  ProcessState& process = Process();
  if (!process.oleStarted) {
    OleInitialize(nullptr);
    process.oleStarted = true;
  }
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  SetProgramDirectory(path);
  SetCurrentDirectoryA(process.programDirectory.c_str());
  if (!ReadDescriptions()) ReportFatalError(0, "载入窗口模板数据段出错!");
  for (ExitRoutine routine : ExitRoutinesOfStartUp()) AddExitRoutine(routine);
}

}  // namespace lf
