#include "app/shell/commands.h"

#include <array>

#include "app/dialogs/draw_channels_dialog.h"
#include "app/dialogs/gray_scale_dialog.h"
#include "app/dialogs/indication_dialog.h"
#include "app/dialogs/info_dialog.h"
#include "app/dialogs/od_matrix_dialog.h"
#include "app/dialogs/wall_matrix_dialog.h"
#include "app/document/file_choice.h"
#include "app/document/file_commands.h"
#include "app/document/od_length_commands.h"
#include "app/document/open_data_file.h"
#include "app/document/report_export.h"
#include "app/document/save_pipe.h"
#include "app/navigation/goto_dialog.h"
#include "app/navigation/navigation.h"
#include "app/shell/draw_commands.h"
#include "app/state/input_recording.h"
#include "app/views/panels.h"
#include "app/windows/data_display_dialog.h"
#include "app/windows/pipe_window.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"

namespace ductora {
namespace {

using namespace resources;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;

struct PlotCommand {
  int command;
  PanelId panel;
  const char* menuTitle;
};

constexpr std::array<PlotCommand, 11> kPlotCommands = {{
    {kCmdDrawSlice, kSlicePanel, "Slice"},
    {kCmdPlotWallThickness, kWallThicknessPanel, "Wall Thickness"},
    {kCmdPlotCsa, kCsaPanel, "CSA"},
    {kCmdPlotLengthAtY, kLengthAtYPanel, "Wall Thickness Down Length at Y"},
    {kCmdPlotEccentricity, kEccentricityPanel, "Eccentricity"},
    {kCmdPlot64PointAve, kAverage64Panel, "64 Point Ave."},
    {kCmdPlotLowWall, kLowWallPanel, "Low Wall"},
    {kCmdPlotOdOffset, kOdOffsetPanel, "OD Offset"},
    {kCmdPlotOvality, kOvalityPanel, "Ovality"},
    {kCmdPlotStraightness, kStraightnessPanel, "Straightness"},
    {kCmdPlotPipeId, kPipeIdPanel, "Pipe ID"},
}};

void chooseView(AppState& app, const DrawCommand& draw) {
  app.windows.show(kPipeViewPanel);
  app.viewMode = draw.viewMode;
  if (is3DViewMode(draw.viewMode)) initPanelGl(app, kPipeViewPanel);
  switch (draw.zoom) {
    case DrawZoom::k3D:
      setZoom(app.view, defaultDistance3D(app.pipeString));
      break;
    case DrawZoom::k2D:
      setZoom(app.view, defaultDistance2D(app.pipeString));
      break;
    case DrawZoom::kHalf2D:
      setZoom(app.view, defaultDistance2D(app.pipeString) / 2.0F);
      break;
  }
}

// About and Controls only close: by OK, the close box or Escape.
void runMessageDialog(AppState& app, int resourceId) {
  app.platform.runModalDialog(resourceId, [](platform::Dialog& dialog, const platform::DialogEvent& event) {
    if (event.kind == platform::DialogEvent::Kind::kClose ||
        (event.kind == platform::DialogEvent::Kind::kCommand &&
         (event.id == kIdOk || event.id == kIdCancel))) {
      dialog.end(kIdOk);
    }
  });
}

}  // namespace

void mainWindowProcedure(AppState& app, const platform::WindowEvent& event) {
  if (const auto* size = std::get_if<platform::SizeEvent>(&event)) {
    app.windows.setSize(kMainWindowPanel, size->width, size->height);
  } else if (std::holds_alternative<platform::CloseEvent>(event)) {
    exitSequence(app);
  } else if (const auto* activate = std::get_if<platform::ActivateEvent>(&event)) {
    app.appActive = !activate->minimised;
  } else if (std::holds_alternative<platform::FocusLostEvent>(event)) {
    releaseHeldInput(app);
  } else if (const auto* key = std::get_if<platform::KeyEvent>(&event)) {
    recordKey(app, key->code, key->down);
  } else if (const auto* file = std::get_if<platform::OpenFileEvent>(&event)) {
    openDataFile(app, file->path, file->append);
  } else if (const auto* command = std::get_if<platform::CommandEvent>(&event)) {
    runCommand(app, command->id);
  }
}

void runCommand(AppState& app, int commandId) {
  for (const DrawCommand& draw : kDrawCommands) {
    if (draw.command == commandId) return chooseView(app, draw);
  }
  for (const PlotCommand& plot : kPlotCommands) {
    if (plot.command == commandId) return showPlot(app, plot.panel, plot.menuTitle);
  }
  switch (commandId) {
    case kCmdOpenPipe:
      openDataFile(app, askForFile(app, kPipeFilter), false);
      break;
    case kCmdOpenString:
      openDataFile(app, askForFile(app, kStringFilter), false);
      break;
    case kCmdAppend:
      openDataFile(app, askForFile(app, kPipeFilter), true);
      break;
    case kCmdOverlay:
      loadOverlayPipe(app);
      break;
    case kCmdSave:
      saveCurrentPipe(app);
      break;
    case kCmdSaveAs:
      saveCurrentPipeAs(app);
      break;
    case kCmdImportStraightness:
      importStraightness(app);
      break;
    case kCmdExportLengthAtY:
      exportText(app, TextExportKind::kLengthAtY);
      break;
    case kCmdExportRevAtX:
      exportText(app, TextExportKind::kRevAtX);
      break;
    case kCmdExportHalden:
      exportText(app, TextExportKind::kHalden);
      break;
    case kCmdExportReport:
      exportReport(app);
      break;
    case kCmdExit:
      exitSequence(app);
      break;
    case kCmdMarkersStraight3D:
      app.view.straight = !app.view.straight;
      break;
    case kCmdMarkersNoReading:
      app.view.noReading = !app.view.noReading;
      app.platform.menu().setChecked(kCmdMarkersNoReading, app.view.noReading);
      break;
    case kCmdControls:
      runMessageDialog(app, kDialogControls);
      break;
    case kCmdAbout:
      runMessageDialog(app, kDialogAbout);
      break;
    case kCmdGrayScale:
      runGrayScaleDialog(app);
      break;
    case kCmdExtendFront:
      editOdLength(app, OdLengthEdit::kExtendFront);
      break;
    case kCmdExtendBack:
      editOdLength(app, OdLengthEdit::kExtendBack);
      break;
    case kCmdClipFront:
      editOdLength(app, OdLengthEdit::kClipFront);
      break;
    case kCmdClipBack:
      editOdLength(app, OdLengthEdit::kClipBack);
      break;
    case kCmdWallMatrix:
      runWallMatrixDialog(app);
      break;
    case kCmdOdMatrix:
      runOdMatrixDialog(app);
      break;
    case kCmdChannels:
      showDrawChannelsDialog(app);
      break;
    case kCmdGoto:
      showGotoDialog(app);
      break;
    case kCmdData:
      showDataDisplayDialog(app);
      break;
    case kCmdInfo:
      runInfoDialog(app);
      break;
    case kCmdIndications:
      showIndications(app);
      break;
    case kCmdNavigator:
      app.dialogs.show(Modeless::kNavigator);
      break;
    case kCmdPipe:
      app.dialogs.show(Modeless::kPipeWindow);
      FillPipeWindow(app);
      break;
    case kCmdStatistics:
      app.dialogs.show(Modeless::kStatistics);
      break;
    case kCmdPlotCollapse:
      app.dialogs.show(Modeless::kCollapse);
      break;
    case kCmdPlotBurst:
      app.dialogs.show(Modeless::kBurst);
      break;
    default:
      break;
  }
}

bool exitSequence(AppState& app) {
  if (!app.pipeString.hasUnsavedChanges()) {
    if (app.platform.messageBox("Are you sure want to quit?", "Notice", MessageButtons::kYesNo,
                                MessageIcon::kWarning) != MessageResult::kYes) {
      return false;
    }
  } else {
    const MessageResult answer =
        app.platform.messageBox("Do you want to save changes before exiting?", "Notice",
                                MessageButtons::kYesNoCancel, MessageIcon::kWarning);
    if (answer == MessageResult::kCancel) return false;
    if (answer == MessageResult::kYes && !saveChangedPipesBeforeExit(app)) return false;
  }
  app.quitPosted = true;
  return true;
}

}  // namespace ductora
