#pragma once

#include "app/state/app_state.h"

namespace ductora {

// One frame: navigation, the windows that follow the current pipe where asked, every shown panel
// in the fixed order, the dialogs' readouts.
void runFrame(AppState& app, double elapsedSeconds);
// The windows that follow the current pipe, as the procedures and the navigation asked, and as
// the pipe's revision and length moved on since they last showed it.
void followRequests(AppState& app);

}  // namespace ductora
