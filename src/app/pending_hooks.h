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
// The dialog panels Statistics (12) and Pipe (13).
void createDialogPanel(AppState& app, PanelId id);
// The Statistics dialog's sliders, after an open and whenever another pipe becomes current.
void initStatisticsSliders(AppState& app);
// Data Display cursor, Statistics and Pipe readouts. The Data Display so far.
void refreshDialogReadouts(AppState& app);
// The Pipe dialog's Left and Right sliders.
void initPipeDialogSliders(AppState& app);

}  // namespace ductora
