#include "analysis/cursor_rows.h"

#include <cmath>

#include "analysis/display_rows.h"
#include "analysis/matrix_extent.h"

namespace ductora {

namespace {

// Beyond any index a matrix can have; keeps the conversion to an integer defined.
constexpr double kIndexLimit = 1e12;

std::optional<std::int64_t> DisplayIndex(double cursor, double deltaX) {
  if (!(deltaX > 0.0)) {
    return std::nullopt;
  }
  const double index = std::trunc(cursor / deltaX);
  if (!(std::abs(index) < kIndexLimit)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(index);
}

}  // namespace

std::optional<std::int64_t> CursorWallRow(const PipeFile& pipe, double cursor) {
  const auto index = DisplayIndex(cursor, pipe.wallMatrix.deltaX);
  const DisplayRows mapping = WallDisplayRows(pipe);
  if (!index || *index < mapping.offset || *index >= mapping.offset + mapping.rows) {
    return std::nullopt;
  }
  std::int64_t row = mapping.RowOf(*index);
  if (mapping.reversed) {
    row = mapping.Reverse(row);
  }
  return mapping.Contains(row) ? std::optional(row) : std::nullopt;
}

std::optional<std::int64_t> CursorOdRow(const PipeFile& pipe, double cursor) {
  const auto index = DisplayIndex(cursor, pipe.odMatrix.deltaX);
  if (!index) {
    return std::nullopt;
  }
  const DisplayRows mapping = MakeUnshiftedRows(pipe, UsableRows(pipe.odMatrix));
  const std::int64_t row = mapping.reversed ? mapping.Reverse(*index) : *index;
  return mapping.Contains(row) ? std::optional(row) : std::nullopt;
}

}  // namespace ductora
