#pragma once
// The platform's process heap as the heap behind the block operations.

#include "core/memory.h"

namespace lf {

// HeapAlloc, HeapReAlloc and HeapFree on GetProcessHeap().
BlockHeap ProcessBlockHeap();

}  // namespace lf
