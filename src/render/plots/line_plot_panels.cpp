#include "render/plots/line_plot_panels.h"

#include "render/maps/map_views.h"
#include "render/plots/around_plots.h"
#include "render/plots/pressure_plots.h"
#include "render/plots/raw_traces.h"
#include "render/plots/revolution_plots.h"

namespace ductora::render {
namespace {

// The overlay pipe reads at its own position and at the string's angle carried over to it.
PlotCursor OverlayCursor(const PipeString& string, const PipeFile& overlay) {
  return {overlay.cursorPosition(), OverlayAngle(string)};
}

}  // namespace

double DrawLinePlotPanel(LinePlotPanel panel, PlotFont* font, const PlotRect& rect,
                         const PipeString& string) {
  const PipeFile* pipe = string.current();
  if (pipe == nullptr) return 0.0;
  const PipeFile* overlay = string.overlay();
  const PlotCursor cursor{string.position, string.angle};
  switch (panel) {
    case LinePlotPanel::kWallThickness:
      DrawRawWallTrace(rect, *pipe, cursor);
      if (overlay != nullptr) DrawWallAroundPlot(font, rect, *overlay, OverlayCursor(string, *overlay), true);
      DrawWallAroundPlot(font, rect, *pipe, cursor, false);
      break;
    case LinePlotPanel::kCsa:
      DrawCsaPlot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kLengthAtY:
      DrawWallAtYPlot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kEccentricity:
      DrawEccentricityPlot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kAverage64:
      DrawAverage64Plot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kLowWall:
      DrawLowWallPlot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kOdOffset:
      DrawOdAroundPlot(font, rect, *pipe, cursor, false);
      if (overlay != nullptr) DrawOdAroundPlot(font, rect, *overlay, OverlayCursor(string, *overlay), true);
      DrawRawOdTrace(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kOvality:
      DrawOvalityPlot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kStraightness:
      DrawStraightnessPlot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kPipeId:
      DrawIdAroundPlot(font, rect, *pipe, cursor);
      break;
    case LinePlotPanel::kCollapse:
      return DrawCollapsePlot(font, rect, *pipe, cursor);
    case LinePlotPanel::kBurst:
      return DrawBurstPlot(font, rect, *pipe, cursor);
  }
  return 0.0;
}

}  // namespace ductora::render
