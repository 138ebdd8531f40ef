#pragma once

#include "app/state/app_state.h"

namespace ductora {

// The Slice panel's picture: the current pipe's cross-section at the cursor.
void drawSliceBody(const AppState& app);

}  // namespace ductora
