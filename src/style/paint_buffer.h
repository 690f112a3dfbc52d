#pragma once
// Off-screen painting of a whole window, frame included, copied to the
// screen in one step.

#include <windows.h>

#include "win/gdi.h"

namespace lf {

class PaintBuffer {
 public:
  HDC dc() const { return memory_.get(); }
  explicit operator bool() const { return memory_ && bitmap_; }

 private:
  friend PaintBuffer OpenPaintBuffer(HWND window, bool copyIn);
  friend void ClosePaintBuffer(PaintBuffer& buffer);

  WindowDc screen_;
  MemoryDc memory_;
  OwnedBitmap bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;
  SIZE size_{};
};

// A memory DC over a bitmap of the window's full size, in transparent
// background mode; with `copyIn` it starts with the window's present image.
PaintBuffer OpenPaintBuffer(HWND window, bool copyIn);

// Copies the buffer to the window and frees it.
void ClosePaintBuffer(PaintBuffer& buffer);

}  // namespace lf
