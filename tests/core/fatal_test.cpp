// Fatal errors through the host's handler seam: a handler that throws lets
// the test see the code and text instead of the process ending.

#include <gtest/gtest.h>

#include <string>

#include "core/extract.h"
#include "core/fatal.h"
#include "support/reference_walk.h"

namespace lf {
namespace {

struct FatalError {
  std::int32_t code;
  std::string text;
};

class ThrowingFatalHandler {
 public:
  ThrowingFatalHandler() : previous_(SetFatalReporter(Throw)) {}
  ~ThrowingFatalHandler() { SetFatalReporter(previous_); }
  ThrowingFatalHandler(const ThrowingFatalHandler&) = delete;
  ThrowingFatalHandler& operator=(const ThrowingFatalHandler&) = delete;

 private:
  static void Throw(std::int32_t code, const char* text) { throw FatalError{code, text ? text : ""}; }
  FatalReporter previous_;
};

FatalError ReadMember(const TextArray& array, std::int32_t index) {
  try {
    array.Member(index);
  } catch (const FatalError& error) {
    return error;
  }
  return {0, "no fatal error"};
}

TEST(FatalArrayError, MemberOutsideTheArrayEndsWithItsCode) {
  ThrowingFatalHandler handler;
  TextArray two = SplitText("a,b", ",");
  TextArray none = SplitText("", ",");
  const struct {
    const TextArray* array;
    std::int32_t index;
    std::int32_t code;
    const char* text;
  } cases[] = {
      {&two, 0, kIndexBelowOneCode, kIndexBelowOne},     {&two, -1, kIndexBelowOneCode, kIndexBelowOne},
      {&two, 3, kIndexAboveCountCode, kIndexAboveCount}, {&none, 1, kIndexAboveCountCode, kIndexAboveCount},
      {&none, 0, kIndexBelowOneCode, kIndexBelowOne},
  };
  for (const auto& c : cases) {
    FatalError error = ReadMember(*c.array, c.index);
    EXPECT_EQ(error.code, c.code) << c.index;
    EXPECT_EQ(error.text, c.text) << c.index;
  }
  EXPECT_EQ(ReadMember(two, 2).text, "no fatal error");
}

TEST(FatalArrayError, EmptyPiecesNeverReachIt) {
  ThrowingFatalHandler handler;
  for (const char* page : {"href=\"", "href=\"href=\"", "href=\"//a\"", "x href=\"href=\"href=\"//b\""}) {
    Text text = Text::Copy(page);
    EXPECT_NO_THROW(ForEachLinkPlain(text, [](std::string_view) {})) << page;
  }
}

}  // namespace
}  // namespace lf
