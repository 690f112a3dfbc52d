#pragma once
// The numbers of the designed window: ids of MainWindow and its controls,
// kind codes, event numbers and property numbers. The window description
// (resources/describe_windows.py) writes the same ids, kinds and event
// numbers; tests/core/designed_test.cpp checks that both agree.

#include <cstdint>

namespace lf {

// MainWindow and its controls.
inline constexpr std::uint32_t kMainWindowId = 0x52010001;
inline constexpr std::uint32_t kMainWindowEntryId = 0x06010000;  // the window's own entry
inline constexpr std::uint32_t kAddressFieldId = 0x16010007;     // 编辑框1
inline constexpr std::uint32_t kLinkListId = 0x16010006;         // 超级列表框1
inline constexpr std::uint32_t kFindButtonId = 0x16010002;       // 按钮1

// Kind codes of the description's entries.
inline constexpr std::uint32_t kKindWindow = 0x00010001;  // 窗口
inline constexpr std::uint32_t kKindEdit = 0x00010005;    // 编辑框
inline constexpr std::uint32_t kKindButton = 0x0001000B;  // 按钮
inline constexpr std::uint32_t kKindList = 0x00020004;    // 超级列表框

// Event numbers, counted per kind of source.
namespace event {
inline constexpr std::int32_t kGotFocus = -7;  // every kind
inline constexpr std::int32_t kLostFocus = -8;

namespace window {
inline constexpr std::int32_t kCreated = 0;
inline constexpr std::int32_t kMayEnd = 1;  // the second close question
inline constexpr std::int32_t kDestroyed = 2;
inline constexpr std::int32_t kMoved = 3;
inline constexpr std::int32_t kResized = 4;
inline constexpr std::int32_t kActivated = 5;
inline constexpr std::int32_t kDeactivated = 6;
inline constexpr std::int32_t kIdle = 7;
inline constexpr std::int32_t kFirstActivation = 8;
inline constexpr std::int32_t kMayClose = 12;  // the first close question
}  // namespace window

namespace edit {
inline constexpr std::int32_t kChanged = 0;
}

namespace button {
inline constexpr std::int32_t kClicked = 0;
}

namespace list {
inline constexpr std::int32_t kFocusedEntry = 0;
inline constexpr std::int32_t kActivated = 1;
inline constexpr std::int32_t kColumnClicked = 2;
inline constexpr std::int32_t kClicked = 4;  // a left click anywhere in the list
inline constexpr std::int32_t kRightClicked = 5;
}  // namespace list
}  // namespace event

// Property numbers: 0 to 7 are common to every kind, 8 is each kind's first
// own one.
namespace property {
inline constexpr std::int32_t kFirstOwn = 8;
inline constexpr std::int32_t kWindowTitle = 8;
inline constexpr std::int32_t kEditContent = 8;
inline constexpr std::int32_t kWhole = -1;  // the part that means the whole property
}  // namespace property

}  // namespace lf
