// The window description that the script writes and the numbers that the
// code uses for it are written in two places; they must agree.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/description.h"
#include "core/designed.h"

namespace lf {
namespace {

void Created(EventRecord&) {}
void FindClicked(EventRecord&) {}
void LinkClicked(EventRecord&) {}

Handler Resolve(std::string_view routine) {
  if (routine == "OnMainWindowCreated") return Created;
  if (routine == "OnFindClicked") return FindClicked;
  if (routine == "OnLinkClicked") return LinkClicked;
  return nullptr;
}

std::vector<WindowDescription> Described() {
  std::ifstream file(LF_DESCRIPTION_FILE, std::ios::binary);
  std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::vector<WindowDescription> windows;
  EXPECT_TRUE(ParseDescriptions(data, Resolve, windows));
  return windows;
}

TEST(DesignedNumbers, AgreeWithTheWrittenDescription) {
  std::vector<WindowDescription> windows = Described();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0].windowId, kMainWindowId);
  const std::vector<ControlEntry>& entries = windows[0].entries;
  ASSERT_EQ(entries.size(), 4u);

  struct Expected {
    std::uint32_t id;
    std::uint32_t kind;
    std::string name;  // GBK
    std::int32_t event;
    Handler handler;
  } expected[] = {
      {kMainWindowEntryId, kKindWindow, "", event::window::kCreated, Created},
      {kAddressFieldId, kKindEdit,
       "\xB1\xE0\xBC\xAD\xBF\xF2"
       "1",
       0, nullptr},
      {kLinkListId, kKindList,
       "\xB3\xAC\xBC\xB6\xC1\xD0\xB1\xED\xBF\xF2"
       "1",
       event::list::kClicked, LinkClicked},
      {kFindButtonId, kKindButton,
       "\xB0\xB4\xC5\xA5"
       "1",
       event::button::kClicked, FindClicked},
  };
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(entries[i].id, expected[i].id);
    EXPECT_EQ(entries[i].kind, expected[i].kind);
    EXPECT_EQ(entries[i].name, expected[i].name);
    if (expected[i].handler == nullptr) {
      EXPECT_TRUE(entries[i].bindings.empty());
      continue;
    }
    ASSERT_EQ(entries[i].bindings.size(), 1u);
    EXPECT_EQ(entries[i].bindings[0].number, expected[i].event);
    EXPECT_EQ(entries[i].bindings[0].handler, expected[i].handler);
  }
}

}  // namespace
}  // namespace lf
