#pragma once

#include "app/state/app_state.h"

namespace ductora {

// Modify > OD Matrix: the OD channels and a rebuild of the current pipe's OD matrix with the
// OD jump size typed, modal. Only for a pipe with OD data.
void runOdMatrixDialog(AppState& app);

}  // namespace ductora
