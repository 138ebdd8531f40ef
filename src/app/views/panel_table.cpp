#include "app/views/panel_table.h"

#include <cmath>

#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;

constexpr auto kPlotPanels = std::to_array<PlotPanel>({
    {kWallThicknessPanel, 2, "Wall Thickness", "Wall Thickness", 0.25, 10, 20, kHelpWallThickness, false,
     true},
    {kCsaPanel, 3, "CSA", "CSA", 0.5, 25, 20, kHelpCsa, false, false},
    {kLengthAtYPanel, 5, "Length At Y", "Wall Thickness Down Length at Y", 0.5, 24, 60, kHelpLengthAtY, false,
     true},
    {kEccentricityPanel, 4, "Eccentricity", "Eccentricity", 0.25, 9, 60, kHelpEccentricity, false, true},
    {kOdOffsetPanel, 11, "OD Offset", "OD Offset", 0.25, 10, 200, kHelpOdOffset, false, true},
    {kStraightnessPanel, 7, "Straightness", "Straightness", 0.75, 39, 100, kNoHelpDialog, false, true},
    {kOvalityPanel, 6, "Ovality", "Ovality", 0.75, 40, 20, kHelpOvality, true, false},
    {kAverage64Panel, 9, "64 Point Average", "64 Point Ave.", 0.5, 25, 100, kHelp64PointAverage, false,
     false},
    {kLowWallPanel, 10, "Low Wall", "Low Wall", 0.25, 10, 100, kHelpLowWall, false, false},
    {kSlicePanel, 8, "Slice", "Slice", 0.75, 40, 20, kNoHelpDialog, true, false},
    {kCollapsePanel, 12, "Collapse", "Collapse", 0.5, 25, 100, kNoHelpDialog, false, false},
    {kPipeIdPanel, 13, "Pipe ID", "Pipe ID", 0.5, 25, 100, kHelpPipeId, false, false},
    {kBurstPanel, kBurstClassIndex, "Burst", "Burst", 0.5, 25, 100, kNoHelpDialog, false, false},
});

constexpr double kLayoutWidth = 1280.0;

int truncate(double value) { return static_cast<int>(std::trunc(value)); }

}  // namespace

const PlotPanel* findPlotPanel(int id) {
  for (const PlotPanel& panel : kPlotPanels) {
    if (panel.id == id) return &panel;
  }
  return nullptr;
}

platform::Geometry plotPanelGeometry(const PlotPanel& panel, int screenWidth, int mainWidth) {
  const double s = screenWidth;
  // The rows were set for a screen 1280 wide; they scale with the panels' heights, so that
  // panels sharing a column overlap as little on any screen.
  return {mainWidth - truncate(panel.screenFraction * s + panel.offset), truncate(panel.y * s / kLayoutWidth),
          truncate(0.25 * s), truncate(0.75 * 0.25 * s)};
}

platform::Geometry pipeViewGeometry(int mainWidth, int mainHeight, int edge) {
  const double w = mainWidth;
  return {0, truncate(mainHeight / 2 - 0.75 * w / 2), mainWidth - 4 * edge, truncate(0.75 * w) - 4 * edge};
}

}  // namespace ductora
