#include "app/frame.h"

#include "app/navigation_update.h"
#include "app/navigator_dialog.h"
#include "app/panels.h"
#include "app/pending_hooks.h"

namespace ductora {

void runFrame(AppState& app, double elapsedSeconds) {
  if (app.documentState == DocumentState::kOpen) {
    navigationUpdate(app, elapsedSeconds);
    for (const PanelId id : kFrameOrder) {
      if (app.windows.isShown(id)) drawPanel(app, id);
    }
    refreshNavigator(app);
    refreshDialogReadouts(app);
  }
  // Work done between frames, such as textures made by dialogs, belongs to the pipe view.
  if (app.windows.isShown(kPipeViewPanel)) app.windows.makeCurrent(kPipeViewPanel);
}

void loopIteration(AppState& app) {
  app.platform.processEvents();
  if (app.quitPosted || !app.appActive) return;
  const double now = app.platform.nowMs();
  app.elapsedSeconds = (now - app.lastTickMs) / 1000.0;
  app.lastTickMs = app.platform.nowMs();
  runFrame(app, app.elapsedSeconds);
}

int runMainLoop(AppState& app) {
  while (!app.quitPosted) loopIteration(app);
  return 0;
}

}  // namespace ductora
