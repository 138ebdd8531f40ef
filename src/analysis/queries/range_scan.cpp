#include "analysis/queries/range_scan.h"

namespace ductora {

RowLocation ToRowLocation(const ScanPick& pick, RowRange range, const DisplayRows& mapping, double scale) {
  RowLocation location;
  if (range.empty()) {
    return location;
  }
  location.index = static_cast<std::int32_t>(mapping.IndexOf(pick.found() ? pick.row : range.first));
  location.value = PickedValue(pick, scale);
  location.placed = true;
  return location;
}

CellLocation ToCellLocation(const ScanPick& pick, RowRange range, const DisplayRows& mapping,
                            std::int64_t matrixColumns, double scale) {
  CellLocation location;
  if (range.empty()) {
    return location;
  }
  location.index = static_cast<std::int32_t>(mapping.IndexOf(pick.found() ? pick.row : range.first));
  const std::int64_t column = pick.found() ? pick.column : 0;
  location.column = static_cast<std::int32_t>(mapping.flipped ? FlipColumn(column, matrixColumns) : column);
  location.value = PickedValue(pick, scale);
  location.placed = true;
  return location;
}

}  // namespace ductora
