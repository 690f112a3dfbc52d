#include "core/text_ops.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "core/constants.h"
#include "support/reference_walk.h"
#include "support/test_heap.h"

namespace lf {
namespace {

using testing::CountingHeap;
using testing::g_heapCalls;
using testing::ScopedHeap;

std::vector<std::string> Members(const TextArray& array) {
  std::vector<std::string> members;
  for (const Text& member : array) members.emplace_back(member.view());
  return members;
}

struct SplitCase {
  const char* name;
  std::string text;
  std::string delimiter;
  std::vector<std::string> members;
};

TEST(SplitText, CutsAsTheScanRulesSay) {
  const SplitCase cases[] = {
      {"empty text", "", ",", {}},
      {"empty text, empty delimiter", "", "", {}},
      {"empty delimiter gives one copy", "a,b", "", {"a,b"}},
      {"no delimiter", "abc", ",", {"abc"}},
      {"starts with it", ",a,b", ",", {"", "a", "b"}},
      {"ends with it: no empty last member", "a,b,", ",", {"a", "b"}},
      {"two in a row: an empty member between", "a,,b", ",", {"a", "", "b"}},
      {"only delimiters", ",,", ",", {"", ""}},
      {"the marker", "x href=\"//a\" href=\"b", "href=\"", {"x ", "//a\" ", "b"}},
      {"scan goes on behind a match", "aaa", "aa", {"", "a"}},
      {"text shorter than delimiter", "ab", "abc", {"ab"}},
      {"rest shorter than delimiter", "xhref=", "href=\"", {"xhref="}},
      // B0 2C is one character: its comma is not a delimiter
      {"delimiter at a second byte", "\xB0,x,y", ",", {"\xB0,x", "y"}},
      {"one-byte character after a pair", "\xB0\xA1,x", ",", {"\xB0\xA1", "x"}},
      // 条 = CC F5
      {"two-byte delimiter", "y\xCC\xF5z", "\xCC\xF5", {"y", "z"}},
      {"two-byte delimiter off the grid", "\xCC\xCC\xF5", "\xCC\xF5", {"\xCC\xCC\xF5"}},
      {"high byte before the end is kept", "ab\xA1", ",", {"ab\xA1"}},
      {"high byte before the end still compared", "ab\xA1", "\xA1", {"ab"}},
      {"letter case matters", "aHREF=\"b", "href=\"", {"aHREF=\"b"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(Members(SplitText(c.text, c.delimiter)), c.members) << c.name;
  }
}

TEST(SplitText, EmptyMembersReadAsEmptyTexts) {
  TextArray members = SplitText(",a", ",");
  ASSERT_EQ(members.Count(), 2);
  EXPECT_STREQ(members.Member(1).c_str(), "");
  EXPECT_STREQ(members.Member(2).c_str(), "a");
}

struct FindCase {
  const char* name;
  std::string text;
  std::string sought;
  std::int32_t position;
};

TEST(FindText, GivesTheBytePositionFromOne) {
  const FindCase cases[] = {
      {"at the first byte", "//x", "//", 1},
      {"at the end", "ab//", "//", 3},
      {"not there", "a/b/c", "//", -1},
      {"sought longer than text", "/", "//", -1},
      {"empty text", "", "//", -1},
      {"empty sought in a text", "a", "", 1},
      {"empty sought in the empty text", "", "", -1},
      {"first of two", "a//b//", "//", 2},
      {"letter case matters", "HREF", "href", -1},
      // A1 2F is one character; the second slash alone is no match
      {"hidden behind a two-byte character", "\xA1//", "//", -1},
      {"after a two-byte character", "\xA1\xA1//", "//", 3},
      {"after a two-byte character with an ASCII trail", "y\xA1z//", "//", 4},
      {"high byte before the end is compared", "x\xA1", "\xA1", 2},
      {"high byte before the end ends the search", "x\xA1", "\xA1z", -1},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindText(c.text, c.sought), c.position) << c.name;
  }
}

TEST(BytesToText, EndsAtTheFirstZeroByte) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"", ""},
      {"abc", "abc"},
      {std::string("ab\0cd", 5), "ab"},
      {std::string("\0abc", 4), ""},
      {"\xCD\xF8\xD6\xB7", "\xCD\xF8\xD6\xB7"},  // 网址, no conversion
  };
  for (const auto& c : cases) {
    ByteSet bytes = ByteSet::Copy(c.bytes.data(), c.bytes.size());
    // The text takes the bytes' block over: no second block of the page's size.
    ScopedHeap heap(CountingHeap());
    Text text = BytesToText(std::move(bytes));
    EXPECT_EQ(g_heapCalls.allocations, 0) << c.bytes.size();
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(std::string(text.view()), c.text);
    EXPECT_EQ(text.c_str()[text.size()], '\0');
  }
  EXPECT_EQ(BytesToText(ByteSet()).view(), "");
}

TEST(IntToText, WritesPlainDecimal) {
  const struct {
    std::int32_t value;
    const char* text;
  } cases[] = {
      {0, "0"}, {7, "7"}, {27, "27"}, {-1, "-1"}, {-100, "-100"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"},
  };
  for (const auto& c : cases) EXPECT_STREQ(IntToText(c.value).c_str(), c.text) << c.value;
}

TEST(ConcatTexts, JoinsInTheOrderGiven) {
  EXPECT_EQ(ConcatTexts({}).view(), "");
  EXPECT_EQ(ConcatTexts({"", ""}).view(), "");
  EXPECT_EQ(ConcatTexts({"a", "", "bc", "d"}).view(), "abcd");
  // the window title after a search: 找到约27条
  Text count = IntToText(27);
  Text title = ConcatTexts({kConstants.titleStart, count.view(), kConstants.titleEnd});
  EXPECT_STREQ(title.c_str(),
               "\xD5\xD2\xB5\xBD\xD4\xBC"
               "27\xCC\xF5");
}

}  // namespace
}  // namespace lf
