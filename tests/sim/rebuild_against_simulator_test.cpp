#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "analysis/od_build.h"
#include "analysis/pipe_measures.h"
#include "analysis/wall_build.h"
#include "data/pipe_file_io.h"
#include "data/raw_channels.h"
#include "sim/sim_output.h"
#include "sim/simulated_pipe.h"
#include "support/build_comparison.h"
#include "support/temp_dir.h"

namespace ductora::sim {
namespace {

struct Simulated {
  SimulatedPipe truth;
  std::string path;
};

SimOptions optionsOf(std::uint64_t seed, FaultLevel faults, double length = 120.0) {
  SimOptions options;
  options.length = length;
  options.seed = seed;
  options.faults = faults;
  return options;
}

// The unit's file; storeOd false plays a unit that keeps raw OD samples but no OD matrix.
Simulated simulate(const ductora::testing::TempDir& dir, const SimOptions& options, bool storeOd = true) {
  Random random(options.seed);
  Simulated simulated{simulatePipe(options, makeJobInfo(options, random), 0, random), dir.file("pipe.kqvw")};
  SimulatedPipe stored = simulated.truth;
  if (!storeOd) {
    stored.odMatrix = OdMatrix{};
  }
  EXPECT_TRUE(writeSimulatedPipeFile(simulated.path, stored, true).ok);
  return simulated;
}

struct Differences {
  double mean = 0.0;
  double p99 = 0.0;
};

// Absolute differences over the rows both matrices hold, without the two copied rows at the start
// and the last two, which the builder fills from their neighbours.
template <typename Value>
Differences compare(const std::vector<Value>& built, std::uint32_t builtRows, const std::vector<Value>& truth,
                    std::uint32_t truthRows, std::uint32_t columns) {
  std::vector<double> differences;
  const std::uint32_t rows = std::min(builtRows, truthRows);
  for (std::uint32_t row = 3; row + 2 < rows; ++row) {
    for (std::uint32_t column = 0; column < columns; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row) * columns + column;
      differences.push_back(std::abs(static_cast<double>(built[cell]) - static_cast<double>(truth[cell])));
    }
  }
  Differences result;
  if (differences.empty()) {
    return result;
  }
  for (const double d : differences) {
    result.mean += d;
  }
  result.mean /= static_cast<double>(differences.size());
  std::sort(differences.begin(), differences.end());
  result.p99 = differences[differences.size() * 99 / 100];
  return result;
}

class RebuildAgainstSimulator : public ::testing::Test {
 protected:
  ductora::testing::TempDir dir;
};

TEST_F(RebuildAgainstSimulator, FastAndReferenceBuildsAgreeOnEveryChannel) {
  for (const FaultLevel faults : {FaultLevel::kTypical, FaultLevel::kHarsh}) {
    for (const std::uint64_t seed : {3U, 4U}) {
      const Simulated simulated = simulate(dir, optionsOf(seed, faults));
      EXPECT_EQ(ductora::testing::ExpectIdenticalBuildsOfPipe(simulated.path), 6)
          << faultLevelName(faults) << " seed " << seed;
    }
  }
}

TEST_F(RebuildAgainstSimulator, RebuildsHaveTheStoredShape) {
  for (const FaultLevel faults : {FaultLevel::kTypical, FaultLevel::kHarsh}) {
    for (const std::uint64_t seed : {1U, 2U, 6U}) {
      for (const double length : {60.0, 250.0}) {
        SCOPED_TRACE(::testing::Message()
                     << faultLevelName(faults) << " seed " << seed << " " << length << "\"");
        const Simulated simulated = simulate(dir, optionsOf(seed, faults, length));
        PipeFile pipe;
        ASSERT_TRUE(LoadPipeForUse(pipe, simulated.path).wallMatrixRead);
        ASSERT_EQ(BuildWallMatrix(pipe, 0, ""), BuildStatus::kBuilt);
        EXPECT_EQ(pipe.wallMatrix.rows, simulated.truth.wallMatrix.rows);
        EXPECT_EQ(pipe.wallMatrix.columns, simulated.truth.wallMatrix.columns);
        ASSERT_EQ(BuildOdMatrix(pipe, pipe.header.odJumpSize), BuildStatus::kBuilt);
        EXPECT_EQ(pipe.odMatrix.rows, simulated.truth.odMatrix.rows);
        EXPECT_EQ(pipe.odMatrix.columns, simulated.truth.odMatrix.columns);
      }
    }
  }
}

TEST_F(RebuildAgainstSimulator, ASaveWithoutAnOdMatrixKeepsTheSamplesOneIsBuiltFrom) {
  const Simulated simulated = simulate(dir, optionsOf(7, FaultLevel::kTypical), false);
  PipeFile pipe;
  ASSERT_TRUE(LoadPipeForUse(pipe, simulated.path).wallMatrixRead);
  ASSERT_FALSE(pipe.odMatrix.present());
  const std::string saved = dir.file("saved.kqvw");
  ASSERT_TRUE(savePipeFile(pipe, saved, true, true).ok);

  PipeFile original;
  PipeFile reread;
  ASSERT_TRUE(LoadPipeForUse(original, simulated.path).opened);
  ASSERT_TRUE(LoadPipeForUse(reread, saved).opened);
  ASSERT_EQ(BuildOdMatrix(original, original.header.odJumpSize), BuildStatus::kBuilt);
  ASSERT_EQ(BuildOdMatrix(reread, reread.header.odJumpSize), BuildStatus::kBuilt);
  EXPECT_EQ(reread.odMatrix.data, original.odMatrix.data);
  EXPECT_EQ(reread.odMatrix.rows, simulated.truth.odMatrix.rows);
}

TEST_F(RebuildAgainstSimulator, ASaveKeepsEveryRevolutionOfAPipeLongerThanTheProgramUses) {
  SimOptions options = optionsOf(8, FaultLevel::kNone, 2100.0);  // about 6300 turns
  options.samplesPerRev = 36;
  options.defects = 0;
  const Simulated simulated = simulate(dir, options);
  PipeFile pipe;
  ASSERT_TRUE(LoadPipeForUse(pipe, simulated.path).wallMatrixRead);
  const std::string saved = dir.file("saved.kqvw");
  const SaveResult result = savePipeFile(pipe, saved, true, true);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.warnings.size(), 6U);  // four wall and two OD channels

  PipeFile original;
  PipeFile reread;
  ASSERT_TRUE(LoadPipeForUse(original, simulated.path).opened);
  ASSERT_TRUE(LoadPipeForUse(reread, saved).opened);
  for (int channel = 1; channel <= 4; ++channel) {
    const std::size_t turns = LoadWallRevolutions(original, channel, 0.0, RevolutionLimit::kAll);
    EXPECT_GT(turns, kMaxRevolutions);
    EXPECT_EQ(LoadWallRevolutions(reread, channel, 0.0, RevolutionLimit::kAll), turns) << channel;
  }
  for (int channel = 1; channel <= 2; ++channel) {
    const std::size_t turns = LoadOdRevolutions(original, channel, 0.0, RevolutionLimit::kAll).revolutions;
    EXPECT_EQ(LoadOdRevolutions(reread, channel, 0.0, RevolutionLimit::kAll).revolutions, turns) << channel;
  }
}

// Measured on 120-inch pipes with typical faults: wall mean 0.9 mils, 99th percentile 3 mils;
// OD mean 0.6 mils, 99th percentile 2 mils. The bounds leave a margin.
TEST_F(RebuildAgainstSimulator, RebuiltMatricesMatchTheTrueGeometry) {
  for (const std::uint64_t seed : {3U, 5U}) {
    const Simulated simulated = simulate(dir, optionsOf(seed, FaultLevel::kTypical));
    PipeFile pipe;
    ASSERT_TRUE(LoadPipeForUse(pipe, simulated.path).wallMatrixRead);
    ASSERT_EQ(BuildWallMatrix(pipe, 0, ""), BuildStatus::kBuilt);
    const WallMatrix& truthWall = simulated.truth.wallMatrix;
    ASSERT_EQ(pipe.wallMatrix.columns, truthWall.columns);
    const Differences wall = compare(pipe.wallMatrix.data, pipe.wallMatrix.rows, truthWall.data,
                                     truthWall.rows, truthWall.columns);
    EXPECT_LE(wall.mean, 1.5) << "seed " << seed;
    EXPECT_LE(wall.p99, 5.0) << "seed " << seed;

    ASSERT_EQ(BuildOdMatrix(pipe, pipe.header.odJumpSize), BuildStatus::kBuilt);
    const OdMatrix& truthOd = simulated.truth.odMatrix;
    ASSERT_EQ(pipe.odMatrix.columns, truthOd.columns);
    const Differences od =
        compare(pipe.odMatrix.data, pipe.odMatrix.rows, truthOd.data, truthOd.rows, truthOd.columns);
    EXPECT_LE(od.mean, 1.2) << "seed " << seed;
    EXPECT_LE(od.p99, 4.0) << "seed " << seed;
  }
}

struct Measured {
  SimulatedPipe truth;
  PipeFile pipe;
};

Measured measure(std::uint64_t seed, int defects) {
  SimOptions options = optionsOf(seed, FaultLevel::kTypical, 240.0);
  options.defects = defects;
  const ductora::testing::TempDir dir;
  Measured measured{simulate(dir, options).truth, {}};
  EXPECT_TRUE(LoadPipeForUse(measured.pipe, dir.file("pipe.kqvw")).wallMatrixRead);
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
