#pragma once
// The one owner of every handle and block: a std::unique_ptr whose deleter
// is the function that frees that kind of handle.

#include <memory>
#include <type_traits>

namespace lf {

template <auto Free>
struct FreeWith {
  template <class Handle>
  void operator()(Handle handle) const noexcept {
    Free(handle);
  }
};

// Owned<HBRUSH, DeleteObject>, Owned<char*, ReleaseBlock>, ...
template <class Handle, auto Free>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, FreeWith<Free>>;

}  // namespace lf
