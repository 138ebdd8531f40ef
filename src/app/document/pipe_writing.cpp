#include "app/document/pipe_writing.h"

#include <filesystem>

#include "app/document/file_choice.h"
#include "app/state/input_recording.h"
#include "data/format/pipe_file_io.h"

namespace ductora {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

bool writePipe(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags) {
  app.dialogs.show(Modeless::kPleaseWait);
  const SaveResult saved = savePipeFile(pipe, path, flags[kRawWallPresent] != 0, flags[kRawOdPresent] != 0);
  app.dialogs.hide(Modeless::kPleaseWait);
  app.windows.focus(kPipeViewPanel);
  // Focus may raise the view on some platforms; the plot panels stay above it.
  app.windows.lower(kPipeViewPanel);
  if (!saved.ok) {
    reportFileError(app, "The pipe could not be saved to " + path + ": " + saved.error);
    return false;
  }
  if (!saved.warnings.empty()) {
    std::string text = "The pipe was saved to " + path + ", but:";
    for (const std::string& warning : saved.warnings) text += "\n" + warning;
    app.platform.messageBox(text, "Warning", MessageButtons::kOk, MessageIcon::kWarning);
  }
  return true;
}

std::optional<SaveTarget> askWhereToSave(AppState& app, const PipeFile& pipe) {
  SaveTarget target{askForFileToWrite(app, kPipeFilter), pipe.dataPresent};
  if (target.path.empty()) return std::nullopt;
  DataPresentFlags& flags = target.flags;
  if ((flags[kRawWallPresent] != 0 || flags[kRawOdPresent] != 0) &&
      app.platform.messageBox("Do you want to save raw data?", "Save As...", MessageButtons::kYesNo,
                              MessageIcon::kNone) == MessageResult::kNo) {
    flags[kRawWallPresent] = 0;
    flags[kRawOdPresent] = 0;
  }
  return target;
}

std::optional<SaveTarget> ownSaveTarget(AppState& app, const PipeFile& pipe) {
  if (pipe.path.empty()) return askWhereToSave(app, pipe);
  return SaveTarget{pipe.path, pipe.dataPresent};
}

std::string pipeName(const AppState& app, const PipeFile& pipe) {
  const std::vector<std::string>& names = app.pipeString.names();
  const std::string& file =
      !pipe.path.empty() || pipe.stringIndex >= names.size() ? pipe.path : names[pipe.stringIndex];
  return std::filesystem::path(file).filename().string();
}

bool confirmDroppingPipe(AppState& app, PipeFile& pipe) {
  // The prompt takes the focus, and with it the key-ups of the keys that walked here.
  releaseHeldInput(app);
  switch (app.platform.messageBox("Do you want to save changes to " + pipeName(app, pipe) + "?", "Notice",
                                  MessageButtons::kYesNoCancel, MessageIcon::kWarning)) {
    case MessageResult::kYes: {
      // No frame: the string is in the middle of a move.
      const std::optional<SaveTarget> target = ownSaveTarget(app, pipe);
      return target && writePipe(app, pipe, target->path, target->flags);
    }
    case MessageResult::kNo:
      return true;
    default:
      return false;
  }
}

DropCheck askBeforeDropping(AppState& app) {
  return [&app](PipeFile& pipe) { return confirmDroppingPipe(app, pipe); };
}

}  // namespace ductora
