#pragma once

#include "app/state/app_state.h"

namespace ductora {

// Goto (dialog 141): places the cursor at a typed X or Y, measured from either end. Created
// hidden; Edit > Goto shows it.
void createGotoDialog(AppState& app);
void showGotoDialog(AppState& app);

}  // namespace ductora
