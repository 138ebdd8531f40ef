#include <gtest/gtest.h>

#include <cstdint>

#include "analysis/channel_correction.h"
#include "support/build_comparison.h"
#include "support/revolution_builders.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using testing::ExpectIdenticalBuilds;
using testing::RevolutionShape;

class BuildDifferential : public ::testing::Test {
 protected:
  testing::TempDir dir;
};

TEST_F(BuildDifferential, SyntheticPipesGiveIdenticalMatricesOnEveryChannel) {
  for (const std::uint32_t seed : {1U, 7U, 42U}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    testing::SyntheticPipeOptions options;
    options.lengthInches = 40.0;
    options.seed = seed;
    const std::string path = dir.file("pipe" + std::to_string(seed) + ".kqvw");
    testing::writeSyntheticPipe(path, options);
    EXPECT_EQ(testing::ExpectIdenticalBuildsOfPipe(path), 6);
  }
}

TEST_F(BuildDifferential, WallListsWithInjectedFaults) {
  for (const std::uint32_t seed : {3U, 11U, 29U}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RevolutionShape shape;
    shape.revolutions = 60;
    shape.seed = seed;
    RevolutionList revolutions = testing::MakeRevolutions(shape);
    testing::InjectMissedMark(revolutions, 10 + seed % 5);
    testing::InjectMissedMark(revolutions, 30);
    testing::InjectFalseMark(revolutions, 20, 40 + seed);
    testing::InjectFalseMark(revolutions, 45, 300);
    testing::InjectReadings(revolutions, 200, seed, 0);
    testing::InjectJumps(revolutions, 100, seed + 1, 250);
    RevolutionList uncorrected = revolutions;
    ExpectIdenticalBuilds(uncorrected, 1.0 / 3.0, 1.0, MatrixKind::kWall);
    CorrectWallChannel(revolutions, 30, "");
    ExpectIdenticalBuilds(revolutions, 1.0 / 3.0, 1.0, MatrixKind::kWall);
    ExpectIdenticalBuilds(revolutions, 0.1, 2.5, MatrixKind::kWall);
    ExpectIdenticalBuilds(revolutions, 1.25, 0.7, MatrixKind::kWall);
  }
}

TEST_F(BuildDifferential, OdListsWithInjectedFaults) {
  for (const std::uint32_t seed : {5U, 17U}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RevolutionShape shape;
    shape.revolutions = 50;
    shape.seed = seed;
    shape.reading = [](std::size_t r, std::size_t s) {
      return static_cast<std::int32_t>((s % 180) / 3) - 30 + static_cast<std::int32_t>(r % 3);
    };
    RevolutionList revolutions = testing::MakeRevolutions(shape);
    testing::InjectMissedMark(revolutions, 12);
    testing::InjectFalseMark(revolutions, 33, 100);
    testing::InjectJumps(revolutions, 80, seed, -400);
    CorrectOdChannel(revolutions, 25);
    ExpectIdenticalBuilds(revolutions, 1.0 / 3.0, 1.0, MatrixKind::kOd);
  }
}

// Counters that run backwards within a revolution and readings so wild that the fits leave the
// range of whole numbers: the build leaves its shortcuts and must still agree.
TEST_F(BuildDifferential, UnorderedAnglesAndWildReadingsAgree) {
  RevolutionShape shape;
  shape.revolutions = 20;
  shape.samplesPerRev = 120;
  shape.reading = [](std::size_t r, std::size_t s) -> std::int32_t {
    switch ((r * 7 + s) % 13) {
      case 0:
        return 2140000000;
      case 1:
        return -2140000000;
      default:
        return static_cast<std::int32_t>(300 + s % 40);
    }
  };
  RevolutionList revolutions = testing::MakeRevolutions(shape);
  for (std::size_t r = 2; r < revolutions.size(); r += 3) {
    std::swap(revolutions[r][10].rotationCount, revolutions[r][40].rotationCount);
    std::swap(revolutions[r][70].rotationCount, revolutions[r][71].rotationCount);
  }
  ExpectIdenticalBuilds(revolutions, 1.0 / 3.0, 1.0, MatrixKind::kWall);
  ExpectIdenticalBuilds(revolutions, 0.25, 2.0, MatrixKind::kOd);
}

// Few samples per revolution, revolutions of one to three samples, stalled counters and pipes of
// one to five rows: every clamp, fallback and row copy is taken.
TEST_F(BuildDifferential, DegenerateListsAgreeToo) {
  RevolutionShape shape;
  shape.revolutions = 6;
  shape.samplesPerRev = 5;
  shape.pitchInches = 0.2;
  RevolutionList sparse = testing::MakeRevolutions(shape);
  ExpectIdenticalBuilds(sparse, 1.0 / 3.0, 1.0, MatrixKind::kWall);
  ExpectIdenticalBuilds(sparse, 0.05, 10.0, MatrixKind::kOd);

  RevolutionList tiny = sparse;
  tiny[2].resize(1);
  tiny[3].resize(2);
  tiny[4].resize(3);
  for (RawSample& sample : tiny[1]) {
    sample.rotationCount = 77;
  }
  ExpectIdenticalBuilds(tiny, 0.05, 7.0, MatrixKind::kWall);

  for (std::size_t revolutions = 1; revolutions <= 6; ++revolutions) {
    shape.revolutions = revolutions;
    shape.samplesPerRev = 40;
    for (const double deltaX : {0.1, 0.2, 0.25, 0.5, 1.0}) {
      SCOPED_TRACE("revolutions " + std::to_string(revolutions) + ", deltaX " + std::to_string(deltaX));
      ExpectIdenticalBuilds(testing::MakeRevolutions(shape), deltaX, 3.0, MatrixKind::kWall);
    }
  }
}

}  // namespace
}  // namespace ductora
