#include "analysis/queries/range_rows.h"

#include <algorithm>
#include <utility>

namespace ductora {

RowRange NormalizeRange(std::int32_t from, std::int32_t to, const DisplayRows& mapping) {
  std::int64_t start = from;
  std::int64_t end = to;
  if (end == 0) {
    end = mapping.offset + mapping.rows;
  } else if (start > end) {
    std::swap(start, end);
  }
  // Rows [first, last) shown at indices [start, end): the last index's row starts a reversed range.
  std::int64_t first = mapping.RowOf(start);
  std::int64_t last = mapping.RowOf(end);
  if (mapping.reversed) {
    first = mapping.RowOf(end) + 1;
    last = mapping.RowOf(start) + 1;
  }
  RowRange range;
  range.first = std::clamp<std::int64_t>(first, 0, mapping.rows);
  range.last = std::clamp<std::int64_t>(last, range.first, mapping.rows);
  return range;
}

}  // namespace ductora
