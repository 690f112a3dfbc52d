#pragma once
// The memory of every value: blocks on the process heap. A failed
// allocation is fatal; a block inside the constants area is never freed.

#include <cstddef>

namespace lf {

void* AllocateBlock(std::size_t size);
void* ResizeBlock(void* block, std::size_t size);
void ReleaseBlock(void* block);

// Like ResizeBlock, but gives nullptr (and leaves the block as it was)
// instead of ending the process: for buffers that may stop growing.
void* TryResizeBlock(void* block, std::size_t size);

// True when p lies inside the block of the system's constant values.
bool IsConstant(const void* p);

// The heap behind the block operations.
struct BlockHeap {
  void* (*allocate)(std::size_t size);
  void* (*resize)(void* block, std::size_t size);
  void (*release)(void* block);
};

// The platform's process heap (HeapAlloc on Windows, malloc on the host).
BlockHeap ProcessBlockHeap();

// Test seam: puts another heap behind the block operations (a failing or a
// counting one) and returns the one that was there.
BlockHeap ReplaceBlockHeapForTesting(BlockHeap heap);

}  // namespace lf
