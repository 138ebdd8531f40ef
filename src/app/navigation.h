#pragma once

#include <cstdint>

#include "app/view_mode.h"
#include "data/pipe_string.h"

namespace ductora {

// The pieces of navigation the commands and the open need: zoom and cursor setters and the
// default viewing distances. The zoom is the string's depth.
void setZoom(PipeString& string, float zoom);
void setX(PipeString& string, float x, bool nudge = false);
// -2 x the current pipe's length; 0 without a current pipe.
float defaultDistance2D(const PipeString& string);
// The distance at which the current pipe's nominal radius fills half the view height.
float defaultDistance3D(const PipeString& string);

// Half the 3D or 2D default distance, by the kind of view.
float HalfDefaultDistance(const PipeString& string, ViewMode viewMode);

}  // namespace ductora
