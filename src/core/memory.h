#pragma once
// The memory of every value: blocks on a heap. A failed allocation is fatal;
// a block inside the constants area is never freed.

#include <cstddef>

#include "core/owned.h"

namespace lf {

void* AllocateBlock(std::size_t size);
void* ResizeBlock(void* block, std::size_t size);
void ReleaseBlock(void* block);

// Like ResizeBlock, but gives nullptr (and leaves the block as it was)
// instead of ending the process: for buffers that may stop growing.
void* TryResizeBlock(void* block, std::size_t size);

// A block from the operations above, released when its owner goes.
template <class T>
using OwnedBlock = Owned<T*, ReleaseBlock>;

// True when p lies inside the block of the system's constant values.
bool IsConstant(const void* p);

// The heap behind the block operations.
struct BlockHeap {
  void* (*allocate)(std::size_t size);
  void* (*resize)(void* block, std::size_t size);
  void (*release)(void* block);
};

// The heap in place: the C library's until another is set.
BlockHeap CurrentBlockHeap();

// Puts a heap behind the block operations and gives the one before. The
// program's start-up sets the platform's process heap before any block
// exists; tests set failing or counting ones around a case.
BlockHeap SetBlockHeap(BlockHeap heap);

}  // namespace lf
