#include "render/plots/revolution_plots.h"

#include <cmath>
#include <vector>

#include "analysis/measures/average64.h"
#include "analysis/measures/matrix_extent.h"
#include "analysis/placement/display_rows.h"
#include "render/plots/plot_cursors.h"

namespace ductora::render {
namespace {

// The column under the angular cursor: the angle over the column pitch, truncated, mirrored for a
// flipped pipe. Empty when that is no column of the matrix.
std::optional<std::uint32_t> AngleColumn(float angle, double deltaY, std::uint32_t columns, bool flipped) {
  if (!(deltaY > 0.0)) return std::nullopt;
  const double column = std::trunc(angle / deltaY);
  if (!(column >= 0.0 && column < columns)) return std::nullopt;
  const auto c = static_cast<std::int64_t>(column);
  return static_cast<std::uint32_t>(flipped ? FlipColumn(c, columns) : c);
}

PlotFrame WallRevolutionFrame(const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  return RevolutionFrame(rect, UsableRows(pipe.wallMatrix), pipe.reversed(),
                         WallPlotRow(pipe, cursor.position));
}

// Low wall and its 64-revolution average share everything but the series.
void DrawMinWallPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor,
                     std::span<const double> series) {
  PlotFrame frame = WallRevolutionFrame(rect, pipe, cursor);
  frame.xStep = 45.0F;
  frame.yStep = 0.010F;
  frame.xLineColour = kCursorGreen;
  frame.yLine = static_cast<float>(pipe.header.nominalWall) / 1000.0F;
  frame.seriesColour = kPlotBlue;
  frame.yUnit = kInchUnit;
  frame.yTitle = "WALL";
  DrawLinePlot(font, frame, WallRange(pipe.header), series);
}

}  // namespace

void DrawCsaPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  const CsaTable& csa = pipe.csa;
  if (!csa.present()) return;
  const double percent = 100.0 / csa.nominalCsa;
  std::vector<double> series(csa.csaPerRev.size());
  for (std::size_t r = 0; r < series.size(); ++r) series[r] = csa.csaPerRev[r] * percent;
  PlotFrame frame = WallRevolutionFrame(rect, pipe, cursor);
  frame.yStep = 0.5F;
  frame.yLine = 100.0F;
  frame.seriesColour = kPlotBlack;
  frame.yUnit = kPercentUnit;
  frame.yTitle = "% CSA";
  DrawLinePlot(font, frame, CsaRange(csa.minCsa * percent, csa.maxCsa * percent),
               std::span<const double>(series));
}

void DrawWallAtYPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  const WallMatrix& wall = pipe.wallMatrix;
  const auto column = AngleColumn(cursor.angle, wall.deltaY, wall.columns, pipe.flipped());
  if (!wall.present() || !column) return;
  std::vector<float> series(UsableRows(wall));
  for (std::size_t r = 0; r < series.size(); ++r)
    series[r] = static_cast<float>(wall.at(r, *column)) / 1000.0F;
  PlotFrame frame = WallRevolutionFrame(rect, pipe, cursor);
  frame.yStep = 0.010F;
  frame.yLine = static_cast<float>(pipe.header.nominalWall) / 1000.0F;
  frame.seriesColour = kPlotBlack;
  frame.yUnit = kInchUnit;
  frame.yTitle = "WALL AT Y";
  DrawLinePlot(font, frame, WallRange(pipe.header), std::span<const float>(series));
}

void DrawEccentricityPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe,
                          const PlotCursor& cursor) {
  const std::span<const float> series = pipe.wallMatrix.eccentricityPerRev;
  if (series.empty()) return;
  PlotFrame frame = WallRevolutionFrame(rect, pipe, cursor);
  frame.yStep = 0.5F;
  frame.seriesColour = kPlotBlack;
  frame.yUnit = kPercentUnit;
  frame.yTitle = "ECC.";
  DrawLinePlot(font, frame, EccentricityRange(series), series);
}

void DrawLowWallPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  const std::vector<std::uint16_t>& low = pipe.wallMatrix.minWallPerRev;
  if (low.empty()) return;
  std::vector<double> series(low.size());
  for (std::size_t r = 0; r < series.size(); ++r) series[r] = low[r] / 1000.0;
  DrawMinWallPlot(font, rect, pipe, cursor, series);
}

void DrawAverage64Plot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  if (pipe.wallMatrix.minWallPerRev.empty()) return;
  const std::vector<double> series = MinWallAverage64(pipe.wallMatrix);
  DrawMinWallPlot(font, rect, pipe, cursor, series);
}

void DrawOvalityPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  const OdMatrix& od = pipe.odMatrix;
  const std::span<const float> series = od.ovalityPerRev;
  const std::uint32_t rows = UsableRows(od);
  const auto row = OdPlotRow(pipe, cursor.position);
  if (!od.present() || series.empty() || !row || *row < 0 || *row >= rows) return;
  PlotFrame frame = RevolutionFrame(rect, rows, pipe.reversed(), row);
  frame.yStep = pipe.reversed() ? 0.5F : 0.5F / 5.0F;
  frame.seriesColour = kPlotBlack;
  frame.yUnit = kPercentUnit;
  frame.yTitle = pipe.reversed() ? "OVALITY" : "OVAL";
  DrawLinePlot(font, frame, OvalityRange(series), series);
}

void DrawStraightnessPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe,
                          const PlotCursor& cursor) {
  const StraightnessMatrix& straightness = pipe.straightness;
  const auto column = AngleColumn(cursor.angle, straightness.deltaY, straightness.columns, pipe.flipped());
  if (!straightness.present() || !column) return;
  std::vector<float> series(UsableRows(straightness));
  for (std::size_t r = 0; r < series.size(); ++r) {
    series[r] = static_cast<float>(straightness.data[r * straightness.columns + *column]) / 1000.0F;
  }
  PlotFrame frame = RevolutionFrame(rect, static_cast<std::uint32_t>(series.size()), pipe.reversed(),
                                    StraightnessPlotRow(pipe, cursor.position));
  frame.yStep = 0.5F;
  frame.yLine = 0.00001F;  // the zero line: a line at 0 would not be drawn
  frame.seriesColour = kPlotBlack;
  frame.yUnit = kInchUnit;
  frame.yTitle = "STRAIGHT";
  DrawLinePlot(font, frame, StraightnessRange(pipe.header.upperOdOffset), std::span<const float>(series));
}

}  // namespace ductora::render
