#pragma once
// Exhausted memory outside the program's blocks. The standard containers
// (the registry, the window lookup, the style's records) take their memory
// from operator new, which throws std::bad_alloc. The program's operator new
// remembers the size it could not get, and where the platform calls in
// (window procedures, the event loop, the start), a std::bad_alloc becomes
// the allocation failure with that size: nothing may unwind into the platform.

#include <cstddef>
#include <new>

#include "core/fatal.h"

namespace lf {

// The size of the latest operator new request that could not be met.
std::size_t RefusedNewSize() noexcept;

// Runs f and gives its result; a std::bad_alloc that leaves it ends the
// process through the allocation failure. Code that catches std::bad_alloc
// itself (a control that keeps the platform look) is not affected.
template <class F>
decltype(auto) FatalOnBadAlloc(F&& f) {
  try {
    return f();
  } catch (const std::bad_alloc&) {
    ReportAllocationFailure(RefusedNewSize());
  }
}

}  // namespace lf
