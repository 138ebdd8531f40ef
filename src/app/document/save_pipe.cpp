#include "app/document/save_pipe.h"

#include <filesystem>
#include <utility>

#include "app/document/file_choice.h"
#include "app/document/pipe_writing.h"
#include "app/shell/frame.h"
#include "app/views/panels.h"

namespace ductora {
namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

// A frame first brings the screen up to date while the disk works.
bool redrawAndWrite(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags) {
  app.dialogs.show(Modeless::kPleaseWait);
  runFrame(app, 0.0);
  return writePipe(app, pipe, path, flags);
}

void saveTo(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags) {
  redrawAndWrite(app, pipe, path, flags);
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
  bool first = true;
  for (PipeFile& pipe : app.pipeString.loadedPipes()) {
    if (!pipe.unsavedChanges) continue;
    const bool saved = std::exchange(first, false) ? redrawAndWrite(app, pipe, pipe.path, pipe.dataPresent)
                                                   : writePipe(app, pipe, pipe.path, pipe.dataPresent);
    allSaved = saved && allSaved;
  }
  return allSaved;
}

}  // namespace ductora
