#pragma once

#include <cstdint>
#include <optional>

#include "data/format/pipe_file.h"

namespace ductora {

// The matrix rows under the axial cursor (inches along the displayed pipe), as the statistics
// read them: the cursor over a matrix's deltaX, truncated, then mapped and reversed like every
// display row. Empty outside the matrix, for a NaN or infinite cursor and without the matrix.

// Wall matrix row (the display offset of the wall start applies).
std::optional<std::int64_t> CursorWallRow(const PipeFile& pipe, double cursor);
// OD matrix row (OD rows are display rows).
std::optional<std::int64_t> CursorOdRow(const PipeFile& pipe, double cursor);

// The cursor value (single precision, as the view keeps it) at the start of step `index` of
// `pitch`: step x pitch, raised to the next float where rounding left it in the step before, so
// that the cursor reads back exactly that row or column. 0 for a pitch that is not positive.
float CursorAtStep(std::int64_t index, double pitch);

}  // namespace ductora
