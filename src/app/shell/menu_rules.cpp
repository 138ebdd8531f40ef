#include "app/shell/menu_rules.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "app/shell/draw_commands.h"
#include "resources/menu_table.h"

namespace ductora {
namespace {

using namespace resources;

constexpr std::array kWithoutFile = {kCmdOpenPipe,     kCmdOpenString, kCmdImportStraightness,
                                     kCmdExportHalden, kCmdExit,       kCmdControls,
                                     kCmdAbout};

void enable(platform::Menu& menu, std::initializer_list<MenuCommand> items) {
  for (const MenuCommand id : items) menu.setEnabled(id, true);
}

}  // namespace

void disableFileMenuItems(platform::Menu& menu) {
  for (const MenuEntry& entry : MainMenu()) {
    if (entry.kind != MenuEntryKind::kItem) continue;
    if (std::find(kWithoutFile.begin(), kWithoutFile.end(), entry.id) == kWithoutFile.end()) {
      menu.setEnabled(entry.id, false);
    }
  }
}

void enableMenuForData(platform::Menu& menu, const PipeFile* pipe) {
  const bool wall = pipe != nullptr && pipe->wallMatrix.present();
  const bool od = pipe != nullptr && pipe->odMatrix.present();
  if (wall) {
    enable(menu, {kCmdPlotWallThickness, kCmdPlotCsa, kCmdPlotLengthAtY, kCmdPlotEccentricity,
                  kCmdPlot64PointAve, kCmdPlotLowWall, kCmdGrayScale, kCmdWallMatrix, kCmdDraw3DWall,
                  kCmdDraw2DWall, kCmdDraw2DWallOverlayLeft, kCmdDraw2DWallOverlayTop, kCmdIndications,
                  kCmdChannels, kCmdMarkersNoReading});
  }
  if (od) {
    enable(menu, {kCmdDrawSlice, kCmdPlotOdOffset, kCmdPlotOvality, kCmdDraw3DOd, kCmdDraw2DOd, kCmdOdMatrix,
                  kCmdDraw2DOdOverlayLeft, kCmdDraw2DOdOverlayTop});
  }
  if (wall && od) {
    enable(menu, {kCmdDraw2DWall2DOd, kCmdDraw2DWall2DId, kCmdDraw2DOd2DId, kCmdDraw3DId, kCmdDraw2DId,
                  kCmdPlotCollapse, kCmdPlotBurst, kCmdPlotPipeId});
  }
  enable(menu, {kCmdNavigator, kCmdInfo, kCmdPipe, kCmdStatistics, kCmdAppend, kCmdOverlay, kCmdSave,
                kCmdSaveAs, kCmdExportLengthAtY, kCmdExportRevAtX, kCmdExportReport, kCmdGoto, kCmdData});
  if (pipe != nullptr && pipe->straightness.present()) {
    enable(menu, {kCmdPlotStraightness, kCmdMarkersStraight3D, kCmdExtendFront, kCmdExtendBack, kCmdClipBack,
                  kCmdClipFront});
  }
}

void checkMenuItems(platform::Menu& menu, ViewMode mode, bool straight3D) {
  for (const DrawCommand& draw : kDrawCommands) menu.setChecked(draw.command, mode == draw.viewMode);
  menu.setChecked(kCmdMarkersStraight3D, straight3D);
}

}  // namespace ductora
