#include "shell/memory.h"

#include <cstring>

#include "shell/constants.h"
#include "shell/fatal.h"

namespace lf {

namespace {

BlockHeap& CurrentHeap() {
  static BlockHeap heap = ProcessBlockHeap();
  return heap;
}

const char* ConstantsBegin() { return reinterpret_cast<const char*>(&kConstants); }
const char* ConstantsEnd() { return ConstantsBegin() + sizeof kConstants; }

}  // namespace

bool IsConstant(const void* p) {
  auto* c = static_cast<const char*>(p);
  return c >= ConstantsBegin() && c < ConstantsEnd();
}

void* AllocateBlock(std::size_t size) {
  void* block = CurrentHeap().allocate(size);
  if (block == nullptr) ReportAllocationFailure(size);
  return block;
}

void* TryResizeBlock(void* block, std::size_t size) {
  if (block == nullptr) return CurrentHeap().allocate(size);
  if (IsConstant(block)) {
    // A constant is never touched: copy what the new size and the rest of
    // the constants area both allow into a new block.
    void* copy = CurrentHeap().allocate(size);
    if (copy != nullptr) {
      std::size_t rest = static_cast<std::size_t>(ConstantsEnd() - static_cast<const char*>(block));
      std::memcpy(copy, block, size < rest ? size : rest);
    }
    return copy;
  }
  return CurrentHeap().resize(block, size);
}

void* ResizeBlock(void* block, std::size_t size) {
  void* resized = TryResizeBlock(block, size);
  if (resized == nullptr) ReportAllocationFailure(size);
  return resized;
}

void ReleaseBlock(void* block) {
  if (block == nullptr || IsConstant(block)) return;
  CurrentHeap().release(block);
}

BlockHeap ReplaceBlockHeapForTesting(BlockHeap heap) {
  BlockHeap previous = CurrentHeap();
  CurrentHeap() = heap;
  return previous;
}

}  // namespace lf
