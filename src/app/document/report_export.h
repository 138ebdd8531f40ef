#pragma once

#include "app/state/app_state.h"

namespace ductora {

// File > Export > Report: after offering to save each changed pipe, the PDF inspection report of
// every pipe of the string, made from their files by ductora-cli under a progress dialog, to a
// name from the save dialog. A cancelled report leaves no file.
void exportReport(AppState& app);

}  // namespace ductora
