#pragma once
// Clicks whose press lands where the pointer was sent: a press sent right
// behind the move was seen at the old place now and then.

#include <windows.h>

#include <chrono>

#include "support/ui.h"

namespace lf::test {

inline void PointAt(POINT screen) {
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

inline void ClickAt(POINT screen) {
  PointAt(screen);
  Click(screen);
}

}  // namespace lf::test
