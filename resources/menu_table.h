#pragma once

#include <span>
#include <string_view>

namespace ductora::resources {

constexpr int kMainMenuId = 101;

// Command ids of the main menu.
enum MenuCommand : int {
  kCmdOpenPipe = 40003,
  kCmdOpenString = 40004,
  kCmdAppend = 40018,
  kCmdOverlay = 40021,
  kCmdSave = 40035,
  kCmdSaveAs = 40029,
  kCmdImportStraightness = 40078,
  kCmdExportLengthAtY = 40040,
  kCmdExportRevAtX = 40042,
  kCmdExportHalden = 40077,
  kCmdExportReport = 40097,
  kCmdExit = 40002,
  kCmdGoto = 40066,
  kCmdData = 40087,
  kCmdDraw2DWall2DOd = 40062,
  kCmdDraw2DWall2DId = 40089,
  kCmdDraw2DOd2DId = 40090,
  kCmdDraw3DWall = 40011,
  kCmdDraw2DWall = 40012,
  kCmdDraw2DWallOverlayLeft = 40072,
  kCmdDraw2DWallOverlayTop = 40073,
  kCmdDraw3DOd = 40061,
  kCmdDraw2DOd = 40057,
  kCmdDraw2DOdOverlayLeft = 40074,
  kCmdDraw2DOdOverlayTop = 40075,
  kCmdDrawSlice = 40033,
  kCmdDraw3DId = 40091,
  kCmdDraw2DId = 40092,
  kCmdPlotWallThickness = 40013,
  kCmdPlotCsa = 40016,
  kCmdPlotLengthAtY = 40038,
  kCmdPlotEccentricity = 40041,
  kCmdPlot64PointAve = 40084,
  kCmdPlotLowWall = 40086,
  kCmdPlotOdOffset = 40054,
  kCmdPlotOvality = 40058,
  kCmdPlotStraightness = 40076,
  kCmdPlotPipeId = 40085,
  kCmdPlotCollapse = 150,
  kCmdPlotBurst = 40096,
  kCmdMarkersStraight3D = 40083,
  kCmdNavigator = 40014,
  kCmdPipe = 164,
  kCmdStatistics = 161,
  kCmdChannels = 40093,
  kCmdInfo = 40019,
  kCmdIndications = 40095,
  kCmdWallMatrix = 40027,
  kCmdOdMatrix = 40056,
  kCmdGrayScale = 40043,
  kCmdExtendFront = 40079,
  kCmdExtendBack = 40082,
  kCmdClipBack = 154,
  kCmdClipFront = 40081,
  kCmdControls = 40037,
  kCmdAbout = 40015,
  // Ours, beside the menu's own commands.
  kCmdMarkersNoReading = 40201,
};

enum class MenuEntryKind { kPopup, kItem, kSeparator };

// One line of the menu resource, in order. A popup's entries follow it at depth + 1.
struct MenuEntry {
  MenuEntryKind kind;
  int depth;
  int id;  // 0 for popups and separators
  std::string_view text;
  bool rightAligned = false;
};

std::span<const MenuEntry> MainMenu();

}  // namespace ductora::resources
