#include "window/event_sink.h"

namespace lf {

namespace {
constinit EventSink g_sink{};
}

void SetEventSink(EventSink sink) { g_sink = sink; }

bool RaiseEvent(EventRecord& event) { return g_sink.fire != nullptr && g_sink.fire(event); }

void ReportWindowEnded(std::uint32_t windowId) {
  if (g_sink.windowEnded != nullptr) g_sink.windowEnded(windowId);
}

void ReportListRequest(const ListRequest& request) {
  if (g_sink.listRequest != nullptr) g_sink.listRequest(request);
}

}  // namespace lf
