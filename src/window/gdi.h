#pragma once
// Owning holders for GDI handles and device contexts, and scopes that undo
// a SelectObject or a clip region.

#include <windows.h>

#include <utility>

namespace lf {

// Owns one handle and frees it with Free.
template <typename Handle, typename Free>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void Reset() {
    if (handle_) Free{}(handle_);
    handle_ = nullptr;
  }
  Handle handle_ = nullptr;
};

struct FreeGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct FreeMemoryDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

template <typename Handle>
using GdiObject = OwnedHandle<Handle, FreeGdiObject>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedPen = GdiObject<HPEN>;
using OwnedRegion = GdiObject<HRGN>;

// A device context from CreateCompatibleDC.
class MemoryDc : public OwnedHandle<HDC, FreeMemoryDc> {
 public:
  MemoryDc() = default;
  explicit MemoryDc(HDC compatibleWith) : OwnedHandle(CreateCompatibleDC(compatibleWith)) {}
};

// A device context from GetDC or GetWindowDC, released to its window.
class WindowDc {
 public:
  WindowDc() = default;
  static WindowDc Client(HWND window) { return WindowDc(window, GetDC(window)); }
  static WindowDc Whole(HWND window) { return WindowDc(window, GetWindowDC(window)); }
  WindowDc(WindowDc&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() { Reset(); }

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  WindowDc(HWND window, HDC dc) : window_(window), dc_(dc) {}
  void Reset() {
    if (dc_) ReleaseDC(window_, dc_);
    dc_ = nullptr;
  }
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

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
