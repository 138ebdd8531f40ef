#pragma once

#include "render/scene/pipe_scene.h"

namespace ductora::render {

// The 3D views of the pipe view: the loaded pipes as tubes laid end to end along the view axis
// by their advance lengths, the current pipe's cursor point at the origin, each pipe with its
// top marker, and the cursor marker of the current pipe. Called with the model-view matrix
// current and the perspective projection in place; they read the view's rotations and distance.

// "3D Wall": the wall map wrapped once around a cylinder of the nominal OD.
void Draw3DWallView(const PipeScene& scene);
// "3D OD": the OD relief textured with the OD map, without the view's y rotation; with the
// "Straight 3D" marker while it is switched on.
void Draw3DOdView(const PipeScene& scene);
// "3D ID": the ID map around the same cylinder as the wall map.
void Draw3DIdView(const PipeScene& scene);

}  // namespace ductora::render
