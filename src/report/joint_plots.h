#pragma once

#include "analysis/grading/joint_figures.h"
#include "report/plot_axes.h"

namespace ductora::report {

// The Low Wall plot: each revolution's thinnest wall along the displayed pipe, with the nominal
// wall and the lowest wall of each class drawn across in its colour.
void DrawLowWallPlot(const Canvas& canvas, const Box& box, const PipeFile& pipe, const GradingRule& rule);

// The Slice at the thinnest spot: the cross-section to scale, each sample of the ring shaded as
// the map shades it, 0 degrees at the top and counter-clockwise, the nominal ID dashed and the
// thinnest angle in red.
void DrawSlice(const Canvas& canvas, const Box& box, const PipeFile& pipe, const ThinnestSpot& thinnest);

}  // namespace ductora::report
