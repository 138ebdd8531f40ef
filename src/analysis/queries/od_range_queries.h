#pragma once

#include <cstdint>

#include "analysis/queries/range_rows.h"
#include "data/format/pipe_file.h"

namespace ductora {

// OD queries take [from, to) as OD rows (they are display rows; nothing is mapped). A pair is
// value(c) + value(c + columns/2) for c < columns/2, in thousandths; the found column is c
// (mirrored when flipped).
// Threshold queries start from the range's first row (and pair). 0 without OD data or for an
// empty range.

CellLocation MinOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
CellLocation MaxOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
// Sum of the pairs / (rows of the range x columns/2), thousandths.
double AverageOdPair(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// ovalityPerRev, percent; rows unmapped. The candidate starts at the range's first row.
RowLocation MinOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
RowLocation MaxOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double AverageOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to);

}  // namespace ductora
