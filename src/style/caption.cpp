#include "style/caption.h"

#include <algorithm>
#include <string>
#include <vector>

namespace lf {
namespace {

constexpr int kLeftCodes = 1 | 8 | 64;
constexpr int kRightCodes = 4 | 32 | 256;
constexpr int kTopCodes = 1 | 2 | 4;
constexpr int kBottomCodes = 64 | 128 | 256;

int PlaceX(int code, int space, int width) {
  if (code & kLeftCodes) return 0;
  if (code & kRightCodes) return space - width;
  return (space - width) / 2;
}

int PlaceY(int code, int space, int height) {
  if (code & kTopCodes) return 0;
  if (code & kBottomCodes) return space - height;
  return (space - height) / 2;
}

int Measure(HDC dc, const char* bytes, int count) {
  SIZE size{};
  GetTextExtentPoint32A(dc, bytes, count, &size);
  return size.cx;
}

struct Line {
  std::string bytes;
  int width = 0;
};

std::vector<Line> BreakLines(HDC dc, std::string_view text, int limit) {
  std::vector<Line> lines;
  Line current;
  bool marked = false;  // a single ampersand waits for its character
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      if (current.width > 0) lines.push_back(std::move(current));
      current = Line{};
      marked = false;
      i += 2;
      continue;
    }
    std::string drawn;
    std::string measured;
    if (byte == '&' && i + 1 < text.size() && text[i + 1] == '&') {
      drawn = "&&";
      measured = "&";
      i += 2;
    } else if (byte == '&') {
      marked = true;
      ++i;
      continue;
    } else {
      const std::size_t length = (byte > 0x80 && i + 1 < text.size()) ? 2 : 1;
      drawn.assign(text.substr(i, length));
      measured = drawn;
      i += length;
    }
    // The underline mark travels with its character, even onto the next line.
    if (marked) drawn.insert(drawn.begin(), '&');
    marked = false;
    const int width = Measure(dc, measured.data(), static_cast<int>(measured.size()));
    if (current.width + width > limit) {
      lines.push_back(std::move(current));
      current = Line{};
    }
    current.bytes += drawn;
    current.width += width;
  }
  if (marked) current.bytes += '&';
  lines.push_back(std::move(current));
  return lines;
}

}  // namespace

int CaptionAlignment(LONG style) {
  switch (style & 0x0F00) {
    case BS_LEFT | BS_TOP:
      return 1;
    case BS_CENTER | BS_TOP:
      return 2;
    case BS_RIGHT | BS_TOP:
      return 4;
    case BS_LEFT | BS_VCENTER:
      return 8;
    case BS_RIGHT | BS_VCENTER:
      return 32;
    case BS_LEFT | BS_BOTTOM:
      return 64;
    case BS_CENTER | BS_BOTTOM:
      return 128;
    case BS_RIGHT | BS_BOTTOM:
      return 256;
    default:
      return 16;
  }
}

SIZE LayoutCaption(HDC dc, std::string_view text, const RECT& rect, int code) {
  SIZE sample{};
  GetTextExtentPoint32A(dc, "a", 1, &sample);
  const int lineHeight = sample.cy;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;

  const std::vector<Line> lines = BreakLines(dc, text, width);
  int widest = 0;
  for (const Line& line : lines) widest = std::max(widest, line.width);
  const int captionHeight = std::min(static_cast<int>(lines.size()) * lineHeight, height);

  const int top = PlaceY(code, height, captionHeight);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    const int x = rect.left + PlaceX(code, width, line.width);
    const int y = rect.top + top + static_cast<int>(i) * lineHeight;
    RECT box{x, y, x + line.width, y + lineHeight};
    const int count = static_cast<int>(std::min<std::size_t>(line.bytes.size(), 1023));
    if (count > 0) DrawTextA(dc, line.bytes.data(), count, &box, 0);
  }
  return {widest, captionHeight};
}

RECT PlaceCaptionBlock(SIZE size, const RECT& rect, int code) {
  const int left = rect.left + PlaceX(code, rect.right - rect.left, size.cx);
  const int top = rect.top + PlaceY(code, rect.bottom - rect.top, size.cy);
  return {left, top, left + size.cx, top + size.cy};
}

}  // namespace lf
