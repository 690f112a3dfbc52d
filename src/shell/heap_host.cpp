#include <cstdlib>

#include "shell/memory.h"

namespace lf {

// malloc(0) may give nullptr, which would read as a failure.
BlockHeap ProcessBlockHeap() {
  return {
      [](std::size_t size) { return std::malloc(size ? size : 1); },
      [](void* block, std::size_t size) { return std::realloc(block, size ? size : 1); },
      [](void* block) { std::free(block); },
  };
}

}  // namespace lf
