#include "render/plots/plot_cursors.h"

#include <cmath>

#include "analysis/measures/matrix_extent.h"
#include "analysis/placement/display_rows.h"

namespace ductora::render {
namespace {

// Beyond any row a matrix can have; keeps the conversion to an integer defined.
constexpr double kIndexLimit = 1e12;

std::optional<std::int64_t> CursorIndex(double position, double deltaX) {
  if (!(deltaX > 0.0)) return std::nullopt;
  const double index = std::trunc(position / deltaX);
  if (!(std::abs(index) < kIndexLimit)) return std::nullopt;
  return static_cast<std::int64_t>(index);
}

}  // namespace

std::optional<std::int64_t> WallPlotRow(const PipeFile& pipe, double position) {
  const auto index = CursorIndex(position, pipe.wallMatrix.deltaX);
  if (!index) return std::nullopt;
  const DisplayRows mapping = WallDisplayRows(pipe);
  const std::int64_t row = mapping.RowOf(*index);
  return mapping.reversed ? mapping.Reverse(row) : row;
}

std::optional<std::int64_t> OdPlotRow(const PipeFile& pipe, double position) {
  const auto index = CursorIndex(position, pipe.odMatrix.deltaX);
  if (!index) return std::nullopt;
  const DisplayRows mapping = MakeUnshiftedRows(pipe, UsableRows(pipe.odMatrix));
  return mapping.reversed ? mapping.Reverse(*index) : *index;
}

std::optional<std::int64_t> StraightnessPlotRow(const PipeFile& pipe, double position) {
  const auto index = CursorIndex(position, pipe.straightness.deltaX);
  if (!index) return std::nullopt;
  return pipe.reversed() ? std::int64_t{UsableRows(pipe.straightness)} - 1 - *index : *index;
}

std::optional<std::int64_t> IdPlotRow(const PipeFile& pipe, double position) {
  return CursorIndex(position, pipe.idMatrix.deltaX);
}

float SamplesOfDegrees(float degrees, std::uint32_t samples) {
  return static_cast<float>(static_cast<double>(degrees) * samples / 360.0);
}

std::uint32_t RotationStart(float rotation, std::uint32_t samples) {
  if (samples == 0 || !std::isfinite(rotation)) return 0;
  const double start = std::fmod(std::trunc(static_cast<double>(rotation) * samples / 360.0), samples);
  return static_cast<std::uint32_t>(start < 0.0 ? start + samples : start);
}

float AngleCursorLine(float angle, float rotation, std::uint32_t samples) {
  const auto n = static_cast<float>(samples);
  float line = angle - (rotation - n);
  if (line >= n) line -= n;
  return line;
}

}  // namespace ductora::render
