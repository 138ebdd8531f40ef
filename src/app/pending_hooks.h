#pragma once

#include "app/app_state.h"
#include "platform/window_event.h"

namespace ductora {

// Where the shell calls pieces that arrive with later work: the per-file dialogs, the
// navigation, the pictures. Each is called at its place in the sequence and does nothing yet.

// Ends Data Display and destroys the previous file's modeless dialogs: Indication, Data
// Display, Goto, Draw Channels, the help dialogs, Collapse Pressure and Burst.
void destroyFileDialogs(AppState& app);
// Creates them again, hidden, with the pressure dialogs' default texts.
void createFileDialogs(AppState& app);
// The dialog panels: Navigator (11), Statistics (12) and Pipe (13).
void createDialogPanel(AppState& app, PanelId id);
// The Statistics dialog's sliders and the Navigator's controls after an open.
void initDialogControls(AppState& app);
// Keys, pointer and the Navigator's speeds move the view; first in every frame.
void navigationUpdate(AppState& app, double elapsedSeconds);
// Data Display cursor, Navigator slider and counter, Statistics and Pipe readouts.
void refreshDialogReadouts(AppState& app);
// Pointer moves and buttons in the pipe view.
void feedPipeViewMouse(AppState& app, const platform::WindowEvent& event);
// The help dialog a right click in a plot panel or a dialog's Help button shows.
void showHelpDialog(AppState& app, int helpDialogId);
// The Pipe dialog's Left and Right sliders, and the Navigator's controls with its speeds at
// their start values, after the gray scale changed.
void initPipeDialogSliders(AppState& app);
void initNavigator(AppState& app);

// The pictures: the plot panels' bodies.
void drawPlotBody(AppState& app, PanelId id, int width, int height);

}  // namespace ductora
