#pragma once
// Windows and drawing surfaces for the style's tests.

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>

#include "support/canvas.h"

namespace lf::test {

// Handles every message that is queued for the thread, for at most
// `milliseconds` and at most 10000 messages.
void Pump(DWORD milliseconds = 50);

// A visible top-level window on the test display that answers the colour
// query of its controls with `brush` and `textColour`.
class TestParent {
 public:
  TestParent();
  ~TestParent();
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;

  HWND get() const { return window_; }
  HWND Add(const char* className, const char* text, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0);

  static HBRUSH brush;
  static COLORREF textColour;
  // Answers the colour query with no brush at all (0) instead of the
  // platform's default answer.
  static bool answersNoBrush;

 private:
  HWND window_ = nullptr;
};

// Counts the messages that reach a window's procedure as it is now; install
// it before the style attaches so that it becomes the control's own procedure.
class MessageCounter {
 public:
  explicit MessageCounter(HWND window);
  ~MessageCounter();
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;

  int Count(UINT message) const;
  void Clear() { counts_.clear(); }
  // Set when the window's procedure handled WM_DESTROY; checked by `onDestroy`.
  void (*onDestroy)(HWND window) = nullptr;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_;
  WNDPROC original_;
  std::map<UINT, int> counts_;
};

// Counts painter runs per window through the engine's observer.
class PaintCounter {
 public:
  PaintCounter();
  ~PaintCounter();
  int Count(HWND window) const;
  void Clear();
};

// A 32-bit top-down DIB in a memory DC, filled with `background`.
std::string Rgb(COLORREF colour);

}  // namespace lf::test
