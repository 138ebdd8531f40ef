#include "analysis/measures/revolution_metrics.h"

#include <algorithm>
#include <cmath>

#include "analysis/measures/diameter_walls.h"
#include "analysis/measures/matrix_extent.h"
#include "analysis/placement/pipe_sampler.h"
#include "analysis/queries/range_queries.h"

namespace ductora {

namespace {

// Fields 0-2: the wall row the revolution maps to, paired across the pipe.
void FillWallDifferences(const PipeFile& pipe, std::int64_t index, RevolutionMetric& metric) {
  const WallMatrix& wall = pipe.wallMatrix;
  const DisplayRows mapping = WallDisplayRows(pipe);
  const std::int64_t row = mapping.RowOf(index);
  if (!mapping.Contains(row) || static_cast<std::size_t>(row) >= wall.avgWallPerRev.size()) {
    return;
  }
  const auto r = static_cast<std::size_t>(row);
  if (row != 0) {
    metric[kMetricEccentricity] = wall.eccentricityPerRev[r];
  }
  const double average = wall.avgWallPerRev[r];
  const std::size_t half = wall.columns / 2;
  if (average == 0.0 || half == 0) {
    return;  // no defined ratio for an all-zero revolution
  }
  double smallest = 50000.0;
  double largest = 0.0;
  for (std::size_t c = 0; c < half; ++c) {
    const double ratio =
        std::abs(static_cast<double>(wall.at(r, c)) - wall.at(r, c + half)) / average * 100.0;
    smallest = std::min(smallest, ratio);
    largest = std::max(largest, ratio);
  }
  metric[kMetricMinWallDifference] = static_cast<float>(smallest);
  metric[kMetricMaxWallDifference] = static_cast<float>(largest);
}

// Fields 12-14: the first half of the ID row.
void FillInsideDiameter(const PipeFile& pipe, std::int64_t row, RevolutionMetric& metric) {
  const IdMatrix& id = pipe.idMatrix;
  if (row >= UsableRows(id)) {
    return;
  }
  const std::int16_t* cells = id.data.data() + static_cast<std::size_t>(row) * id.columns;
  double smallest = 50000.0;
  double largest = 0.0;
  double sum = 0.0;
  std::size_t nonZero = 0;
  for (std::size_t c = 0; c < id.columns / 2; ++c) {
    const double value = cells[c];
    if (value > 0.0) {
      smallest = std::min(smallest, value);
    }
    largest = std::max(largest, value);
    if (value != 0.0) {
      sum += value;
      ++nonZero;
    }
  }
  metric[kMetricMinId] = static_cast<float>((smallest < 50000.0 ? smallest : 0.0) / 1000.0);
  metric[kMetricMaxId] = static_cast<float>(largest / 1000.0);
  metric[kMetricAverageId] =
      static_cast<float>(sum != 0.0 ? sum / static_cast<double>(nonZero) / 1000.0 : 0.0);
}

// Field 15: D over the thinner wall; a column with a zero wall resets it.
float DOverT(const PipeSampler& sampler, const DiameterWalls& walls, std::int64_t row) {
  const auto half = static_cast<std::int64_t>(walls.near.size());
  const std::uint16_t* wallRow = sampler.WallRow(row);
  const std::int16_t* odRow = sampler.OdRow(row);
  float ratio = 0.0F;
  for (std::int64_t c = 0; c < half; ++c) {
    const float w1 = sampler.WallIn(wallRow, walls.near[c]) / 1000.0F;
    const float w2 = sampler.WallIn(wallRow, walls.far[c]) / 1000.0F;
    if (w1 == 0.0F || w2 == 0.0F) {
      ratio = 0.0F;
      continue;
    }
    if (const std::optional<float> diameter = sampler.DiameterIn(odRow, c)) {
      ratio = std::max(ratio, *diameter / std::min(w1, w2));
    }
  }
  return ratio;
}

RevolutionMetric MetricOf(const PipeFile& pipe, const PipeSampler& sampler, const DiameterWalls& walls,
                          std::int64_t row) {
  RevolutionMetric metric{};
  const auto from = static_cast<std::int32_t>(row);
  const std::int32_t to = from + 1;
  const double calibrationOd = pipe.header.calibrationOd;
  FillWallDifferences(pipe, row, metric);
  metric[kMetricMinWall] = static_cast<float>(MinWallValue(pipe, from, to, 0.0));
  metric[kMetricMaxWall] = static_cast<float>(MaxWallValue(pipe, from, to, 3000.0));
  metric[kMetricAverageWall] = static_cast<float>(AverageWall(pipe, from, to));
  metric[kMetricMinOd] = static_cast<float>(MinOdValue(pipe, from, to, -3000.0) / 1000.0 + calibrationOd);
  metric[kMetricMaxOd] = static_cast<float>(MaxOdValue(pipe, from, to, 3000.0) / 1000.0 + calibrationOd);
  metric[kMetricAverageOd] = static_cast<float>(AverageOdPair(pipe, from, to) / 1000.0 + calibrationOd);
  metric[kMetricMinOvality] = static_cast<float>(MinOvality(pipe, from, to, 0.0));
  metric[kMetricMaxOvality] = static_cast<float>(MaxOvality(pipe, from, to, 0.0));
  metric[kMetricAverageOvality] = static_cast<float>(AverageOvality(pipe, from, to));
  FillInsideDiameter(pipe, row, metric);
  metric[kMetricDOverT] = DOverT(sampler, walls, row);
  return metric;
}

}  // namespace

RevolutionMetric ComputeRevolutionMetric(const PipeFile& pipe, std::uint32_t row) {
  return MetricOf(pipe, PipeSampler(pipe), WallsOnDiameters(pipe), row);
}

void ComputeRevolutionMetrics(PipeFile& pipe) {
  const std::uint32_t rows =
      pipe.odMatrix.present() ? UsableRows(pipe.odMatrix) : UsableRows(pipe.wallMatrix);
  const PipeSampler sampler(pipe);
  const DiameterWalls walls = WallsOnDiameters(pipe);
  pipe.revolutionMetrics.resize(rows);
  for (std::uint32_t r = 0; r < rows; ++r) {
    pipe.revolutionMetrics[r] = MetricOf(pipe, sampler, walls, r);
  }
}

double MaxDOverT(const PipeFile& pipe) {
  double largest = 0.0;
  for (const RevolutionMetric& metric : pipe.revolutionMetrics) {
    largest = std::max(largest, static_cast<double>(metric[kMetricDOverT]));
  }
  return largest;
}

}  // namespace ductora
