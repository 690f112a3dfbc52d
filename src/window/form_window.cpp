#include "window/form_window.h"

#include <algorithm>

#include "core/designed.h"
#include "win/bad_alloc.h"
#include "win/controls.h"
#include "window/event_sink.h"

namespace lf {

namespace {

const char kWindowClass[] = "LinkFinderWindow";

bool RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, kWindowClass, &existing)) return true;
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  cls.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  cls.lpfnWndProc = DefWindowProcA;  // replaced once the object is adopted
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  cls.lpszClassName = kWindowClass;
  return RegisterClassExA(&cls) != 0;
}

// The icons are loaded once per process and shared.
HICON ProgramIcon(int size) {
  static HICON big = nullptr, small = nullptr;
  HICON& icon = size == 32 ? big : small;
  if (icon == nullptr)
    icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
  return icon;
}

bool ModifierDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

DWORD FormWindow::FrameStyle() const {
  // Border 2 (fixed dialog frame) with the control box and the minimise box.
  return WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_MINIMIZEBOX;
}

bool FormWindow::Create(DWORD style) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterWindowClass(instance)) return false;
  style |= WS_CLIPCHILDREN | FrameStyle();
  const ControlEntry& e = entry();
  // Start position 1: centred on the primary screen.
  int left = (GetSystemMetrics(SM_CXSCREEN) - e.width) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - e.height) / 2;
  HWND window =
      CreateWindowExA(0, kWindowClass, "", style, left, top, e.width, e.height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return false;
  Adopt(window, false);
  ReplaceProcedureA(window, WindowProc);
  ApplyFrameStyle();
  RECT r;
  GetWindowRect(window, &r);
  if (r.right - r.left != e.width || r.bottom - r.top != e.height)
    MoveWindow(window, left, top, e.width, e.height, TRUE);
  SetIcon(window, ICON_BIG, ProgramIcon(32));
  SetIcon(window, ICON_SMALL, ProgramIcon(16));
  SetFont(window, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  return true;
}

void FormWindow::ApplyFrameStyle() {
  constexpr DWORD kFrameBits = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE));
  DWORD wanted = (style & ~kFrameBits) | FrameStyle();
  if (wanted == style) return;
  SetWindowLongPtrA(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FormWindow::ReadProperty(std::int32_t number, Text& value) {
  if (number != property::kWindowTitle) return false;
  value = title_.empty() ? Text() : Text::Copy(title_.view());
  return true;
}

bool FormWindow::WriteProperty(std::int32_t number, const Text& value) {
  if (number != property::kWindowTitle) return false;
  title_ = Text::Copy(value.view());
  SetWindowTextA(hwnd(), title_.c_str());
  ApplyFrameStyle();
  return true;
}

std::vector<Control*> FormWindow::TabOrder() const {
  std::vector<Control*> order;
  // Later entries come first among equal ranks.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* control = *it;
    if (control == nullptr || control->hwnd() == nullptr || !control->entry().tabStop) continue;
    if (!IsWindowVisible(control->hwnd()) || !IsWindowEnabled(control->hwnd())) continue;
    order.push_back(control);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](Control* a, Control* b) { return a->entry().tabOrder < b->entry().tabOrder; });
  return order;
}

void FormWindow::MoveFocus(bool forward) {
  std::vector<Control*> order = TabOrder();
  if (order.empty()) return;
  HWND focus = GetFocus();
  std::size_t n = order.size(), at = n;
  for (std::size_t i = 0; i < n; ++i)
    if (order[i]->hwnd() == focus || IsChild(order[i]->hwnd(), focus)) at = i;
  std::size_t next = at == n ? (forward ? 0 : n - 1) : (forward ? (at + 1) % n : (at + n - 1) % n);
  SetFocus(order[next]->hwnd());
}

void FormWindow::PassFocusOn() {
  if (focusBeforeDeactivation_ != nullptr && IsWindow(focusBeforeDeactivation_) &&
      IsChild(hwnd(), focusBeforeDeactivation_)) {
    SetFocus(focusBeforeDeactivation_);
    return;
  }
  std::vector<Control*> order = TabOrder();
  if (!order.empty()) SetFocus(order.front()->hwnd());
}

bool FormWindow::OfferMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  bool ctrl = ModifierDown(VK_CONTROL), shift = ModifierDown(VK_SHIFT), alt = ModifierDown(VK_MENU);
  UINT key = static_cast<UINT>(message.wParam);
  Control* focused = nullptr;
  for (HWND w = GetFocus(); w != nullptr && w != hwnd(); w = GetParent(w))
    if ((focused = Control::FromHandle(w)) != nullptr) break;
  auto claimedByFocus = [&] { return focused != nullptr && focused->ClaimsKey(key); };
  if (key == VK_TAB && !ctrl && !alt) {
    if (claimedByFocus()) return false;
    MoveFocus(!shift);
    return true;
  }
  if (ctrl || shift || alt) return focused != nullptr && focused->TakeShortcut(key, ctrl, shift, alt);
  if (key == VK_RETURN) {
    if (claimedByFocus()) return false;
    for (Control* control : TabOrder()) {
      HWND w = control->hwnd();
      char cls[16];
      if (GetClassNameA(w, cls, sizeof cls) && lstrcmpiA(cls, "Button") == 0 &&
          (GetWindowLongPtrA(w, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON && IsWindowEnabled(w)) {
        control->Fire(event::button::kClicked);
        return true;
      }
    }
    return false;
  }
  if (key == VK_ESCAPE) {
    if (claimedByFocus()) return false;
    RequestClose(hwnd());
    return true;
  }
  return false;
}

bool OfferToWindows(const MSG& message) {
  for (HWND w = message.hwnd; w != nullptr; w = GetParent(w))
    if (auto* form = dynamic_cast<FormWindow*>(Control::FromHandle(w)); form != nullptr && form->OfferMessage(message))
      return true;
  return false;
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<FormWindow*>(Control::FromHandle(window));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return FatalOnBadAlloc([&] { return self->Handle(message, wParam, lParam); });
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd();
  switch (message) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(window, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG:
      // Each control answers for itself; without an answer the platform's applies.
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam)))
        if (HBRUSH brush = control->OnColour(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_COMMAND:
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      // The list's header reports to the list's parent through the list.
      for (HWND w = header.hwndFrom; w != nullptr && w != window; w = GetParent(w)) {
        LRESULT result = 0;
        if (Control* control = Control::FromHandle(w); control != nullptr && control->OnNotify(header, result))
          return result;
      }
      break;
    }
    case WM_CONTEXTMENU: {
      // Comes up from the control through the default handling of each parent.
      POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      for (HWND w = reinterpret_cast<HWND>(wParam); w != nullptr && w != window; w = GetParent(w))
        if (Control* control = Control::FromHandle(w); control != nullptr && control->OnContextMenu(screen)) return 0;
      break;
    }
    case WM_CLOSE:
      if (Ask(event::window::kMayClose) && Ask(event::window::kMayEnd)) DestroyWindow(window);
      return 0;
    case WM_QUERYENDSESSION:
      return Ask(event::window::kMayEnd) ? TRUE : FALSE;
    case WM_DESTROY:
      Fire(event::window::kDestroyed);
      break;
    case WM_MOVE:
      Fire(event::window::kMoved);
      break;
    case WM_SIZE:
      Fire(event::window::kResized);
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        if (!activatedOnce_) {
          activatedOnce_ = true;
          Fire(event::window::kFirstActivation);
        }
        Fire(event::window::kActivated);
      } else {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) focusBeforeDeactivation_ = focus;
        Fire(event::window::kDeactivated);
      }
      // The focus is passed on in WM_SETFOCUS, not by the default handling.
      return 0;
    case WM_SETFOCUS:
      Fire(event::kGotFocus);
      PassFocusOn();
      return 0;
    case WM_KILLFOCUS:
      Fire(event::kLostFocus);
      return 0;
    case WM_NCDESTROY: {
      LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      ReportWindowEnded(windowId());  // deletes this object
      return result;
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace lf
