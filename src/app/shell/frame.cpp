#include "app/shell/frame.h"

#include "app/document/file_dialogs.h"
#include "app/navigation/navigation_update.h"
#include "app/navigation/navigator_dialog.h"
#include "app/state/frame_decision.h"
#include "app/views/panels.h"

namespace ductora {
namespace {

// An idle loop still wakes now and then, so a wake-up the window system failed to deliver
// cannot freeze the screen; at this rate it costs nothing.
constexpr double kIdleWakeMs = 1000.0;

}  // namespace

void runFrame(AppState& app, double elapsedSeconds) {
  if (app.documentState == DocumentState::kOpen) {
    navigationUpdate(app, elapsedSeconds);
    for (const PanelId id : kFrameOrder) {
      if (app.windows.isShown(id)) drawPanel(app, id);
    }
    showDocumentInTitle(app);
    refreshNavigator(app);
    refreshDialogReadouts(app);
  }
  // Work done between frames, such as textures made by dialogs, belongs to the pipe view.
  if (app.windows.isShown(kPipeViewPanel)) app.windows.makeCurrent(kPipeViewPanel);
}

void showDocumentInTitle(AppState& app) {
  const PipeFile* pipe = app.pipeString.current();
  app.platform.showDocument(pipe == nullptr ? std::string() : pipe->path,
                            pipe != nullptr && pipe->unsavedChanges);
}

void loopIteration(AppState& app) {
  app.platform.processEvents();
  if (app.quitPosted) return;
  if (!frameWanted(app, app.platform.takeMessagesHandled())) {
    app.platform.waitForEvents(kIdleWakeMs);
    app.frameClockStopped = true;
    return;
  }
  const double now = app.platform.nowMs();
  app.elapsedSeconds = frameStepSeconds(app, now);
  app.lastTickMs = now;
  app.frameClockStopped = false;
  app.frameRequested = false;
  runFrame(app, app.elapsedSeconds);
  ++app.framesRun;
  if (app.resizeFramesOwed > 0) --app.resizeFramesOwed;
  app.platform.waitForNextFrame();
}

int runMainLoop(AppState& app) {
  while (!app.quitPosted) loopIteration(app);
  return 0;
}

}  // namespace ductora
