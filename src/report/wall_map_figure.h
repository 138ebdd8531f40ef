#pragma once

#include "analysis/grading/joint_figures.h"
#include "report/plot_axes.h"

namespace ductora::report {

// The wall map as the 2D view lays it out: inches along the displayed pipe across, degrees
// around upwards, the pipe's own gray limits (thin is light), a legend bar of them in inches of
// wall on the right, and the thinnest spot ringed in red. Draws a note without a wall matrix.
void DrawWallMap(const Canvas& canvas, const Box& box, const PipeFile& pipe, const ThinnestSpot& thinnest);

}  // namespace ductora::report
