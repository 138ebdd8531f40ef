#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora {

// One connected area of no-reading cells of the wall matrix, where the views show it: from
// `position` on for `length` inches, from `angle` on for `width` degrees (it may run past 360).
struct NoReadingArea {
  double position = 0.0;
  double length = 0.0;
  double angle = 0.0;
  double width = 0.0;
  std::size_t cells = 0;
};

// The wall matrix's no-reading cells; empty when it has no mask.
std::optional<std::size_t> NoReadingCellCount(const PipeFile& pipe);

// The areas in order along the displayed pipe; cells touching across 0 degrees are one area.
std::vector<NoReadingArea> NoReadingAreas(const PipeFile& pipe);

}  // namespace ductora
