// The host build's fatal handler lets these tests see the code and text of
// a fatal error instead of ending the process.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "core/fatal.h"
#include "core/memory.h"
#include "core/text_ops.h"
#include "core/values.h"
#include "support/gbk_texts.h"
#include "support/test_heap.h"

namespace lf {
namespace {

struct Fatal {
  std::int32_t code;
  std::string text;
};

class FatalReports : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetFatalReporter([](std::int32_t code, const char* text) {
      throw Fatal{code, text != nullptr ? text : ""};
    });
  }
  void TearDown() override { SetFatalReporter(previous_); }

  // The fatal error that `action` reports; fails when it reports none.
  template <class Action>
  static Fatal Caught(Action action) {
    try {
      action();
    } catch (const Fatal& fatal) {
      return fatal;
    }
    ADD_FAILURE() << "no fatal error";
    return {INT32_MIN, ""};
  }

 private:
  FatalReporter previous_ = nullptr;
};

TEST_F(FatalReports, AllocationFailureReportsTheRequestedSize) {
  testing::ScopedHeap heap(testing::FailingHeap());
  for (auto allocate : {+[] { AllocateBlock(1000); }, +[] { ResizeBlock(nullptr, 1000); },
                        +[] { ResizeBlock(const_cast<char*>(kConstants.titleStart), 1000); }}) {
    Fatal fatal = Caught(allocate);
    EXPECT_EQ(fatal.code, 0);
    EXPECT_EQ(fatal.text, testing::kAllocation1000Gbk);
  }
}

TEST_F(FatalReports, FailedGrowthReportsTheNewSize) {
  void* block = AllocateBlock(10);
  {
    testing::ScopedHeap heap(testing::FailingHeap());
    Fatal fatal = Caught([&] { ResizeBlock(block, 1000); });
    EXPECT_EQ(fatal.text, testing::kAllocation1000Gbk);
  }
  ReleaseBlock(block);
}

TEST_F(FatalReports, APageTextWithNoRoomForItsTerminatorIsTheAllocationFailure) {
  ByteSet bytes = ByteSet::Copy(std::string(999, 'x').data(), 999);
  testing::ScopedHeap heap(testing::GrowthRefusingHeap());
  Fatal fatal = Caught([&] { BytesToText(std::move(bytes)); });
  EXPECT_EQ(fatal.text, testing::kAllocation1000Gbk);
  EXPECT_TRUE(bytes.empty());
}

struct MemberRead {
  std::int32_t count;
  std::int32_t index;
  std::int32_t code;  // 0: the read is in range
};

class MemberIndex : public FatalReports, public ::testing::WithParamInterface<MemberRead> {};

TEST_P(MemberIndex, OutsideOneToCountIsFatal) {
  const std::int32_t count = GetParam().count, index = GetParam().index, code = GetParam().code;
  TextArray texts;
  IndexArray numbers;
  for (std::int32_t i = 1; i <= count; ++i) {
    texts.Append(Text::Copy(std::to_string(i)));
    numbers.Append(i * 10);
  }
  if (code == 0) {
    EXPECT_EQ(texts.Member(index).view(), std::to_string(index));
    EXPECT_EQ(numbers.Member(index), index * 10);
    return;
  }
  const std::string text = code == kIndexBelowOneCode ? testing::kBelowOneGbk : testing::kAboveCountGbk;
  for (Fatal fatal : {Caught([&] { texts.Member(index); }), Caught([&] { numbers.Member(index); })}) {
    EXPECT_EQ(fatal.code, code);
    EXPECT_EQ(fatal.text, text);
  }
}

INSTANTIATE_TEST_SUITE_P(Reads, MemberIndex,
                         ::testing::Values(MemberRead{0, 1, 1}, MemberRead{0, 0, 4}, MemberRead{3, 4, 1},
                                           MemberRead{3, -1, 4}, MemberRead{3, INT32_MIN, 4},
                                           MemberRead{3, INT32_MAX, 1}, MemberRead{3, 1, 0}, MemberRead{3, 3, 0}));

}  // namespace
}  // namespace lf
