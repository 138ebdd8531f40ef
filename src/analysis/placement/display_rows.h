#pragma once

#include <cstdint>

#include "data/format/pipe_file.h"

namespace ductora {

// How revolution indices along the displayed pipe relate to the rows of one matrix or series.
// The display starts `wallStart` inches before the matrix: k = trunc(wallStart / deltaX) rows.
struct DisplayRows {
  std::int64_t offset = 0;      // k
  std::int64_t rows = 0;        // R
  std::int64_t lastIndex = -1;  // N = max(OD rows, wall rows) - 1, the pivot of reversing
  bool reversed = false;
  bool flipped = false;

  // The row a display index maps to. The reversed mapping (index + k) can pass R; callers
  // treat every row outside [0, R) as outside the data.
  std::int64_t RowOf(std::int64_t index) const;
  // A row as a display index: row + k, then reversed when the pipe is reversed.
  std::int64_t IndexOf(std::int64_t row) const;
  std::int64_t Reverse(std::int64_t index) const { return lastIndex - index; }
  bool Contains(std::int64_t row) const { return row >= 0 && row < rows; }
};

// The mapping of a matrix or series with this row pitch and row count.
DisplayRows MakeDisplayRows(const PipeFile& pipe, double deltaX, std::int64_t rows);
// The mapping of data that is not offset by the wall start (OD rows are display rows).
DisplayRows MakeUnshiftedRows(const PipeFile& pipe, std::int64_t rows);
// The wall matrix mapping, shared by the per-revolution wall series and the CSA series.
DisplayRows WallDisplayRows(const PipeFile& pipe);

// Mirrors a column for a counter-clockwise pipe: columns - 1 - c, which is 359 - c for the
// usual 360 columns and never leaves the matrix for other widths.
inline std::int64_t FlipColumn(std::int64_t column, std::int64_t columns) { return columns - 1 - column; }

}  // namespace ductora
