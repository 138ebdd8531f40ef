#include "app/windows/data_display_table.h"

#include <cmath>
#include <cstdio>

#include "analysis/placement/pipe_sampler.h"

namespace ductora {
namespace {

constexpr int kDegrees = 360;

bool hasWall(const PipeFile* pipe) { return pipe != nullptr && pipe->wallMatrix.present(); }
bool hasOd(const PipeFile* pipe) { return pipe != nullptr && pipe->odMatrix.present(); }

std::string wallLine(const PipeSampler& sampler, std::int64_t revolution, int angle) {
  std::array<int, 2 * kDataTableReach + 1> walls{};
  for (int i = 0; i < static_cast<int>(walls.size()); ++i)
    walls[i] = sampler.WallAt(revolution - kDataTableReach + i, angle);
  char line[128];
  std::snprintf(line, sizeof line, "%9d %9d  %9d      %10d      %10d%10d %10d", walls[0], walls[1], walls[2],
                walls[3], walls[4], walls[5], walls[6]);
  return line;
}

std::string odLine(const PipeSampler& sampler, std::int64_t revolution, int angle) {
  std::array<double, 2 * kDataTableReach + 1> diameters{};
  for (int i = 0; i < static_cast<int>(diameters.size()); ++i)
    diameters[i] = sampler.OdDiameterAtRow(revolution - kDataTableReach + i, angle).value_or(0.0F);
  char line[160];
  std::snprintf(line, sizeof line, "%9.3f %9.3f %9.3f    %10.3f     %10.3f %9.3f %9.3f", diameters[0],
                diameters[1], diameters[2], diameters[3], diameters[4], diameters[5], diameters[6]);
  return line;
}

}  // namespace

DataMode settledDataMode(const PipeFile* pipe, DataMode shown) {
  if (hasWall(pipe) && hasOd(pipe)) return shown;
  return hasWall(pipe) || !hasOd(pipe) ? DataMode::kWall : DataMode::kOd;
}

DataMode chosenDataMode(const PipeFile* pipe, DataMode shown, DataMode wanted) {
  const bool present = wanted == DataMode::kWall ? hasWall(pipe) : hasOd(pipe);
  return present ? wanted : shown;
}

std::int64_t dataRevolution(const PipeFile& pipe, DataMode mode, double position) {
  const double deltaX = mode == DataMode::kWall ? pipe.wallMatrix.deltaX : pipe.odMatrix.deltaX;
  const double rows = position / deltaX;
  // Far outside any matrix, which is all such a cursor can mean.
  constexpr double kLimit = 1e9;
  if (!(deltaX > 0.0) || !std::isfinite(rows)) return 0;
  return static_cast<std::int64_t>(std::fmax(-kLimit, std::fmin(kLimit, rows)));
}

int dataAngle(double angle) {
  if (!std::isfinite(angle)) return 0;
  const int degree = static_cast<int>(std::fmod(std::trunc(angle), kDegrees));
  return degree < 0 ? degree + kDegrees : degree;
}

DataTable makeDataTable(const PipeFile& pipe, DataMode mode, double position, double angle) {
  const PipeSampler sampler(pipe);
  DataTable table;
  table.revolution = dataRevolution(pipe, mode, position);
  const int first = dataAngle(angle);
  for (int i = 0; i < kDataTableAngles; ++i) {
    const int a = (first + i) % kDegrees;
    table.angles[i] = a;
    table.lines[i] = mode == DataMode::kWall ? wallLine(sampler, table.revolution, a)
                                             : odLine(sampler, table.revolution, a);
  }
  return table;
}

}  // namespace ductora
