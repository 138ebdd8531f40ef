#pragma once

#include <cstdint>

#include "analysis/queries/range_rows.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Queries of the per-revolution wall series over a display range [from, to). Values are inches
// (wall) or percent (eccentricity); 0 when no entry beats the start value, without the series
// or for an empty range.

// minWallPerRev, both ends mapped.
RowLocation MinRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
RowLocation MaxRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
// Smallest entry; the scan starts from 3000 thousandths, so only entries below 3 inches count.
double MinRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double MaxRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double AverageRevWall(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// eccentricityPerRev; only the range end is mapped, the start is taken as a row.
RowLocation MinEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to);
RowLocation MaxEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to);

}  // namespace ductora
