#pragma once
// A heap behind the block operations that counts what is taken and given
// back, for as long as the scope lives.

#include "core/memory.h"

namespace lf {

class CountingHeapScope {
 public:
  CountingHeapScope() : previous_(SetBlockHeap({Allocate, Resize, Release})) {
    inner = previous_;
    live = 0;
    allocations = 0;
  }
  ~CountingHeapScope() { SetBlockHeap(previous_); }
  CountingHeapScope(const CountingHeapScope&) = delete;
  CountingHeapScope& operator=(const CountingHeapScope&) = delete;

  static inline long live = 0;         // blocks taken and not yet given back
  static inline long allocations = 0;  // blocks taken in all

 private:
  static inline BlockHeap inner{};

  static void* Allocate(std::size_t size) {
    void* block = inner.allocate(size);
    if (block != nullptr) ++live, ++allocations;
    return block;
  }
  static void* Resize(void* block, std::size_t size) { return inner.resize(block, size); }
  static void Release(void* block) {
    --live;
    inner.release(block);
  }

  BlockHeap previous_;
};

}  // namespace lf
