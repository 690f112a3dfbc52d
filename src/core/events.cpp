#include "core/events.h"

namespace lf {

namespace {
std::int32_t g_eventsSuppressed = 0;
}

void SuppressEvents() { ++g_eventsSuppressed; }
void ResumeEvents() { --g_eventsSuppressed; }
bool EventsSuppressed() { return g_eventsSuppressed > 0; }

}  // namespace lf
