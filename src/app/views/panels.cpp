#include "app/views/panels.h"

#include "app/dialogs/help_dialogs.h"
#include "app/navigation/navigator_dialog.h"
#include "app/state/input_recording.h"
#include "app/windows/pipe_window.h"
#include "app/windows/statistics_window.h"

namespace ductora {
namespace {

// What every GL window does with size, close and keys. True when the message was one of them.
bool commonProcedure(AppState& app, PanelId id, const platform::WindowEvent& event) {
  if (const auto* size = std::get_if<platform::SizeEvent>(&event)) {
    app.windows.setSize(id, size->width, size->height);
    // Some GL implementations (Mesa's software rasteriser among them) take a window's new size
    // into its buffers only at the swap after it: the first frame is drawn at the old size, the
    // second shows the new one. A resize with no input after it must still get both.
    app.resizeFramesOwed = 2;
  } else if (std::holds_alternative<platform::CloseEvent>(event)) {
    app.windows.hide(id);
  } else if (const auto* key = std::get_if<platform::KeyEvent>(&event)) {
    recordKey(app, key->code, key->down);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool currentHasWallData(const AppState& app) {
  const PipeFile* pipe = app.pipeString.current();
  return pipe != nullptr && pipe->wallMatrix.present();
}

bool currentHasOdData(const AppState& app) {
  const PipeFile* pipe = app.pipeString.current();
  return pipe != nullptr && pipe->odMatrix.present();
}

void createPanel(AppState& app, PanelId id) {
  const PlotPanel* panel = findPlotPanel(id);
  if (panel == nullptr) {
    if (id == kNavigatorPanel) {
      createNavigator(app);
    } else if (id == kStatisticsPanel) {
      createStatisticsWindow(app);
    } else if (id == kPipeDialogPanel) {
      createPipeWindow(app);
    }
    return;
  }
  if (app.windows.window(id) != nullptr) return;
  if ((id == kOdOffsetPanel || id == kStraightnessPanel) && !currentHasOdData(app)) return;
  const platform::Geometry geometry =
      plotPanelGeometry(*panel, app.platform.screen().width, app.windows.width(kMainWindowPanel));
  const bool created = app.windows.create(
      id, app.windowClassNames[panel->classIndex], geometry,
      [&app, id](const platform::WindowEvent& event) { plotPanelProcedure(app, id, event); },
      kMainWindowPanel, true);
  // A panel that could not be made stays absent; its GL state would land in another context.
  if (!created) return;
  initPanelGl(app, id);
  app.windows.setTitle(id, std::string(panel->title));
}

void showPlot(AppState& app, PanelId id, const std::string& menuTitle) {
  if (app.windows.window(id) != nullptr) {
    app.windows.setTitle(id, menuTitle);
    app.windows.show(id);
  } else {
    createPanel(app, id);
  }
  app.windows.raise(id);
}

void setPipeViewTitle(AppState& app) {
  const PipeFile* pipe = app.pipeString.current();
  const std::string path = pipe == nullptr ? std::string() : pipe->path;
  const int kq = pipe == nullptr ? 0 : pipe->header.kqNumber;
  app.windows.setTitle(kPipeViewPanel,
                       std::string(kPipeViewClass) + " - " + path + "(" + std::to_string(kq) + ")");
}

void showDocumentInTitle(AppState& app) {
  const PipeFile* pipe = app.pipeString.current();
  app.platform.showDocument(pipe == nullptr ? std::string() : pipe->path,
                            pipe != nullptr && pipe->unsavedChanges);
}

void plotPanelProcedure(AppState& app, PanelId id, const platform::WindowEvent& event) {
  if (commonProcedure(app, id, event)) return;
  const auto* button = std::get_if<platform::ButtonEvent>(&event);
  if (button == nullptr || !button->down) return;
  if (button->button == platform::MouseButton::kLeft) {
    app.windows.focus(id);
    app.windows.raise(id);
  } else {
    app.windows.focus(id);
    const PlotPanel* panel = findPlotPanel(id);
    if (panel != nullptr && panel->helpDialog != kNoHelpDialog) showHelpDialog(app, panel->helpDialog);
  }
}

void pipeViewProcedure(AppState& app, const platform::WindowEvent& event) {
  if (!commonProcedure(app, kPipeViewPanel, event)) feedPipeViewMouse(app, event);
}

}  // namespace ductora
