#pragma once

#include "data/format/pipe_file.h"
#include "render/maps/maps.h"

namespace ductora::render {

// View > Markers > No Reading: the wall map's no-reading cells in orange, a colour the gray scale
// never takes, laid exactly over the cells of the map DrawMap draws with the same cursor.
void DrawNoReadingMarker(const PipeFile& pipe, const MapCursor& cursor);

}  // namespace ductora::render
