#pragma once
// Numbered events: the record a source raises and the handler it reaches,
// and the counter that keeps every event from the handlers.

#include <cstdint>
#include <vector>

namespace lf {

struct EventRecord {
  std::uint32_t windowId = 0;
  std::uint32_t sourceId = 0;
  std::int32_t number = 0;
  std::vector<std::int32_t> arguments;
  bool hasAnswer = false;
  std::int32_t answer = 0;
};

// A handler gets the event record; it may set hasAnswer and answer.
using Handler = void (*)(EventRecord& event);

// eventsSuppressed: while above 0, no event reaches a handler.
void SuppressEvents();
void ResumeEvents();
bool EventsSuppressed();

}  // namespace lf
