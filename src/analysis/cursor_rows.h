#pragma once

#include <cstdint>
#include <optional>

#include "data/pipe_file.h"

namespace ductora {

// The matrix rows under the axial cursor (inches along the displayed pipe), as the statistics
// read them: the cursor over a matrix's deltaX, truncated, then mapped and reversed like every
// display row. Empty outside the matrix, for a NaN or infinite cursor and without the matrix.

// Wall matrix row (the display offset of the wall start applies).
std::optional<std::int64_t> CursorWallRow(const PipeFile& pipe, double cursor);
// OD matrix row (OD rows are display rows).
std::optional<std::int64_t> CursorOdRow(const PipeFile& pipe, double cursor);

}  // namespace ductora
