#pragma once

#include "data/format/pipe_file.h"

namespace ductora {

// Inside diameter on the OD grid: for every OD row r and column c < columns/2, the diameter
// through (c, c + columns/2) minus the walls at display row r on both ends of it, each the wall
// column nearest that end's angle (WallsOnDiameters), whatever the wall grid; stored at both
// columns in thousandths. A cell is 0 where either wall is 0 or outside the wall data, or where
// the OD row leaves the matrix. avgId is the mean over the pairs that hold an ID. Without both a wall
// and an OD matrix the ID matrix is emptied.
void BuildIdMatrix(PipeFile& pipe);

}  // namespace ductora
