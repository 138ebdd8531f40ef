#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The Goto dialog and the help windows belong to the file shown: every open destroys them and
// makes them again, hidden, Goto first and the help windows in their fixed order.
void destroyGotoAndHelpDialogs(AppState& app);
void createGotoAndHelpDialogs(AppState& app);

// Shows the help window of that resource id: from a Help button, or a right click in a plot panel.
void showHelpDialog(AppState& app, int helpDialogId);

}  // namespace ductora
