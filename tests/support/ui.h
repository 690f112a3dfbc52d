#pragma once
// Driving windows in tests: pumping messages through the program's own
// delivery, and real input through SendInput.

#include <windows.h>

#include <chrono>
#include <functional>

namespace lf::test {

// Delivers messages until `done` holds or `timeout` passed; gives `done`.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Delivers messages for a while.
void PumpFor(std::chrono::milliseconds duration);

void PressKey(WORD virtualKey, bool shift = false);
// The key with Ctrl held.
void PressWithCtrl(WORD virtualKey);
// Moves the pointer and waits until it is there.
void PointAt(POINT screen);
// Presses and releases a mouse button where the pointer already is and
// returns at once, for timing what the click sets off.
void Press(POINT screen, bool right = false);
// Clicks at a point in screen coordinates.
void Click(POINT screen, bool right = false);
void DoubleClick(POINT screen);
void Drag(POINT from, POINT to);

// A point given in a window's client coordinates, in screen coordinates.
POINT OnScreen(HWND window, int x, int y);

// Brings a top-level window to the front with the input focus.
void Activate(HWND window);

}  // namespace lf::test
