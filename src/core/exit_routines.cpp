#include "core/exit_routines.h"

#include <algorithm>
#include <vector>

namespace lf {

namespace {
std::vector<ExitRoutine>& Routines() {
  static std::vector<ExitRoutine> routines;
  return routines;
}
}  // namespace

void AddExitRoutine(ExitRoutine routine) {
  auto& routines = Routines();
  if (routine != nullptr && std::find(routines.begin(), routines.end(), routine) == routines.end())
    routines.push_back(routine);
}

void RunExitRoutines() {
  // A routine that adds another one must not invalidate the walk.
  for (std::size_t i = 0; i < Routines().size(); ++i) Routines()[i]();
  Routines().clear();
}

}  // namespace lf
