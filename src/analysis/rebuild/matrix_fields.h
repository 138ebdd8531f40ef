#pragma once

#include <array>
#include <cstdint>

#include "data/format/pipe_file.h"

namespace ductora {

// What the Modify Pipe Matrix dialog shows for a pipe before the operator changes anything.
struct WallMatrixFields {
  std::array<double, 4> wallScales{};
  std::uint32_t jumpSize = 0;
  int primary = 0;                // the first channel (1..4) with samples, 0 when none has
  int secondary = 0;              // the second such channel, 0 when there is none
  std::uint32_t removeFront = 0;  // encoder counts
  std::uint32_t removeBack = 0;
  double deltaX = 0.0;
  double deltaY = 0.0;
};

WallMatrixFields WallMatrixFieldsOf(const PipeFile& pipe);

}  // namespace ductora
