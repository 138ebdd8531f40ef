#include "app/document/file_dialogs.h"

#include "app/dialogs/draw_channels_dialog.h"
#include "app/dialogs/help_dialogs.h"
#include "app/dialogs/indication_dialog.h"
#include "app/dialogs/pressure_dialogs.h"
#include "app/navigation/goto_dialog.h"
#include "app/windows/data_display_dialog.h"

namespace ductora {

void createFileDialogs(AppState& app) {
  // Goto first, then the help windows in their order.
  createGotoDialog(app);
  createHelpDialogs(app);
  createDrawChannelsDialog(app);
  createPressureDialogs(app);
  createDataDisplayDialog(app);
  createIndicationDialog(app);
}

}  // namespace ductora
