#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "style/caption.h"
#include "style/style_test_support.h"

namespace lf {
namespace {

using test::Canvas;

struct AlignmentCase {
  LONG style;
  int code;
};

TEST(CaptionAlignment, ExactPairsGiveTheirCodeAndAllElseIsCentred) {
  const AlignmentCase cases[] = {
      {BS_LEFT | BS_TOP, 1},
      {BS_CENTER | BS_TOP, 2},
      {BS_RIGHT | BS_TOP, 4},
      {BS_LEFT | BS_VCENTER, 8},
      {BS_CENTER | BS_VCENTER, 16},
      {BS_RIGHT | BS_VCENTER, 32},
      {BS_LEFT | BS_BOTTOM, 64},
      {BS_CENTER | BS_BOTTOM, 128},
      {BS_RIGHT | BS_BOTTOM, 256},
      {0, 16},
      {BS_LEFT, 16},
      {BS_RIGHT, 16},
      {BS_CENTER, 16},
      {BS_TOP, 16},
      {BS_BOTTOM, 16},
      {BS_VCENTER, 16},
      {BS_LEFT | BS_TOP | BS_PUSHLIKE | BS_MULTILINE | BS_DEFPUSHBUTTON, 1},  // other bits do not count
      {BS_RIGHT | BS_BOTTOM | WS_CHILD, 256},
  };
  for (const AlignmentCase& c : cases) EXPECT_EQ(CaptionAlignment(c.style), c.code) << std::hex << c.style;
}

struct BlockCase {
  int code;
  RECT expected;
};

TEST(PlaceCaptionBlock, PlacesTheBlockByCode) {
  const RECT area{10, 20, 111, 71};  // 101 x 51: the halves round down
  const BlockCase cases[] = {
      {1, {10, 20, 30, 30}},  {2, {50, 20, 70, 30}},   {4, {91, 20, 111, 30}},
      {8, {10, 40, 30, 50}},  {16, {50, 40, 70, 50}},  {32, {91, 40, 111, 50}},
      {64, {10, 61, 30, 71}}, {128, {50, 61, 70, 71}}, {256, {91, 61, 111, 71}},
  };
  for (const BlockCase& c : cases) {
    const RECT got = PlaceCaptionBlock({20, 10}, area, c.code);
    EXPECT_TRUE(EqualRect(&got, &c.expected))
        << c.code << ": " << got.left << "," << got.top << "," << got.right << "," << got.bottom;
  }
}

class LayoutCaptionTest : public ::testing::Test {
 protected:
  LayoutCaptionTest()
      : font_(CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                          "WenQuanYi Zen Hei")),
        drawn_(200, 120, RGB(255, 255, 255)),
        expected_(200, 120, RGB(255, 255, 255)) {
    for (const Canvas* canvas : {&drawn_, &expected_}) {
      SelectObject(canvas->dc(), font_);
      SetTextColor(canvas->dc(), RGB(0, 0, 0));
    }
    lineHeight_ = Extent("a").cy;
  }
  ~LayoutCaptionTest() override {
    for (const Canvas* canvas : {&drawn_, &expected_}) SelectObject(canvas->dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(font_);
  }

  SIZE Extent(const std::string& text) const {
    SIZE size{};
    GetTextExtentPoint32A(drawn_.dc(), text.data(), static_cast<int>(text.size()), &size);
    return size;
  }
  int Width(const std::string& text) const { return Extent(text).cx; }

  // Draws the lines as the caption should, each at the left of its row.
  void Expect(const std::vector<std::pair<std::string, int>>& lines, int left, int top) {
    int y = top;
    for (const auto& [bytes, width] : lines) {
      RECT box{left, y, left + width, y + lineHeight_};
      if (!bytes.empty()) DrawTextA(expected_.dc(), bytes.data(), static_cast<int>(bytes.size()), &box, 0);
      y += lineHeight_;
    }
  }

  HFONT font_;
  Canvas drawn_;
  Canvas expected_;
  int lineHeight_ = 0;
};

TEST_F(LayoutCaptionTest, BreaksMeasuresAndDrawsLines) {
  const std::string cha = "查";  // GBK bytes B2 E9
  const std::string zhao = "找";
  ASSERT_EQ(cha.size(), 2u);
  const int a = Width("a");
  const int b = Width("b");
  const int amp = Width("&");
  const int wide = Width("W");
  ASSERT_GT(Width(cha), 0);

  struct Case {
    const char* name;
    std::string text;
    int width;
    std::vector<std::pair<std::string, int>> lines;  // drawn bytes, measured width
  };
  const Case cases[] = {
      {"double ampersand is one", "a&&b", 100, {{"a&&b", a + amp + b}}},
      {"single ampersand underlines", "&ab", 100, {{"&ab", a + b}}},
      {"exact fit stays on one line", "abab", 2 * (a + b), {{"abab", 2 * (a + b)}}},
      {"wraps between characters", "ababa", a + b, {{"ab", a + b}, {"ab", a + b}, {"a", a}}},
      {"two-byte characters stay whole",
       cha + zhao + cha,
       Width(cha) + Width(zhao) / 2,
       {{cha, Width(cha)}, {zhao, Width(zhao)}, {cha, Width(cha)}}},
      {"marked letter moves with its mark", "ab&a", a + b, {{"ab", a + b}, {"&a", a}}},
      {"empty line takes no space", "ab\r\n\r\nba", 100, {{"ab", a + b}, {"ba", b + a}}},
      {"first character too wide", "W", wide - 1, {{"", 0}, {"W", wide}}},
      {"too wide after a line break", "a\r\nW", wide - 1, {{"a", a}, {"", 0}, {"W", wide}}},
      {"empty text is one empty line", "", 100, {{"", 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawn_.Clear(RGB(255, 255, 255));
    expected_.Clear(RGB(255, 255, 255));
    const RECT rect{5, 7, 5 + c.width, 115};
    const SIZE size = LayoutCaption(drawn_.dc(), c.text, rect, 1);
    int widest = 0;
    for (const auto& line : c.lines) widest = std::max(widest, line.second);
    EXPECT_EQ(size.cx, widest);
    EXPECT_EQ(size.cy, static_cast<int>(c.lines.size()) * lineHeight_);
    Expect(c.lines, 5, 7);
    EXPECT_TRUE(drawn_.SameAs(expected_));
    if (!c.text.empty()) {
      const Canvas blank(200, 120, RGB(255, 255, 255));
      EXPECT_FALSE(drawn_.SameAs(blank)) << "something is drawn";
    }
  }
}

TEST_F(LayoutCaptionTest, PlacesEveryLineByTheCode) {
  const int ab = Width("ab");
  const int abc = Width("abc");
  const RECT rect{10, 10, 191, 111};  // 181 x 101
  struct Case {
    int code;
    int x1;  // left of "abc" relative to the rectangle; "ab" follows the same rule
    int x2;
    int y;
  };
  const int h = 2 * lineHeight_;
  const Case cases[] = {
      {1, 0, 0, 0},
      {16, (181 - abc) / 2, (181 - ab) / 2, (101 - h) / 2},
      {32, 181 - abc, 181 - ab, (101 - h) / 2},
      {128, (181 - abc) / 2, (181 - ab) / 2, 101 - h},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    drawn_.Clear(RGB(255, 255, 255));
    expected_.Clear(RGB(255, 255, 255));
    const SIZE size = LayoutCaption(drawn_.dc(), "abc\r\nab", rect, c.code);
    EXPECT_EQ(size.cx, abc);
    EXPECT_EQ(size.cy, h);
    Expect({{"abc", abc}}, 10 + c.x1, 10 + c.y);
    Expect({{"ab", ab}}, 10 + c.x2, 10 + c.y + lineHeight_);
    EXPECT_TRUE(drawn_.SameAs(expected_));
  }
}

TEST_F(LayoutCaptionTest, HeightIsAtMostTheRectangles) {
  const RECT rect{0, 0, 100, lineHeight_ + 3};
  const SIZE size = LayoutCaption(drawn_.dc(), "a\r\nb\r\nc", rect, 16);
  EXPECT_EQ(size.cy, lineHeight_ + 3);
}

}  // namespace
}  // namespace lf
