#include "app/document/save_pipe.h"

#include <optional>
#include <utility>

#include "app/document/file_choice.h"
#include "app/document/pipe_writing.h"
#include "app/shell/frame.h"
#include "app/views/panels.h"

namespace ductora {
namespace {

// A frame first brings the screen up to date while the disk works.
void saveTo(AppState& app, PipeFile& pipe, const std::string& path, const DataPresentFlags& flags) {
  app.dialogs.show(Modeless::kPleaseWait);
  runFrame(app, 0.0);
  writePipe(app, pipe, path, flags);
  // The title names the file the pipe now belongs to, or the old one after a failure.
  setPipeViewTitle(app);
}

}  // namespace

void saveCurrentPipe(AppState& app) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  // A pipe whose file could not be read has none to save over.
  if (pipe->path.empty()) {
    saveCurrentPipeAs(app);
    return;
  }
  saveTo(app, *pipe, withFilterExtension(pipe->path, kPipeFilter), pipe->dataPresent);
}

void saveCurrentPipeAs(AppState& app) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  const std::optional<SaveTarget> target = askWhereToSave(app, *pipe);
  if (!target) return;
  saveTo(app, *pipe, target->path, target->flags);
}

bool saveChangedPipesBeforeExit(AppState& app) {
  bool allSaved = true;
  bool first = true;
  for (PipeFile& pipe : app.pipeString.loadedPipes()) {
    if (!pipe.unsavedChanges) continue;
    const std::optional<SaveTarget> target = ownSaveTarget(app, pipe);
    if (!target) {
      allSaved = false;
      continue;
    }
    if (std::exchange(first, false)) {
      app.dialogs.show(Modeless::kPleaseWait);
      runFrame(app, 0.0);
    }
    allSaved = writePipe(app, pipe, target->path, target->flags) && allSaved;
  }
  return allSaved;
}

}  // namespace ductora
