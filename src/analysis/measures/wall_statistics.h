#pragma once

#include "data/format/pipe_file.h"

namespace ductora {

// Fills the wall matrix's per-revolution series (min, max, truncated average wall, eccentricity)
// and its pipe statistics; returns avgEccentricity. Pipe averages are means over the rows.
// Without data the series are emptied, the statistics zeroed and 0 returned.
double ComputeWallStatistics(WallMatrix& wall);

}  // namespace ductora
