#pragma once

#include <cstdint>

#include "analysis/queries/range_rows.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Queries of csaPerRev over a display range [from, to) (both ends mapped with the wall pitch).
// Thresholds and location values in square inches; percentages of nominalCsa. The candidate
// starts at the range's first row. 0 without the series, for an empty range, or (percentages)
// with a zero nominal area.

RowLocation MinCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
RowLocation MaxCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double AverageCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double NominalCsa(const PipeFile& pipe);

}  // namespace ductora
