#include "app/pending_hooks.h"

#include "app/help_dialogs.h"

namespace ductora {

void destroyFileDialogs(AppState& app) { destroyGotoAndHelpDialogs(app); }
void createFileDialogs(AppState& app) { createGotoAndHelpDialogs(app); }
void createDialogPanel(AppState&, PanelId) {}
void initStatisticsSliders(AppState&) {}
void refreshDialogReadouts(AppState&) {}
void initPipeDialogSliders(AppState&) {}
void drawPipeViewBody(AppState&) {}
void drawPlotBody(AppState&, PanelId, int, int) {}

}  // namespace ductora
