#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The modeless dialogs every open makes again, hidden, with the pressure dialogs' default texts,
// once the dialogs owner destroyed the previous file's (Modeless, DialogLife::kOpen).
void createFileDialogs(AppState& app);

}  // namespace ductora
