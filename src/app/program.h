#pragma once
// The program's course: start-up, loading a window and the event loop.

#include <windows.h>

#include <cstdint>

namespace lf {

// Prepares the process: the process heap and the fatal error box, OLE, the
// program's directory as the current directory, the window descriptions
// into the registry, the event sink of the window kinds.
void StartUp();

// Builds the window with that id and its controls, raises its created,
// moved and resized events and shows it.
void LoadWindow(std::uint32_t windowId);

// Runs the message loop until the quit request; gives its exit code.
int RunEventLoop();

// Offers one taken message to the windows' keyboard handling and, unless
// one claims it, translates and dispatches it.
void DeliverMessage(const MSG& message);

}  // namespace lf
