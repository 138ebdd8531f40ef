#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/measures/csa.h"
#include "analysis/measures/id_matrix.h"
#include "analysis/measures/od_statistics.h"
#include "analysis/measures/pipe_measures.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/measures/wall_statistics.h"
#include "analysis/placement/pipe_sampler.h"
#include "support/matrix_builders.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeShape;

TEST(WallStatistics, RowsAndPipeByHand) {
  // Row 0: min 100, max 400, avg 1000 / 4 = 250, eccentricity 300 / 250 = 120 %.
  // Row 1: flat 250, eccentricity 0.
  // Row 2: min 0, max 500, avg 900 / 4 = 225, eccentricity 500 / 225 = 222.22 %.
  // Pipe averages are means over the 3 rows: wall (250 + 250 + 225) / 3 = 241.667 mils, between
  // the thinnest and thickest row; eccentricity (120 + 0 + 222.22) / 3 = 114.07 %.
  WallMatrix wall = MakeWallMatrix({{100, 200, 300, 400}, {250, 250, 250, 250}, {0, 500, 100, 300}});
  const double avgEccentricity = ComputeWallStatistics(wall);

  EXPECT_EQ(wall.minWallPerRev, (std::vector<std::uint16_t>{100, 250, 0}));
  EXPECT_EQ(wall.maxWallPerRev, (std::vector<std::uint16_t>{400, 250, 500}));
  EXPECT_EQ(wall.avgWallPerRev, (std::vector<std::uint16_t>{250, 250, 225}));
  ASSERT_EQ(wall.eccentricityPerRev.size(), 3U);
  EXPECT_FLOAT_EQ(wall.eccentricityPerRev[0], 120.0F);
  EXPECT_FLOAT_EQ(wall.eccentricityPerRev[1], 0.0F);
  EXPECT_FLOAT_EQ(wall.eccentricityPerRev[2], 500.0F / 225.0F * 100.0F);

  EXPECT_DOUBLE_EQ(wall.minWall, 0.0);
  EXPECT_DOUBLE_EQ(wall.maxWall, 0.5);
  EXPECT_NEAR(wall.avgWall, 0.241667, 1e-6);
  EXPECT_NEAR(avgEccentricity, 114.0741, 1e-4);
  EXPECT_DOUBLE_EQ(wall.avgEccentricity, avgEccentricity);
  EXPECT_DOUBLE_EQ(wall.minEccentricity, 0.0);
  EXPECT_NEAR(wall.maxEccentricity, 222.222, 1e-3);
}

TEST(WallStatistics, DegenerateMatricesGiveDefinedValues) {
  // A zero row has no eccentricity rather than NaN.
  WallMatrix wall = MakeWallMatrix({{0, 0, 0, 0}, {100, 100, 100, 100}});
  EXPECT_EQ(ComputeWallStatistics(wall), 0.0);
  EXPECT_EQ(wall.eccentricityPerRev[0], 0.0F);
  // Rows declared beyond the array are not read; without data everything is cleared.
  wall.rows = 50;
  ComputeWallStatistics(wall);
  EXPECT_EQ(wall.minWallPerRev.size(), 2U);
  wall.data.clear();
  EXPECT_EQ(ComputeWallStatistics(wall), 0.0);
  EXPECT_TRUE(wall.minWallPerRev.empty());
  EXPECT_EQ(wall.avgWall, 0.0);
}

TEST(OdStatistics, DiametersThroughOppositeColumnsAndDefinedWithoutDiameters) {
  // Calibration 5.0. Row 0 pairs (0, 2) and (1, 3): 5 + 0.010 - 0.010 = 5.00 and 5 + 0.020 + 0 = 5.02,
  // average 5.01, ovality 0.02 / 5.01 = 0.3992 %. Row 1: both 5.0, ovality 0.
  // Pipe averages are means over the 2 rows: avgOd (5.01 + 5.00) / 2 = 5.005, ovality 0.1996 %.
  OdMatrix od = MakeOdMatrix({{10, 20, -10, 0}, {0, 0, 0, 0}});
  ComputeOdStatistics(od, 5.0F);
  ASSERT_EQ(od.avgOdPerRev.size(), 2U);
  EXPECT_FLOAT_EQ(od.minOdPerRev[0], 5.0F);
  EXPECT_FLOAT_EQ(od.maxOdPerRev[0], 5.02F);
  EXPECT_FLOAT_EQ(od.avgOdPerRev[0], 5.01F);
  EXPECT_NEAR(od.ovalityPerRev[0], 0.02 / 5.01 * 100.0, 1e-4);
  EXPECT_EQ(od.ovalityPerRev[1], 0.0F);
  EXPECT_NEAR(od.maxOd, 5.02, 1e-6);
  EXPECT_NEAR(od.minOd, 5.0, 1e-6);
  EXPECT_NEAR(od.avgOd, 5.005, 1e-5);
  EXPECT_NEAR(od.maxOvality, 0.3992, 1e-4);
  EXPECT_EQ(od.minOvality, 0.0);
  EXPECT_NEAR(od.avgOvality, 0.1996, 1e-4);

  // Calibration 0 with zero offsets: every diameter 0, ovality defined as 0.
  od = MakeOdMatrix({{0, 0, 0, 0}});
  ComputeOdStatistics(od, 0.0F);
  EXPECT_EQ(od.ovalityPerRev[0], 0.0F);
  EXPECT_EQ(od.avgOd, 0.0);
  // One column has no pairs.
  od = MakeOdMatrix({{5}, {7}});
  ComputeOdStatistics(od, 5.0F);
  EXPECT_TRUE(od.avgOdPerRev.empty());
  EXPECT_EQ(od.maxOd, 0.0);
}

constexpr double kNominalOd = 5.0;

TEST(CsaSeries, NominalAndPerRowAreasOfTheRowsHeld) {
  // Nominal: pi 0.5 (5 - 0.5) = 2.25 pi. Row [500, 500]: 2.25 pi.
  // Row [400, 600]: pi (0.4 * 4.6 + 0.6 * 4.4) / 2 = 2.24 pi.
  const WallMatrix wall = MakeWallMatrix({{500, 500}, {400, 600}});
  CsaTable csa;
  ComputeCsaSeries(csa, kNominalOd, 0.5, wall.rows, wall.columns, wall.data);
  EXPECT_DOUBLE_EQ(csa.nominalCsa, 2.25 * kPi);
  EXPECT_EQ(csa.rows, 2U);
  ASSERT_EQ(csa.csaPerRev.size(), 2U);
  EXPECT_NEAR(csa.csaPerRev[0], 2.25 * kPi, 1e-12);
  EXPECT_NEAR(csa.csaPerRev[1], 2.24 * kPi, 1e-12);
  // Short data give fewer rows.
  const std::vector<std::uint16_t> data{500, 500, 400};
  ComputeCsaSeries(csa, kNominalOd, 0.5, 2, 2, data);
  EXPECT_EQ(csa.csaPerRev.size(), 1U);
  ComputeCsaSeries(csa, kNominalOd, 0.5, 2, 0, data);
  EXPECT_TRUE(csa.csaPerRev.empty());
}

TEST(CsaStatistics, ByHand) {
  // S = sum w (5000 - w): row 0 = 2 * 500 * 4500 = 4.50e6, row 1 = 400 * 4600 + 600 * 4400 = 4.48e6.
  // f = pi 1e-6 / 2. Std dev: (2 (S0^2 + S1^2) - (S0 + S1)^2) / (2 * 1) = (S0 - S1)^2 / 2 = 2e8.
  const WallMatrix wall = MakeWallMatrix({{500, 500}, {400, 600}});
  CsaTable csa;
  const double minCsa = ComputeCsaStatistics(csa, kNominalOd, wall.data, wall.rows, wall.columns);
  const double f = kPi * 1e-6 / 2.0;
  EXPECT_NEAR(minCsa, f * 4.48e6, 1e-12);
  EXPECT_NEAR(csa.minCsa, f * 4.48e6, 1e-12);
  EXPECT_NEAR(csa.maxCsa, f * 4.50e6, 1e-12);
  EXPECT_NEAR(csa.avgCsa, f * 4.49e6, 1e-12);
  EXPECT_NEAR(csa.csaStdDev, f * std::sqrt(2e8), 1e-12);
}

TEST(CsaStatistics, OneRowAndUniformRowsHaveNoSpreadAndNoDataGivesZeros) {
  CsaTable csa;
  const WallMatrix one = MakeWallMatrix({{500, 400}});
  ComputeCsaStatistics(csa, kNominalOd, one.data, one.rows, one.columns);
  EXPECT_EQ(csa.csaStdDev, 0.0);
  EXPECT_GT(csa.avgCsa, 0.0);

  const WallMatrix uniform =
      MakeWallMatrix(1000, 360, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 437; });
  ComputeCsaStatistics(csa, 7.0, uniform.data, uniform.rows, uniform.columns);
  EXPECT_EQ(csa.csaStdDev, 0.0);
  EXPECT_DOUBLE_EQ(csa.minCsa, csa.maxCsa);
  // No data: zeros.
  EXPECT_EQ(ComputeCsaStatistics(csa, kNominalOd, {}, 4, 360), 0.0);
  EXPECT_EQ(csa.avgCsa, 0.0);
}

// Row 0 has a zero wall at column 3; row 1 is flat. OD pairs 40 and 60 on row 0.
PipeShape SmallSpec() {
  PipeShape plan;
  plan.wall = MakeWallMatrix({{100, 200, 300, 0}, {100, 100, 100, 100}});
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  return plan;
}

PipeFile SmallPipe() { return MakePipe(SmallSpec()); }

TEST(IdMatrix, DiameterLessBothWalls) {
  // Row 0, c 0: D = 0.010 + 0.030 + 5 = 5.04, walls 0.1 and 0.3 -> 4.64 at columns 0 and 2.
  // Row 0, c 1: the wall at column 3 is 0 -> columns 1 and 3 stay 0.
  // Row 1: D = 5.0, walls 0.1 + 0.1 -> 4.8 everywhere.
  // avgId over the three pairs that hold an ID: (4.64 + 4.8 + 4.8) / 3 = 4.7467, above minId.
  PipeFile pipe = SmallPipe();
  BuildIdMatrix(pipe);
  const IdMatrix& id = pipe.idMatrix;
  ASSERT_EQ(id.rows, 2U);
  ASSERT_EQ(id.columns, 4U);
  EXPECT_NEAR(id.at(0, 0), 4640, 1);
  EXPECT_EQ(id.at(0, 2), id.at(0, 0));
  EXPECT_EQ(id.at(0, 1), 0);
  EXPECT_EQ(id.at(0, 3), 0);
  EXPECT_NEAR(id.at(1, 0), 4800, 1);
  EXPECT_NEAR(id.at(1, 3), 4800, 1);
  EXPECT_NEAR(id.maxId, 4.8, 1e-6);
  EXPECT_NEAR(id.minId, 4.64, 1e-6);
  EXPECT_NEAR(id.avgId, 4.746667, 1e-5);
  EXPECT_EQ(id.deltaX, pipe.odMatrix.deltaX);
}

TEST(IdMatrix, NothingIsReadOutsideEitherMatrix) {
  // Wall of 5 rows starting 2 rows in, reversed, against 2 OD rows: no wall is shown with either
  // OD row. No wall: no ID.
  PipeShape plan;
  plan.wall = MakeWallMatrix(5, 4, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 100; });
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  plan.wallStart = 2.0;
  plan.reversed = true;
  PipeFile pipe = MakePipe(plan);
  BuildIdMatrix(pipe);
  EXPECT_EQ(std::count(pipe.idMatrix.data.begin(), pipe.idMatrix.data.end(), 0), pipe.idMatrix.data.size());
  EXPECT_EQ(pipe.idMatrix.minId, 0.0);
  EXPECT_EQ(pipe.idMatrix.avgId, 0.0);
  pipe.wallMatrix = WallMatrix{};
  BuildIdMatrix(pipe);
  EXPECT_FALSE(pipe.idMatrix.present());
}

// A round OD of 5.0 on the usual grid of 360 columns; each wall column holds 100 plus its angle,
// so an ID of 5 - (200 + a1 + a2) / 1000 names the walls it read (a1 at the cell's angle, a2 at 180
// degrees on). Every wall grid gives the OD grid and the walls nearest each angle.
TEST(IdMatrix, ReadsTheWallNearestEachOdAngleOnAnyWallGrid) {
  struct Grid {
    std::uint32_t columns;
    double deltaY;
    bool flipped;
    std::vector<std::pair<std::size_t, int>> cells;  // ID column and its value in thousandths
  };
  const std::vector<Grid> grids{
      {360, 1.0, false, {{10, 4600}, {179, 4262}, {190, 4600}}},
      // Two degrees a column: 1 degree ties to the later column (2), 359 to column 0 past the turn.
      {180, 2.0, false, {{0, 4620}, {1, 4616}, {179, 4620}, {181, 4616}}},
      {180, 0.0, false, {{1, 4616}}},  // no pitch stored: the columns share the turn
      // 51 columns of 7 degrees, 0 to 350: 352 is nearest 350, 356 nearest a whole turn.
      {51, 7.0, false, {{172, 4275}, {176, 4625}}},
      // Flipped: display column 10 shows OD column 349, whose walls lie at 350 and 170 degrees.
      {180, 2.0, true, {{10, 4280}, {0, 4620}}},
  };
  for (const Grid& grid : grids) {
    PipeShape plan;
    plan.od = MakeOdMatrix(2, 360, [](std::uint32_t, std::uint32_t) -> std::int16_t { return 0; });
    const double pitch = grid.deltaY > 0.0 ? grid.deltaY : 360.0 / grid.columns;
    plan.wall = MakeWallMatrix(2, grid.columns, [pitch](std::uint32_t, std::uint32_t c) {
      return static_cast<std::uint16_t>(100 + std::lround(c * pitch));
    });
    plan.wall.deltaY = grid.deltaY;
    plan.calibrationOd = 5.0F;
    plan.flipped = grid.flipped;
    const PipeFile pipe = testing::MakeMeasuredPipe(std::move(plan));
    const IdMatrix& id = pipe.idMatrix;
    SCOPED_TRACE(grid.columns);
    ASSERT_EQ(id.columns, 360U);
    EXPECT_EQ(id.deltaY, 1.0);
    for (const auto& [column, value] : grid.cells) EXPECT_NEAR(id.at(1, column), value, 1) << column;
    EXPECT_EQ(std::count(id.data.begin(), id.data.end(), 0), 0);
    // D/t reads the same walls: 5.0 over the thinnest, 0.1 at 0 degrees.
    EXPECT_NEAR(pipe.revolutionMetrics[1][kMetricDOverT], 50.0, 1e-4);
  }
}

PipeShape FullSpec() {
  PipeShape plan;
  plan.wall = MakeWallMatrix({{500, 500, 500, 500}, {400, 600, 400, 600}, {500, 500, 500, 500}});
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {0, 0, 0, 0}, {0, 0, 0, 0}});
  plan.nominalOd = 5.0F;
  plan.nominalWall = 500;
  plan.calibrationOd = 5.0F;
  return plan;
}

TEST(PipeMeasures, ComputesEveryStoredMeasure) {
  PipeFile pipe = MakePipe(FullSpec());
  pipe.csa.avgCsa = 123.0;  // as read from the file
  ComputePipeMeasures(pipe);
  EXPECT_EQ(pipe.wallMatrix.minWallPerRev.size(), 3U);
  EXPECT_DOUBLE_EQ(pipe.wallMatrix.maxWall, 0.6);
  EXPECT_DOUBLE_EQ(pipe.csa.nominalCsa, 2.25 * kPi);
  EXPECT_EQ(pipe.csa.rows, 3U);
  EXPECT_NEAR(pipe.csa.csaPerRev[1], 2.24 * kPi, 1e-12);
  EXPECT_EQ(pipe.csa.avgCsa, 123.0);
  EXPECT_NEAR(pipe.odMatrix.maxOd, 5.06, 1e-6);
  EXPECT_TRUE(pipe.idMatrix.present());
  EXPECT_EQ(pipe.revolutionMetrics.size(), 3U);
  // Wall only: no ID matrix, also none left from an earlier build.
  pipe.odMatrix = OdMatrix{};
  ComputePipeMeasures(pipe);
  EXPECT_FALSE(pipe.idMatrix.present());
  EXPECT_EQ(pipe.revolutionMetrics.size(), 3U);
}

TEST(PipeMeasures, NominalSettersRecomputeWhatReadsThemAndLoadingAPipeAddsItsMeasures) {
  PipeFile pipe = MakePipe(FullSpec());
  pipe.csa.avgCsa = 123.0;  // as read from the file
  ComputePipeMeasures(pipe);
  // The OD as it is keeps the CSA statistics read; another one makes them anew, a wall the nominal area.
  SetNominalOd(pipe, 5.0F);
  EXPECT_EQ(pipe.csa.avgCsa, 123.0);
  SetNominalOd(pipe, 1.9F);
  EXPECT_EQ(pipe.header.nominalOdMils, 1900);  // single-precision product, truncated
  EXPECT_DOUBLE_EQ(pipe.header.nominalOd, static_cast<double>(1.9F));
  EXPECT_NEAR(pipe.csa.nominalCsa, kPi * 0.5 * (1.9 - 0.5), 1e-6);
  EXPECT_NEAR(pipe.csa.avgCsa, kPi * (0.7 + 0.69 + 0.7) / 3, 1e-6);  // rows of w (D - w)
  SetNominalWall(pipe, 400);
  EXPECT_NEAR(pipe.csa.nominalCsa, kPi * 0.4 * (1.9 - 0.4), 1e-6);

  SetNominalOd(pipe, -2.0F);
  EXPECT_EQ(pipe.header.nominalOdMils, 0);
  SetNominalOd(pipe, 100.0F);
  EXPECT_EQ(pipe.header.nominalOdMils, 65535);
  // Calibration od setter recomputes what reads it and loading a pipe adds its measures.
  pipe = MakePipe(FullSpec());
  ComputePipeMeasures(pipe);
  const std::int16_t idBefore = pipe.idMatrix.at(1, 0);
  SetCalibrationOd(pipe, 6.0F);
  EXPECT_EQ(pipe.header.calibrationOdMils, 6000);
  EXPECT_NEAR(pipe.odMatrix.minOd, 6.0, 1e-6);
  EXPECT_NEAR(pipe.idMatrix.at(1, 0) - idBefore, 1000, 1);
  EXPECT_FLOAT_EQ(pipe.revolutionMetrics[1][kMetricMinOd], 6.0F);
  // Loading a pipe adds its measures.
  testing::TempDir dir;
  PipeFile missing = MakePipe(FullSpec());
  EXPECT_FALSE(LoadPipeForUse(missing, dir.file("absent.kqvw")).opened);
  EXPECT_TRUE(missing.revolutionMetrics.empty());

  const std::string path = dir.file("measured.kqvw");
  PipeFile saved = MakePipe(FullSpec());
  ASSERT_TRUE(savePipeFile(saved, path, false, false).ok);

  PipeFile loaded;
  const PipeReadResult result = LoadPipeForUse(loaded, path);
  ASSERT_TRUE(result.opened);
  EXPECT_EQ(loaded.wallMatrix.minWallPerRev.size(), 3U);
  EXPECT_EQ(loaded.csa.csaPerRev.size(), 3U);
  EXPECT_TRUE(loaded.idMatrix.present());
  EXPECT_EQ(loaded.revolutionMetrics.size(), 3U);
}

TEST(RevolutionMetrics, SixteenFieldsByHand) {
  const PipeFile pipe = testing::MakeMeasuredPipe(SmallSpec());
  ASSERT_EQ(pipe.revolutionMetrics.size(), 2U);
  // Row 0: avg wall 150 (truncated 600 / 4); pairs |100 - 300| and |200 - 0| = 200 -> 133.33 %.
  // Eccentricity of row 0 is not reported. Walls: min above 0 = 100, max 300, mean 600 / 4.
  // OD pairs 40, 60 (+ 5 inches); ovality 0.02 / 5.05. ID cells {4640, 0}. D/t: column 0 gives
  // 5.04 / 0.1, then column 1 has a zero wall and resets it to 0.
  const RevolutionMetric& first = pipe.revolutionMetrics[0];
  EXPECT_NEAR(first[kMetricMinWallDifference], 133.333, 1e-3);
  EXPECT_NEAR(first[kMetricMaxWallDifference], 133.333, 1e-3);
  EXPECT_EQ(first[kMetricEccentricity], 0.0F);
  EXPECT_FLOAT_EQ(first[kMetricMinWall], 0.1F);
  EXPECT_FLOAT_EQ(first[kMetricMaxWall], 0.3F);
  EXPECT_FLOAT_EQ(first[kMetricAverageWall], 0.15F);
  EXPECT_FLOAT_EQ(first[kMetricMinOd], 5.04F);
  EXPECT_FLOAT_EQ(first[kMetricMaxOd], 5.06F);
  EXPECT_FLOAT_EQ(first[kMetricAverageOd], 5.05F);
  EXPECT_NEAR(first[kMetricMinOvality], 0.02 / 5.05 * 100.0, 1e-4);
  EXPECT_NEAR(first[kMetricMaxOvality], 0.02 / 5.05 * 100.0, 1e-4);
  EXPECT_NEAR(first[kMetricAverageOvality], 0.02 / 5.05 * 100.0, 1e-4);
  EXPECT_NEAR(first[kMetricMinId], 4.64, 0.002);
  EXPECT_NEAR(first[kMetricMaxId], 4.64, 0.002);
  EXPECT_NEAR(first[kMetricAverageId], 4.64, 0.002);
  EXPECT_EQ(first[kMetricDOverT], 0.0F);

  // Row 1: flat 100 walls, zero OD offsets: D/t = 5.0 / 0.1 in both columns.
  const RevolutionMetric& second = pipe.revolutionMetrics[1];
  EXPECT_EQ(second[kMetricMinWallDifference], 0.0F);
  EXPECT_EQ(second[kMetricEccentricity], 0.0F);
  EXPECT_FLOAT_EQ(second[kMetricAverageWall], 0.1F);
  EXPECT_FLOAT_EQ(second[kMetricMinOd], 5.0F);
  EXPECT_EQ(second[kMetricMaxOvality], 0.0F);
  EXPECT_NEAR(second[kMetricMinId], 4.8, 0.002);
  EXPECT_FLOAT_EQ(second[kMetricDOverT], 50.0F);
  EXPECT_DOUBLE_EQ(MaxDOverT(pipe), 50.0);
}

TEST(RevolutionMetrics, ZeroWallsResetDOverTAndGiveNoRatios) {
  // Column 0 pairs walls 0 and 100 (reset), column 1 pairs 100 and 50: 5.0 / 0.05 = 100.
  PipeShape plan;
  plan.wall = MakeWallMatrix({{0, 100, 100, 50}});
  plan.od = MakeOdMatrix({{0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  EXPECT_NEAR(MaxDOverT(testing::MakeMeasuredPipe(std::move(plan))), 100.0, 1e-4);
  // Later rows have an eccentricity; an all-zero row has no ratios.
  PipeShape walls;
  walls.wall = MakeWallMatrix({{100, 100}, {100, 300}, {0, 0}});
  const PipeFile pipe = testing::MakeMeasuredPipe(std::move(walls));
  ASSERT_EQ(pipe.revolutionMetrics.size(), 3U);  // one per wall row without OD data
  EXPECT_FLOAT_EQ(pipe.revolutionMetrics[1][kMetricEccentricity], 100.0F);  // 200 / 200
  EXPECT_EQ(pipe.revolutionMetrics[2][kMetricMinWallDifference], 0.0F);     // average 0: no ratio
  EXPECT_EQ(pipe.revolutionMetrics[2][kMetricDOverT], 0.0F);
}

// Turning row 7 into 7 x (1/3) inch and back gives 6.999..., i.e. row 6: the ID and D/t use the
// OD row itself.
TEST(IdMatrix, IdAndDOverTUseTheOdRowItself) {
  constexpr double kThird = 0.3333333333333333;
  ASSERT_EQ(static_cast<int>(7 * kThird / kThird), 6);  // the rounding this guards against
  PipeShape plan;
  // OD cell = 10 r: D(r) = 0.020 r + 5; walls 0.1 each: ID(7) = 5.14 - 0.2 = 4.94, ID(6) = 4.92.
  plan.od = MakeOdMatrix(
      10, 4, [](std::uint32_t r, std::uint32_t) { return static_cast<std::int16_t>(10 * r); }, kThird);
  plan.wall = MakeWallMatrix(
      10, 4, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 100; }, kThird);
  plan.calibrationOd = 5.0F;
  const PipeFile pipe = testing::MakeMeasuredPipe(std::move(plan));
  EXPECT_NEAR(pipe.idMatrix.at(7, 0), 4940, 1);
  EXPECT_NEAR(pipe.idMatrix.at(6, 0), 4920, 1);
  // D = 5.14 over 0.1 (row 6 would give 51.2).
  EXPECT_NEAR(pipe.revolutionMetrics[7][kMetricDOverT], 51.4, 1e-4);
  EXPECT_NEAR(MaxDOverT(pipe), 5.18 / 0.1, 1e-4);
}

TEST(RevolutionMetrics, WallOutsideTheMappedRowsGivesZeroWallFieldsAndNoMatrixNoRecords) {
  // k = 2 with reversed rows: record 1 maps to wall row 3, past the 2-row matrix.
  PipeShape plan = SmallSpec();
  plan.wallStart = 2.0;
  plan.reversed = true;
  const PipeFile pipe = testing::MakeMeasuredPipe(std::move(plan));
  const RevolutionMetric& second = pipe.revolutionMetrics[1];
  EXPECT_EQ(second[kMetricMinWallDifference], 0.0F);
  EXPECT_EQ(second[kMetricMinWall], 0.0F);
  EXPECT_EQ(second[kMetricDOverT], 0.0F);
  // None without matrices.
  PipeFile empty;
  ComputePipeMeasures(empty);
  EXPECT_TRUE(empty.revolutionMetrics.empty());
  EXPECT_EQ(MaxDOverT(empty), 0.0);
}

}  // namespace
}  // namespace ductora
