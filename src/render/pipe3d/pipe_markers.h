#pragma once

#include "data/strings/pipe_string.h"
#include "render/gl/quadric.h"

namespace ductora::render {

// The markers of the 3D views, drawn untextured and blended over what lies behind them
// (source x destination colour), with the texturing and blending states restored after.

// The small three-sided double cone on the pipe's top, at (0, radius, 0); the caller sets the
// colour.
void DrawPipeTopMarker(const Quadric& marker, float radius);
// The green marker at the angular cursor and the translucent blue ring at z = 0, the cursor
// point of the current pipe.
void DrawCursorMarker(const PipeString& string, const Quadric& marker, float radius);
// "Straight 3D": the angle marker, and a red tube of the given radius over exactly the current
// pipe's advance length, drawn over the relief.
void DrawStraightMarker(const PipeString& string, const Quadric& marker, float radius);

}  // namespace ductora::render
