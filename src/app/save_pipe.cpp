#include "app/save_pipe.h"

#include "app/file_choice.h"
#include "app/frame.h"
#include "app/panels.h"
#include "data/pipe_file_io.h"

namespace ductora {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

// Behind the please-wait window, after one frame so the screen is up to date while the disk works.
bool writePipe(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags) {
  if (app.pleaseWait) app.pleaseWait->show();
  runFrame(app, 0.0);
  const SaveResult saved = savePipeFile(pipe, path, flags[kRawWallPresent] != 0, flags[kRawOdPresent] != 0);
  if (app.pleaseWait) app.pleaseWait->hide();
  app.windows.focus(kPipeViewPanel);
  // Focus may raise the view on some platforms; the plot panels stay above it.
  app.windows.lower(kPipeViewPanel);
  if (!saved.ok) {
    reportFileError(app, "The pipe could not be saved to " + path + ": " + saved.error);
    return false;
  }
  app.modified.markSaved();
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

bool saveCurrentPipeBeforeExit(AppState& app) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return true;
  return writePipe(app, *pipe, pipe->path, pipe->dataPresent);
}

}  // namespace ductora
