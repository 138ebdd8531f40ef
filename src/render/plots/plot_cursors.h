#pragma once

#include <cstdint>
#include <optional>

#include "data/format/pipe_file.h"

namespace ductora::render {

// The row under the axial cursor (inches along the displayed pipe) as the plots read it: the
// display mapping of each matrix (analysis/placement), the same the maps draw. The row may lie
// outside the data; the plots decide what that means. Empty when the cursor or the pitch gives
// no index (not finite, absurd, no pitch).
std::optional<std::int64_t> WallPlotRow(const PipeFile& pipe, double position);
std::optional<std::int64_t> OdPlotRow(const PipeFile& pipe, double position);
std::optional<std::int64_t> StraightnessPlotRow(const PipeFile& pipe, double position);
// The ID matrix is built in display order: the cursor's revolution is its row, never mirrored.
std::optional<std::int64_t> IdPlotRow(const PipeFile& pipe, double position);

// Degrees around the pipe as samples of a revolution of n (exact for 360 samples).
float SamplesOfDegrees(float degrees, std::uint32_t samples);
// The first sample an around plot reads: the pipe's rotation (degrees) in whole samples, kept
// in [0, n).
std::uint32_t RotationStart(float rotation, std::uint32_t samples);
// Where the angular cursor stands on an around plot read from the rotation on, both in samples:
// the angle less (rotation - n), less n once more when that reaches n.
float AngleCursorLine(float angle, float rotation, std::uint32_t samples);

}  // namespace ductora::render
