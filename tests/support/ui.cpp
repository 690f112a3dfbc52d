#include "support/ui.h"

#include <thread>

#include "app/program.h"

namespace lf::test {

namespace {

using Clock = std::chrono::steady_clock;

void SendMouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  // Every event carries its place, so none is taken at a stale position.
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  auto end = Clock::now() + timeout;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;  // a test decides itself when to stop
      DeliverMessage(message);
    }
    if (done()) return true;
    if (Clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(std::chrono::milliseconds duration) {
  PumpUntil([] { return false; }, duration);
}

void PressKey(WORD virtualKey, bool shift) {
  if (shift) SendKey(VK_SHIFT, false);
  SendKey(virtualKey, false);
  SendKey(virtualKey, true);
  if (shift) SendKey(VK_SHIFT, true);
  PumpFor(std::chrono::milliseconds(150));
}

void PressWithCtrl(WORD virtualKey) {
  SendKey(VK_CONTROL, false);
  SendKey(virtualKey, false);
  SendKey(virtualKey, true);
  SendKey(VK_CONTROL, true);
  PumpFor(std::chrono::milliseconds(150));
}

// A press sent right behind a move was now and then seen at the old place:
// wait until the pointer is there.
void PointAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  PumpUntil(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      std::chrono::milliseconds(1000));
  PumpFor(std::chrono::milliseconds(50));
}

// A press soon after the previous one would pair with it into a double
// click: wait out the double-click time since the last press.
static Clock::time_point g_lastPress;
static void AwaitSinglePress() {
  auto ready = g_lastPress + std::chrono::milliseconds(GetDoubleClickTime() + 50);
  if (Clock::now() < ready) PumpFor(std::chrono::duration_cast<std::chrono::milliseconds>(ready - Clock::now()));
}

void Press(POINT screen, bool right) {
  SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, screen);
  SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, screen);
  g_lastPress = Clock::now();
}

void Click(POINT screen, bool right) {
  AwaitSinglePress();
  PointAt(screen);
  Press(screen, right);
  PumpFor(std::chrono::milliseconds(150));
}

void DoubleClick(POINT screen) {
  AwaitSinglePress();
  PointAt(screen);
  for (int i = 0; i < 2; ++i) {
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
    SendMouse(MOUSEEVENTF_LEFTUP, screen);
  }
  g_lastPress = Clock::now();
  PumpFor(std::chrono::milliseconds(150));
}

void Drag(POINT from, POINT to) {
  PointAt(from);
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  PumpFor(std::chrono::milliseconds(30));
  for (int i = 1; i <= 5; ++i) {
    SendMouse(MOUSEEVENTF_MOVE, POINT{from.x + (to.x - from.x) * i / 5, from.y + (to.y - from.y) * i / 5});
    PumpFor(std::chrono::milliseconds(20));
  }
  SendMouse(MOUSEEVENTF_LEFTUP, to);
  PumpFor(std::chrono::milliseconds(150));
}

POINT OnScreen(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

void Activate(HWND window) {
  SetForegroundWindow(window);
  PumpUntil([&] { return GetActiveWindow() == window && GetFocus() != nullptr; }, std::chrono::seconds(2));
}

}  // namespace lf::test
