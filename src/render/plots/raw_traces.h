#pragma once

#include "data/format/pipe_file.h"
#include "render/plots/line_plot.h"

namespace ductora::render {

// The raw readings of the revolution at the axial cursor, in red, drawn in the rectangle of the
// plot they accompany; x spreads the revolution's samples over 0 to 360 degrees, as that plot
// does. Nothing is drawn without raw data.

// The merged display channel's wall readings in thousandths, against the nominal wall; no labels.
void DrawRawWallTrace(const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);
// Half the difference of the two OD channels' readings, against 500 thousandths, on a white grid.
void DrawRawOdTrace(PlotFont* font, const PlotRect& rect, const PipeFile& pipe, const PlotCursor& cursor);

}  // namespace ductora::render
