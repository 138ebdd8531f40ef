#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The help windows belong to the file shown: every open destroys them and makes them again,
// hidden, in their fixed order.
void destroyHelpDialogs(AppState& app);
void createHelpDialogs(AppState& app);

// Shows the help window of that resource id: from a Help button, or a right click in a plot panel.
void showHelpDialog(AppState& app, int helpDialogId);

}  // namespace ductora
