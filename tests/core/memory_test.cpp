#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

#include "core/constants.h"
#include "core/memory.h"
#include "core/values.h"
#include "support/test_heap.h"

namespace lf {
namespace {

using testing::CountingHeap;
using testing::g_heapCalls;
using testing::ScopedHeap;

const char* ConstantsEnd() { return reinterpret_cast<const char*>(&kConstants) + sizeof kConstants; }

TEST(ConstantBlock, ReleasingAConstantReachesNoHeap) {
  ScopedHeap heap(CountingHeap());
  for (const char* constant : {kConstants.emptyText, kConstants.linkMarker, kConstants.titleEnd + 2})
    ReleaseBlock(const_cast<char*>(constant));
  ReleaseBlock(nullptr);
  {
    Text text = Text::Constant(kConstants.columnTitle);
    Text empty = Text::Copy("");  // the empty text is the constant one
    EXPECT_TRUE(IsConstant(empty.c_str()));
  }
  EXPECT_EQ(g_heapCalls.releases, 0);
  EXPECT_EQ(g_heapCalls.allocations, 0);
}

#ifdef _WIN32
// The constants spell their GBK bytes out; the Windows compiler makes GBK of
// the same texts by itself, from the UTF-8 source.
TEST(ConstantBlock, TextsAreTheirGbkBytes) {
  EXPECT_STREQ(kConstants.columnTitle, "网址");
  EXPECT_STREQ(kConstants.titleStart, "找到约");
  EXPECT_STREQ(kConstants.titleEnd, "条");
}
#endif

// Resizing a constant copies as many bytes as both the new size and the
// rest of the constant block allow; the constant stays as it was.
struct ConstantResize {
  const char* constant;
  std::size_t newSize;
};

class ResizeConstant : public ::testing::TestWithParam<ConstantResize> {};

TEST_P(ResizeConstant, GivesANewBlockWithACopy) {
  const auto [constant, newSize] = GetParam();
  const std::size_t rest = static_cast<std::size_t>(ConstantsEnd() - constant);
  const std::size_t copied = newSize < rest ? newSize : rest;
  const std::string before(constant, rest);

  ScopedHeap heap(CountingHeap());
  auto* block = static_cast<char*>(ResizeBlock(const_cast<char*>(constant), newSize));
  ASSERT_NE(block, nullptr);
  EXPECT_FALSE(IsConstant(block));
  EXPECT_EQ(g_heapCalls.allocations, 1);
  EXPECT_EQ(g_heapCalls.lastSize, newSize);
  EXPECT_EQ(g_heapCalls.resizes, 0);
  EXPECT_EQ(std::string_view(block, copied), std::string_view(constant, copied));
  EXPECT_EQ(std::string(constant, rest), before);

  // The copy is an ordinary block: it grows and goes back to the heap.
  block = static_cast<char*>(ResizeBlock(block, newSize + 100));
  EXPECT_EQ(g_heapCalls.resizes, 1);
  EXPECT_EQ(std::string_view(block, copied), std::string_view(constant, copied));
  ReleaseBlock(block);
  EXPECT_EQ(g_heapCalls.releases, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Constants, ResizeConstant,
    ::testing::Values(ConstantResize{kConstants.linkMarker, 7},   // exactly the text and its NUL
                      ConstantResize{kConstants.linkMarker, 3},   // shorter: cut
                      ConstantResize{kConstants.emptyText, 64},   // longer: the following constants come along
                      ConstantResize{kConstants.titleEnd, 64},    // the last one: only up to the block's end
                      ConstantResize{kConstants.titleEnd + 2, 1}  // its final NUL
                      ));

TEST(Blocks, AnAbsentBlockIsAllocatedByResizing) {
  ScopedHeap heap(CountingHeap());
  void* block = ResizeBlock(nullptr, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(g_heapCalls.allocations, 1);
  EXPECT_EQ(g_heapCalls.resizes, 0);
  ReleaseBlock(block);
  EXPECT_EQ(g_heapCalls.releases, 1);
}

TEST(Blocks, TryResizeLeavesTheBlockWhenTheHeapRefuses) {
  void* block = AllocateBlock(4);
  std::memcpy(block, "abc", 4);
  {
    ScopedHeap heap(testing::FailingHeap());
    EXPECT_EQ(TryResizeBlock(block, 1 << 20), nullptr);
    EXPECT_EQ(TryResizeBlock(const_cast<char*>(kConstants.quote), 8), nullptr);
  }
  EXPECT_STREQ(static_cast<char*>(block), "abc");
  ReleaseBlock(block);
}

TEST(Arrays, OwnTheirMembersAndReleaseThePreviousOnAssignment) {
  ScopedHeap heap(CountingHeap());
  {
    TextArray array;
    array.Append(Text::Copy("one"));
    array.Append(Text::Constant(kConstants.doubleSlash));
    array.Append(Text::Copy("three"));
    TextArray other;
    other.Append(Text::Copy("four"));
    const int releasesBefore = g_heapCalls.releases;
    array = std::move(other);
    // "one", "three" and the first array's storage; the constant member costs nothing.
    EXPECT_EQ(g_heapCalls.releases - releasesBefore, 3);
    EXPECT_EQ(array.Count(), 1);
    EXPECT_STREQ(array.Member(1).c_str(), "four");
  }
  EXPECT_EQ(g_heapCalls.releases, g_heapCalls.allocations);
}

}  // namespace
}  // namespace lf
