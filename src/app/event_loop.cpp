#include <windows.h>

#include "app/process.h"
#include "app/program.h"
#include "app/registry.h"
#include "core/designed.h"
#include "win/bad_alloc.h"
#include "window/form_window.h"

namespace lf {

namespace {

constexpr UINT kCaretBlinkTimer = 0x118;
// The passes before this one are the loop's own housekeeping.
constexpr unsigned kFirstIdleEventPass = 2;

// Runs idle passes while no message waits; false once no window wants more.
bool RunIdlePhase(unsigned& pass, DWORD& startTick, std::vector<bool>& leftOut) {
  MSG waiting;
  while (!PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
    unsigned current = pass++;
    if (current == 0) startTick = GetTickCount();
    if (current < kFirstIdleEventPass) continue;
    auto& windows = WindowRegistry();
    leftOut.resize(windows.size());
    bool anyWantsMore = false;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      if (leftOut[i] || windows[i].live.empty()) continue;
      EventRecord event;
      event.windowId = windows[i].description.windowId;
      event.sourceId = windows[i].description.entries[0].id;
      event.number = event::window::kIdle;
      event.arguments = {static_cast<std::int32_t>(GetTickCount() - startTick)};
      bool ran = FireEvent(event);
      if (!ran || (event.hasAnswer && event.answer == 0))
        leftOut[i] = true;
      else
        anyWantsMore = true;
    }
    if (!anyWantsMore) return false;
  }
  return true;
}

// Whether a message wakes the idle phase again.
bool TurnsIdlingOn(const MSG& message, MSG& lastMouseMove) {
  if (message.message == WM_PAINT || message.message == kCaretBlinkTimer) return false;
  if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
    bool same = message.message == lastMouseMove.message && message.pt.x == lastMouseMove.pt.x &&
                message.pt.y == lastMouseMove.pt.y;
    lastMouseMove = message;
    return !same;
  }
  return true;
}

}  // namespace

void DeliverMessage(const MSG& message) {
  if (OfferToWindows(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

namespace {

int RunLoop() {
  Process().loopRunning = true;
  if (!AnyWindowLive()) return 0;
  bool idling = true;
  unsigned pass = 0;
  DWORD startTick = GetTickCount();
  std::vector<bool> leftOut;
  MSG lastMouseMove{};
  for (;;) {
    if (idling) idling = RunIdlePhase(pass, startTick, leftOut);
    MSG message;
    do {
      BOOL got = GetMessageA(&message, nullptr, 0, 0);
      if (got == 0) return static_cast<int>(message.wParam);  // the quit request
      if (got < 0) return 0;
      DeliverMessage(message);
      if (TurnsIdlingOn(message, lastMouseMove)) {
        idling = true;
        pass = 0;
        leftOut.clear();
      }
    } while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  }
}

}  // namespace

int RunEventLoop() { return FatalOnBadAlloc(RunLoop); }

}  // namespace lf
