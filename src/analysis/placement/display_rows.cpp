#include "analysis/placement/display_rows.h"

#include <algorithm>
#include <cmath>

#include "analysis/measures/matrix_extent.h"

namespace ductora {

namespace {

// Far beyond any row count; keeps the conversion of absurd offsets defined.
constexpr double kOffsetLimit = 1e9;

std::int64_t RowOffset(double wallStart, double deltaX) {
  if (!(deltaX > 0.0)) {
    return 0;
  }
  const double rowsBefore = wallStart / deltaX;
  if (!std::isfinite(rowsBefore)) {
    return 0;
  }
  return static_cast<std::int64_t>(std::clamp(rowsBefore, -kOffsetLimit, kOffsetLimit));
}

std::int64_t LastDisplayIndex(const PipeFile& pipe) {
  const std::int64_t odRows = pipe.odMatrix.present() ? UsableRows(pipe.odMatrix) : 0;
  const std::int64_t wallRows = pipe.wallMatrix.present() ? UsableRows(pipe.wallMatrix) : 0;
  return std::max(odRows, wallRows) - 1;
}

}  // namespace

std::int64_t DisplayRows::RowOf(std::int64_t index) const {
  if (reversed) {
    return index < offset + rows ? index + offset : rows;
  }
  if (index < offset) {
    return 0;
  }
  if (index >= offset + rows) {
    return rows;
  }
  return index - offset;
}

std::int64_t DisplayRows::IndexOf(std::int64_t row) const {
  const std::int64_t index = row + offset;
  return reversed ? Reverse(index) : index;
}

DisplayRows MakeDisplayRows(const PipeFile& pipe, double deltaX, std::int64_t rows) {
  DisplayRows mapping = MakeUnshiftedRows(pipe, rows);
  mapping.offset = RowOffset(pipe.wallStart, deltaX);
  return mapping;
}

DisplayRows MakeUnshiftedRows(const PipeFile& pipe, std::int64_t rows) {
  DisplayRows mapping;
  mapping.rows = rows;
  mapping.lastIndex = LastDisplayIndex(pipe);
  mapping.reversed = pipe.reversed();
  mapping.flipped = pipe.flipped();
  return mapping;
}

DisplayRows WallDisplayRows(const PipeFile& pipe) {
  return MakeDisplayRows(pipe, pipe.wallMatrix.deltaX, UsableRows(pipe.wallMatrix));
}

}  // namespace ductora
