#include "style/engine.h"

#include <algorithm>
#include <list>
#include <new>

#include <commctrl.h>

#include "style/classify.h"
#include "style/message_plan.h"
#include "style/painters.h"
#include "style/visual_style.h"
#include "win/controls.h"
#include "win/gdi.h"

namespace lf {
namespace {

std::int32_t g_styleNumber = 0;
HHOOK g_creationHook = nullptr;
PaintObserver g_paintObserver = nullptr;

// Newest first; std::list keeps each record at its address while others come and go.
std::list<StyledControl>& Records() {
  static std::list<StyledControl> records;
  return records;
}

constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW;

EnumWindowsProcedure OfferEach;
BOOL CALLBACK OfferEach(HWND window, LPARAM on) {
  try {
    OfferWindowTree(window, on != 0);
  } catch (...) {
    // nothing may unwind into the platform; the window keeps its look
  }
  return TRUE;
}

void OfferThreadWindows(bool on) { EnumThreadWindows(GetCurrentThreadId(), OfferEach, on ? 1 : 0); }

UINT ButtonType(HWND window) { return static_cast<UINT>(GetWindowLongA(window, GWL_STYLE)) & 0x1F; }

void SetKindFlags(StyledControl& control) {
  const auto style = static_cast<DWORD>(GetWindowLongA(control.window, GWL_STYLE));
  switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      control.Set(flag::DefaultButton, ButtonType(control.window) == BS_DEFPUSHBUTTON);
      const LRESULT check = ButtonCheckState(control.window);
      control.Set(flag::Checked, check == BST_CHECKED);
      control.Set(flag::Indeterminate, check == BST_INDETERMINATE);
      break;
    }
    case ControlKind::EditFrame:
      control.Set(flag::ReadOnly, (style & ES_READONLY) != 0);
      break;
    case ControlKind::UpDown: {
      control.Set(flag::Horizontal, (style & UDS_HORZ) != 0);
      const HWND buddy = UpDownBuddy(control.window);
      if (!buddy || ClassifyControl(buddy) != ControlKind::EditFrame) break;
      StyledControl* edit = FindStyledControl(buddy);
      if (!edit) break;
      if (style & UDS_ALIGNLEFT) {
        control.Set(flag::JoinedOnLeft, true);
        edit->Set(flag::SpinOnLeft, true);
      } else if (style & UDS_ALIGNRIGHT) {
        control.Set(flag::JoinedOnRight, true);
        edit->Set(flag::SpinOnRight, true);
      }
      break;
    }
    case ControlKind::ComboFrame:
    case ControlKind::GroupBox:
    case ControlKind::DropList:
      break;
  }
}

// Asks the parent for the control's background brush and text colour.
void RefreshColours(StyledControl& control) {
  const HWND parent = GetParent(control.window);
  if (!parent) return;
  const WindowDc dc = ClientDc(control.window);
  if (!dc) return;
  const HBRUSH brush = AskButtonColours(parent, dc.get(), control.window);
  // The parent may have destroyed the control while answering.
  StyledControl* still = FindStyledControl(control.window);
  if (still != &control) return;
  control.backgroundBrush = brush;
  LOGBRUSH info{};
  if (brush && GetObjectA(brush, sizeof info, &info) == sizeof info) control.backgroundColour = info.lbColor;
  control.textColour = GetTextColor(dc.get());
}

ActionSet Plan(StyledControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  ActionSet plan = ClassifyMessage(control, message, wParam, lParam);
  if (plan.Has(Action::AskTracker)) plan.Add(TrackPointerAndFocus(control, message, wParam));
  // The own procedure sees each message at most once.
  if (plan.Has(Action::OwnBefore) && plan.Has(Action::OwnAfter)) plan.Remove(Action::OwnAfter);
  return plan;
}

void RunPainter(HWND window) {
  // The record may have gone while a procedure ran (the window destroyed or detached).
  StyledControl* control = FindStyledControl(window);
  if (!control) return;
  try {
    if (g_paintObserver) g_paintObserver(*control);
    PaintStyledControl(*control);
  } catch (...) {
    // A failed paint leaves whatever was drawn; the message goes on.
  }
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  StyledControl* control = FindStyledControl(window);
  if (!control) return 0;
  const WNDPROC own = control->previousProc;

  switch (message) {
    case WM_LBUTTONDOWN:
      if (control->kind == ControlKind::UpDown) return CallWindowProcA(own, window, message, wParam, lParam);
      break;
    case WM_DESTROY: {
      const LRESULT result = CallWindowProcA(own, window, message, wParam, lParam);
      DetachStyle(window);
      return result;
    }
    case EM_SETREADONLY:
      if (control->kind == ControlKind::EditFrame) return CallWindowProcA(own, window, message, wParam, lParam);
      break;
    case WM_ERASEBKGND:
      RefreshColours(*control);
      control = FindStyledControl(window);
      if (!control) return 0;
      break;
    default:
      break;
  }

  const ActionSet plan = Plan(*control, message, wParam, lParam);
  LRESULT result = 0;
  if (plan.Has(Action::OwnBefore)) result = CallWindowProcA(own, window, message, wParam, lParam);
  if (plan.Has(Action::DefaultBefore)) result = DefWindowProcA(window, message, wParam, lParam);
  if (plan.Has(Action::Paint)) RunPainter(window);
  if (plan.Has(Action::OwnAfter)) result = CallWindowProcA(own, window, message, wParam, lParam);
  return plan.Has(Action::ReturnValue) ? plan.value : result;
}

}  // namespace

std::int32_t VisualStyleNumber() { return g_styleNumber; }

std::int32_t SetVisualStyle(std::int32_t style) {
  g_styleNumber = style;
  std::int32_t result = EnableStyling(false);
  if (style >= 1 && style <= 3) result = EnableStyling(true);
  return result;
}

std::int32_t EnableStyling(bool on) {
  if (on) {
    OfferThreadWindows(true);
    g_creationHook = SetWindowsHookExA(WH_CALLWNDPROC, StyleCreationHook, nullptr, GetCurrentThreadId());
    return 1;
  }
  OfferThreadWindows(false);
  // Windows that enumeration does not reach (message-only windows, say) are
  // detached too, so that no control keeps the style once it is off.
  while (!Records().empty()) DetachStyle(Records().front().window);
  if (!g_creationHook) return 0;
  const BOOL removed = UnhookWindowsHookEx(g_creationHook);
  g_creationHook = nullptr;
  return removed ? 1 : 0;
}

void OfferWindowTree(HWND window, bool on) {
  if (on) {
    AttachStyle(window);
  } else {
    DetachStyle(window);
  }
  EnumChildWindows(window, OfferEach, on ? 1 : 0);
}

LRESULT CALLBACK StyleCreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    try {
      if (call && call->message == WM_CREATE) AttachStyle(call->hwnd);
    } catch (...) {
      // the window is created with the platform look
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void AttachStyle(HWND window) {
  if (!window || FindStyledControl(window)) return;
  // Child enumeration also reaches children that other threads own; their
  // messages would touch the unlocked record list from that thread.
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return;
  const std::optional<ControlKind> kind = ClassifyControl(window);
  if (!kind) return;
  auto& records = Records();
  try {
    records.emplace_front();
  } catch (const std::bad_alloc&) {
    return;  // no record: the control keeps the platform look
  }
  StyledControl& control = records.front();
  control.window = window;
  control.kind = *kind;
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  control.Set(flag::Disabled, (style & WS_DISABLED) != 0);
  control.Set(flag::Focused, GetFocus() == window);
  SetLastError(0);
  control.previousProc = ReplaceProcedureA(window, StyledControlProc);
  if (!control.previousProc && GetLastError() != 0) {
    records.pop_front();  // not subclassed: no record may claim it
    return;
  }
  SetKindFlags(control);
  RedrawWindow(window, nullptr, nullptr, kRedrawAll);
}

void DetachStyle(HWND window) {
  auto& records = Records();
  const auto found =
      std::find_if(records.begin(), records.end(), [window](const StyledControl& c) { return c.window == window; });
  if (found == records.end()) return;
  const WNDPROC own = found->previousProc;
  records.erase(found);
  ReplaceProcedureA(window, own);
  RedrawWindow(window, nullptr, nullptr, kRedrawAll);
}

StyledControl* FindStyledControl(HWND window) {
  for (StyledControl& control : Records()) {
    if (control.window == window) return &control;
  }
  return nullptr;
}

std::size_t StyledControlCount() { return Records().size(); }

LRESULT CALLBACK StyledControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HandleMessage(window, message, wParam, lParam);
  } catch (...) {
    return 0;  // nothing may unwind into the platform
  }
}

void SetPaintObserver(PaintObserver observer) { g_paintObserver = observer; }

}  // namespace lf
