#pragma once
// The wait cursor for the scope of synchronous work on the window's thread.

#include <windows.h>

namespace lf {

// No message is handled meanwhile, so nothing sets the pointer back until
// the scope ends and puts back the one it replaced.
class WaitCursorScope {
 public:
  WaitCursorScope() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  WaitCursorScope(const WaitCursorScope&) = delete;
  WaitCursorScope& operator=(const WaitCursorScope&) = delete;
  ~WaitCursorScope() { SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

}  // namespace lf
