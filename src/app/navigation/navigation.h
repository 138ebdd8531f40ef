#pragma once

#include <cstdint>

#include "app/state/view_mode.h"
#include "data/strings/pipe_string.h"
#include "render/scene/pipe_scene.h"

namespace ductora {

// The navigation state: the cursor X (position, inches) and Y (angle, degrees) and each pipe's
// own offset and rotations, held by the string, and the view's rotations and zoom (its depth).
// Keys, mouse, the Navigator and Goto move it through these operations.

// Travel along the string by d inches; true when another pipe became current.
bool moveX(PipeString& string, float d, const DropCheck& mayDrop = {});
void setX(PipeString& string, float x, bool nudge = false);
// X held to the current pipe, 0 to its length; what is no number is 0.
float xWithinPipe(const PipeString& string, float x);
// An angle as the same place on one turn, [0, 360); 0 for one that is not finite.
float angleWithinTurn(float y);
void setY(PipeString& string, float y, bool nudge = false);
// A step past 0 lands on 359, not on 360 + Y; one reaching 360 lands on 0.
void turnY(PipeString& string, float d);
// Each rotation kept in [0, 359]: above 359 it becomes 0, below 0 it becomes 359.
void rotate(render::ViewValues& view, float dx, float dy, float dz);
// The z rotation of the current or the overlay pipe, where it exists.
void rotateCurrent(PipeString& string, float dz);
void rotateOverlay(PipeString& string, float dz);
// The overlay's own offset, clamped to its length.
void moveOverlay(PipeString& string, float d);
void setOverlayX(PipeString& string, float x);
// The zoom never goes above 0, the nearest.
void zoomBy(render::ViewValues& view, float d);
void setZoom(render::ViewValues& view, float zoom);

// -2 x the current pipe's length; 0 without a current pipe.
float defaultDistance2D(const PipeString& string);
// The distance at which the current pipe's nominal radius fills half the view height.
float defaultDistance3D(const PipeString& string);

// Half the 3D or 2D default distance, by the kind of view.
float halfDefaultDistance(const PipeString& string, ViewMode viewMode);

}  // namespace ductora
