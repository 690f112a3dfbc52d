#include "style/message_plan.h"

#include <commctrl.h>

namespace lf {
namespace {

const ActionSet kUnlisted = Action::AskTracker + Action::OwnBefore;

ActionSet PlanButton(StyledControl& control, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_SETTEXT:
    case WM_PAINT:
      return Action::DefaultBefore + Action::Paint;
    case WM_ERASEBKGND:
      return ActionSet{}.Add(Action::OwnBefore);
    case BM_SETCHECK:
      control.Set(flag::Checked, wParam == BST_CHECKED);
      control.Set(flag::Indeterminate, wParam == BST_INDETERMINATE);
      return Action::OwnBefore + Action::Paint;
    case BM_SETSTATE:
      control.Set(flag::Pressed, wParam != 0);
      return Action::OwnBefore + Action::Paint;
    case BM_SETSTYLE:
      control.Set(flag::DefaultButton, (wParam & 1) != 0);
      return Action::OwnBefore + Action::Paint;
    default:
      return kUnlisted;
  }
}

ActionSet PlanEdit(StyledControl& control, UINT message) {
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return Action::OwnBefore + Action::Paint;
    case WM_NCMOUSEMOVE:
      if (control.Has(flag::Hot)) return kUnlisted;
      control.Set(flag::Hot, true);
      return Action::DefaultBefore + Action::Paint;
    case WM_MOUSELEAVE:
      if (!control.Has(flag::Hot)) return kUnlisted;
      control.Set(flag::Hot, false);
      return Action::DefaultBefore + Action::Paint;
    default:
      return kUnlisted;
  }
}

ActionSet PlanCombo(StyledControl& control, UINT message) {
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
      return Action::OwnBefore + Action::Paint;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      control.Set(flag::Pressed, message == WM_LBUTTONDOWN);
      return Action::OwnBefore + Action::Paint;
    default:
      return kUnlisted;
  }
}

ActionSet PlanUpDown(StyledControl& control, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
      return Action::DefaultBefore + Action::Paint;
    case WM_ERASEBKGND: {
      ActionSet set = ActionSet{}.Add(Action::ReturnValue);
      set.value = 1;
      return set;
    }
    case WM_MOUSEMOVE: {
      RECT client{};
      GetClientRect(control.window, &client);
      // Unsigned halves of lParam, as the platform packs them.
      const unsigned x = LOWORD(lParam);
      const unsigned y = HIWORD(lParam);
      const bool first = control.Has(flag::Horizontal) ? x <= static_cast<unsigned>(client.right / 2)
                                                       : y <= static_cast<unsigned>(client.bottom / 2);
      const bool changed = first != control.Has(flag::PointerInFirstHalf);
      control.Set(flag::PointerInFirstHalf, first);
      if (changed) return Action::AskTracker + Action::OwnBefore + Action::Paint;
      return ActionSet{}.Add(Action::AskTracker);
    }
    case WM_LBUTTONUP:
      control.Set(flag::Pressed, false);
      return Action::OwnBefore + Action::Paint;
    default:
      return kUnlisted;
  }
}

}  // namespace

ActionSet ClassifyMessage(StyledControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      return PlanButton(control, message, wParam);
    case ControlKind::EditFrame:
      return PlanEdit(control, message);
    case ControlKind::ComboFrame:
      return PlanCombo(control, message);
    case ControlKind::UpDown:
      return PlanUpDown(control, message, lParam);
    case ControlKind::GroupBox:
      if (message == WM_PAINT || message == WM_NCPAINT) return Action::DefaultBefore + Action::Paint;
      return kUnlisted;
    case ControlKind::DropList:
      return kUnlisted;
  }
  return kUnlisted;
}

ActionSet TrackPointerAndFocus(StyledControl& control, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      control.Set(flag::Focused, message == WM_SETFOCUS);
      return Action::OwnBefore + Action::Paint;
    case WM_ENABLE:
      control.Set(flag::Disabled, wParam == 0);
      return Action::OwnBefore + Action::Paint;
    case WM_MOUSEMOVE: {
      if (control.Has(flag::Hot) || (wParam & MK_LBUTTON)) return ActionSet{}.Add(Action::OwnAfter);
      TRACKMOUSEEVENT track{};
      track.cbSize = sizeof track;
      track.dwFlags = TME_LEAVE;
      track.hwndTrack = control.window;
      _TrackMouseEvent(&track);
      control.Set(flag::Hot, true);
      return Action::OwnBefore + Action::Paint;
    }
    case WM_MOUSELEAVE:
      if (!control.Has(flag::Hot)) return ActionSet{}.Add(Action::OwnAfter);
      control.Set(flag::Hot, false);
      return Action::OwnBefore + Action::Paint;
    default:
      return ActionSet{}.Add(Action::OwnBefore);
  }
}

}  // namespace lf
