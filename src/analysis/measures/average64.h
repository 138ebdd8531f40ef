#pragma once

#include <cstdint>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora {

constexpr std::int64_t kAverageWindow = 64;

// The 64-revolution average of minWallPerRev / 1000 (inches), one entry per row. Entry i < R - 65
// averages rows i .. i + 63; entries R - 65 .. R - 2 take the backward windows ending at R - 1,
// R - 2, .. R - 64 in that order; the last entry keeps its own value. With fewer than 127 rows
// those windows would leave the series: each window is then moved inside it (start held in
// [0, R - 64]), and with fewer than 64 rows every window is the whole series.
std::vector<double> MinWallAverage64(const WallMatrix& wall);

}  // namespace ductora
