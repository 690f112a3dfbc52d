#include "support/canvas.h"

#include <cstdlib>

namespace lf::test {

Canvas::Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
  SetBkMode(dc_, TRANSPARENT);
  Clear(background);
}

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void Canvas::Clear(COLORREF colour) {
  GdiFlush();
  const std::uint32_t pixel = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
}

bool Canvas::SameAs(const Canvas& other) const {
  GdiFlush();
  if (width_ != other.width_ || height_ != other.height_) return false;
  for (int i = 0; i < width_ * height_; ++i) {
    if ((bits_[i] & 0xFFFFFF) != (other.bits_[i] & 0xFFFFFF)) return false;
  }
  return true;
}

std::uint32_t Canvas::Pixel(int x, int y) const {
  GdiFlush();
  return bits_[y * width_ + x] & 0xFFFFFF;
}

long long Canvas::Distance(const Canvas& other) const {
  GdiFlush();
  long long sum = 0;
  for (int i = 0; i < width_ * height_; ++i)
    for (int shift = 0; shift < 24; shift += 8)
      sum += std::abs(int(bits_[i] >> shift & 0xFF) - int(other.bits_[i] >> shift & 0xFF));
  return sum;
}

}  // namespace lf::test
