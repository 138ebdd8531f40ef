#pragma once

#include <cstdint>

#include "app/windows/data_display_table.h"
#include "data/format/pipe_file.h"

namespace ductora {

// The Data Display's six operations on the shown matrix. "Fill" sets revolutions r .. r + n - 1:
// wall to the fixed value, OD to the neighbouring revolution's value. "Shift" copies the
// neighbour into r and walks the other way, n times. "Copy" gives the angles the value of the
// first or last angle of the range, in revolutions r .. r + n - 1.
enum class DataOperation {
  kFillFromBelow,   // "Change >": neighbour r - 1
  kFillFromAbove,   // "< Change ": neighbour r + 1
  kShiftFromAbove,  // "< Change": r takes r + 1, then r - 1 takes r, ...
  kShiftFromBelow,  // "Change >": r takes r - 1, then r + 1 takes r, ...
  kCopyFirstAngle,  // "Change ^"
  kCopyLastAngle,   // "Change V"
};

struct DataEdit {
  DataOperation operation;
  std::int64_t revolution = 0;
  // Whole degrees, each standing for the display column it falls in; the range runs up from the
  // start's column and past the last to 0 when the end's is below it.
  int start = 0;
  int end = 0;
  std::int64_t count = 1;   // below 1 counts as 1
  double fixedValue = 0.0;  // thousandths, wall only
};

// Changes the cells the table shows at those places (the display placement of rows and columns),
// never a place outside the matrix. An OD cell moves together with the cell opposite it, both from
// the same source, so diameters stay whole. Returns whether the matrix exists.
bool applyDataEdit(PipeFile& pipe, DataMode mode, const DataEdit& edit);

}  // namespace ductora
