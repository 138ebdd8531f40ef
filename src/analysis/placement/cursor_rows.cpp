#include "analysis/placement/cursor_rows.h"

#include <cmath>
#include <limits>

#include "analysis/measures/matrix_extent.h"
#include "analysis/placement/display_rows.h"

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

float CursorAtStep(std::int64_t index, double pitch) {
  if (!(pitch > 0.0) || index <= 0) {
    return 0.0F;
  }
  const double start = static_cast<double>(index) * pitch;
  // A pitch read from a damaged file can put the start beyond any float.
  if (!(start < std::numeric_limits<float>::max())) {
    return std::numeric_limits<float>::max();
  }
  auto cursor = static_cast<float>(start);
  // A float is at most a few steps below the product; each step up moves by one unit of the last place.
  for (int guard = 0;
       guard < 4 && std::trunc(static_cast<double>(cursor) / pitch) < static_cast<double>(index); ++guard) {
    cursor = std::nextafter(cursor, std::numeric_limits<float>::infinity());
  }
  return cursor;
}

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
