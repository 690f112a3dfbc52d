#include "support/screen_icon.h"

#include "support/canvas.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <type_traits>

namespace lf::testing {

namespace {

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
  test::Canvas shown(width, height);
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
    test::Canvas drawn(width, height, RGB(background >> 16 & 0xFF, background >> 8 & 0xFF, background & 0xFF));
    if (!drawn.valid()) return {};
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
