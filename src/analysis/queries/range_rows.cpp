#include "analysis/queries/range_rows.h"

#include <algorithm>
#include <utility>

namespace ductora {

RowRange NormalizeRange(std::int32_t from, std::int32_t to, const DisplayRows& mapping, RangeMapping how) {
  std::int64_t start = from;
  std::int64_t end = to;
  const bool toEnd = end == 0;
  if (!toEnd && start > end) {
    std::swap(start, end);
  }
  if (how == RangeMapping::kBothEnds) {
    start = mapping.RowOf(start);
  }
  if (toEnd) {
    end = mapping.rows;
  } else if (how != RangeMapping::kNone) {
    end = mapping.RowOf(end);
  }
  RowRange range;
  range.first = std::clamp<std::int64_t>(start, 0, mapping.rows);
  range.last = std::clamp<std::int64_t>(end, range.first, mapping.rows);
  return range;
}

}  // namespace ductora
