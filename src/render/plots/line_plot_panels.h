#pragma once

#include "data/strings/pipe_string.h"
#include "render/plots/plot_frame.h"

namespace ductora::render {

// The plot panels that show line plots, by their View > Plot items.
enum class LinePlotPanel {
  kWallThickness,
  kCsa,
  kLengthAtY,
  kEccentricity,
  kAverage64,
  kLowWall,
  kOdOffset,
  kOvality,
  kStraightness,
  kPipeId,
  kCollapse,
  kBurst,
};

// Draws a panel's bodies, in their order, into the whole panel for the string's current pipe:
// Wall Thickness the raw wall trace, the overlay pipe's wall (black) and the current pipe's;
// OD Offset the current pipe's OD, the overlay pipe's (black) and the raw OD trace; the others
// their one plot. Nothing without a current pipe. Returns the pressure at the cursor's revolution
// for Collapse and Burst, 0 for the others.
double DrawLinePlotPanel(LinePlotPanel panel, PlotFont* font, const PlotRect& rect, const PipeString& string);

}  // namespace ductora::render
