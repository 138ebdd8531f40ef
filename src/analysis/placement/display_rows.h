#pragma once

#include <cstdint>
#include <optional>

#include "data/format/pipe_file.h"

namespace ductora {

// How revolution indices along the displayed pipe relate to the rows of one matrix or series.
// Index i covers [i, i + 1) x deltaX inches of the display. The data start `offset` indices in
// (the wall start in whole rows, rounded); a reversed pipe runs the rows backwards over the
// matrix's own rows, so the data keep their place and only their order turns.
struct DisplayRows {
  std::int64_t offset = 0;  // k
  std::int64_t rows = 0;    // R
  bool reversed = false;
  bool flipped = false;

  // The row shown at a display index; rows outside [0, R) are outside the data.
  std::int64_t RowOf(std::int64_t index) const {
    const std::int64_t row = index - offset;
    return reversed ? rows - 1 - row : row;
  }
  // Where a row is shown: the exact inverse of RowOf.
  std::int64_t IndexOf(std::int64_t row) const { return offset + (reversed ? rows - 1 - row : row); }
  bool Contains(std::int64_t row) const { return row >= 0 && row < rows; }
  // The row shown at a display index, empty outside the data.
  std::optional<std::int64_t> RowInside(std::int64_t index) const {
    const std::int64_t row = RowOf(index);
    return Contains(row) ? std::optional(row) : std::nullopt;
  }
};

// Wall-pitch data (the wall matrix and its per-revolution series, the CSA series): the wall
// start rounded to the nearest row of that pitch.
DisplayRows MakeDisplayRows(const PipeFile& pipe, double deltaX, std::int64_t rows);
// Data that start with the display (the OD matrix and its series, straightness).
DisplayRows MakeUnshiftedRows(const PipeFile& pipe, std::int64_t rows);
DisplayRows WallDisplayRows(const PipeFile& pipe);
DisplayRows OdDisplayRows(const PipeFile& pipe);
DisplayRows StraightnessDisplayRows(const PipeFile& pipe);
// The ID matrix is built in display order at the OD pitch: its rows are display indices.
DisplayRows IdDisplayRows(const PipeFile& pipe);

// Where a matrix lies along the displayed pipe (inches): row r covers [start + r, start + r + 1)
// pitches, or for a reversed pipe the mirror of that within the span, from start + length back.
struct DisplaySpan {
  double start = 0.0;
  double length = 0.0;
  bool reversed = false;
};
DisplaySpan WallSpan(const PipeFile& pipe);
DisplaySpan OdSpan(const PipeFile& pipe);
DisplaySpan IdSpan(const PipeFile& pipe);

// The display index at a position (inches along the displayed pipe): position / pitch, rounded
// down. Empty for a pitch that is not positive or a position that gives no index.
std::optional<std::int64_t> DisplayIndexAt(double position, double pitch);
// The middle of a display index's stretch, in inches: where a found place is reported, and a
// cursor put there reads that index back whatever its rounding.
double IndexMiddle(std::int64_t index, double pitch);

// Mirrors a column for a counter-clockwise pipe: columns - 1 - c, which is 359 - c for the
// usual 360 columns and never leaves the matrix for other widths.
inline std::int64_t FlipColumn(std::int64_t column, std::int64_t columns) { return columns - 1 - column; }

// The display column at an angle (degrees, wrapped into one turn): the turn split into `columns`
// equal columns from 0 degrees, as the maps draw them. Empty without columns or for an angle that
// is not finite.
std::optional<std::int64_t> DisplayColumnAt(double angle, std::int64_t columns);
// The angle (degrees) where a display column starts.
double ColumnAngle(std::int64_t column, std::int64_t columns);
// The matrix column shown at a display column: mirrored for a flipped pipe.
inline std::int64_t ShownColumn(const PipeFile& pipe, std::int64_t column, std::int64_t columns) {
  return pipe.flipped() ? FlipColumn(column, columns) : column;
}

}  // namespace ductora
