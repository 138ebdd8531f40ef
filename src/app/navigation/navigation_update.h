#pragma once

#include "app/state/app_state.h"

namespace ductora {

// First in every frame: held keys, the pointer's travel and the Navigator's speeds and mode move
// the cursor, the view and the pipes, the arrows by the elapsed seconds.
void navigationUpdate(AppState& app, double elapsedSeconds);

}  // namespace ductora
