#pragma once

#include "data/format/pipe_file.h"

namespace ductora::render {

// The cross-section of the pipe at the axial cursor seen along its axis, in an orthographic
// projection of its own whose height is the nominal OD: the ring between the measured OD and one
// measured wall inside it, each sample shaded by the wall's gray scale; the nominal OD and ID
// circles; the largest (black) and smallest (white) diameter; the angular cursor, solid from the
// edge to the centre and dashed on to the opposite edge. It reads the rows the other views show
// at the cursor, and places angles as the 3D views do: sample i of n at 360 i / n degrees, 0 at
// the top, counter-clockwise, turned by the pipe's rotation and the view's roll (degrees). Draws
// nothing without samples, pitch or nominal OD.
void DrawSliceView(const PipeFile& pipe, float axialCursor, float angularCursor, float roll);

}  // namespace ductora::render
