#pragma once
// Heaps for the block operations' seam: one that counts the calls that reach
// it, one that refuses every request, one that refuses every growth. The previous heap comes back when the
// holder goes out of scope.

#include <cstddef>

#include "core/memory.h"

namespace lf::testing {

// A request that no heap of either build grants (half the address space),
// yet within what the standard containers and allocator ask operator new for.
inline constexpr std::size_t kUngrantableSize = static_cast<std::size_t>(-1) / 2 - 0xFFFF;

struct HeapCalls {
  int allocations = 0;
  int resizes = 0;
  int releases = 0;
  std::size_t lastSize = 0;
};

inline HeapCalls g_heapCalls;

inline BlockHeap CountingHeap() {
  static const BlockHeap real = CurrentBlockHeap();
  return {
      [](std::size_t size) {
        ++g_heapCalls.allocations;
        g_heapCalls.lastSize = size;
        return real.allocate(size);
      },
      [](void* block, std::size_t size) {
        ++g_heapCalls.resizes;
        g_heapCalls.lastSize = size;
        return real.resize(block, size);
      },
      [](void* block) {
        ++g_heapCalls.releases;
        real.release(block);
      },
  };
}

inline BlockHeap FailingHeap() {
  return {
      [](std::size_t) -> void* { return nullptr; },
      [](void*, std::size_t) -> void* { return nullptr; },
      [](void*) {},
  };
}

// Takes and gives back blocks as the heap before it did, but lets none grow.
inline BlockHeap GrowthRefusingHeap() {
  static const BlockHeap real = CurrentBlockHeap();
  return {real.allocate, [](void*, std::size_t) -> void* { return nullptr; }, real.release};
}

class ScopedHeap {
 public:
  explicit ScopedHeap(BlockHeap heap) : previous_(SetBlockHeap(heap)) { g_heapCalls = {}; }
  ~ScopedHeap() { SetBlockHeap(previous_); }
  ScopedHeap(const ScopedHeap&) = delete;
  ScopedHeap& operator=(const ScopedHeap&) = delete;

 private:
  BlockHeap previous_;
};

}  // namespace lf::testing
