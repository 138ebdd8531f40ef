#include "analysis/revolution_metrics.h"

#include <gtest/gtest.h>

#include "analysis/pipe_measures.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeSpec;

PipeFile MeasuredPipe(PipeSpec plan) {
  PipeFile pipe = MakePipe(std::move(plan));
  ComputePipeMeasures(pipe);
  return pipe;
}

PipeSpec SmallSpec() {
  PipeSpec plan;
  plan.wall = MakeWallMatrix({{100, 200, 300, 0}, {100, 100, 100, 100}});
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  return plan;
}

TEST(RevolutionMetrics, SixteenFieldsByHand) {
  const PipeFile pipe = MeasuredPipe(SmallSpec());
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

TEST(RevolutionMetrics, ZeroWallColumnResetsDOverTBeforeLaterColumns) {
  // Column 0 pairs walls 0 and 100 (reset), column 1 pairs 100 and 50: 5.0 / 0.05 = 100.
  PipeSpec plan;
  plan.wall = MakeWallMatrix({{0, 100, 100, 50}});
  plan.od = MakeOdMatrix({{0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  EXPECT_NEAR(MaxDOverT(MeasuredPipe(std::move(plan))), 100.0, 1e-4);
}

TEST(RevolutionMetrics, EccentricityOfLaterRowsAndAllZeroRows) {
  PipeSpec plan;
  plan.wall = MakeWallMatrix({{100, 100}, {100, 300}, {0, 0}});
  const PipeFile pipe = MeasuredPipe(std::move(plan));
  ASSERT_EQ(pipe.revolutionMetrics.size(), 3U);  // one per wall row without OD data
  EXPECT_FLOAT_EQ(pipe.revolutionMetrics[1][kMetricEccentricity], 100.0F);  // 200 / 200
  EXPECT_EQ(pipe.revolutionMetrics[2][kMetricMinWallDifference], 0.0F);     // average 0: no ratio
  EXPECT_EQ(pipe.revolutionMetrics[2][kMetricDOverT], 0.0F);
}

TEST(RevolutionMetrics, DOverTUsesTheOdRowItself) {
  // Row 7 at 1/3 inch: D = 5 + 2 x 0.070 = 5.14 over 0.1 (row 6 would give 51.2).
  constexpr double kThird = 0.3333333333333333;
  PipeSpec plan;
  plan.od = MakeOdMatrix(
      10, 4, [](std::uint32_t r, std::uint32_t) { return static_cast<std::int16_t>(10 * r); }, kThird);
  plan.wall = MakeWallMatrix(
      10, 4, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 100; }, kThird);
  plan.calibrationOd = 5.0F;
  const PipeFile pipe = MeasuredPipe(std::move(plan));
  EXPECT_NEAR(pipe.revolutionMetrics[7][kMetricDOverT], 51.4, 1e-4);
  EXPECT_NEAR(MaxDOverT(pipe), 5.18 / 0.1, 1e-4);
}

TEST(RevolutionMetrics, WallOutsideTheMappedRowsGivesZeroWallFields) {
  // k = 2 with reversed rows: record 1 maps to wall row 3, past the 2-row matrix.
  PipeSpec plan = SmallSpec();
  plan.wallStart = 2.0;
  plan.reversed = true;
  const PipeFile pipe = MeasuredPipe(std::move(plan));
  const RevolutionMetric& second = pipe.revolutionMetrics[1];
  EXPECT_EQ(second[kMetricMinWallDifference], 0.0F);
  EXPECT_EQ(second[kMetricMinWall], 0.0F);
  EXPECT_EQ(second[kMetricDOverT], 0.0F);
}

TEST(RevolutionMetrics, NoneWithoutMatrices) {
  PipeFile pipe;
  ComputePipeMeasures(pipe);
  EXPECT_TRUE(pipe.revolutionMetrics.empty());
  EXPECT_EQ(MaxDOverT(pipe), 0.0);
}

}  // namespace
}  // namespace ductora
