#include "app/pending_hooks.h"

#include "app/help_dialogs.h"
#include "app/pipe_window.h"
#include "app/pressure_dialogs.h"
#include "app/statistics_window.h"

namespace ductora {

void destroyFileDialogs(AppState& app) {
  destroyGotoAndHelpDialogs(app);
  destroyPressureDialogs(app);
}
void createFileDialogs(AppState& app) {
  createGotoAndHelpDialogs(app);
  createPressureDialogs(app);
}
void refreshDialogReadouts(AppState& app) {
  FillStatistics(app);
  refreshPipeWindowReadouts(app);
}

}  // namespace ductora
