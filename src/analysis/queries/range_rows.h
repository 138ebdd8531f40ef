#pragma once

#include <cstdint>

#include "analysis/placement/display_rows.h"

namespace ductora {

// Which ends of a display range go through the display row mapping.
enum class RangeMapping {
  kBothEnds,  // wall, CSA and per-revolution wall series
  kEndOnly,   // ID and eccentricity queries use the start as a row directly
  kNone,      // OD and ovality rows are display rows
};

// Half-open rows [first, last) inside the data; empty when first == last.
struct RowRange {
  std::int64_t first = 0;
  std::int64_t last = 0;

  bool empty() const { return first >= last; }
  std::int64_t size() const { return empty() ? 0 : last - first; }
};

// Normalises a display range [from, to): to = 0 selects every row up to the end of the data
// (so (3, 0) runs from 3 to the end), otherwise from > to is swapped; the ends are mapped as
// asked and the result is held inside [0, rows], so no query reads past its data.
RowRange NormalizeRange(std::int32_t from, std::int32_t to, const DisplayRows& mapping, RangeMapping how);

// A matrix cell found by a query: display index, column (mirrored when flipped) and value.
struct CellLocation {
  std::int32_t index = 0;
  std::int32_t column = 0;
  double value = 0.0;
};

// A row of a per-revolution series found by a query, as a display index, and its value.
struct RowLocation {
  std::int32_t index = 0;
  double value = 0.0;
};

}  // namespace ductora
