#include <windows.h>

#include <commctrl.h>

#include <array>

#include "style/colours.h"
#include "style/draw_primitives.h"
#include "style/engine.h"
#include "style/flat_frame.h"
#include "style/paint_buffer.h"
#include "style/painters.h"
#include "win/controls.h"

namespace lf {
namespace {

ControlLook ReadLook(const StyledControl& control) {
  ControlLook look;
  look.flags = control.flags;
  look.scheme = VisualStyleNumber();
  look.style = static_cast<DWORD>(GetWindowLongA(control.window, GWL_STYLE));
  look.exStyle = static_cast<DWORD>(GetWindowLongA(control.window, GWL_EXSTYLE));
  std::array<char, 256> text{};
  const int length = GetWindowTextA(control.window, text.data(), static_cast<int>(text.size()));
  look.text.assign(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
  look.font = FontOf(control.window);
  look.textColour = control.textColour;
  look.backgroundBrush = control.backgroundBrush;
  return look;
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

SIZE WindowSize(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

bool CopiesIn(ControlKind kind) {
  return kind == ControlKind::EditFrame || kind == ControlKind::ComboFrame || kind == ControlKind::DropList ||
         kind == ControlKind::GroupBox;
}

// The box painters fill the background only with the parent's brush; a box
// painted before its first erase, or whose parent gives none, would show
// the fresh buffer's black around it.
bool StartsOnTheFace(ControlKind kind) { return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton; }

// Joined only while the buddy edit still has its record; the joined
// up-down shows the buddy's enabled state.
bool JoinUpDown(StyledControl& control) {
  if (!control.Has(flag::JoinedOnLeft | flag::JoinedOnRight)) return false;
  const HWND buddy = UpDownBuddy(control.window);
  const StyledControl* edit = buddy ? FindStyledControl(buddy) : nullptr;
  if (!edit) return false;
  control.Set(flag::Disabled, edit->Has(flag::Disabled));
  return true;
}

}  // namespace

bool HasFrameBorder(DWORD style, DWORD exStyle) {
  return (style & WS_BORDER) || (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

void PaintStyledControl(StyledControl& control) {
  const HWND window = control.window;
  bool joined = false;
  if (control.kind == ControlKind::UpDown) joined = JoinUpDown(control);
  const ControlLook look = ReadLook(control);

  switch (control.kind) {
    case ControlKind::EditFrame:
      if (!HasFrameBorder(look.style, look.exStyle)) return;
      break;
    case ControlKind::DropList:
      if (!HasFrameBorder(look.style, look.exStyle) || ListBoxCount(window) <= 0) return;
      break;
    default:
      break;
  }

  PaintBuffer buffer = OpenPaintBuffer(window, CopiesIn(control.kind));
  if (!buffer) return;
  const HDC dc = buffer.dc();
  if (StartsOnTheFace(control.kind)) {
    const SIZE size = WindowSize(window);
    FillSolid(dc, RECT{0, 0, size.cx, size.cy}, FaceColour());
  }
  switch (control.kind) {
    case ControlKind::PushButton:
      DrawPushButton(dc, ClientSize(window), look);
      break;
    case ControlKind::CheckBox:
      DrawCheckBox(dc, ClientSize(window), look);
      break;
    case ControlKind::RadioButton:
      DrawRadioButton(dc, ClientSize(window), look);
      break;
    case ControlKind::GroupBox:
      control.backgroundColour = DrawGroupBox(dc, ClientSize(window), look);
      break;
    case ControlKind::EditFrame:
      DrawEditFrame(dc, WindowSize(window), look);
      break;
    case ControlKind::ComboFrame:
      DrawComboFrame(dc, WindowSize(window), look);
      break;
    case ControlKind::DropList: {
      const SIZE size = WindowSize(window);
      RECT whole{0, 0, size.cx, size.cy};
      DrawFlatFrame(dc, whole, look.flags, look.scheme);
      break;
    }
    case ControlKind::UpDown:
      DrawUpDown(dc, ClientSize(window), look, joined);
      break;
  }
  ClosePaintBuffer(buffer);
}

}  // namespace lf
