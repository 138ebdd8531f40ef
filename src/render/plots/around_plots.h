#pragma once

#include "data/format/pipe_file.h"
#include "render/plots/line_plot.h"

namespace ductora::render {

// Plots around the revolution under the axial cursor, read from the pipe's rotation on and
// wrapped, with the angular cursor as vertical line. Nothing is drawn when the pipe lacks the
// matrix or the cursor is beyond its revolutions.

// Wall in inches against the nominal wall; blue, or black for an overlay pipe. A flipped pipe
// runs its angles backwards and mirrors the cursor angle.
void DrawWallAroundPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor,
                        bool overlay);
// The diameter through each sample in inches against the nominal OD; as the wall plot.
void DrawOdAroundPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor,
                      bool overlay);
// The inside diameter in inches; its matrix is mirrored already, so the axis never runs backwards.
void DrawIdAroundPlot(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);

}  // namespace ductora::render
