#pragma once

#include "data/format/pipe_file.h"

namespace ductora {

// Diameters through opposite columns (c, c + columns/2) plus the calibration OD, in single
// precision: per-row min, max, average and ovality, and the pipe statistics (averages are means
// over the rows). A matrix without a pair of columns gets empty series and
// zero statistics.
void ComputeOdStatistics(OdMatrix& od, float calibrationOd);

}  // namespace ductora
