#pragma once
// The record that the style keeps for each restyled control, its kinds and
// its state flags.

#include <windows.h>

#include <cstdint>

namespace lf {

enum class ControlKind { PushButton, CheckBox, RadioButton, EditFrame, ComboFrame, UpDown, GroupBox, DropList };

// Bits of StyledControl::flags; some bits mean different things per kind.
namespace flag {
inline constexpr std::uint32_t Disabled = 0x1;
inline constexpr std::uint32_t Pressed = 0x2;
inline constexpr std::uint32_t Hot = 0x4;
inline constexpr std::uint32_t Focused = 0x10;
inline constexpr std::uint32_t Horizontal = 0x20;             // up-down
inline constexpr std::uint32_t DefaultButton = 0x10000;       // buttons
inline constexpr std::uint32_t SpinOnLeft = 0x10000;          // edit
inline constexpr std::uint32_t PointerInFirstHalf = 0x10000;  // up-down
inline constexpr std::uint32_t Checked = 0x20000;             // buttons
inline constexpr std::uint32_t SpinOnRight = 0x20000;         // edit
inline constexpr std::uint32_t Indeterminate = 0x40000;       // buttons
inline constexpr std::uint32_t JoinedOnLeft = 0x100000;       // up-down
inline constexpr std::uint32_t JoinedOnRight = 0x200000;      // up-down
inline constexpr std::uint32_t ReadOnly = 0x10000000;         // edit
}  // namespace flag

struct StyledControl {
  HWND window = nullptr;
  ControlKind kind = ControlKind::PushButton;
  std::uint32_t flags = 0;
  COLORREF backgroundColour = 0;
  COLORREF textColour = 0;
  HBRUSH backgroundBrush = nullptr;  // the parent's; never freed here
  WNDPROC previousProc = nullptr;

  bool Has(std::uint32_t bits) const { return (flags & bits) != 0; }
  void Set(std::uint32_t bits, bool on) { flags = on ? (flags | bits) : (flags & ~bits); }
};

}  // namespace lf
