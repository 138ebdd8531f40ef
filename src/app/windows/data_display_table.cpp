#include "app/windows/data_display_table.h"

#include <algorithm>
#include <cstdio>

#include "analysis/placement/display_rows.h"
#include "analysis/placement/pipe_sampler.h"

namespace ductora {
namespace {

bool hasWall(const PipeFile* pipe) { return pipe != nullptr && pipe->wallMatrix.present(); }
bool hasOd(const PipeFile* pipe) { return pipe != nullptr && pipe->odMatrix.present(); }

std::string wallLine(const PipeSampler& sampler, std::int64_t revolution, int column) {
  std::array<int, 2 * kDataTableReach + 1> walls{};
  for (int i = 0; i < static_cast<int>(walls.size()); ++i)
    walls[i] = sampler.WallAt(revolution - kDataTableReach + i, column);
  char line[128];
  std::snprintf(line, sizeof line, "%9d %9d  %9d      %10d      %10d%10d %10d", walls[0], walls[1], walls[2],
                walls[3], walls[4], walls[5], walls[6]);
  return line;
}

std::string odLine(const PipeSampler& sampler, std::int64_t revolution, int column) {
  std::array<double, 2 * kDataTableReach + 1> diameters{};
  for (int i = 0; i < static_cast<int>(diameters.size()); ++i)
    diameters[i] = sampler.OdDiameterAtRow(revolution - kDataTableReach + i, column).value_or(0.0F);
  char line[160];
  std::snprintf(line, sizeof line, "%9.3f %9.3f %9.3f    %10.3f     %10.3f %9.3f %9.3f", diameters[0],
                diameters[1], diameters[2], diameters[3], diameters[4], diameters[5], diameters[6]);
  return line;
}

std::uint32_t dataColumns(const PipeFile& pipe, DataMode mode) {
  return mode == DataMode::kWall ? pipe.wallMatrix.columns : pipe.odMatrix.columns;
}

// The display column of the shown matrix an angle (degrees) falls in, as the maps draw it.
int dataColumn(const PipeFile& pipe, DataMode mode, double angle) {
  return static_cast<int>(DisplayColumnAt(angle, dataColumns(pipe, mode)).value_or(0));
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
  // A cursor that gives no index lies far outside any matrix; 0 then shows as well as any.
  return DisplayIndexAt(position, deltaX).value_or(0);
}

DataTable makeDataTable(const PipeFile& pipe, DataMode mode, double position, double angle) {
  const PipeSampler sampler(pipe);
  DataTable table;
  table.revolution = dataRevolution(pipe, mode, position);
  const int columns = std::max<int>(static_cast<int>(dataColumns(pipe, mode)), 1);
  const int first = dataColumn(pipe, mode, angle);
  for (int i = 0; i < kDataTableAngles; ++i) {
    const int column = (first + i) % columns;
    table.angles[i] = static_cast<int>(ColumnAngle(column, columns));
    table.lines[i] = mode == DataMode::kWall ? wallLine(sampler, table.revolution, column)
                                             : odLine(sampler, table.revolution, column);
  }
  return table;
}

}  // namespace ductora
