#include "render/plots/around_plots.h"

#include <vector>

#include "analysis/measures/matrix_extent.h"
#include "analysis/queries/range_queries.h"
#include "render/plots/plot_cursors.h"

namespace ductora::render {
namespace {

// The cursor's revolution of a matrix, when it holds one there.
template <typename Matrix>
std::optional<std::size_t> RowInside(const Matrix& matrix, std::optional<std::int64_t> row) {
  if (!matrix.present() || !row || *row < 0 || *row >= std::int64_t{UsableRows(matrix)}) return std::nullopt;
  return static_cast<std::size_t>(*row);
}

// Sample j of the series is the value of sample (start + j) mod n.
template <typename Value>
std::vector<float> AroundSeries(std::uint32_t n, std::uint32_t start, Value value) {
  std::vector<float> series(n);
  for (std::uint32_t j = 0; j < n; ++j) series[j] = value((start + j) % n);
  return series;
}

// An around plot of n samples of a pipe read from its rotation on; a mirrored plot runs backwards
// and mirrors the cursor angle. The cursor line is placed in samples and drawn in degrees.
PlotFrame FrameOf(const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor, std::uint32_t n,
                  bool mirrored, bool overlay) {
  PlotFrame frame = AngleFrame(rect, n, mirrored);
  const float angle = SamplesOfDegrees(cursor.angle, n);
  frame.xLine = AngleCursorLine(mirrored ? static_cast<float>(n) - 1.0F - angle : angle,
                                SamplesOfDegrees(pipe.rotationZ(), n), n) *
                frame.xPerSample;
  frame.yStep = 0.010F;
  frame.seriesColour = overlay ? kPlotBlack : kPlotBlue;
  return frame;
}

}  // namespace

void DrawWallAroundPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor,
                        bool overlay) {
  const WallMatrix& wall = pipe.wallMatrix;
  const auto row = RowInside(wall, WallPlotRow(pipe, cursor.position));
  if (!row) return;
  const std::uint32_t n = wall.columns;
  const std::vector<float> series = AroundSeries(n, RotationStart(pipe.rotationZ(), n), [&](std::uint32_t k) {
    return static_cast<float>(wall.at(*row, k)) / 1000.0F;
  });
  PlotFrame frame = FrameOf(rect, pipe, cursor, n, pipe.flipped(), overlay);
  frame.yLine = static_cast<float>(pipe.header.nominalWall) / 1000.0F;
  frame.yTitle = "WALL";
  DrawLinePlot(font, frame, WallRange(pipe.header), std::span<const float>(series));
}

void DrawOdAroundPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor,
                      bool overlay) {
  const OdMatrix& od = pipe.odMatrix;
  const auto row = RowInside(od, OdPlotRow(pipe, cursor.position));
  if (!row) return;
  const std::uint32_t n = od.columns;
  // The opposite sample half a turn on; for 360 samples that is k + 180 or k - 180.
  const std::uint32_t half = n / 2;
  const float calibration = pipe.header.calibrationOd;
  const std::vector<float> series = AroundSeries(n, RotationStart(pipe.rotationZ(), n), [&](std::uint32_t k) {
    const std::uint32_t opposite = k < half ? k + half : k - half;
    return static_cast<float>(od.at(*row, k)) / 1000.0F +
           static_cast<float>(od.at(*row, opposite)) / 1000.0F + calibration;
  });
  PlotFrame frame = FrameOf(rect, pipe, cursor, n, pipe.flipped(), overlay);
  frame.yLine = static_cast<float>(pipe.header.nominalOd);
  frame.yTitle = "OD";
  DrawLinePlot(font, frame, OdRange(pipe.header, calibration), std::span<const float>(series));
}

void DrawIdAroundPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  const IdMatrix& id = pipe.idMatrix;
  const auto row = RowInside(id, IdPlotRow(pipe, cursor.position));
  if (!row) return;
  const std::uint32_t n = id.columns;
  const std::vector<float> series = AroundSeries(n, RotationStart(pipe.rotationZ(), n), [&](std::uint32_t k) {
    return static_cast<float>(id.at(*row, k)) / 1000.0F;
  });
  PlotFrame frame = FrameOf(rect, pipe, cursor, n, false, false);
  frame.yTitle = "ID";
  DrawLinePlot(font, frame, OdRange(pipe.header, AverageId(pipe, 0, 0)), std::span<const float>(series));
}

}  // namespace ductora::render
