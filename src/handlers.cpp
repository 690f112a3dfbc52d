#include "shell/handlers.h"

#include <array>
#include <utility>

namespace lf {

namespace {

constexpr std::array<std::pair<std::string_view, Handler>, 0> kHandlers{{}};
constexpr std::array<ExitRoutine, 0> kExitRoutines{};

}  // namespace

Handler ResolveHandler(std::string_view routineName) {
  for (const auto& [name, handler] : kHandlers)
    if (name == routineName) return handler;
  return nullptr;
}

std::span<const ExitRoutine> ExitRoutinesOfStartUp() { return kExitRoutines; }

}  // namespace lf
