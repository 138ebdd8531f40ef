#pragma once

#include "app/state/app_state.h"

namespace ductora {

// Whether the loop draws a frame now or sleeps until the next message. A frame is drawn while
// something can change the picture: a key or pointer button held, a message handled (pointer
// moves, commands, dialogs in use, windows uncovered), a GL window's new size still settling,
// or a change the shell made itself, such as a finished load. Never while the main window is
// minimised.
bool frameWanted(const AppState& app, bool messagesHandled);
// A key or pointer button is held.
bool inputHeld(const AppState& app);
// Where the pipe view looks now, for telling moving frames from still ones.
ViewPlace viewPlace(const AppState& app);

// The time step of the frame about to run. After the loop slept the clock starts again with
// one frame's worth, so a key pressed after a long idle moves the view by one frame, not by
// the time slept.
double frameStepSeconds(const AppState& app, double nowMs);

}  // namespace ductora
