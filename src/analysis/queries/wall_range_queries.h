#pragma once

#include <cstdint>

#include "analysis/queries/range_rows.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Wall matrix cells over a display range [from, to) (both ends mapped). Thresholds in
// thousandths, values in inches. The candidate starts at the range's first row, column 0; the
// first of equal cells wins (row-major). 0 without wall data or for an empty range.

// Smallest cell strictly above the threshold; value in inches.
CellLocation MinWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
// Largest cell strictly below the threshold; value in inches.
CellLocation MaxWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
// Mean of the cells / 1000; 0 for an empty range.
double AverageWall(const PipeFile& pipe, std::int32_t from, std::int32_t to);

}  // namespace ductora
