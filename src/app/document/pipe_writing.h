#pragma once

#include <optional>
#include <string>

#include "app/state/app_state.h"

namespace ductora {

// Writes the pipe to path behind the please-wait window, with the raw data the flags name, and
// reports a failure (false) or the save's warnings to the user.
bool writePipe(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags);

// Where Save As writes a pipe: a name from the save dialog and, for a pipe read with raw data, the
// answer to whether to write it (No leaves it out of the file, not out of the pipe).
struct SaveTarget {
  std::string path;
  DataPresentFlags flags{};
};
// Empty when the dialog was cancelled.
std::optional<SaveTarget> askWhereToSave(AppState& app, const PipeFile& pipe);
// Where a pipe is saved unasked: over its own file with its own raw data, or through Save As when
// no file is behind it (its file could not be read). Empty when that is cancelled.
std::optional<SaveTarget> ownSaveTarget(AppState& app, const PipeFile& pipe);

// The name the user knows a pipe by: its file's name, or its entry in the string when no file is
// behind it.
std::string pipeName(const AppState& app, const PipeFile& pipe);

// Before a pipe with unsaved changes leaves memory: asks whether to save it. Yes saves it, No
// lets the changes go; false (Cancel, or a failed save) keeps it.
bool confirmDroppingPipe(AppState& app, PipeFile& pipe);
// What the string asks before it drops a changed pipe.
DropCheck askBeforeDropping(AppState& app);

}  // namespace ductora
