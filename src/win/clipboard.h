#pragma once
// The clipboard: opened for the scope of one change, and blocks of global
// memory that it takes over.

#include <windows.h>

#include <cstddef>

#include "core/owned.h"

namespace lf {

using OwnedGlobal = Owned<HGLOBAL, GlobalFree>;

// A movable block holding a copy of `size` bytes, or empty when none can be had.
OwnedGlobal GlobalCopy(const void* bytes, std::size_t size);

// Holds the clipboard open for the scope; ok() tells whether it opened.
class ClipboardScope {
 public:
  explicit ClipboardScope(HWND owner) : open_(OpenClipboard(owner) != 0) {}
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;
  ~ClipboardScope() {
    if (open_) CloseClipboard();
  }
  bool ok() const { return open_; }

 private:
  bool open_;
};

inline bool ClipboardEmpty() { return EmptyClipboard() != 0; }
// Hands the block to the clipboard, which owns it from then on; on a
// refusal the block stays with the caller.
bool ClipboardPut(UINT format, OwnedGlobal& block);

}  // namespace lf
