#pragma once

#include "app/state/app_state.h"

namespace ductora {

// One frame: navigation, every shown panel in the fixed order, the dialogs' readouts.
void runFrame(AppState& app, double elapsedSeconds);
// The main window's title follows the current pipe and its unsaved changes.
void showDocumentInTitle(AppState& app);
// One turn of the loop: deliver waiting messages, then a frame paced at the display rate while
// something can change, else a sleep until the next message.
void loopIteration(AppState& app);
// Turns the loop until the quit message; returns the exit code.
int runMainLoop(AppState& app);

}  // namespace ductora
