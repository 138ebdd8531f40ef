#pragma once

#include <string>

#include "data/indications/indication_file.h"
#include "render/maps/maps.h"
#include "render/scene/pipe_scene.h"

namespace ductora::render {

// Red circles of radius 3 in the map plane of one pipe's wall map (its place in the chain), one
// per record: along the pipe at the pipe's own axial position less the record's, which holds for
// reversed pipes too, and around it at the record's angle rolled like the angular cursor.
// Nothing for a pipe without a wall matrix.
void DrawIndicationCircles(const PipeFile& pipe, const IndicationRecords& records, const MapCursor& cursor);

// The indication view: "2D Wall", the circles of the file at indicationPath on every loaded pipe,
// then "2D Wall" again. The file is read again only after it changed.
void DrawIndicationView(const PipeScene& scene, const std::string& indicationPath);

}  // namespace ductora::render
