#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "render/plots/plot_frame.h"
#include "render/plots/plot_ranges.h"

namespace ductora::render {

// The palette of the line plots.
constexpr Rgb kGridGray{0.7F, 0.7F, 0.7F};
constexpr Rgb kPlotBlue{0.0F, 0.0F, 1.0F};
constexpr Rgb kPlotBlack{0.0F, 0.0F, 0.0F};
constexpr Rgb kPlotRed{1.0F, 0.0F, 0.0F};
constexpr Rgb kCursorGreen{0.0F, 0.5F, 0.0F};
constexpr Rgb kReferenceOrange{1.0F, 0.5F, 0.0F};
constexpr Rgb kPlotWhiteLine{1.0F, 1.0F, 1.0F};

// Unit characters after the end labels: a blank, the font's degree sign, the inch mark, percent.
constexpr char kNoUnit = ' ';
constexpr char kDegreeUnit = '!';
constexpr char kInchUnit = '"';
constexpr char kPercentUnit = '%';

// Where a plot of one pipe reads it: inches along the displayed pipe and degrees around it.
struct PlotCursor {
  float position = 0.0F;
  float angle = 0.0F;
};

// The degrees between the samples of a revolution of n samples spread over a whole turn.
float DegreesPerSample(std::size_t samples);

// Around one revolution: x in degrees, the revolution's samples spread over 0 to 360 whatever
// their number (backwards from 360 to 0 for a flipped pipe), grid every 45 degrees, titled
// "ANGLE" with a degree sign.
PlotFrame AngleFrame(const PlotRect& rect, std::uint32_t samples, bool backwards);
// Along the pipe: x over the revolutions (backwards for a reversed pipe), grid every 100, the
// cursor revolution as vertical line in blue, titled "REVOLUTION" without unit.
PlotFrame RevolutionFrame(const PlotRect& rect, std::uint32_t revolutions, bool reversed,
                          std::optional<std::int64_t> cursorRow);

// Sets the y range and draws, when the ranges allow: an x range that is not finite or empty and
// a y range UsableRange refuses draw nothing; reference lines that are not finite are left out.
template <typename Sample>
void DrawLinePlot(PlotFont* font, PlotFrame frame, AxisRange y, std::span<const Sample> series);

}  // namespace ductora::render
