#include "app/handlers.h"

#include <array>
#include <utility>

#include "app/find_command.h"
#include "app/open_link.h"
#include "net/download.h"
#include "style/visual_style.h"

namespace lf {

namespace {

constexpr std::array<std::pair<std::string_view, Handler>, 3> kHandlers{{
    {"OnMainWindowCreated", OnMainWindowCreated},
    {"OnFindClicked", OnFindClicked},
    {"OnLinkClicked", OnLinkClicked},
}};
// The shared internet handle is closed at the orderly end.
constexpr std::array<ExitRoutine, 1> kExitRoutines{CloseInternetSession};

}  // namespace

void OnMainWindowCreated(EventRecord&) { SetVisualStyle(1); }

Handler ResolveHandler(std::string_view routineName) {
  for (const auto& [name, handler] : kHandlers)
    if (name == routineName) return handler;
  return nullptr;
}

std::span<const ExitRoutine> ExitRoutinesOfStartUp() { return kExitRoutines; }

}  // namespace lf
