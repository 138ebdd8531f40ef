#include "app/save_pipe.h"

#include "app/frame.h"
#include "data/pipe_file_io.h"

namespace ductora {

bool saveCurrentPipeBeforeExit(AppState& app) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return true;
  const DataPresentFlags flags = pipe->dataPresent;
  if (app.pleaseWait) app.pleaseWait->show();
  runFrame(app, 0.0);
  const SaveResult saved =
      savePipeFile(*pipe, pipe->path, flags[kRawWallPresent] != 0, flags[kRawOdPresent] != 0);
  if (app.pleaseWait) app.pleaseWait->hide();
  app.windows.focus(kPipeViewPanel);
  if (saved.ok) app.modified.markSaved();
  if (!saved.ok) {
    app.platform.messageBox("The pipe could not be saved to " + pipe->path + ": " + saved.error, "Error",
                            platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
  }
  return saved.ok;
}

}  // namespace ductora
