#include "analysis/measures/wall_statistics.h"

#include <algorithm>

#include "analysis/measures/matrix_extent.h"

namespace ductora {

namespace {

void ClearWallStatistics(WallMatrix& wall) {
  wall.avgEccentricity = wall.minEccentricity = wall.maxEccentricity = 0.0;
  wall.avgWall = wall.minWall = wall.maxWall = 0.0;
  wall.eccentricityPerRev.clear();
  wall.minWallPerRev.clear();
  wall.maxWallPerRev.clear();
  wall.avgWallPerRev.clear();
}

}  // namespace

double ComputeWallStatistics(WallMatrix& wall) {
  const std::uint32_t rows = UsableRows(wall);
  if (rows == 0) {
    ClearWallStatistics(wall);
    return 0.0;
  }
  const std::size_t columns = wall.columns;
  wall.eccentricityPerRev.assign(rows, 0.0F);
  wall.minWallPerRev.assign(rows, 0);
  wall.maxWallPerRev.assign(rows, 0);
  wall.avgWallPerRev.assign(rows, 0);

  double minWall = 50000.0;
  double maxWall = 0.0;
  double averageSum = 0.0;
  double eccentricitySum = 0.0;
  float minEccentricity = 50000.0F;
  float maxEccentricity = 0.0F;
  for (std::uint32_t r = 0; r < rows; ++r) {
    const std::uint16_t* cells = wall.data.data() + r * columns;
    std::uint16_t low = cells[0];
    std::uint16_t high = cells[0];
    double sum = 0.0;
    for (std::size_t c = 0; c < columns; ++c) {
      low = std::min(low, cells[c]);
      high = std::max(high, cells[c]);
      sum += cells[c];
    }
    const double average = sum / static_cast<double>(columns);
    // An all-zero revolution has no defined eccentricity; 0 keeps NaN out of the statistics.
    const float eccentricity = average > 0.0 ? static_cast<float>((high - low) / average * 100.0) : 0.0F;
    wall.minWallPerRev[r] = low;
    wall.maxWallPerRev[r] = high;
    wall.avgWallPerRev[r] = static_cast<std::uint16_t>(average);
    wall.eccentricityPerRev[r] = eccentricity;
    minWall = std::min(minWall, static_cast<double>(low));
    maxWall = std::max(maxWall, static_cast<double>(high));
    averageSum += average;
    eccentricitySum += eccentricity;
    minEccentricity = std::min(minEccentricity, eccentricity);
    maxEccentricity = std::max(maxEccentricity, eccentricity);
  }
  // Means over every row: dividing by rows - 1 put the average above the largest row.
  wall.minWall = minWall / 1000.0;
  wall.maxWall = maxWall / 1000.0;
  wall.avgWall = averageSum / rows / 1000.0;
  wall.avgEccentricity = eccentricitySum / rows;
  wall.minEccentricity = minEccentricity;
  wall.maxEccentricity = maxEccentricity;
  return wall.avgEccentricity;
}

}  // namespace ductora
