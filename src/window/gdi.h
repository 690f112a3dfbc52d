#pragma once
// Owning holders for GDI handles and device contexts, and scopes that undo
// a SelectObject or a clip region.

#include <windows.h>

#include <utility>

namespace lf {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void Reset() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
  }
  Handle handle_ = nullptr;
};

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedPen = GdiObject<HPEN>;
using OwnedRegion = GdiObject<HRGN>;

// A device context from CreateCompatibleDC.
class MemoryDc {
 public:
  MemoryDc() = default;
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  MemoryDc& operator=(MemoryDc&& other) noexcept {
    if (this != &other) {
      Reset();
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() { Reset(); }

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  void Reset() {
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
  }
  HDC dc_ = nullptr;
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
