#include "app/pending_hooks.h"

#include "app/draw_channels_dialog.h"
#include "app/help_dialogs.h"
#include "app/pressure_dialogs.h"

namespace ductora {

void destroyFileDialogs(AppState& app) {
  destroyGotoAndHelpDialogs(app);
  destroyDrawChannelsDialog(app);
  destroyPressureDialogs(app);
}
void createFileDialogs(AppState& app) {
  createGotoAndHelpDialogs(app);
  createDrawChannelsDialog(app);
  createPressureDialogs(app);
}
void createDialogPanel(AppState&, PanelId) {}
void initStatisticsSliders(AppState&) {}
void refreshDialogReadouts(AppState&) {}
void initPipeDialogSliders(AppState&) {}

}  // namespace ductora
