#pragma once

#include "data/format/pipe_file.h"
#include "render/plots/line_plot.h"

namespace ductora::render {

// Plots along the pipe, one value per revolution, with the cursor's revolution as vertical line.
// A reversed pipe runs its revolutions backwards. Nothing is drawn when the pipe lacks the
// series.

// Percent of the nominal CSA against 100 %.
void DrawCsaPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);
// The wall at the cursor's angle down the pipe, against the nominal wall.
void DrawWallAtYPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);
void DrawEccentricityPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe,
                          const PlotCursor& cursor);
// Each revolution's thinnest wall, and the same smoothed over 64 revolutions.
void DrawLowWallPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);
void DrawAverage64Plot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);
// Only while the cursor lies on the OD data.
void DrawOvalityPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);
// Straightness at the cursor's angle down the pipe, against the zero line.
void DrawStraightnessPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe,
                          const PlotCursor& cursor);

}  // namespace ductora::render
