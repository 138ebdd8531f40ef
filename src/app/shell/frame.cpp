#include "app/shell/frame.h"

#include "app/navigation/navigation_update.h"
#include "app/navigation/navigator_dialog.h"
#include "app/views/panels.h"
#include "app/windows/data_display_dialog.h"
#include "app/windows/pipe_window.h"
#include "app/windows/statistics_window.h"

namespace ductora {

void followRequests(AppState& app) {
  ShellRequests& requests = app.requests;
  if (requests.followPipe) {
    setPipeViewTitle(app);
    initPipeDialogSliders(app);
    initStatisticsSliders(app);
    initNavigator(app);
  } else if (requests.pipeWindowSliders) {
    initPipeDialogSliders(app);
  }
  requests.followPipe = false;
  requests.pipeWindowSliders = false;
}

namespace {

// Data Display cursor, Statistics and Pipe readouts.
void refreshDialogReadouts(AppState& app) {
  refreshDataDisplay(app);
  FillStatistics(app);
  refreshPipeWindowReadouts(app);
}

}  // namespace

void runFrame(AppState& app, double elapsedSeconds) {
  if (app.documentState == DocumentState::kOpen) {
    // Before the navigation too: it reads the Navigator, which must show the current pipe first.
    followRequests(app);
    navigationUpdate(app, elapsedSeconds);
    followRequests(app);
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

}  // namespace ductora
