#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "render/plots/plot_font.h"

namespace ductora::render {

struct Rgb {
  float r = 0.0F;
  float g = 0.0F;
  float b = 0.0F;
};

// A pixel rectangle of a plot panel, origin bottom left.
struct PlotRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PlotRect&, const PlotRect&) = default;
};

// Everything of one plot but its samples.
struct PlotFrame {
  PlotRect rect;
  float xMin = 0.0F;  // may exceed xMax: the axis then runs backwards
  float xMax = 0.0F;
  float yMin = 0.0F;
  float yMax = 0.0F;
  float xStep = 1.0F;       // grid spacing
  float xPerSample = 1.0F;  // sample i stands at x = i * xPerSample
  float yStep = 1.0F;
  float xLine = 0.0F;  // reference lines; 0: none
  float yLine = 0.0F;
  Rgb seriesColour;
  Rgb gridColour;
  Rgb xLineColour;
  Rgb yLineColour;
  char xUnit = 0;  // appended to the end labels; "!" prints as a degree sign, '"' as inches
  char yUnit = 0;
  std::string xTitle;
  std::string yTitle;
};

// The plot area inside the rectangle: fixed margins of 70 (left) and 35 (bottom) pixels, or
// proportional ones (15 % and 10 %) when both of those are smaller.
PlotRect PlotArea(const PlotRect& rect);

// Viewport on the rectangle, an orthographic box over the data range, identity model-view.
void SetPlotViewport(const PlotRect& rect, float xMin, float xMax, float yMin, float yMax);

// One plot: grid, the series as a polyline through (i * xPerSample, samples[i]), the reference
// lines, then, with a font, the values at both ends of each axis and the axis titles. A value
// beyond the y range is drawn on the border it crossed, with a red tick there; the series never
// leaves the plot area. The font's cell size and wrap width are left as the labels set them.
void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const std::uint16_t> samples);
void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const std::int16_t> samples);
void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const double> samples);
void DrawPlotFrame(PlotFont* font, const PlotFrame& frame, std::span<const float> samples);

}  // namespace ductora::render
