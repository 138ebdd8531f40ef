#include "app/document/save_pipe.h"

#include <filesystem>
#include <utility>

#include "app/document/file_choice.h"
#include "app/shell/frame.h"
#include "app/state/input_recording.h"
#include "app/views/panels.h"
#include "data/format/pipe_file_io.h"

namespace ductora {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

enum class Redraw { kFirst, kNo };

// Behind the please-wait window; a frame first brings the screen up to date while the disk
// works.
bool writePipe(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags,
               Redraw redraw = Redraw::kFirst) {
  if (app.pleaseWait) app.pleaseWait->show();
  if (redraw == Redraw::kFirst) runFrame(app, 0.0);
  const SaveResult saved = savePipeFile(pipe, path, flags[kRawWallPresent] != 0, flags[kRawOdPresent] != 0);
  if (app.pleaseWait) app.pleaseWait->hide();
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

void saveTo(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags) {
  writePipe(app, pipe, path, flags);
  // The title names the file the pipe now belongs to, or the old one after a failure.
  setPipeViewTitle(app);
}

}  // namespace

void saveCurrentPipe(AppState& app) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr || pipe->path.empty()) return;
  saveTo(app, *pipe, withFilterExtension(pipe->path, kPipeFilter), pipe->dataPresent);
}

void saveCurrentPipeAs(AppState& app) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  const std::string path = askForFileToWrite(app, kPipeFilter);
  if (path.empty()) return;
  DataPresentFlags flags = pipe->dataPresent;
  if ((flags[kRawWallPresent] != 0 || flags[kRawOdPresent] != 0) &&
      app.platform.messageBox("Do you want to save raw data?", "Save As...", MessageButtons::kYesNo,
                              MessageIcon::kNone) == MessageResult::kNo) {
    flags[kRawWallPresent] = 0;
    flags[kRawOdPresent] = 0;
  }
  saveTo(app, *pipe, path, flags);
}

bool saveChangedPipesBeforeExit(AppState& app) {
  bool allSaved = true;
  Redraw redraw = Redraw::kFirst;
  for (PipeFile& pipe : app.pipeString.loadedPipes()) {
    if (!pipe.unsavedChanges) continue;
    allSaved =
        writePipe(app, pipe, pipe.path, pipe.dataPresent, std::exchange(redraw, Redraw::kNo)) && allSaved;
  }
  return allSaved;
}

bool confirmDroppingPipe(AppState& app, PipeFile& pipe) {
  // The prompt takes the focus, and with it the key-ups of the keys that walked here.
  releaseHeldInput(app);
  const std::string name = std::filesystem::path(pipe.path).filename().string();
  switch (app.platform.messageBox("Do you want to save changes to " + name + "?", "Notice",
                                  MessageButtons::kYesNoCancel, MessageIcon::kWarning)) {
    case MessageResult::kYes:
      // No frame: the string is in the middle of a move.
      return writePipe(app, pipe, pipe.path, pipe.dataPresent, Redraw::kNo);
    case MessageResult::kNo:
      return true;
    default:
      return false;
  }
}

}  // namespace ductora
