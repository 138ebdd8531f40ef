#pragma once

#include "data/indications/indication_file.h"
#include "render/maps/maps.h"
#include "render/scene/pipe_scene.h"

namespace ductora::render {

// Red circles of radius 3 in the map plane of one pipe's wall map (its place in the chain), one
// per record, where the wall map shows the record's place: the position in inches from the
// pipe's start and the angle in degrees as the pipe's data run, laid and mirrored with the map
// for a reversed or flipped pipe, the angle rolled like the angular cursor. Nothing for a pipe
// without a wall matrix. A still frame draws each circle with 100 vertices; a moving one draws
// all of them in one call, each with as many segments as its size on screen asks.
void DrawIndicationCircles(const PipeFile& pipe, const IndicationRecords& records, const MapCursor& cursor,
                           FrameDetail detail = FrameDetail::kStill);

// The segments of a moving frame's circle of that radius on screen: as few as keep the outline
// within half a pixel of the circle, at least 8 and at most the still circle's 100.
int CircleSegments(double radiusPixels);

// The indication view: "2D Wall", each loaded pipe's circles from its own indication file (none
// for a pipe without one), then "2D Wall" again.
void DrawIndicationView(const PipeScene& scene);

}  // namespace ductora::render
