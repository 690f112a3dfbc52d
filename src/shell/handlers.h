#pragma once
// The routines that window descriptions bind to events, by name, and the
// exit routines that the start-up registers.

#include <span>
#include <string_view>

#include "shell/events.h"
#include "shell/process.h"

namespace lf {

Handler ResolveHandler(std::string_view routineName);
std::span<const ExitRoutine> ExitRoutinesOfStartUp();

}  // namespace lf
