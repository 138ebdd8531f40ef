#include "analysis/measures/diameter_walls.h"

#include <cmath>

#include "analysis/placement/display_rows.h"

namespace ductora {

double ColumnPitch(double deltaY, std::int64_t columns) {
  if (columns <= 0) return 0.0;
  const double turn = deltaY * static_cast<double>(columns);
  // A little slack for pitches such as 0.01 that binary cannot hold.
  constexpr double kSlack = 1e-9;
  if (std::isfinite(turn) && deltaY > 0.0 && turn <= 360.0 * (1.0 + kSlack) && turn > 360.0 - deltaY) {
    return deltaY;
  }
  return 360.0 / static_cast<double>(columns);
}

std::int64_t NearestColumn(double angle, double pitch, std::int64_t columns) {
  if (columns <= 0 || !(pitch > 0.0)) return 0;
  const auto column = static_cast<std::int64_t>(std::floor(angle / pitch + 0.5));
  if (column < columns) return column < 0 ? 0 : column;
  // Between the last column and a whole turn: the nearer of the two.
  const double last = static_cast<double>(columns - 1) * pitch;
  return 360.0 - angle <= angle - last ? 0 : columns - 1;
}

DiameterWalls WallsOnDiameters(const PipeFile& pipe) {
  const auto odColumns = static_cast<std::int64_t>(pipe.odMatrix.columns);
  const auto wallColumns = static_cast<std::int64_t>(pipe.wallMatrix.columns);
  const double odPitch = ColumnPitch(pipe.odMatrix.deltaY, odColumns);
  const double wallPitch = ColumnPitch(pipe.wallMatrix.deltaY, wallColumns);
  const bool flipped = pipe.flipped();
  // A display column's matrix column and back: the same mirror both ways.
  const auto matrixColumn = [flipped](std::int64_t column, std::int64_t columns) {
    return flipped ? FlipColumn(column, columns) : column;
  };
  const auto wallAt = [&](double angle) {
    return matrixColumn(NearestColumn(std::fmod(angle, 360.0), wallPitch, wallColumns), wallColumns);
  };
  DiameterWalls walls;
  const std::int64_t half = odColumns / 2;
  walls.near.reserve(static_cast<std::size_t>(half));
  walls.far.reserve(static_cast<std::size_t>(half));
  for (std::int64_t c = 0; c < half; ++c) {
    const double angle = static_cast<double>(matrixColumn(c, odColumns)) * odPitch;
    walls.near.push_back(wallAt(angle));
    walls.far.push_back(wallAt(angle + 180.0));
  }
  return walls;
}

}  // namespace ductora
