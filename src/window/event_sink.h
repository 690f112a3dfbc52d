#pragma once
// Where the window kinds report to: every event they raise, and the end of a
// window once it has handled its last message. The application sets it; the
// kinds know nothing above it.

#include <cstdint>

#include "core/events.h"

namespace lf {

struct EventSink {
  // Runs the handler bound to the event, if any; true when one ran.
  bool (*fire)(EventRecord& event) = nullptr;
  // The window with that id has handled its last message; its objects may go.
  void (*windowEnded)(std::uint32_t windowId) = nullptr;
};

void SetEventSink(EventSink sink);

// What the kinds call. Without a sink no handler runs.
bool RaiseEvent(EventRecord& event);
void ReportWindowEnded(std::uint32_t windowId);

}  // namespace lf
