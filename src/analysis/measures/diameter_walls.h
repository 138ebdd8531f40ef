#pragma once

#include <cstdint>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora {

// Degrees between neighbouring columns: deltaY when the columns fill a turn as a build lays them
// (trunc(360 / deltaY) of them), otherwise the turn shared evenly among them.
double ColumnPitch(double deltaY, std::int64_t columns);

// The column nearest an angle in [0, 360) on a grid of this pitch; past the last column the turn
// wraps to column 0. Ties go to the later column.
std::int64_t NearestColumn(double angle, double pitch, std::int64_t columns);

// The walls on each diameter of the OD grid, so that the ID and D/t read the wall at the OD's own
// angles whatever the wall grid. For OD column c < columns / 2 as the display addresses it, near[c]
// is the wall column (display addressed too) at c's angle and far[c] the one 180 degrees on.
// A flipped pipe is mirrored on both grids before the angles are matched.
struct DiameterWalls {
  std::vector<std::int64_t> near;
  std::vector<std::int64_t> far;
};
DiameterWalls WallsOnDiameters(const PipeFile& pipe);

}  // namespace ductora
