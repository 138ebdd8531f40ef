#pragma once

#include "data/format/pipe_file.h"
#include "render/plots/line_plot.h"

namespace ductora::render {

// The per-revolution collapse and burst pressures of the pipe's selections and yield strength
// (psi), with the cursor's revolution as vertical line. Each returns the pressure at the cursor's
// revolution (0 off the wall data); nothing is drawn without a wall matrix.

// Collapse (Tamano) against 100 psi.
double DrawCollapsePlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);
// Burst against the API nominal burst.
double DrawBurstPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);

}  // namespace ductora::render
