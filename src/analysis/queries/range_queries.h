#pragma once

#include <cstdint>

#include "analysis/queries/range_rows.h"
#include "data/format/pipe_file.h"

namespace ductora {

// The extremes and averages of each measure over a display range [from, to), for the plots,
// dialogs and exports that read them (see NormalizeRange: to = 0 reads to the end of the data).
// Found rows and columns are display places. Every query gives 0 without its data or for an
// empty range. The first of equal entries wins (row-major).
//
// Threshold queries (wall, CSA, OD, ovality): the smallest entry strictly above the threshold,
// the largest strictly below it; the candidate starts at the range's first entry.
// Start-value queries (per-revolution wall, 64-point average, eccentricity, ID): an entry strictly
// better than the start value moves the candidate; 0 when none does.

// Wall matrix cells, both ends mapped. Thresholds in thousandths, values in inches.
CellLocation MinWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
CellLocation MaxWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
// Mean of the cells / 1000.
double AverageWall(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// csaPerRev, both ends mapped with the wall pitch. Thresholds and location values in square
// inches; percentages of nominalCsa, 0 with a zero nominal area.
RowLocation MinCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
RowLocation MaxCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double AverageCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double NominalCsa(const PipeFile& pipe);

// OD pairs value(c) + value(c + columns/2) for c < columns/2, in thousandths, over OD rows (they
// are display rows; nothing is mapped). The found column is c (mirrored when flipped).
CellLocation MinOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
CellLocation MaxOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
// Sum of the pairs / (rows of the range x columns/2), thousandths.
double AverageOdPair(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// ovalityPerRev, percent; rows unmapped.
RowLocation MinOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
RowLocation MaxOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MinOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double MaxOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold);
double AverageOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// minWallPerRev, both ends mapped; inches.
RowLocation MinRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
RowLocation MaxRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
// Smallest entry; the scan starts from 3000 thousandths, so only entries below 3 inches count.
double MinRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double MaxRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double AverageRevWall(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// The same on the 64-revolution average of minWallPerRev (MinWallAverage64); inches.
RowLocation Min64Location(const PipeFile& pipe, std::int32_t from, std::int32_t to);
RowLocation Max64Location(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double Min64Value(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double Max64Value(const PipeFile& pipe, std::int32_t from, std::int32_t to);
double Average64(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// eccentricityPerRev, percent; only the range end is mapped, the start is taken as a row.
RowLocation MinEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to);
RowLocation MaxEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to);

// ID matrix cells over display rows at the OD pitch (the start taken as a row); inches.
// Largest cell (start 0).
CellLocation MaxIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
// Smallest cell above 0 (start 50 inches).
CellLocation MinIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
// Mean of the cells of at least one thousandth.
double AverageId(const PipeFile& pipe, std::int32_t from, std::int32_t to);

}  // namespace ductora
