#include <gtest/gtest.h>

#include <optional>

#include "style/classify.h"
#include "style/style_test_support.h"

namespace lf {
namespace {

using test::TestParent;

struct ClassCase {
  const char* name;
  const char* className;
  const char* text;
  DWORD style;
  std::optional<ControlKind> kind;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const ClassCase kCases[] = {
    {"push button", "Button", "OK", kChild | BS_PUSHBUTTON, ControlKind::PushButton},
    {"default push button", "Button", "OK", kChild | BS_DEFPUSHBUTTON, ControlKind::PushButton},
    {"class name in any case", "BUTTON", "OK", kChild | BS_PUSHBUTTON, ControlKind::PushButton},
    {"bitmap button", "Button", "OK", kChild | BS_PUSHBUTTON | BS_BITMAP, std::nullopt},
    {"owner-drawn button", "Button", "OK", kChild | BS_OWNERDRAW, std::nullopt},
    {"text-less tab-stop button", "Button", "", WS_CHILD | WS_TABSTOP, std::nullopt},
    {"text-less visible tab-stop button", "Button", "", kChild | WS_TABSTOP, ControlKind::PushButton},
    {"tab-stop button with text", "Button", "x", WS_CHILD | WS_TABSTOP, ControlKind::PushButton},
    {"check box", "Button", "c", kChild | BS_CHECKBOX, ControlKind::CheckBox},
    {"automatic check box", "Button", "c", kChild | BS_AUTOCHECKBOX, ControlKind::CheckBox},
    {"three-state box", "Button", "c", kChild | BS_3STATE, ControlKind::CheckBox},
    {"automatic three-state box", "Button", "c", kChild | BS_AUTO3STATE, ControlKind::CheckBox},
    {"push-like check box", "Button", "c", kChild | BS_CHECKBOX | BS_PUSHLIKE, ControlKind::PushButton},
    {"push-like automatic check box", "Button", "c", kChild | BS_AUTOCHECKBOX | BS_PUSHLIKE, ControlKind::PushButton},
    {"push-like three-state box", "Button", "c", kChild | BS_3STATE | BS_PUSHLIKE, ControlKind::PushButton},
    {"push-like automatic three-state", "Button", "c", kChild | BS_AUTO3STATE | BS_PUSHLIKE, ControlKind::PushButton},
    {"radio button", "Button", "r", kChild | BS_RADIOBUTTON, ControlKind::RadioButton},
    {"automatic radio button", "Button", "r", kChild | BS_AUTORADIOBUTTON, ControlKind::RadioButton},
    {"push-like radio button", "Button", "r", kChild | BS_AUTORADIOBUTTON | BS_PUSHLIKE, ControlKind::PushButton},
    {"group box", "Button", "g", kChild | BS_GROUPBOX, ControlKind::GroupBox},
    {"split button type", "Button", "s", kChild | 0x0C, std::nullopt},
    {"edit", "Edit", "", kChild | ES_AUTOHSCROLL, ControlKind::EditFrame},
    {"drop-down combo box", "ComboBox", "", kChild | CBS_DROPDOWN, ControlKind::ComboFrame},
    {"drop-down-list combo box", "ComboBox", "", kChild | CBS_DROPDOWNLIST, ControlKind::ComboFrame},
    {"simple combo box", "ComboBox", "", kChild | CBS_SIMPLE, std::nullopt},
    {"up-down", "msctls_updown32", "", kChild, ControlKind::UpDown},
    {"list view", "SysListView32", "", kChild | LVS_REPORT, std::nullopt},
    {"static", "Static", "text", kChild, std::nullopt},
    {"list box", "ListBox", "", kChild, std::nullopt},
};

class ClassifyControlTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassifyControlTest, GivesTheKindOrLeavesAlone) {
  const ClassCase& c = GetParam();
  TestParent parent;
  const HWND window = parent.Add(c.className, c.text, c.style, 10, 10, 100, 24);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ClassifyControl(window), c.kind);
}

INSTANTIATE_TEST_SUITE_P(Table, ClassifyControlTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ClassCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p) name += std::isalnum(*p) ? *p : '_';
                           return name;
                         });

TEST(ClassifyControl, LeavesTheEditsOfAnAddressControlAlone) {
  TestParent parent;
  const HWND address = parent.Add("SysIPAddress32", "", kChild, 10, 10, 150, 24);
  ASSERT_NE(address, nullptr);
  const HWND edit = FindWindowExA(address, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(ClassifyControl(edit), std::nullopt);
  EXPECT_EQ(ClassifyControl(address), std::nullopt);
}

TEST(ClassifyControl, TakesTheListOfADropDownComboBox) {
  TestParent parent;
  const HWND combo = parent.Add("ComboBox", "", kChild | CBS_DROPDOWN, 10, 10, 150, 200);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  ASSERT_NE(info.hwndList, nullptr);
  EXPECT_EQ(ClassifyControl(info.hwndList), ControlKind::DropList);
  EXPECT_EQ(ClassifyControl(parent.get()), std::nullopt);
}

}  // namespace
}  // namespace lf
