#pragma once

#include "app/state/app_state.h"

namespace ductora {

// View > Channels: the wall map of one channel on the current pipe above that of another on the
// overlay pipe. The dialog belongs to the file shown: every open makes it again, hidden.
void createDrawChannelsDialog(AppState& app);
void showDrawChannelsDialog(AppState& app);

}  // namespace ductora
