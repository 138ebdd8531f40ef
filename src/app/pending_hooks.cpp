#include "app/pending_hooks.h"

#include "app/help_dialogs.h"
#include "app/indication_dialog.h"
#include "app/pressure_dialogs.h"

namespace ductora {

void destroyFileDialogs(AppState& app) {
  destroyIndicationDialog(app);
  destroyGotoAndHelpDialogs(app);
  destroyPressureDialogs(app);
}
void createFileDialogs(AppState& app) {
  createGotoAndHelpDialogs(app);
  createPressureDialogs(app);
  createIndicationDialog(app);
}
void createDialogPanel(AppState&, PanelId) {}
void initStatisticsSliders(AppState&) {}
void refreshDialogReadouts(AppState&) {}
void initPipeDialogSliders(AppState&) {}

}  // namespace ductora
