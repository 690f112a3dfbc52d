#include "win/process_heap.h"

#include <windows.h>

namespace lf {

BlockHeap ProcessBlockHeap() {
  return {
      [](std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); },
      [](void* block, std::size_t size) { return HeapReAlloc(GetProcessHeap(), 0, block, size); },
      [](void* block) { HeapFree(GetProcessHeap(), 0, block); },
  };
}

}  // namespace lf
