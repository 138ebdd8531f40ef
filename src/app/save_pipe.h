#pragma once

#include "app/app_state.h"

namespace ductora {

// Saves the current pipe over its own file with its own raw data, redrawing once first.
// A failed save is reported and returns false, so the program does not quit and lose the
// changes; true also when there is no pipe to save.
bool saveCurrentPipeBeforeExit(AppState& app);

}  // namespace ductora
