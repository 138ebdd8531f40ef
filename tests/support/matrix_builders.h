#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora::testing {

using WallRows = std::vector<std::vector<std::uint16_t>>;
using OdRows = std::vector<std::vector<std::int16_t>>;

// Matrices from literal rows (all rows as long as the first), with length and a deltaY of
// 360 / columns filled in.
WallMatrix MakeWallMatrix(const WallRows& rows, double deltaX = 1.0);
OdMatrix MakeOdMatrix(const OdRows& rows, double deltaX = 1.0);

// Matrices whose cell (r, c) is value(r, c).
WallMatrix MakeWallMatrix(std::uint32_t rows, std::uint32_t columns,
                          const std::function<std::uint16_t(std::uint32_t, std::uint32_t)>& value,
                          double deltaX = 1.0);
OdMatrix MakeOdMatrix(std::uint32_t rows, std::uint32_t columns,
                      const std::function<std::int16_t(std::uint32_t, std::uint32_t)>& value,
                      double deltaX = 1.0);

// A pipe holding the given matrices (either may be empty), the nominal and calibration ODs in
// inches and the nominal wall in thousandths, with the header's mils fields to match.
struct PipeShape {
  WallMatrix wall;
  OdMatrix od;
  float nominalOd = 0.0F;
  std::uint16_t nominalWall = 0;
  float calibrationOd = 0.0F;
  double wallStart = 0.0;
  bool reversed = false;
  bool flipped = false;
};
PipeFile MakePipe(PipeShape plan);
// The same with every stored measure computed, as loading a pipe gives it.
PipeFile MakeMeasuredPipe(PipeShape plan);

}  // namespace ductora::testing
