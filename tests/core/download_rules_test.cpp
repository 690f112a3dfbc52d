#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "core/download_rules.h"

namespace lf {
namespace {

struct ReadSizeCase {
  std::optional<std::string_view> contentLength;
  std::uint32_t readSize;
};

TEST(ReadSizeFor, FollowsTheAnnouncedLength) {
  const ReadSizeCase cases[] = {
      {std::nullopt, 10240},
      {"0", 10240},
      {"", 10240},
      {"abc", 10240},
      {"-5", 10240},
      {"1", 2},
      {"500", 501},
      {"102398", 102399},
      {"102399", 102400},
      {"102400", 102400},
      {"10485760", 102400},
      {"  42", 43},
      {"\t+7", 8},
      {"12abc", 13},
      {"- 5", 10240},
      {"007", 8},
      // Beyond 32 bits: still a large body, never a wrapped small one.
      {"4294967295", 102400},
      {"4294967296", 102400},
      {"99999999999999999999999", 102400},
      {"-99999999999999999999999", 10240},
  };
  for (const ReadSizeCase& c : cases) {
    EXPECT_EQ(ReadSizeFor(c.contentLength), c.readSize) << (c.contentLength ? *c.contentLength : "(none)");
  }
}

TEST(ObjectWithoutFragment, CutsBeforeTheFirstHash) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"/p?q=1#frag", "/p?q=1"},
      {"/a#b#c", "/a"},
      {"/#", "/"},
      {"#top", ""},
      {"/plain?x=1", "/plain?x=1"},
      {"", ""},
      {"/\xB2\xE9#\xD5\xD2", "/\xB2\xE9"},
  };
  for (const auto& [object, sent] : cases) EXPECT_EQ(ObjectWithoutFragment(object), sent) << object;
}

}  // namespace
}  // namespace lf
