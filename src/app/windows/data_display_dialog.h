#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The Data Display (167): modeless, re-created hidden with every open; Edit > Data shows it.
void createDataDisplayDialog(AppState& app);
void showDataDisplayDialog(AppState& app);

// Every frame: the table around the cursor, written only where it changed.
void refreshDataDisplay(AppState& app);

}  // namespace ductora
