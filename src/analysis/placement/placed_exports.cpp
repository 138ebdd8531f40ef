#include "analysis/placement/placed_exports.h"

#include "analysis/placement/cursor_rows.h"

namespace ductora {

TextExport ExportLengthAtY(const PipeFile* pipe, double cursorAngle) {
  // The cursor's angle lies within one turn; another names no column.
  const bool turn = cursorAngle >= 0.0 && cursorAngle < 360.0;
  return exportLengthAtY(
      pipe, pipe == nullptr || !turn ? std::nullopt : PlaceAtCursor(*pipe, 0.0, cursorAngle).wall.column);
}

TextExport ExportRevAtX(const PipeFile* pipe, double cursorPosition) {
  return exportRevAtX(pipe, pipe == nullptr ? std::nullopt : CursorWallRow(*pipe, cursorPosition));
}

TextExport ExportHalden(const PipeFile* pipe) {
  return exportHalden(pipe, [pipe](std::int64_t odRow) { return WallRowAtOdRow(*pipe, odRow); });
}

}  // namespace ductora
