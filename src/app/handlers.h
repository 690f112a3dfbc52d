#pragma once
// The routines that window descriptions bind to events, by name, and the
// exit routines that the start-up registers.

#include <span>
#include <string_view>

#include "core/events.h"
#include "core/exit_routines.h"

namespace lf {

Handler ResolveHandler(std::string_view routineName);
std::span<const ExitRoutine> ExitRoutinesOfStartUp();

// The created event of the main window: the flat style, colour scheme 1.
void OnMainWindowCreated(EventRecord& event);

}  // namespace lf
