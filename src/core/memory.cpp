#include "core/memory.h"

#include <cstdlib>
#include <cstring>

#include "core/constants.h"
#include "core/fatal.h"

namespace lf {

namespace {

// malloc(0) may give nullptr, which would read as a failure.
constinit BlockHeap g_heap = {
    [](std::size_t size) { return std::malloc(size ? size : 1); },
    [](void* block, std::size_t size) { return std::realloc(block, size ? size : 1); },
    [](void* block) { std::free(block); },
};

const char* ConstantsBegin() { return reinterpret_cast<const char*>(&kConstants); }
const char* ConstantsEnd() { return ConstantsBegin() + sizeof kConstants; }

}  // namespace

bool IsConstant(const void* p) {
  auto* c = static_cast<const char*>(p);
  return c >= ConstantsBegin() && c < ConstantsEnd();
}

void* AllocateBlock(std::size_t size) {
  void* block = g_heap.allocate(size);
  if (block == nullptr) ReportAllocationFailure(size);
  return block;
}

void* TryResizeBlock(void* block, std::size_t size) {
  if (block == nullptr) return g_heap.allocate(size);
  if (IsConstant(block)) {
    // A constant is never touched: copy what the new size and the rest of
    // the constants area both allow into a new block.
    void* copy = g_heap.allocate(size);
    if (copy != nullptr) {
      std::size_t rest = static_cast<std::size_t>(ConstantsEnd() - static_cast<const char*>(block));
      std::memcpy(copy, block, size < rest ? size : rest);
    }
    return copy;
  }
  return g_heap.resize(block, size);
}

void* ResizeBlock(void* block, std::size_t size) {
  void* resized = TryResizeBlock(block, size);
  if (resized == nullptr) ReportAllocationFailure(size);
  return resized;
}

void ReleaseBlock(void* block) {
  if (block == nullptr || IsConstant(block)) return;
  g_heap.release(block);
}

BlockHeap CurrentBlockHeap() { return g_heap; }

BlockHeap SetBlockHeap(BlockHeap heap) {
  BlockHeap previous = g_heap;
  g_heap = heap;
  return previous;
}

}  // namespace lf
