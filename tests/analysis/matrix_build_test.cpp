#include "analysis/rebuild/grid/matrix_build.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/correction/sample_placement.h"
#include "analysis/rebuild/grid/matrix_cells.h"
#include "analysis/rebuild/grid/parabola.h"
#include "support/build_comparison.h"
#include "support/revolution_builders.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using testing::ExpectIdenticalBuilds;
using testing::MakeRevolutions;
using testing::RevolutionShape;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::uint16_t> Row(const BuiltMatrix& m, std::size_t row) {
  const auto begin = m.data.begin() + static_cast<std::ptrdiff_t>(row * m.columns);
  return {begin, begin + m.columns};
}

RevolutionShape Flat(std::int32_t reading, std::size_t revolutions = 12) {
  RevolutionShape shape;
  shape.revolutions = revolutions;
  shape.reading = [reading](std::size_t, std::size_t) { return reading; };
  return shape;
}

TEST(FitParabola, RecoversAParabolaFromThreeAndFromSevenPoints) {
  for (const int n : {3, 7}) {
    ParabolaSums sums;
    for (int i = 0; i < n; ++i) {
      const double t = 10.0 + 2.0 * i;
      sums.add(t, 5.0 - 0.5 * t + 0.25 * t * t);
    }
    const Parabola p = FitParabola(sums);
    EXPECT_NEAR(p.c0, 5.0, 1e-6);
    EXPECT_NEAR(p.c1, -0.5, 1e-7);
    EXPECT_NEAR(p.c2, 0.25, 1e-9);
    EXPECT_NEAR(p.at(13.0), 5.0 - 6.5 + 42.25, 1e-6);
  }
}

TEST(PlaceSamples, PositionsFromTheFirstSampleAnglesWithinEachRevolutionOrBySample) {
  RevolutionList list = {testing::MakeRevolution({1, 2, 3}, 1000, 50),
                         testing::MakeRevolution({4, 5}, 1195, 70)};
  list[0][1].rotationCount = 51;
  list[0][2].rotationCount = 54;
  PlaceSamples(list);
  EXPECT_DOUBLE_EQ(list[0][0].position, 0.0);
  EXPECT_DOUBLE_EQ(list[1][0].position, 195 * kInchesPerCount);
  EXPECT_DOUBLE_EQ(list[0][1].angle, 90.0);
  EXPECT_DOUBLE_EQ(list[0][2].angle, 360.0);
  EXPECT_DOUBLE_EQ(list[1][1].angle, 360.0);
  // Revolutions without counter movement are spread by sample.
  list = {testing::MakeRevolution({7}, 0, 9), testing::MakeRevolution({1, 2, 3}, 5, 9)};
  for (RawSample& sample : list[1]) sample.rotationCount = 9;
  PlaceSamples(list);
  EXPECT_EQ(list[0][0].angle, 0.0);
  EXPECT_EQ(list[1][1].angle, 180.0);
}

TEST(MatrixCells, TruncatedToSixteenBitsAndCombined) {
  EXPECT_EQ(LowSixteenBits(361.99), 361);
  EXPECT_EQ(LowSixteenBits(-1.5), 65535);
  EXPECT_EQ(LowSixteenBits(70000.7), 70000 - 65536);
  EXPECT_EQ(LowSixteenBits(1e20), static_cast<std::uint16_t>(std::fmod(1e20, 65536.0)));
  EXPECT_EQ(LowSixteenBits(kNaN), 0);
  EXPECT_EQ(LowSixteenBits(std::numeric_limits<double>::infinity()), 0);
  // The wall takes the circumferential value when the estimates disagree.
  EXPECT_EQ(CombineCell(MatrixKind::kWall, 340.9, 360.9), 350);  // d = 20: the mean
  EXPECT_EQ(CombineCell(MatrixKind::kWall, 339.9, 360.9), 360);  // d = -21
  EXPECT_EQ(CombineCell(MatrixKind::kOd, -10.0, 30.0), 10);      // OD has no such test
  EXPECT_EQ(static_cast<std::int16_t>(CombineCell(MatrixKind::kOd, -3.0, -4.0)), -3);
  // An undetermined estimate is left out.
  EXPECT_EQ(CombineCell(MatrixKind::kWall, kNaN, 362.7), 362);
  EXPECT_EQ(CombineCell(MatrixKind::kWall, 362.7, std::numeric_limits<double>::infinity()), 362);
  EXPECT_EQ(CombineCell(MatrixKind::kOd, kNaN, kNaN), 0);
}

TEST(MatrixGrid, ShapeFromLengthAndPitchesOrNone) {
  const auto shape = MatrixGridShape(100.0, 1.0 / 3.0, 1.0);
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->rows, 301U);
  EXPECT_EQ(shape->columns, 360U);
  EXPECT_EQ(MatrixGridShape(0.2, 1.0 / 3.0, 0.7)->columns, 514U);
  EXPECT_EQ(MatrixGridShape(0.0, 1.0 / 3.0, 1.0)->rows, 1U);
  EXPECT_EQ(MatrixGridShape(-5.0, 1.0 / 3.0, 1.0)->rows, 1U);
  // Pitches that give no sensible grid are refused.
  EXPECT_FALSE(MatrixGridShape(100.0, 0.0, 1.0));
  EXPECT_FALSE(MatrixGridShape(100.0, -1.0, 1.0));
  EXPECT_FALSE(MatrixGridShape(100.0, kNaN, 1.0));
  EXPECT_FALSE(MatrixGridShape(100.0, 1.0, 361.0));
  EXPECT_FALSE(MatrixGridShape(100.0, 1e-9, 1.0));  // billions of cells
  EXPECT_FALSE(MatrixGridShape(std::numeric_limits<double>::infinity(), 1.0, 1.0));
}

// Fits are truncated, as every conversion is: a constant reading may come out one mil low.
void ExpectAllNear(const BuiltMatrix& m, std::uint16_t value) {
  for (const std::uint16_t cell : m.data) {
    ASSERT_TRUE(cell == value || cell == value - 1) << cell;
  }
}

TEST(BuildMatrix, AConstantWallGivesAConstantMatrix) {
  RevolutionList list = MakeRevolutions(Flat(362));
  const BuiltMatrix m = BuildMatrix(list, 1.0 / 3.0, 1.0, MatrixKind::kWall);
  EXPECT_EQ(m.columns, 360U);
  EXPECT_EQ(m.rows, static_cast<std::uint32_t>(std::floor(list.back().back().position * 3.0)) + 1);
  ExpectAllNear(m, 362);
}

TEST(BuildMatrix, FollowsTheWallAroundAndAlongThePipe) {
  RevolutionShape shape;
  shape.revolutions = 30;
  shape.reading = [](std::size_t r, std::size_t s) {
    return static_cast<std::int32_t>(std::lround(400.0 + 30.0 * std::sin(s * 3.14159265358979 / 180.0) + r));
  };
  RevolutionList list = MakeRevolutions(shape);
  const BuiltMatrix m = BuildMatrix(list, 1.0 / 3.0, 1.0, MatrixKind::kWall);
  for (std::uint32_t row = 3; row + 3 < m.rows; row += 5) {
    for (std::uint32_t column = 10; column < 350; column += 40) {
      const double expected = 400.0 + 30.0 * std::sin(column * 3.14159265358979 / 180.0) + row;
      EXPECT_NEAR(m.data[row * m.columns + column], expected, 3.0) << row << ", " << column;
    }
  }
}

TEST(BuildMatrix, FirstRowsRepeatRowTwoAndTheLastRowRepeatsItsPredecessor) {
  RevolutionShape shape;
  shape.revolutions = 10;
  shape.reading = [](std::size_t r, std::size_t) { return static_cast<std::int32_t>(300 + 10 * r); };
  RevolutionList list = MakeRevolutions(shape);
  const BuiltMatrix m = BuildMatrix(list, 1.0 / 3.0, 1.0, MatrixKind::kWall);
  ASSERT_GE(m.rows, 6U);
  EXPECT_EQ(Row(m, 0), Row(m, 2));
  EXPECT_EQ(Row(m, 1), Row(m, 2));
  EXPECT_EQ(Row(m, m.rows - 1), Row(m, m.rows - 2));
  EXPECT_NE(Row(m, 3), Row(m, 2));
}

TEST(BuildMatrix, ASingleRowMatrixHoldsTheStartOfThePipe) {
  RevolutionList list = MakeRevolutions(Flat(250, 1));  // one third of an inch: less than a row
  const BuiltMatrix m = BuildMatrix(list, 1.0, 1.0, MatrixKind::kWall);
  ASSERT_EQ(m.rows, 1U);
  ExpectAllNear(m, 250);
}

TEST(BuildMatrix, CoincidentAxialPointsLeaveTheCircumferentialValue) {
  // Revolution 0 stretches over two inches, so row 2 (2/3 inch) has revolution 0 as its centre and
  // as its predecessor: the axial fit is undetermined, and the value is its own revolution's 300,
  // not a fit through the 500 of the next.
  RevolutionShape shape = Flat(500, 4);
  RevolutionList list = MakeRevolutions(shape);
  for (RawSample& sample : list[0]) {
    sample.reading = 300;
    sample.axialCount = list[0][0].axialCount + (&sample - list[0].data()) * 390 / 360;
  }
  const BuiltMatrix m = BuildMatrix(list, 1.0 / 3.0, 1.0, MatrixKind::kWall);
  for (std::uint32_t column = 10; column < 350; column += 10) {
    EXPECT_NEAR(m.data[2 * m.columns + column], 300, 1) << column;
  }
}

TEST(BuildMatrix, RevolutionsOfOneSampleAndEmptyOnesAreHandledNoSamplesGiveNothing) {
  RevolutionList list = MakeRevolutions(Flat(362));
  list[4].resize(1);
  list[5].clear();
  const BuiltMatrix m = BuildMatrix(list, 1.0 / 3.0, 1.0, MatrixKind::kWall);
  EXPECT_EQ(list.size(), 11U);  // the empty revolution is gone
  ExpectAllNear(m, 362);
  // No samples or no grid give nothing.
  RevolutionList empty;
  EXPECT_TRUE(BuildMatrix(empty, 1.0 / 3.0, 1.0, MatrixKind::kWall).empty());
  EXPECT_TRUE(BuildMatrix(list, 0.0, 1.0, MatrixKind::kWall).empty());
  EXPECT_TRUE(BuildMatrix(list, 1.0 / 3.0, 400.0, MatrixKind::kWall).empty());
}

class BuildDifferential : public ::testing::Test {
 protected:
  testing::TempDir dir;
};

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
    CorrectWallChannel(revolutions, {JumpFilter::kReplace, 30}, "");
    ExpectIdenticalBuilds(revolutions, 1.0 / 3.0, 1.0, MatrixKind::kWall);
    ExpectIdenticalBuilds(revolutions, 0.1, 2.5, MatrixKind::kWall);
    ExpectIdenticalBuilds(revolutions, 1.25, 0.7, MatrixKind::kWall);
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
