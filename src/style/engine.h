#pragma once
// The style engine: switching the style, attaching controls, and the
// replacement window procedure. Everything here runs on the thread that owns
// the controls; nothing is locked.

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "style/styled_control.h"
#include "win/window_procedure.h"

namespace lf {

// The number last given to SetVisualStyle; the painters pick colours by it.
std::int32_t VisualStyleNumber();

// Switches the style on or off for the calling thread. Off gives the result
// of removing the hook (0 when there was none); on gives 1.
std::int32_t EnableStyling(bool on);

// Attaches (or detaches) `window` and every window below it.
void OfferWindowTree(HWND window, bool on);

HookProcedure StyleCreationHook;

void AttachStyle(HWND window);
void DetachStyle(HWND window);

// The record of `window`, or nullptr. The pointer stays valid until the
// window is detached.
StyledControl* FindStyledControl(HWND window);

// How many records the style holds, one per attached window.
std::size_t StyledControlCount();

WindowProcedure StyledControlProc;

// Called before each painter runs, inside its failure guard; for tests.
using PaintObserver = void (*)(const StyledControl& control);
void SetPaintObserver(PaintObserver observer);

}  // namespace lf
