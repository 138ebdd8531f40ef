#include "app/views/plot_bodies.h"

#include <array>
#include <optional>

#include "app/dialogs/pressure_dialogs.h"
#include "render/plots/line_plot_panels.h"

namespace ductora {
namespace {

using render::LinePlotPanel;

struct LinePlotOfPanel {
  PanelId id;
  LinePlotPanel plot;
};

constexpr std::array<LinePlotOfPanel, 12> kLinePlots = {{
    {kWallThicknessPanel, LinePlotPanel::kWallThickness},
    {kCsaPanel, LinePlotPanel::kCsa},
    {kLengthAtYPanel, LinePlotPanel::kLengthAtY},
    {kEccentricityPanel, LinePlotPanel::kEccentricity},
    {kAverage64Panel, LinePlotPanel::kAverage64},
    {kLowWallPanel, LinePlotPanel::kLowWall},
    {kOdOffsetPanel, LinePlotPanel::kOdOffset},
    {kOvalityPanel, LinePlotPanel::kOvality},
    {kStraightnessPanel, LinePlotPanel::kStraightness},
    {kPipeIdPanel, LinePlotPanel::kPipeId},
    {kCollapsePanel, LinePlotPanel::kCollapse},
    {kBurstPanel, LinePlotPanel::kBurst},
}};

std::optional<LinePlotPanel> linePlotOf(PanelId id) {
  for (const LinePlotOfPanel& entry : kLinePlots) {
    if (entry.id == id) return entry.plot;
  }
  return std::nullopt;
}

}  // namespace

void drawPlotBody(AppState& app, PanelId id, int width, int height) {
  const std::optional<LinePlotPanel> plot = linePlotOf(id);
  if (!plot) return;
  const bool pressures = id == kCollapsePanel || id == kBurstPanel;
  // The yield is stored before drawing, so a plot never shows the yield of an earlier frame or,
  // after a change of pipe, none at all.
  const double yield = pressures ? pressureYield(app) : 0.0;
  if (PipeFile* pipe = app.pipeString.current(); pipe != nullptr && pressures) pipe->yieldStrength = yield;
  render::PlotFont& font = app.plotFonts[static_cast<std::size_t>(id)];
  const double atCursor = render::DrawLinePlotPanel(*plot, &font, {0, 0, width, height}, app.pipeString);
  if (id == kCollapsePanel) showCollapseResults(app, atCursor, yield);
  if (id == kBurstPanel) showBurstResults(app, yield);
}

}  // namespace ductora
