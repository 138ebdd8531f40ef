#include "render/plots/raw_traces.h"

#include <algorithm>
#include <vector>

namespace ductora::render {
namespace {

// The first revolution whose last sample lies at or beyond the position, or the last revolution
// when none does; the wall trace leaves the last one out of the search. Null without revolutions.
const RevolutionSamples* RevolutionAt(const RevolutionList& revolutions, bool searchLast, double position,
                                      std::size_t& index) {
  if (revolutions.empty()) return nullptr;
  index = revolutions.size() - 1;
  const std::size_t searched = searchLast ? revolutions.size() : revolutions.size() - 1;
  for (std::size_t i = 0; i < searched; ++i) {
    if (!revolutions[i].empty() && revolutions[i].back().position >= position) {
      index = i;
      break;
    }
  }
  return &revolutions[index];
}

// A revolution's samples spread over a whole turn, as the around plot they are drawn with.
PlotFrame TraceFrame(const PlotRect& rect, std::size_t samples, const PlotCursor& cursor) {
  PlotFrame frame;
  frame.rect = rect;
  frame.xMax = 360.0F;
  frame.xPerSample = DegreesPerSample(samples);
  frame.xStep = 45.0F;
  frame.yStep = 10.0F;
  frame.xLine = cursor.angle;
  frame.seriesColour = kPlotRed;
  frame.xUnit = kDegreeUnit;
  frame.yUnit = kNoUnit;
  return frame;
}

}  // namespace

void DrawRawWallTrace(const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  const RevolutionList& revolutions = pipe.wallChannels[kRawDisplayChannel].revolutions;
  std::size_t index = 0;
  const RevolutionSamples* revolution =
      RevolutionAt(revolutions, false, cursor.position - pipe.wallStart, index);
  if (revolution == nullptr) return;
  std::vector<std::uint16_t> series(revolution->size());
  for (std::size_t j = 0; j < series.size(); ++j)
    series[j] = static_cast<std::uint16_t>((*revolution)[j].reading);
  PlotFrame frame = TraceFrame(rect, series.size(), cursor);
  frame.gridColour = kGridGray;
  frame.xLineColour = kCursorGreen;
  frame.yLine = pipe.header.nominalWall;
  frame.yLineColour = kReferenceOrange;
  DrawLinePlot(nullptr, frame, LimitsRange(pipe.header.lowerWall, pipe.header.upperWall),
               std::span<const std::uint16_t>(series));
}

void DrawRawOdTrace(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor) {
  const RevolutionList& first = pipe.odChannels[0].revolutions;
  const RevolutionList& second = pipe.odChannels[1].revolutions;
  std::size_t index = 0;
  const RevolutionSamples* revolution = RevolutionAt(first, true, cursor.position, index);
  // The second channel's revolution of that number, as far as both have samples.
  if (revolution == nullptr || index >= second.size()) return;
  const RevolutionSamples& opposite = second[index];
  std::vector<std::int16_t> series(std::min(revolution->size(), opposite.size()));
  for (std::size_t j = 0; j < series.size(); ++j) {
    series[j] = static_cast<std::int16_t>(((*revolution)[j].reading - opposite[j].reading) / 2);
  }
  PlotFrame frame = TraceFrame(rect, series.size(), cursor);
  frame.gridColour = kPlotWhiteLine;
  frame.xLineColour = kPlotBlue;
  frame.yLine = 500.0F;
  frame.yLineColour = kCursorGreen;
  DrawLinePlot(font, frame,
               {static_cast<float>(pipe.header.lowerOdOffset), static_cast<float>(pipe.header.upperOdOffset)},
               std::span<const std::int16_t>(series));
}

}  // namespace ductora::render
