#pragma once

#include "app/app_state.h"
#include "platform/window_event.h"

namespace ductora {

// Where the shell calls pieces that arrive with later work: the per-file dialogs, the
// readouts. Each is called at its place in the sequence and does nothing yet
// beyond what is listed.

// Ends Data Display and destroys the previous file's modeless dialogs: Indication, Data
// Display, Goto, Draw Channels, the help dialogs, Collapse Pressure and Burst.
void destroyFileDialogs(AppState& app);
// Creates them again, hidden, with the pressure dialogs' default texts.
void createFileDialogs(AppState& app);
// Data Display cursor, Statistics and Pipe readouts.
void refreshDialogReadouts(AppState& app);

}  // namespace ductora
