#pragma once

#include <string>

#include "report/page_canvas.h"

namespace ductora::report {

// A rectangle of a page, in points from its top left.
struct Box {
  double x = 0.0;
  double y = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// Value ranges of a plot and the way from values to points inside its box (y grows upwards).
struct PlotScale {
  Box box;
  double xMin = 0.0;
  double xMax = 1.0;
  double yMin = 0.0;
  double yMax = 1.0;

  double X(double value) const { return box.x + (value - xMin) / (xMax - xMin) * box.width; }
  double Y(double value) const { return box.y + box.height - (value - yMin) / (yMax - yMin) * box.height; }
};

// A step of 1, 2 or 5 times a power of ten giving about `ticks` ticks over `span`.
double NiceStep(double span, int ticks);

// The frame of a plot with ticks and their values on the left and bottom, and the axis titles.
// Ticks every `xStep` and `yStep` (0: a nice step).
void DrawAxes(const Canvas& canvas, const PlotScale& scale, const std::string& xTitle,
              const std::string& yTitle, double xStep = 0.0, double yStep = 0.0, int yDecimals = 3);

}  // namespace ductora::report
