// Helper of the fatal box tests:
//   fatal_child CASE MARKER-FILE
//   fatal_child search MARKER-FILE ADDRESS REFUSED-SIZE FROM
// Starts like the program, with a handler on the find button that appends
// a line to MARKER-FILE for each run and then causes the fatal error of
// CASE. "start" causes none of its own: the helpers built with a broken
// or without a window description end in StartUp or LoadWindow. "search"
// runs the real search of ADDRESS with a heap that refuses blocks of
// REFUSED-SIZE bytes from the FROM-th request of that size on.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/find_command.h"
#include "app/program.h"
#include "app/registry.h"
#include "core/designed.h"
#include "core/fatal.h"
#include "core/memory.h"
#include "core/values.h"
#include "support/test_heap.h"

namespace {

std::string_view g_case;
const char* g_markerFile = nullptr;

struct RefusingHeap {
  static inline lf::BlockHeap real{};
  static inline std::size_t size = 0;
  static inline long from = 1, seen = 0;
  static bool Refuses(std::size_t n) { return n == size && ++seen >= from; }
  static void* Allocate(std::size_t n) { return Refuses(n) ? nullptr : real.allocate(n); }
  static void* Resize(void* block, std::size_t n) { return Refuses(n) ? nullptr : real.resize(block, n); }
  static void Release(void* block) { real.release(block); }
};

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
  } else if (g_case == "new") {
    // A standard container that cannot grow: half the address space, which
    // neither build can hold (a quarter of the 32-bit one may well be had),
    // and not past the container's or allocator's own limits, which would
    // throw before asking operator new. The use keeps the request.
    std::string huge;
    huge.reserve(lf::testing::kUngrantableSize);
    Mark(huge.c_str());
  }
}

void OnFindClicked(lf::EventRecord& event) {
  Mark("clicked");
  if (g_case == "search") {
    RefusingHeap::real = lf::SetBlockHeap({RefusingHeap::Allocate, RefusingHeap::Resize, RefusingHeap::Release});
    lf::OnFindClicked(event);
  }
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
  g_case = argc > 1 ? argv[1] : "";
  if (argc != (g_case == "search" ? 6 : 3)) return 2;
  g_markerFile = argv[2];
  if (g_case == "search") {
    RefusingHeap::size = std::strtoull(argv[4], nullptr, 10);
    RefusingHeap::from = std::strtol(argv[5], nullptr, 10);
  }
  lf::StartUp();
  BindFindButton();
  lf::LoadWindow(lf::kMainWindowId);
  if (g_case == "search")
    SetWindowTextA(lf::LiveControl<lf::Control>(lf::kMainWindowId, lf::kAddressFieldId)->hwnd(), argv[3]);
  Mark("loaded");
  lf::RunEventLoop();
  Mark("loop ended");
  return 3;
}
