#include "win/clipboard.h"

#include <cstring>

namespace lf {

OwnedGlobal GlobalCopy(const void* bytes, std::size_t size) {
  OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block) return block;
  void* to = GlobalLock(block.get());
  if (to == nullptr) return OwnedGlobal();
  std::memcpy(to, bytes, size);
  GlobalUnlock(block.get());
  return block;
}

bool ClipboardPut(UINT format, OwnedGlobal& block) {
  if (SetClipboardData(format, block.get()) == nullptr) return false;
  (void)block.release();
  return true;
}

}  // namespace lf
