#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The modeless dialogs every open makes again.

// Ends Data Display and destroys the previous file's modeless dialogs: Indication, Data
// Display, Goto, Draw Channels, the help dialogs, Collapse Pressure and Burst.
void destroyFileDialogs(AppState& app);
// Creates them again, hidden, with the pressure dialogs' default texts.
void createFileDialogs(AppState& app);

}  // namespace ductora
