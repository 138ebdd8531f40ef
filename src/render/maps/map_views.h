#pragma once

#include <functional>

#include "render/maps/maps.h"
#include "render/scene/pipe_scene.h"

namespace ductora::render {

// The 2D views of the pipe view: the loaded pipes laid end to end across the screen with the
// current pipe's cursor point at the origin, the circumference up the screen. Called with the
// model-view matrix current and the perspective projection in place.

// One map per pipe: "2D Wall", "2D OD", "2D ID".
void DrawSingleMapView(const PipeScene& scene, MapKind kind);
// Two maps per pipe, one above the other: "2D Wall, 2D OD", "2D Wall , 2D ID", "2D OD, 2D ID".
void DrawMapPairView(const PipeScene& scene, MapKind lower, MapKind upper);

// What is drawn in one pipe's place of the chain, with that pipe's map cursor.
using SlotDraw = std::function<void(const PipeFile&, const MapCursor&)>;
// The loaded pipes' places laid out as "2D Wall" lays them, by advance length.
void DrawMapChain(const PipeScene& scene, const SlotDraw& drawSlot);

// Where the overlay pipe's map goes: over the string's maps mirrored end to end (Left), or
// above them mirrored top to bottom (Top).
enum class OverlayArrangement { kLeft, kTop };
void DrawOverlayView(const PipeScene& scene, MapKind kind, OverlayArrangement arrangement);

// The overlay's angular cursor: the string's angle carried over by the two pipes' rotations.
float OverlayAngle(const PipeString& string);

}  // namespace ductora::render
