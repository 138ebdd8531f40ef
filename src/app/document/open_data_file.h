#pragma once

#include <string>

#include "app/state/app_state.h"

namespace ductora {

// Opens a pipe or list file (append: keep what is loaded) and sets up every window that
// shows it. An empty path, as from a cancelled file dialog, changes nothing.
void openDataFile(AppState& app, const std::string& path, bool append);
// Runs the open a procedure asked for (the Navigator's quick file browse), replacing the string.
void openRequestedFile(AppState& app);
// Names the files the string could not read, or found damaged, as it loaded pipes while the
// operator walked along it.
void reportFilesReadOnTheWay(AppState& app);

}  // namespace ductora
