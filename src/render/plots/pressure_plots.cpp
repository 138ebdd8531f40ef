#include "render/plots/pressure_plots.h"

#include <vector>

#include "analysis/measures/matrix_extent.h"
#include "analysis/pressures/pressure_series.h"
#include "render/plots/plot_cursors.h"

namespace ductora::render {
namespace {

PlotFrame PressureFrame(const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  PlotFrame frame =
      RevolutionFrame(rect, UsableRows(pipe.wallMatrix), pipe.reversed(), WallPlotRow(pipe, cursor.position));
  frame.yStep = 100.0F;
  frame.xLineColour = kCursorGreen;
  frame.seriesColour = kPlotBlue;
  frame.yUnit = kNoUnit;
  frame.yTitle = "PRESSURE";
  return frame;
}

}  // namespace

double DrawCollapsePlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe,
                        const PlotCursor& cursor) {
  if (!pipe.wallMatrix.present()) return 0.0;
  const std::vector<double> series = CollapseSeries(pipe);
  PlotFrame frame = PressureFrame(rect, pipe, cursor);
  frame.yLine = 100.0F;
  DrawLinePlot(font, frame, CollapseRange(series, pipe.header.upperWall), std::span<const double>(series));
  return CollapseAtCursor(pipe, cursor.position);
}

double DrawBurstPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  if (!pipe.wallMatrix.present()) return 0.0;
  const std::vector<double> series = BurstSeries(pipe);
  const double reference = BurstReference(pipe);
  PlotFrame frame = PressureFrame(rect, pipe, cursor);
  frame.yLine = static_cast<float>(reference);
  DrawLinePlot(font, frame, BurstRange(series, reference, pipe.header.upperWall),
               std::span<const double>(series));
  return BurstAtCursor(pipe, cursor.position);
}

}  // namespace ductora::render
