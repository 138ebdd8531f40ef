#pragma once

#include <string>

#include "app/state/app_state.h"

namespace ductora {

// Writes the pipe to path behind the please-wait window, with the raw data the flags name, and
// reports a failure (false) or the save's warnings to the user.
bool writePipe(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags);

// Before a pipe with unsaved changes leaves memory: asks whether to save it. Yes saves it, No
// lets the changes go; false (Cancel, or a failed save) keeps it.
bool confirmDroppingPipe(AppState& app, PipeFile& pipe);
// What the string asks before it drops a changed pipe.
DropCheck askBeforeDropping(AppState& app);

}  // namespace ductora
