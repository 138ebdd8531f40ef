#pragma once

#include <cstdint>
#include <optional>

#include "data/format/pipe_file.h"

namespace ductora {

// One matrix's cell under the cursor, in the matrix's own rows and columns. Each is empty
// outside the data (and without the matrix).
struct CursorCell {
  std::optional<std::int64_t> index;   // display index at the matrix's pitch
  std::optional<std::int64_t> row;     // the row shown there
  std::optional<std::int64_t> column;  // the column shown at the angle
};

// What the display shows at position X (inches along the displayed pipe) and angle Y (degrees),
// as the maps draw it: the row covering X (wall start and reversal applied) and the column
// covering Y (mirrored for a flipped pipe) of every matrix.
struct CursorPlace {
  CursorCell wall;
  CursorCell od;
  CursorCell id;  // built in display order: row and column as the display counts them
  CursorCell straightness;
};

CursorPlace PlaceAtCursor(const PipeFile& pipe, double position, double angle);

// The rows alone, for what reads one revolution at the cursor.
std::optional<std::int64_t> CursorWallRow(const PipeFile& pipe, double cursor);
std::optional<std::int64_t> CursorOdRow(const PipeFile& pipe, double cursor);

// The wall row shown where the display shows OD row `odRow`; empty where no wall row is shown.
std::optional<std::int64_t> WallRowAtOdRow(const PipeFile& pipe, std::int64_t odRow);

// Where the display shows a matrix cell, back from its own row and column: the middle of the
// row's stretch (inches) and the start of the column (degrees).
struct DisplayPlace {
  double position = 0.0;
  double angle = 0.0;
};
DisplayPlace WallCellPlace(const PipeFile& pipe, std::int64_t row, std::int64_t column);
DisplayPlace OdCellPlace(const PipeFile& pipe, std::int64_t row, std::int64_t column);

// The cursor value (single precision, as the view keeps it) at the start of step `index` of
// `pitch`: step x pitch, raised to the next float where rounding left it in the step before, so
// that the cursor reads back exactly that row or column. 0 for a pitch that is not positive.
float CursorAtStep(std::int64_t index, double pitch);
// The cursor angle (single precision) at the start of display column `column` of `columns`,
// raised like CursorAtStep so that it reads back that column. 0 without columns.
float CursorAtColumn(std::int64_t column, std::int64_t columns);

}  // namespace ductora
