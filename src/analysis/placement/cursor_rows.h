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

// The cursor angle (single precision) at the start of display column `column` of `columns`,
// raised to the next float where rounding left it in the column before, so that the cursor reads
// back that column. 0 without columns.
float CursorAtColumn(std::int64_t column, std::int64_t columns);

}  // namespace ductora
