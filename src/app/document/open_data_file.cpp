#include "app/document/open_data_file.h"

#include <algorithm>
#include <utility>

#include "app/document/file_dialogs.h"
#include "app/document/pipe_writing.h"
#include "app/navigation/navigation.h"
#include "app/shell/menu_rules.h"
#include "app/state/input_recording.h"
#include "app/views/panels.h"

namespace ductora {
namespace {

void createPipeView(AppState& app) {
  const platform::Geometry geometry = pipeViewGeometry(
      app.windows.width(kMainWindowPanel), app.windows.height(kMainWindowPanel), app.platform.screen().edge);
  app.windows.create(
      kPipeViewPanel, app.windowClassNames[kPipeViewClassIndex], geometry,
      [&app](const platform::WindowEvent& event) { pipeViewProcedure(app, event); }, kMainWindowPanel, true,
      true);
}

ViewMode chooseViewMode(const AppState& app) {
  if (currentHasWallData(app) && currentHasOdData(app)) return ViewMode::k2DWall2DOd;
  if (currentHasWallData(app)) return ViewMode::k2DWall;
  return ViewMode::k2DOd;
}

std::string listed(const std::vector<FileProblem>& files) {
  std::string text;
  for (const FileProblem& file : files) text += file.name + ": " + file.reason + "\n";
  return text;
}

// The string keeps a file it could not read as an empty pipe and shows a damaged one as far as it
// was read; the user is told which ones and why, and what else the open has to say.
void reportUnreadFiles(AppState& app, const std::string& refusal = {},
                       const std::vector<std::string>& warnings = {}) {
  const std::string unread = refusal + listed(app.pipeString.takeUnreadFiles());
  std::string text = unread.empty() ? std::string() : "These files could not be read:\n" + unread;
  const std::string damaged = listed(app.pipeString.takeDamagedFiles());
  if (!damaged.empty()) text += "These files are damaged; what could be read is shown:\n" + damaged;
  for (const std::string& warning : warnings) text += warning + "\n";
  if (text.empty()) return;
  // The box takes the focus, and with it the key-ups of keys that walked onto the files.
  releaseHeldInput(app);
  app.platform.messageBox(text, "Warning", platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
}

}  // namespace

void openDataFile(AppState& app, const std::string& path, bool append) {
  if (path.empty()) return;
  // A replacing open drops every loaded pipe; edited ones are offered for saving first.
  if (!append && !app.pipeString.mayDropLoaded(askBeforeDropping(app))) return;
  app.dialogs.destroyOpenDialogs();
  if (app.windows.window(kPipeViewPanel) != nullptr) {
    app.windows.makeCurrent(kPipeViewPanel);
    if (!append) {
      app.pipeString.clear();
      app.pipeString.reset();
      app.view.ResetCamera();
      disableFileMenuItems(app.platform.menu());
    }
  } else {
    createPipeView(app);
  }
  if (app.windows.window(kPipeViewPanel) != nullptr) {
    initPanelGl(app, kPipeViewPanel);
    app.windows.focus(kPipeViewPanel);
    app.windows.makeCurrent(kPipeViewPanel);
  }

  app.dialogs.show(Modeless::kPleaseWait);
  // Files found unreadable or damaged while walking the string were shown then (the main loop
  // reports them); only this open's are reported.
  app.pipeString.takeUnreadFiles();
  app.pipeString.takeDamagedFiles();
  const StringOpenResult opened = app.pipeString.open(path);
  if (opened.reset) app.view.ResetCamera();
  app.dialogs.hide(Modeless::kPleaseWait);

  if (currentHasWallData(app)) createPanel(app, kWallThicknessPanel);
  if (currentHasOdData(app)) createPanel(app, kOdOffsetPanel);
  createPanel(app, kNavigatorPanel);
  createPanel(app, kStatisticsPanel);
  createPanel(app, kPipeDialogPanel);
  createFileDialogs(app);
  app.windows.lower(kPipeViewPanel);
  app.requests.followPipe = true;

  app.documentState = DocumentState::kOpen;
  app.sliceEnabled = true;
  if (app.viewMode == ViewMode::kNone) app.viewMode = chooseViewMode(app);
  setZoom(app.view, halfDefaultDistance(app.pipeString, app.viewMode));
  setX(app.pipeString, app.pipeString.currentLength() / 2.0F);
  enableMenuForData(app.platform.menu(), app.pipeString.current());
  showDocumentInTitle(app);
  if (opened.ok && std::ranges::none_of(app.pipeString.unreadFiles(),
                                        [&path](const FileProblem& file) { return file.name == path; }))
    app.platform.addRecentFile(path);
  app.frameRequested = true;
  // The tool windows just shown leave the keys with the main window: its menus and the arrows.
  app.windows.focus(kPipeViewPanel);
  reportUnreadFiles(app, opened.ok ? std::string() : path + ": " + opened.error + "\n", opened.warnings);
}

void reportFilesReadOnTheWay(AppState& app) { reportUnreadFiles(app); }

void openRequestedFile(AppState& app) {
  if (app.requests.openPath.empty()) return;
  openDataFile(app, std::exchange(app.requests.openPath, {}), false);
}

}  // namespace ductora
