#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/pipe_measures.h"
#include "sim/sim_output.h"
#include "sim/simulated_pipe.h"
#include "support/temp_dir.h"

namespace ductora::sim {
namespace {

struct Measured {
  SimulatedPipe truth;
  PipeFile pipe;
};

Measured measure(std::uint64_t seed, int defects) {
  SimOptions options;
  options.length = 240.0;
  options.defects = defects;
  options.seed = seed;
  Random random(seed);
  Measured measured{simulatePipe(options, makeJobInfo(options, random), 0, random), {}};
  ductora::testing::TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  EXPECT_TRUE(writeSimulatedPipeFile(path, measured.truth, false).ok);
  EXPECT_TRUE(LoadPipeForUse(measured.pipe, path).wallMatrixRead);
  return measured;
}

bool nearDefect(const PipeModel& model, double z) {
  return std::any_of(model.defects.begin(), model.defects.end(), [z](const Defect& defect) {
    return std::abs(z - defect.position) < defect.length / 2 + 0.5;
  });
}

class MeasuresAgainstTruth : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(MeasuresAgainstTruth, MinimumWallIsTheThinnestDefect) {
  const Measured m = measure(GetParam(), 4);
  const PipeModel& model = m.truth.model;
  ASSERT_FALSE(model.defects.empty());
  double thinnest = model.nominalWall;
  for (const Defect& defect : model.defects) {
    thinnest = std::min(thinnest, remainingWall(model, defect));
  }
  EXPECT_NEAR(m.pipe.wallMatrix.minWall, thinnest, 0.002);
}

TEST_P(MeasuresAgainstTruth, EveryPipeAverageLiesBetweenItsExtremes) {
  const Measured m = measure(GetParam(), 4);
  const WallMatrix& wall = m.pipe.wallMatrix;
  const OdMatrix& od = m.pipe.odMatrix;
  const IdMatrix& id = m.pipe.idMatrix;
  ASSERT_TRUE(id.present());
  for (const auto& [low, average, high] :
       {std::array{wall.minWall, wall.avgWall, wall.maxWall},
        {od.minOd, od.avgOd, od.maxOd},
        {od.minOvality, od.avgOvality, od.maxOvality},
        {id.minId, id.avgId, id.maxId},
        {wall.minEccentricity, wall.avgEccentricity, wall.maxEccentricity}}) {
    EXPECT_LE(low, average);
    EXPECT_LE(average, high);
  }
  // The OD data reach past the wall data, so some ID cells stay empty; they are no diameters.
  EXPECT_NEAR(id.avgId, m.truth.model.nominalOd - 2.0 * m.truth.model.nominalWall, 0.01);
}

TEST_P(MeasuresAgainstTruth, EccentricityAndOvalityFollowTheGeometry) {
  const Measured m = measure(GetParam(), 2);
  const PipeModel& model = m.truth.model;
  // Walls are stored in whole mils, so a row's thickest-minus-thinnest is known to a mil: a row's
  // eccentricity to 5 % or that mil, the average over the sound rows to 5 %.
  const WallMatrix& wall = m.pipe.wallMatrix;
  const double wallResolution = 0.001 / model.nominalWall * 100.0;
  int compared = 0;
  double measuredSum = 0.0;
  double expectedSum = 0.0;
  for (std::uint32_t row = 0; row < wall.rows; ++row) {
    const double z = m.truth.wallGrid.firstZ + row * wall.deltaX;
    if (!nearDefect(model, z)) {
      const double expected = model.eccentricityPercent(z);
      EXPECT_NEAR(wall.eccentricityPerRev[row], expected, std::max(0.05 * expected, wallResolution))
          << "row " << row;
      measuredSum += wall.eccentricityPerRev[row];
      expectedSum += expected;
      ++compared;
    }
  }
  EXPECT_GT(compared, 500);
  EXPECT_NEAR(measuredSum / compared, expectedSum / compared, 0.05 * expectedSum / compared);

  // OD cells hold half the diameter in whole mils, so a diameter is known to 2 mils: a row's
  // ovality to that much, the pipe's average to 5 %.
  const OdMatrix& od = m.pipe.odMatrix;
  const double resolution = 0.002 / model.nominalOd * 100.0;
  double sum = 0.0;
  for (std::uint32_t row = 0; row < od.rows; ++row) {
    const double expected = model.ovalityPercent(m.truth.odGrid.firstZ + row * od.deltaX);
    EXPECT_NEAR(od.ovalityPerRev[row], expected, std::max(0.05 * expected, resolution)) << "row " << row;
    sum += expected;
  }
  const double average = sum / od.rows;
  EXPECT_NEAR(od.avgOvality, average, 0.05 * average);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MeasuresAgainstTruth, ::testing::Values(1U, 2U, 3U));

}  // namespace
}  // namespace ductora::sim
