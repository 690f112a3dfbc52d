// Helper of the fatal box tests:  fatal_child CASE MARKER-FILE
// Starts like the program, with a handler on the find button that appends
// a line to MARKER-FILE for each run and then causes the fatal error of
// CASE. "start" causes none of its own: the helpers built with a broken
// or without a window description end in StartUp or LoadWindow.
#include <windows.h>

#include <cstdio>
#include <string_view>

#include "app/program.h"
#include "app/registry.h"
#include "core/designed.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "core/values.h"

namespace {

std::string_view g_case;
const char* g_markerFile = nullptr;

void Mark(const char* line) {
  // Opened and closed each time: the process may end at any point after.
  if (FILE* file = std::fopen(g_markerFile, "ab")) {
    std::fprintf(file, "%s\n", line);
    std::fclose(file);
  }
}

void CauseFatalError() {
  if (g_case == "code1") {
    lf::TextArray empty;
    empty.Member(1);
  } else if (g_case == "code4") {
    lf::TextArray empty;
    empty.Member(0);
  } else if (g_case == "alloc") {
    lf::SetBlockHeap({
        [](std::size_t) -> void* { return nullptr; },
        [](void*, std::size_t) -> void* { return nullptr; },
        [](void*) {},
    });
    lf::AllocateBlock(1000);
  } else if (g_case == "empty") {
    lf::ReportFatalError(0, "");
  }
}

void OnFindClicked(lf::EventRecord&) {
  Mark("clicked");
  CauseFatalError();
  Mark("returned");
}

void BindFindButton() {
  lf::LoadedWindow* window = lf::FindLoadedWindow(lf::kMainWindowId);
  if (window == nullptr) return;
  for (lf::ControlEntry& entry : window->description.entries)
    if (entry.id == lf::kFindButtonId) entry.bindings = {lf::Binding{lf::event::button::kClicked, OnFindClicked}};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  g_case = argv[1];
  g_markerFile = argv[2];
  lf::StartUp();
  BindFindButton();
  lf::LoadWindow(lf::kMainWindowId);
  Mark("loaded");
  lf::RunEventLoop();
  Mark("loop ended");
  return 3;
}
