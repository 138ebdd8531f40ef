#pragma once

#include <cstdint>
#include <limits>

#include "analysis/queries/range_rows.h"

namespace ductora {

// Building blocks of the range queries: scans over rows of a series or cells of a matrix in
// order; strict comparisons keep the first of equal entries.

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// A bound on the entries a threshold query may settle on.
struct Above {
  double threshold;
  bool operator()(double value) const { return value > threshold; }
};
struct Below {
  double threshold;
  bool operator()(double value) const { return value < threshold; }
};
struct Lower {
  bool operator()(double value, double best) const { return value < best; }
};
struct Higher {
  bool operator()(double value, double best) const { return value > best; }
};

// The entry a scan settled on; row < 0 when the scan had nothing to settle on.
struct ScanPick {
  std::int64_t row = -1;
  std::int64_t column = 0;
  double value = 0.0;

  bool found() const { return row >= 0; }
};

// Threshold queries. The candidate starts at the first entry of the range, whatever its value,
// and an entry inside the bound replaces it when it is better or when the candidate itself lies
// outside the bound (so a first entry outside the bound cannot hide every other one). Reads
// entry (r, c), c < columns, through valueAt.
template <typename ValueAt, typename Within, typename Better>
ScanPick PickBounded(RowRange range, std::int64_t columns, ValueAt valueAt, Within within, Better better) {
  ScanPick pick;
  if (range.empty() || columns <= 0) {
    return pick;
  }
  pick = {range.first, 0, valueAt(range.first, 0)};
  bool pickWithin = within(pick.value);
  for (std::int64_t r = range.first; r < range.last; ++r) {
    for (std::int64_t c = 0; c < columns; ++c) {
      const double value = valueAt(r, c);
      if (within(value) && (!pickWithin || better(value, pick.value))) {
        pick = {r, c, value};
        pickWithin = true;
      }
    }
  }
  return pick;
}

// Extreme queries with a start value: an entry strictly better than the candidate replaces it;
// nothing is found when no entry beats the start.
template <typename ValueAt, typename Better>
ScanPick PickFromStart(RowRange range, std::int64_t columns, double start, ValueAt valueAt, Better better) {
  ScanPick pick{-1, 0, start};
  for (std::int64_t r = range.first; r < range.last; ++r) {
    for (std::int64_t c = 0; c < columns; ++c) {
      const double value = valueAt(r, c);
      if (better(value, pick.value)) {
        pick = {r, c, value};
      }
    }
  }
  return pick;
}

// Reads a per-revolution series as a one-column matrix.
template <typename Series>
auto SeriesEntries(const Series& series) {
  return [&series](std::int64_t row, std::int64_t) {
    return static_cast<double>(series[static_cast<std::size_t>(row)]);
  };
}

// The value of a pick times scale, 0 when nothing was found.
inline double PickedValue(const ScanPick& pick, double scale) {
  return pick.found() ? pick.value * scale : 0.0;
}

// A pick as a display location; without a pick the location is the start of the range and the
// value 0. Columns are mirrored within matrixColumns when the pipe is flipped.
RowLocation ToRowLocation(const ScanPick& pick, RowRange range, const DisplayRows& mapping, double scale);
CellLocation ToCellLocation(const ScanPick& pick, RowRange range, const DisplayRows& mapping,
                            std::int64_t matrixColumns, double scale);

}  // namespace ductora
