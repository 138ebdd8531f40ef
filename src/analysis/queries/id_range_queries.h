#pragma once

#include <cstdint>

#include "analysis/queries/range_rows.h"
#include "data/format/pipe_file.h"

namespace ductora {

// ID matrix cells over display rows [from, to) at the OD pitch; to = 0 reads to the last ID row.
// Found rows and columns are display places. Values in inches; 0 when no cell
// qualifies, without an ID matrix or for an empty range.

// Largest cell (start 0: a strictly greater cell moves it).
CellLocation MaxIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
// Smallest cell above 0 (start 50 inches).
CellLocation MinIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to);
// Mean of the cells of at least one thousandth.
double AverageId(const PipeFile& pipe, std::int32_t from, std::int32_t to);

}  // namespace ductora
