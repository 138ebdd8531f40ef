#include "app/pending_hooks.h"

#include "app/data_display_dialog.h"
#include "app/draw_channels_dialog.h"
#include "app/help_dialogs.h"
#include "app/indication_dialog.h"
#include "app/pressure_dialogs.h"

namespace ductora {

void destroyFileDialogs(AppState& app) {
  destroyIndicationDialog(app);
  destroyDataDisplayDialog(app);
  destroyGotoAndHelpDialogs(app);
  destroyDrawChannelsDialog(app);
  destroyPressureDialogs(app);
}
void createFileDialogs(AppState& app) {
  createGotoAndHelpDialogs(app);
  createDrawChannelsDialog(app);
  createPressureDialogs(app);
  createDataDisplayDialog(app);
  createIndicationDialog(app);
}
void createDialogPanel(AppState&, PanelId) {}
void initStatisticsSliders(AppState&) {}
void refreshDialogReadouts(AppState& app) { refreshDataDisplay(app); }
void initPipeDialogSliders(AppState&) {}

}  // namespace ductora
