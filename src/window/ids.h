#pragma once
// The ids of MainWindow and its controls in its description.

#include <cstdint>

namespace lf {

constexpr std::uint32_t kMainWindowId = 0x52010001;
constexpr std::uint32_t kMainWindowEntryId = 0x06010000;
constexpr std::uint32_t kAddressFieldId = 0x16010007;  // 编辑框1
constexpr std::uint32_t kLinkListId = 0x16010006;      // 超级列表框1
constexpr std::uint32_t kFindButtonId = 0x16010002;    // 按钮1

// Property numbers: 0 to 7 are common to every kind, 8 is the first own one.
constexpr std::int32_t kFirstOwnProperty = 8;

}  // namespace lf
