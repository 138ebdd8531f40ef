#include "app/shell/main_loop.h"

#include <algorithm>
#include <optional>

#include "app/document/open_data_file.h"
#include "app/shell/frame.h"
#include "app/state/frame_decision.h"

namespace ductora {
namespace {

// An idle loop still wakes now and then, so a wake-up the window system failed to deliver
// cannot freeze the screen; at this rate it costs nothing.
constexpr double kIdleWakeMs = 1000.0;

}  // namespace

void loopIteration(AppState& app) {
  app.platform.processEvents();
  if (app.quitPosted) return;
  openRequestedFile(app);
  reportFilesReadOnTheWay(app);
  const double now = app.platform.nowMs();
  if (!frameWanted(app, app.platform.takeMessagesHandled())) {
    // Once motion has settled the whole picture is drawn once more, then the loop sleeps; a
    // minimised window draws it when it is restored.
    const std::optional<double> stillDue = app.appActive ? app.motion.stillFrameDueInMs(now) : std::nullopt;
    if (!stillDue || *stillDue > 0.0) {
      app.platform.waitForEvents(stillDue ? std::min(*stillDue, kIdleWakeMs) : kIdleWakeMs);
      app.frameClockStopped = true;
      return;
    }
  }
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
