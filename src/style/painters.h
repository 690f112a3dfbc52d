#pragma once
// One painter per control kind. PaintStyledControl draws a control from its
// record into an off-screen buffer; the Draw functions are the painters'
// drawing steps on any device context, at (0, 0).

#include <windows.h>

#include <cstdint>
#include <string>

#include "style/styled_control.h"

namespace lf {

// What a painter reads about a control.
struct ControlLook {
  std::uint32_t flags = 0;
  std::int32_t scheme = 1;  // style number
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  HFONT font = nullptr;
  COLORREF textColour = 0;
  HBRUSH backgroundBrush = nullptr;
};

void PaintStyledControl(StyledControl& control);

// `size` is the client size for buttons, group boxes and up-downs and the
// window size for edits, combo boxes and drop-down lists.
void DrawPushButton(HDC dc, SIZE size, const ControlLook& look);
void DrawCheckBox(HDC dc, SIZE size, const ControlLook& look);
void DrawRadioButton(HDC dc, SIZE size, const ControlLook& look);
// Gives the background colour found at the top-left pixel.
COLORREF DrawGroupBox(HDC dc, SIZE size, const ControlLook& look);
void DrawEditFrame(HDC dc, SIZE size, const ControlLook& look);
void DrawComboFrame(HDC dc, SIZE size, const ControlLook& look);
void DrawUpDown(HDC dc, SIZE size, const ControlLook& look, bool joined);

// Whether an edit or list has a border for the flat frame to replace.
bool HasFrameBorder(DWORD style, DWORD exStyle);

}  // namespace lf
