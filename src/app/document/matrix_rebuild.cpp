#include "app/document/matrix_rebuild.h"

#include "app/shell/frame.h"
#include "app/views/pipe_view_draw.h"
#include "app/windows/pipe_window.h"

namespace ductora {

void focusPipeView(AppState& app) {
  app.windows.focus(kPipeViewPanel);
  app.windows.lower(kPipeViewPanel);
}

void beginRebuild(AppState& app) {
  if (app.pleaseWait) app.pleaseWait->show();
  runFrame(app, 0.0);
}

void endRebuild(AppState& app) {
  if (app.pleaseWait) app.pleaseWait->hide();
  app.windows.focus(kMainWindowPanel);
}

void refuseRebuild(AppState& app, const std::string& why) {
  app.platform.messageBox(why + "\nThe pipe was not changed.", "Error", platform::MessageButtons::kOk,
                          platform::MessageIcon::kWarning);
}

void rebuildWallMaps(AppState& app, PipeFile& pipe) {
  rebuildMapTexture(app, pipe, render::MapKind::kWall);
  if (pipe.idMatrix.present()) rebuildMapTexture(app, pipe, render::MapKind::kId);
  // The rebuilt matrix may be longer or shorter than the one the sliders were set for.
  initPipeDialogSliders(app);
}

}  // namespace ductora
