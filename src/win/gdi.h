#pragma once
// Owners for GDI objects and device contexts, and scopes that undo a
// SelectObject or a clip region.

#include <windows.h>

#include <memory>
#include <type_traits>

#include "core/owned.h"

namespace lf {

using OwnedBitmap = Owned<HBITMAP, DeleteObject>;
using OwnedBrush = Owned<HBRUSH, DeleteObject>;
using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedPen = Owned<HPEN, DeleteObject>;
using OwnedRegion = Owned<HRGN, DeleteObject>;
// A device context from CreateCompatibleDC.
using MemoryDc = Owned<HDC, DeleteDC>;

// A device context from GetDC or GetWindowDC, released to its window.
struct ReleaseToWindow {
  HWND window = nullptr;
  void operator()(HDC dc) const noexcept { ReleaseDC(window, dc); }
};
using WindowDc = std::unique_ptr<std::remove_pointer_t<HDC>, ReleaseToWindow>;

inline WindowDc ClientDc(HWND window) { return WindowDc(GetDC(window), ReleaseToWindow{window}); }
inline WindowDc WholeWindowDc(HWND window) { return WindowDc(GetWindowDC(window), ReleaseToWindow{window}); }

// Selects an object into a device context and puts the previous one back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;
  ~SelectScope() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Puts a device context's clip region back to none when it goes.
class ClipScope {
 public:
  ClipScope(HDC dc, HRGN region) : dc_(dc) { SelectClipRgn(dc, region); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;
  ~ClipScope() { SelectClipRgn(dc_, nullptr); }

 private:
  HDC dc_;
};

}  // namespace lf
