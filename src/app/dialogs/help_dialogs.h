#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The help windows belong to the file shown: every open makes them again (the dialogs owner
// destroys them as it begins), hidden, in their fixed order.
void createHelpDialogs(AppState& app);

// Shows the help window of that resource id: from a Help button, or a right click in a plot panel.
void showHelpDialog(AppState& app, int helpDialogId);

}  // namespace ductora
