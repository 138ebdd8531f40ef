#include "render/plots/line_plot.h"

#include <cmath>

namespace ductora::render {
namespace {

constexpr std::uint32_t kDegreesPerTurn = 360;

// x from 0 to n, or from n to 0.
void SetXRange(PlotFrame& frame, std::uint32_t n, bool backwards) {
  frame.xMin = backwards ? static_cast<float>(n) : 0.0F;
  frame.xMax = backwards ? 0.0F : static_cast<float>(n);
}

float FiniteOrNone(float line) { return std::isfinite(line) ? line : 0.0F; }

}  // namespace

float DegreesPerSample(std::size_t samples) {
  return samples > 0 ? static_cast<float>(360.0 / static_cast<double>(samples)) : 1.0F;
}

PlotFrame AngleFrame(const PlotRect& rect, std::uint32_t samples, bool backwards) {
  PlotFrame frame;
  frame.rect = rect;
  SetXRange(frame, kDegreesPerTurn, backwards);
  frame.xPerSample = DegreesPerSample(samples);
  frame.xStep = 45.0F;
  frame.gridColour = kGridGray;
  frame.xLineColour = kCursorGreen;
  frame.yLineColour = kReferenceOrange;
  frame.xUnit = kDegreeUnit;
  frame.yUnit = kInchUnit;
  frame.xTitle = "ANGLE";
  return frame;
}

PlotFrame RevolutionFrame(const PlotRect& rect, std::uint32_t revolutions, bool reversed,
                          std::optional<std::int64_t> cursorRow) {
  PlotFrame frame;
  frame.rect = rect;
  SetXRange(frame, revolutions, reversed);
  frame.xStep = 100.0F;
  frame.xLine = cursorRow ? static_cast<float>(*cursorRow) : 0.0F;
  frame.gridColour = kGridGray;
  frame.xLineColour = kPlotBlue;
  frame.yLineColour = kReferenceOrange;
  frame.xUnit = kNoUnit;
  frame.xTitle = "REVOLUTION";
  return frame;
}

template <typename Sample>
void DrawLinePlot(PlotFont* font, PlotFrame frame, AxisRange y, std::span<const Sample> series) {
  if (!std::isfinite(frame.xMin) || !std::isfinite(frame.xMax) || frame.xMin == frame.xMax) return;
  const std::optional<AxisRange> usable = UsableRange(y, frame.yStep);
  if (!usable) return;
  frame.yMin = usable->low;
  frame.yMax = usable->high;
  frame.xLine = FiniteOrNone(frame.xLine);
  frame.yLine = FiniteOrNone(frame.yLine);
  DrawPlotFrame(font, frame, series);
}

template void DrawLinePlot(PlotFont*, PlotFrame, AxisRange, std::span<const std::uint16_t>);
template void DrawLinePlot(PlotFont*, PlotFrame, AxisRange, std::span<const std::int16_t>);
template void DrawLinePlot(PlotFont*, PlotFrame, AxisRange, std::span<const double>);
template void DrawLinePlot(PlotFont*, PlotFrame, AxisRange, std::span<const float>);

}  // namespace ductora::render
