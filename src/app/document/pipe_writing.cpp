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

bool confirmDroppingPipe(AppState& app, PipeFile& pipe) {
  // The prompt takes the focus, and with it the key-ups of the keys that walked here.
  releaseHeldInput(app);
  const std::string name = std::filesystem::path(pipe.path).filename().string();
  switch (app.platform.messageBox("Do you want to save changes to " + name + "?", "Notice",
                                  MessageButtons::kYesNoCancel, MessageIcon::kWarning)) {
    case MessageResult::kYes:
      // No frame: the string is in the middle of a move.
      return writePipe(app, pipe, pipe.path, pipe.dataPresent);
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
