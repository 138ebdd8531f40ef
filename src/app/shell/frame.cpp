#include "app/shell/frame.h"

#include <cmath>

#include "app/navigation/navigation_update.h"
#include "app/navigation/navigator_dialog.h"
#include "app/shell/menu_rules.h"
#include "app/state/frame_decision.h"
#include "app/views/panels.h"
#include "app/windows/data_display_dialog.h"
#include "app/windows/pipe_window.h"
#include "app/windows/statistics_window.h"

namespace ductora {

namespace {

FollowedPipe followedNow(const PipeString& string) {
  const PipeFile* pipe = string.current();
  if (pipe == nullptr) return {};
  return {pipe->id, pipe->revision, string.currentLength()};
}

// A length read from a broken file may be no number, and is then no change either.
bool sameLength(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Data Display cursor, Statistics and Pipe readouts.
void refreshDialogReadouts(AppState& app) {
  refreshDataDisplay(app);
  FillStatistics(app);
  refreshPipeWindowReadouts(app);
}

}  // namespace

void followRequests(AppState& app) {
  ShellRequests& requests = app.requests;
  const FollowedPipe now = followedNow(app.pipeString);
  const FollowedPipe& shown = app.followed;
  if (requests.followPipe) {
    setPipeViewTitle(app);
    initPipeDialogSliders(app);
    initStatisticsSliders(app);
    initNavigator(app);
  } else if (now.id != shown.id || !sameLength(now.length, shown.length)) {
    // The sliders reach to the end of a longer or shorter pipe.
    initPipeDialogSliders(app);
  } else if (now.revision != shown.revision) {
    // An edit, a rebuild or new nominal values: the Pipe window's values are made again.
    FillPipeWindow(app);
  }
  requests.followPipe = false;
  app.followed = now;
}

void runFrame(AppState& app, double elapsedSeconds) {
  if (app.documentState == DocumentState::kOpen) {
    // Before the navigation too: it reads the Navigator, which must show the current pipe first.
    followRequests(app);
    navigationUpdate(app, elapsedSeconds);
    followRequests(app);
    app.frameDetail = app.motion.frameDetail(viewPlace(app), app.platform.nowMs(), inputHeld(app));
    for (const PanelId id : kFrameOrder) {
      if (app.windows.isShown(id)) drawPanel(app, id);
    }
    showDocumentInTitle(app);
    checkMenuItems(app.platform.menu(), app.viewMode, app.view.straight);
    refreshNavigator(app);
    refreshDialogReadouts(app);
  }
  // Work done between frames, such as textures made by dialogs, belongs to the pipe view.
  if (app.windows.isShown(kPipeViewPanel)) app.windows.makeCurrent(kPipeViewPanel);
}

}  // namespace ductora
