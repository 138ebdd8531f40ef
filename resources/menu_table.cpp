#include "menu_table.h"

#include <array>

namespace ductora::resources {
namespace {

using K = MenuEntryKind;

constexpr MenuEntry Popup(int depth, std::string_view text, bool right = false) {
  return {K::kPopup, depth, 0, text, right};
}
constexpr MenuEntry Item(int depth, int id, std::string_view text) { return {K::kItem, depth, id, text}; }
constexpr MenuEntry Separator(int depth) { return {K::kSeparator, depth, 0, {}}; }

constexpr auto kMainMenu = std::to_array<MenuEntry>({
    Popup(0, "&File"),
    Popup(1, "&Open"),
    Item(2, kCmdOpenPipe, "&Pipe"),
    Item(2, kCmdOpenString, "&String"),
    Item(1, kCmdAppend, "Append"),
    Item(1, kCmdOverlay, "O&verlay"),
    Separator(1),
    Item(1, kCmdSave, "Save"),
    Item(1, kCmdSaveAs, "Save As"),
    Separator(1),
    Popup(1, "Import"),
    Item(2, kCmdImportStraightness, "Straightness"),
    Popup(1, "Export"),
    Item(2, kCmdExportLengthAtY, "Length At Y"),
    Item(2, kCmdExportRevAtX, "Rev At X"),
    Item(2, kCmdExportHalden, "Halden"),
    Item(2, kCmdExportReport, "Report"),
    Separator(1),
    Item(1, kCmdExit, "E&xit"),

    Popup(0, "&Edit"),
    Item(1, kCmdGoto, "Goto"),
    Item(1, kCmdData, "Data"),

    Popup(0, "&View"),
    Popup(1, "Draw"),
    Item(2, kCmdDraw2DWall2DOd, "2D Wall, 2D OD"),
    Item(2, kCmdDraw2DWall2DId, "2D Wall , 2D ID"),
    Item(2, kCmdDraw2DOd2DId, "2D OD, 2D ID"),
    Separator(2),
    Item(2, kCmdDraw3DWall, "3D Wall"),
    Item(2, kCmdDraw2DWall, "2D Wall"),
    Item(2, kCmdDraw2DWallOverlayLeft, "2D Wall Overlay - Left"),
    Item(2, kCmdDraw2DWallOverlayTop, "2D Wall Overlay - Top"),
    Separator(2),
    Item(2, kCmdDraw3DOd, "3D OD"),
    Item(2, kCmdDraw2DOd, "2D OD"),
    Item(2, kCmdDraw2DOdOverlayLeft, "2D OD Overlay - Left"),
    Item(2, kCmdDraw2DOdOverlayTop, "2D OD Overlay - Top"),
    Separator(2),
    Item(2, kCmdDrawSlice, "Slice"),
    Separator(2),
    Item(2, kCmdDraw3DId, "3D ID"),
    Item(2, kCmdDraw2DId, "2D ID"),
    Popup(1, "Plot"),
    Item(2, kCmdPlotWallThickness, "Wall Thickness"),
    Item(2, kCmdPlotCsa, "CSA"),
    Item(2, kCmdPlotLengthAtY, "Length At Y"),
    Item(2, kCmdPlotEccentricity, "Eccentricity"),
    Item(2, kCmdPlot64PointAve, "64 Point Ave."),
    Item(2, kCmdPlotLowWall, "Low Wall"),
    Separator(2),
    Item(2, kCmdPlotOdOffset, "OD Offset"),
    Item(2, kCmdPlotOvality, "Ovality"),
    Item(2, kCmdPlotStraightness, "Straightness"),
    Separator(2),
    Item(2, kCmdPlotPipeId, "Pipe ID "),
    Separator(2),
    Item(2, kCmdPlotCollapse, "Collapse"),
    Item(2, kCmdPlotBurst, "Burst"),
    Separator(1),
    Popup(1, "Markers"),
    Item(2, kCmdMarkersStraight3D, "Straight 3D"),
    Item(2, kCmdMarkersNoReading, "No Reading"),
    Separator(1),
    Item(1, kCmdNavigator, "Navigator"),
    Item(1, kCmdPipe, "Pipe"),
    Item(1, kCmdStatistics, "Statistics"),
    Separator(1),
    Item(1, kCmdChannels, "Channels"),
    Item(1, kCmdInfo, "Info"),
    Item(1, kCmdIndications, "Indications"),

    Popup(0, "&Modify"),
    Item(1, kCmdWallMatrix, "Wall Matrix"),
    Item(1, kCmdOdMatrix, "OD Matrix"),
    Separator(1),
    Item(1, kCmdGrayScale, "Gray Scale"),
    Separator(1),
    Item(1, kCmdExtendFront, "Extend Front"),
    Item(1, kCmdClipBack, "Clip Back"),
    Item(1, kCmdClipFront, "Clip Front"),
    Item(1, kCmdExtendBack, "Extend Back"),

    Popup(0, "&Help", true),
    Item(1, kCmdControls, "Controls"),
    Separator(1),
    Item(1, kCmdAbout, "&About"),
});

}  // namespace

std::span<const MenuEntry> MainMenu() { return kMainMenu; }

}  // namespace ductora::resources
