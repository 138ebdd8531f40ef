#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "analysis/measures/pipe_measures.h"
#include "analysis/rebuild/od_build.h"
#include "analysis/rebuild/wall_build.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
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

// Absolute differences of two matrices of one shape, without the two copied rows at the start and
// the last two, which the builder fills from their neighbours.
template <typename Matrix>
Differences compare(const Matrix& built, const Matrix& truth) {
  std::vector<double> differences;
  const std::uint32_t rows = built.rows;
  const std::uint32_t columns = built.columns;
  for (std::uint32_t row = 3; row + 2 < rows; ++row) {
    for (std::uint32_t column = 0; column < columns; ++column) {
      const std::size_t cell = static_cast<std::size_t>(row) * columns + column;
      differences.push_back(std::abs(static_cast<double>(built.data[cell]) - truth.data[cell]));
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

// Measured on 120-inch pipes with typical faults: wall mean 0.9 mils, 99th percentile 3 mils; OD
// mean 0.6 mils, 99th percentile 2 mils. The bounds leave a margin.
TEST_F(RebuildAgainstSimulator, RebuildsHaveTheStoredShapeAndMatchTheTrueGeometry) {
  for (const FaultLevel faults : {FaultLevel::kTypical, FaultLevel::kHarsh}) {
    for (const std::uint64_t seed : {1U, 2U, 6U}) {
      for (const double length : {60.0, 250.0}) {
        SCOPED_TRACE(::testing::Message()
                     << faultLevelName(faults) << " seed " << seed << " " << length << "\"");
        const Simulated simulated = simulate(dir, optionsOf(seed, faults, length));
        PipeFile pipe;
        ASSERT_TRUE(LoadPipeForUse(pipe, simulated.path).wallMatrixRead);
        ASSERT_EQ(BuildWallMatrix(pipe, 0, ""), BuildStatus::kBuilt);
        ASSERT_EQ(pipe.wallMatrix.rows, simulated.truth.wallMatrix.rows);
        ASSERT_EQ(pipe.wallMatrix.columns, simulated.truth.wallMatrix.columns);
        ASSERT_EQ(BuildOdMatrix(pipe, pipe.header.odJumpSize), BuildStatus::kBuilt);
        ASSERT_EQ(pipe.odMatrix.rows, simulated.truth.odMatrix.rows);
        ASSERT_EQ(pipe.odMatrix.columns, simulated.truth.odMatrix.columns);
        if (faults == FaultLevel::kTypical) {
          const Differences wall = compare(pipe.wallMatrix, simulated.truth.wallMatrix);
          const Differences od = compare(pipe.odMatrix, simulated.truth.odMatrix);
          EXPECT_LE(wall.mean, 1.5);
          EXPECT_LE(wall.p99, 5.0);
          EXPECT_LE(od.mean, 1.2);
          EXPECT_LE(od.p99, 4.0);
        }
      }
    }
  }
}

TEST_F(RebuildAgainstSimulator, TheSummaryPlacesTheThinnestWallBuiltFromAKeptRun) {
  // In the field a harsh gauge's pipe has its minimum wall on a run the filter kept (here a pit):
  // the summary names it where the views show the cell, so that the operator can judge it.
  SimOptions options = optionsOf(5, FaultLevel::kHarsh);
  options.fieldFaults = true;
  const Simulated simulated = simulate(dir, options);
  PipeFile pipe;
  ASSERT_TRUE(LoadPipeForUse(pipe, simulated.path).wallMatrixRead);
  FilterSummary summary;
  ASSERT_EQ(BuildWallMatrix(pipe, 0, "", JumpFilter::kCorroborated, &summary), BuildStatus::kBuilt);
  EXPECT_GT(summary.runsKept, 0U);
  ASSERT_TRUE(summary.thinnestKept);
  const WallMatrix& wall = pipe.wallMatrix;
  EXPECT_NEAR(summary.thinnestKept->reading, wall.minWall, 1e-6);
  const auto row = std::lround((summary.thinnestKept->position - pipe.wallStart) / wall.deltaX);
  const auto column = std::lround(summary.thinnestKept->angle / wall.deltaY);
  EXPECT_NEAR(wall.at(static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column)) / 1000.0,
              summary.thinnestKept->reading, 1e-9);
}

// The unit writes samples before the lead-in marks and after the last mark; a save keeps them.
TEST_F(RebuildAgainstSimulator, OpeningAndSavingGivesBackTheUnitsFileByteForByte) {
  const Simulated simulated = simulate(dir, optionsOf(5, FaultLevel::kHarsh, 60.0));
  const std::vector<std::uint8_t> unit = ductora::testing::readBytes(simulated.path);
  for (int save = 1; save <= 2; ++save) {
    PipeFile pipe;
    ASSERT_TRUE(LoadPipeForUse(pipe, simulated.path).wallMatrixRead);
    ASSERT_TRUE(savePipeFile(pipe, simulated.path, true, true).ok);
    EXPECT_EQ(ductora::testing::readBytes(simulated.path), unit) << save;
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

INSTANTIATE_TEST_SUITE_P(Seeds, MeasuresAgainstTruth, ::testing::Values(1U, 2U, 3U));

}  // namespace
}  // namespace ductora::sim
