#include "app/file_dialogs.h"

#include "app/data_display_dialog.h"
#include "app/draw_channels_dialog.h"
#include "app/help_dialogs.h"
#include "app/indication_dialog.h"
#include "app/pipe_window.h"
#include "app/pressure_dialogs.h"
#include "app/statistics_window.h"

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
void refreshDialogReadouts(AppState& app) {
  refreshDataDisplay(app);
  FillStatistics(app);
  refreshPipeWindowReadouts(app);
}

}  // namespace ductora
