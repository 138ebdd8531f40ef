#pragma once

#include <cstdint>

#include "analysis/placement/display_rows.h"

namespace ductora {

// Half-open rows [first, last) inside the data; empty when first == last.
struct RowRange {
  std::int64_t first = 0;
  std::int64_t last = 0;

  bool empty() const { return first >= last; }
  std::int64_t size() const { return empty() ? 0 : last - first; }
};

// Normalises a display range [from, to): to = 0 selects every index up to the end of the data
// (so (3, 0) runs from 3 to the end), otherwise from > to is swapped. The indices become the rows
// shown there (a reversed pipe's rows run backwards, so the ends change places), held inside
// [0, rows] so that no query reads past its data.
RowRange NormalizeRange(std::int32_t from, std::int32_t to, const DisplayRows& mapping);

// A matrix cell found by a query: display index, display column (mirrored back when flipped) and
// value; `placed` is false when the range held no data, and the place is then 0.
struct CellLocation {
  std::int32_t index = 0;
  std::int32_t column = 0;
  double value = 0.0;
  bool placed = false;
};

// A row of a per-revolution series found by a query, as a display index, and its value.
struct RowLocation {
  std::int32_t index = 0;
  double value = 0.0;
  bool placed = false;
};

}  // namespace ductora
