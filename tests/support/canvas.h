#pragma once
// A 32-bit top-down bitmap selected into a memory DC, for tests that read
// pixels back.

#include <windows.h>

#include <cstdint>

namespace lf::test {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF background = RGB(1, 2, 3));
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool valid() const { return bits_ != nullptr; }
  HDC dc() const { return dc_; }
  SIZE size() const { return {width_, height_}; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // The pixel as 0xRRGGBB.
  std::uint32_t Pixel(int x, int y) const;
  void Clear(COLORREF colour);
  bool SameAs(const Canvas& other) const;
  // The sum of the channel differences to a canvas of the same size.
  long long Distance(const Canvas& other) const;

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace lf::test
