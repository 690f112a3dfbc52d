#include "style/classify.h"

#include <array>

namespace lf {
namespace {

bool ClassIs(const char* name, const char* wanted) { return lstrcmpiA(name, wanted) == 0; }

std::optional<ControlKind> ClassifyButton(HWND window, DWORD style) {
  if (style & BS_BITMAP) return std::nullopt;
  const bool pushLike = (style & BS_PUSHLIKE) != 0;
  switch (style & 0x1F) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: {
      // A bare text-less tab stop is a helper window of some other control.
      const bool bare = GetWindowTextLengthA(window) == 0 && style == (WS_CHILD | WS_TABSTOP);
      if (bare) return std::nullopt;
      return ControlKind::PushButton;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return pushLike ? ControlKind::PushButton : ControlKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return pushLike ? ControlKind::PushButton : ControlKind::RadioButton;
    case BS_GROUPBOX:
      return ControlKind::GroupBox;
    default:  // user buttons, owner-drawn and the newer types
      return std::nullopt;
  }
}

}  // namespace

std::optional<ControlKind> ClassifyControl(HWND window) {
  std::array<char, 261> name{};
  if (GetClassNameA(window, name.data(), static_cast<int>(name.size())) == 0) return std::nullopt;
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));

  if (ClassIs(name.data(), "ComboLBox")) return ControlKind::DropList;
  if (ClassIs(name.data(), "Button")) return ClassifyButton(window, style);
  if (ClassIs(name.data(), "Edit")) {
    std::array<char, 261> parent{};
    const HWND parentWindow = GetParent(window);
    if (parentWindow && GetClassNameA(parentWindow, parent.data(), static_cast<int>(parent.size())) &&
        ClassIs(parent.data(), "SysIPAddress32"))
      return std::nullopt;
    return ControlKind::EditFrame;
  }
  if (ClassIs(name.data(), "ComboBox")) {
    if ((style & 3) == CBS_SIMPLE) return std::nullopt;
    return ControlKind::ComboFrame;
  }
  if (ClassIs(name.data(), "msctls_updown32")) return ControlKind::UpDown;
  return std::nullopt;
}

}  // namespace lf
