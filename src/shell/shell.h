#pragma once
// Start-up, loading a window and the event loop.

#include <windows.h>

#include <cstdint>

namespace lf {

// Prepares the process: OLE, the program's directory as the current
// directory, the window descriptions into the registry.
void StartUp();

// Builds the window with that id and its controls, raises its created,
// moved and resized events and shows it.
void LoadWindow(std::uint32_t windowId);

// Runs the message loop until the quit request; gives its exit code.
int RunEventLoop();

// Offers one taken message to the windows' keyboard handling and, unless
// one claims it, translates and dispatches it.
void DeliverMessage(const MSG& message);

// Called when a window's last message has been handled: the registry
// forgets its live objects, and the quit request follows when no loaded
// window is left and the loop runs.
void ForgetLiveObjects(std::uint32_t windowId);

}  // namespace lf
