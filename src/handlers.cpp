#include "shell/handlers.h"

#include <array>
#include <utility>

#include "search/download.h"
#include "search/find_command.h"
#include "search/open_link.h"
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

Handler ResolveHandler(std::string_view routineName) {
  for (const auto& [name, handler] : kHandlers)
    if (name == routineName) return handler;
  return nullptr;
}

std::span<const ExitRoutine> ExitRoutinesOfStartUp() { return kExitRoutines; }

}  // namespace lf
