#include "analysis/placement/cursor_rows.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/placement/display_rows.h"

namespace ductora {

namespace {

template <typename Matrix>
CursorCell CellOf(const PipeFile& pipe, const Matrix& matrix, const DisplayRows& mapping, bool mirrored,
                  double position, double angle) {
  CursorCell cell;
  if (!matrix.present()) {
    return cell;
  }
  cell.index = DisplayIndexAt(position, matrix.deltaX);
  if (cell.index) {
    cell.row = mapping.RowInside(*cell.index);
  }
  const auto columns = static_cast<std::int64_t>(matrix.columns);
  if (const auto column = DisplayColumnAt(angle, columns)) {
    cell.column = mirrored ? ShownColumn(pipe, *column, columns) : *column;
  }
  return cell;
}

}  // namespace

CursorPlace PlaceAtCursor(const PipeFile& pipe, double position, double angle) {
  CursorPlace place;
  place.wall = CellOf(pipe, pipe.wallMatrix, WallDisplayRows(pipe), true, position, angle);
  place.od = CellOf(pipe, pipe.odMatrix, OdDisplayRows(pipe), true, position, angle);
  place.id = CellOf(pipe, pipe.idMatrix, IdDisplayRows(pipe), false, position, angle);
  place.straightness = CellOf(pipe, pipe.straightness, StraightnessDisplayRows(pipe), true, position, angle);
  return place;
}

std::optional<std::int64_t> CursorWallRow(const PipeFile& pipe, double cursor) {
  return PlaceAtCursor(pipe, cursor, 0.0).wall.row;
}

std::optional<std::int64_t> CursorOdRow(const PipeFile& pipe, double cursor) {
  return PlaceAtCursor(pipe, cursor, 0.0).od.row;
}

std::optional<std::int64_t> WallRowAtOdRow(const PipeFile& pipe, std::int64_t odRow) {
  const DisplayRows od = OdDisplayRows(pipe);
  if (!od.Contains(odRow)) {
    return std::nullopt;
  }
  const double position = IndexMiddle(od.IndexOf(odRow), pipe.odMatrix.deltaX);
  return PlaceAtCursor(pipe, position, 0.0).wall.row;
}

float CursorAtColumn(std::int64_t column, std::int64_t columns) {
  if (columns <= 0 || column <= 0) {
    return 0.0F;
  }
  auto cursor = static_cast<float>(ColumnAngle(std::min(column, columns - 1), columns));
  for (int guard = 0; guard < 4 && DisplayColumnAt(cursor, columns).value_or(column) < column; ++guard) {
    cursor = std::nextafter(cursor, std::numeric_limits<float>::infinity());
  }
  return cursor;
}

}  // namespace ductora
