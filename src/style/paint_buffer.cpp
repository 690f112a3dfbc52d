#include "style/paint_buffer.h"

#include <utility>

namespace lf {

PaintBuffer OpenPaintBuffer(HWND window, bool copyIn) {
  PaintBuffer buffer;
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return buffer;
  buffer.size_ = {bounds.right - bounds.left, bounds.bottom - bounds.top};
  buffer.screen_ = WholeWindowDc(window);
  if (!buffer.screen_ || buffer.size_.cx <= 0 || buffer.size_.cy <= 0) return buffer;
  buffer.memory_ = MemoryDc(CreateCompatibleDC(buffer.screen_.get()));
  buffer.bitmap_ = OwnedBitmap(CreateCompatibleBitmap(buffer.screen_.get(), buffer.size_.cx, buffer.size_.cy));
  if (!buffer.memory_ || !buffer.bitmap_) return buffer;
  buffer.previousBitmap_ = SelectObject(buffer.memory_.get(), buffer.bitmap_.get());
  SetBkMode(buffer.memory_.get(), TRANSPARENT);
  if (copyIn) BitBlt(buffer.memory_.get(), 0, 0, buffer.size_.cx, buffer.size_.cy, buffer.screen_.get(), 0, 0, SRCCOPY);
  return buffer;
}

void ClosePaintBuffer(PaintBuffer& buffer) {
  if (buffer) {
    BitBlt(buffer.screen_.get(), 0, 0, buffer.size_.cx, buffer.size_.cy, buffer.memory_.get(), 0, 0, SRCCOPY);
  }
  if (buffer.previousBitmap_) SelectObject(buffer.memory_.get(), buffer.previousBitmap_);
  buffer.previousBitmap_ = nullptr;
  buffer.bitmap_.reset();
  buffer.memory_.reset();
  buffer.screen_.reset();
}

}  // namespace lf
