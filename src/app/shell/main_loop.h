#pragma once

#include "app/state/app_state.h"

namespace ductora {

// One turn of the loop: deliver waiting messages, run an open they asked for, then a frame
// paced at the display rate while something can change, else a sleep until the next message.
void loopIteration(AppState& app);
// Turns the loop until the quit message; returns the exit code.
int runMainLoop(AppState& app);

}  // namespace ductora
