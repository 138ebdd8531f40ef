#include "app/pending_hooks.h"

#include "app/pressure_dialogs.h"

namespace ductora {

void destroyFileDialogs(AppState& app) { destroyPressureDialogs(app); }
void createFileDialogs(AppState& app) { createPressureDialogs(app); }
void createDialogPanel(AppState&, PanelId) {}
void initDialogControls(AppState&) {}
void navigationUpdate(AppState&, double) {}
void refreshDialogReadouts(AppState&) {}
void feedPipeViewMouse(AppState&, const platform::WindowEvent&) {}
void showHelpDialog(AppState&, int) {}
void initPipeDialogSliders(AppState&) {}
void initNavigator(AppState&) {}
void drawPipeViewBody(AppState&) {}

}  // namespace ductora
