#include "shell/screen_icon.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <type_traits>

namespace lf::testing {

namespace {

// A 32-bit top-down bitmap selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool valid() const { return bits_ != nullptr; }
  HDC dc() const { return dc_; }
  std::uint32_t Pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
  }
  long long Distance(const Canvas& other) const {
    long long sum = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        for (int shift = 0; shift < 24; shift += 8)
          sum += std::abs(int(Pixel(x, y) >> shift & 0xFF) - int(other.Pixel(x, y) >> shift & 0xFF));
    return sum;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

struct BrushDeleter {
  void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

IconMatch ShownStockIcon(HWND window) {
  RECT r;
  if (!GetWindowRect(window, &r)) return {};
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0 || width > 256 || height > 256) return {};
  Canvas shown(width, height);
  if (!shown.valid()) return {};
  {
    ScreenDc screen;
    BitBlt(shown.dc(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
  }
  // The stock icons leave their corners clear: the background shows there.
  const std::uint32_t background = shown.Pixel(0, 0);

  const struct {
    const char* name;
    LPCSTR id;
  } kStock[] = {
      {"error", IDI_ERROR}, {"warning", IDI_WARNING}, {"information", IDI_INFORMATION}, {"question", IDI_QUESTION}};
  constexpr long long kFar = std::numeric_limits<long long>::max();
  IconMatch best{"", kFar, kFar};
  for (const auto& stock : kStock) {
    Canvas drawn(width, height);
    if (!drawn.valid()) return {};
    const COLORREF fill = RGB(background >> 16 & 0xFF, background >> 8 & 0xFF, background & 0xFF);
    Brush brush(CreateSolidBrush(fill));
    RECT all{0, 0, width, height};
    FillRect(drawn.dc(), &all, brush.get());
    DrawIconEx(drawn.dc(), 0, 0, LoadIconA(nullptr, stock.id), width, height, 0, nullptr, DI_NORMAL);
    const long long distance = shown.Distance(drawn);
    if (distance < best.distance)
      best = {stock.name, distance, best.distance};
    else if (distance < best.next)
      best.next = distance;
  }
  return best;
}

}  // namespace lf::testing
