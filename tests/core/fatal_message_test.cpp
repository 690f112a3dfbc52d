#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/fatal.h"
#include "support/gbk_texts.h"

namespace lf {
namespace {

using namespace lf::testing;

struct MessageCase {
  const char* name;
  std::int32_t code;
  const char* text;
  std::string expected;
};

const std::string kHead = kRuntimeErrorGbk;
const std::string kText = kTextLabelGbk;
const std::string kCode = kCodeLabelGbk;

class FatalMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FatalMessage, IsBuiltFromCodeAndText) {
  const MessageCase& c = GetParam();
  char out[1024];
  std::memset(out, 'x', sizeof out);
  std::size_t length = FormatFatalMessage(out, sizeof out, c.code, c.text);
  EXPECT_EQ(std::string(out, length), c.expected);
  EXPECT_EQ(out[length], '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FatalMessage,
    ::testing::Values(MessageCase{"IndexAboveCount", kIndexAboveCountCode, kIndexAboveCount,
                                  kHead + kCode + "1\r\n\r\n" + kText + kAboveCountGbk + "\r\n"},
                      MessageCase{"IndexBelowOne", kIndexBelowOneCode, kIndexBelowOne,
                                  kHead + kCode + "4\r\n\r\n" + kText + kBelowOneGbk + "\r\n"},
                      MessageCase{"AllocationHasNoCodePart", 0, kAllocation1000Gbk,
                                  kHead + kText + kAllocation1000Gbk + "\r\n"},
                      MessageCase{"EmptyTextAndNoCode", 0, "", kHead},
                      MessageCase{"AbsentTextAndNoCode", 0, nullptr, kHead},
                      MessageCase{"CodeWithoutText", 7, "", kHead + kCode + "7\r\n\r\n"},
                      MessageCase{"NegativeCode", -1, "x", kHead + kCode + "-1\r\n\r\n" + kText + "x\r\n"},
                      MessageCase{"SmallestCode", INT32_MIN, nullptr, kHead + kCode + "-2147483648\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// A message longer than the buffer is cut to it, NUL included; nothing is
// written beyond it.
TEST(FatalMessageBuffer, CutsWithoutOverflowing) {
  const std::string longText(2000, 'a');
  const std::string full = kHead + kText + longText + "\r\n";
  for (std::size_t capacity : {std::size_t{1}, std::size_t{5}, kHead.size(), kHead.size() + 1, std::size_t{1024}}) {
    SCOPED_TRACE(capacity);
    std::string buffer(capacity + 16, '#');
    std::size_t length = FormatFatalMessage(buffer.data(), capacity, 0, longText.c_str());
    ASSERT_EQ(length, capacity - 1);
    EXPECT_EQ(buffer.substr(0, length), full.substr(0, length));
    EXPECT_EQ(buffer[length], '\0');
    EXPECT_EQ(buffer.substr(capacity), std::string(16, '#'));
  }
  char untouched = '#';
  EXPECT_EQ(FormatFatalMessage(&untouched, 0, 1, "x"), 0u);
  EXPECT_EQ(untouched, '#');
}

}  // namespace
}  // namespace lf
