#pragma once

#include <cstddef>
#include <cstdint>

#include "data/format/pipe_file.h"

namespace ductora {

// The fields of a RevolutionMetric record. Wall, OD and ID in inches; ovality and eccentricity
// in percent.
enum RevolutionMetricField : std::size_t {
  kMetricMinWallDifference = 0,  // smallest |w(c) - w(c + columns/2)| / average wall x 100
  kMetricMaxWallDifference = 1,
  kMetricEccentricity = 2,
  kMetricMinWall = 3,
  kMetricMaxWall = 4,
  kMetricAverageWall = 5,
  kMetricMinOd = 6,
  kMetricMaxOd = 7,
  kMetricAverageOd = 8,
  kMetricMinOvality = 9,
  kMetricMaxOvality = 10,
  kMetricAverageOvality = 11,
  kMetricMinId = 12,
  kMetricMaxId = 13,
  kMetricAverageId = 14,
  kMetricDOverT = 15,  // diameter over the thinner wall on it, the walls as the ID reads them
};

// The record of revolution `row` (an OD row when the pipe has OD data, else a wall row; both
// read the wall through the display row mapping).
RevolutionMetric ComputeRevolutionMetric(const PipeFile& pipe, std::uint32_t row);

// One record per OD row when OD data exist, else per wall row; none without either.
void ComputeRevolutionMetrics(PipeFile& pipe);

// The largest D/t of the pipe's records (starting from 0).
double MaxDOverT(const PipeFile& pipe);

}  // namespace ductora
