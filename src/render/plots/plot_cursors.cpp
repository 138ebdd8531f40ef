#include "render/plots/plot_cursors.h"

#include <cmath>

#include "analysis/placement/display_rows.h"

namespace ductora::render {
namespace {

std::optional<std::int64_t> RowAt(const DisplayRows& mapping, double position, double deltaX) {
  const auto index = DisplayIndexAt(position, deltaX);
  if (!index) return std::nullopt;
  return mapping.RowOf(*index);
}

}  // namespace

std::optional<std::int64_t> WallPlotRow(const PipeFile& pipe, double position) {
  return RowAt(WallDisplayRows(pipe), position, pipe.wallMatrix.deltaX);
}

std::optional<std::int64_t> OdPlotRow(const PipeFile& pipe, double position) {
  return RowAt(OdDisplayRows(pipe), position, pipe.odMatrix.deltaX);
}

std::optional<std::int64_t> StraightnessPlotRow(const PipeFile& pipe, double position) {
  return RowAt(StraightnessDisplayRows(pipe), position, pipe.straightness.deltaX);
}

std::optional<std::int64_t> IdPlotRow(const PipeFile& pipe, double position) {
  return RowAt(IdDisplayRows(pipe), position, pipe.idMatrix.deltaX);
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
