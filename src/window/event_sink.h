#pragma once
// Where the window kinds report to: every event they raise, the end of a
// window once it has handled its last message, and what the user asks of
// the link list beyond its events. The application sets it; the kinds know
// nothing above it.

#include <cstdint>

#include "core/events.h"

namespace lf {

// Copying or the menu, asked of a link list with the keyboard or the mouse.
// It raises no event: the events and their handlers stay as designed.
struct ListRequest {
  enum class Kind { kCopySelected, kMenu };
  Kind kind = Kind::kCopySelected;
  std::uint32_t windowId = 0;
  std::uint32_t sourceId = 0;
  // For the menu: the entry it is about (-1 for none) and where it opens,
  // in screen coordinates.
  std::int32_t entry = -1;
  std::int32_t x = 0, y = 0;
};

struct EventSink {
  // Runs the handler bound to the event, if any; true when one ran.
  bool (*fire)(EventRecord& event) = nullptr;
  // The window with that id has handled its last message; its objects may go.
  void (*windowEnded)(std::uint32_t windowId) = nullptr;
  void (*listRequest)(const ListRequest& request) = nullptr;
};

void SetEventSink(EventSink sink);

// What the kinds call. Without a sink no handler runs.
bool RaiseEvent(EventRecord& event);
void ReportWindowEnded(std::uint32_t windowId);
void ReportListRequest(const ListRequest& request);

}  // namespace lf
