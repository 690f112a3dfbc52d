#include "win/bad_alloc.h"

#include <atomic>
#include <cstdlib>

namespace lf {

namespace {
std::atomic<std::size_t> g_refusedSize{0};
}  // namespace

std::size_t RefusedNewSize() noexcept { return g_refusedSize.load(std::memory_order_relaxed); }

}  // namespace lf

// The replaceable operator new of the standard, with the size noted before
// it throws. The library's operator delete frees with free(), so this one
// takes from malloc().
void* operator new(std::size_t size) {
  for (;;) {
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) {
      lf::g_refusedSize.store(size, std::memory_order_relaxed);
      throw std::bad_alloc();
    }
    handler();
  }
}

void* operator new[](std::size_t size) { return ::operator new(size); }
