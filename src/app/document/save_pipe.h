#pragma once

#include "app/state/app_state.h"

namespace ductora {

// File > Save: the current pipe over its own file (".kqvw" appended when the name lacks it),
// with the raw data it was read with; Save As when no file is behind it.
void saveCurrentPipe(AppState& app);
// File > Save As: to a name from the save dialog; a pipe read with raw data asks whether to
// write it (No leaves it out of the file, not out of the pipe).
void saveCurrentPipeAs(AppState& app);
// Saves every loaded pipe with unsaved changes over its own file with its own raw data (through
// Save As when it has none), redrawing once first. A failed or cancelled save returns false, so
// the program does not quit and lose the changes; true also when there is nothing to save.
bool saveChangedPipesBeforeExit(AppState& app);

}  // namespace ductora
