#include "app/pending_hooks.h"

namespace ductora {

void destroyFileDialogs(AppState&) {}
void createFileDialogs(AppState&) {}
void createDialogPanel(AppState&, PanelId) {}
void initDialogControls(AppState&) {}
void navigationUpdate(AppState&, double) {}
void refreshDialogReadouts(AppState&) {}
void feedPipeViewMouse(AppState&, const platform::WindowEvent&) {}
void showHelpDialog(AppState&, int) {}
void initPipeDialogSliders(AppState&) {}
void initNavigator(AppState&) {}
void drawPlotBody(AppState&, PanelId, int, int) {}

}  // namespace ductora
