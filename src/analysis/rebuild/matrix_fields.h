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

// The decimals the dialog shows the settings with.
constexpr int kWallScaleDecimals = 3;
constexpr int kRemovalDecimals = 3;  // inches
constexpr int kPitchDecimals = 9;

// A setting given back for one shown with `decimals`: the stored value when the given one equals
// it to those decimals, so that a field left as shown keeps the exact value (1/3, shown as
// 0.333333333, stays 1/3) and a later build from the stored settings builds the same matrix.
double SettledSetting(double given, double stored, int decimals);
// The same for a removal shown in inches and stored in encoder counts.
std::uint32_t SettledRemoval(double givenInches, std::uint32_t storedCounts);

}  // namespace ductora
