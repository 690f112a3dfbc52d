#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "core/download_body.h"
#include "core/memory.h"

namespace lf {
namespace {

std::string Pattern(std::size_t size, std::size_t offset = 0) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((offset + i) % 251);
  return bytes;
}

// A heap that refuses blocks above a limit and counts the growths.
struct LimitedHeap {
  static inline std::size_t limit = 0;
  static inline int growths = 0;
  static inline BlockHeap real{};
  static void* Allocate(std::size_t size) { return size > limit ? nullptr : (++growths, real.allocate(size)); }
  static void* Resize(void* block, std::size_t size) {
    return size > limit ? nullptr : (++growths, real.resize(block, size));
  }
  static void Release(void* block) { real.release(block); }
};

class BodyCollectorTest : public testing::Test {
 protected:
  void Limit(std::size_t limit) {
    LimitedHeap::limit = limit;
    LimitedHeap::growths = 0;
    LimitedHeap::real = SetBlockHeap({LimitedHeap::Allocate, LimitedHeap::Resize, LimitedHeap::Release});
  }
  void TearDown() override {
    if (LimitedHeap::real.allocate != nullptr) SetBlockHeap(LimitedHeap::real);
  }
};

TEST_F(BodyCollectorTest, KeepsEveryByteInOrderAndGrowsGeometrically) {
  Limit(SIZE_MAX);
  BodyCollector body;
  const std::string all = Pattern(10 * 1024 * 1024);
  for (std::size_t at = 0; at < all.size(); at += 10240) {
    ASSERT_TRUE(body.Append(all.data() + at, std::min<std::size_t>(10240, all.size() - at)));
  }
  // Growing by each read's size would take about a thousand growths here.
  EXPECT_LE(LimitedHeap::growths, 16);
  ByteSet result = body.Take();
  EXPECT_EQ(result.size(), all.size());
  EXPECT_TRUE(result.view() == all);
  EXPECT_EQ(body.size(), 0u);
}

TEST_F(BodyCollectorTest, NoBytesGiveTheEmptyByteSet) {
  BodyCollector body;
  EXPECT_TRUE(body.Append("", 0));
  ByteSet result = body.Take();
  EXPECT_TRUE(result.empty());
  EXPECT_EQ(result.data(), nullptr);
}

TEST_F(BodyCollectorTest, StopsGrowingWithoutEndingTheProcessAndKeepsWhatCame) {
  // 100000 bytes may be held: the doubling to 131072 fails, the exact size
  // still fits, the read after that does not.
  Limit(100000);
  BodyCollector body;
  std::size_t accepted = 0;
  const std::string read = Pattern(10240);
  for (int i = 0; i < 20 && body.Append(read.data(), read.size()); ++i) accepted += read.size();
  EXPECT_EQ(accepted, 9u * 10240);
  EXPECT_EQ(body.size(), accepted);
  ByteSet result = body.Take();
  ASSERT_EQ(result.size(), accepted);
  for (std::size_t at = 0; at < accepted; at += read.size()) EXPECT_EQ(result.view().substr(at, read.size()), read);
}

TEST_F(BodyCollectorTest, StopsAtTheCapWithTheBytesUpToIt) {
  Limit(SIZE_MAX);
  BodyCollector body(25000);
  const std::string all = Pattern(40960);
  int accepted = 0;
  for (std::size_t at = 0; at < all.size() && body.Append(all.data() + at, 10240); at += 10240) ++accepted;
  EXPECT_EQ(accepted, 2);
  EXPECT_LE(body.capacity(), 25000u);
  EXPECT_FALSE(body.Append("x", 1));
  ByteSet result = body.Take();
  EXPECT_TRUE(result.view() == all.substr(0, 25000));
}

TEST_F(BodyCollectorTest, FirstBlockRefusedMeansNothingCollected) {
  Limit(0);
  BodyCollector body;
  EXPECT_FALSE(body.Append("abc", 3));
  EXPECT_TRUE(body.Take().empty());
}

}  // namespace
}  // namespace lf
