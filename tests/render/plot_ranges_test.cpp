#include "render/plots/plot_ranges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "analysis/pressures/pressure_series.h"
#include "render/plots/plot_cursors.h"
#include "support/matrix_builders.h"

namespace ductora::render {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

TEST(PlotRanges, HandWorkedRules) {
  EXPECT_EQ(LimitsRange(305, 372), (AxisRange{300.0F, 380.0F}));
  EXPECT_EQ(LimitsRange(300, 370), (AxisRange{300.0F, 370.0F}));  // a whole ten gets no 10 more
  EXPECT_EQ(LimitsRange(-25, -5), (AxisRange{-20.0F, 10.0F}));    // truncated toward zero, then + 10
  EXPECT_EQ(CsaRange(99.8, 100.2), (AxisRange{99.0F, 101.0F}));   // 99.5 truncated, 100.5 rounded up
  EXPECT_EQ(CsaRange(-3.0, 103.2), (AxisRange{90.0F, 104.0F}));
  const std::vector<float> upTo3{1.2F, 3.0F, 2.0F};
  const std::vector<float> upTo34{1.2F, 3.4F};
  EXPECT_EQ(EccentricityRange(upTo3), (AxisRange{1.0F, 3.0F}));
  EXPECT_EQ(EccentricityRange(upTo34), (AxisRange{1.0F, 4.0F}));
  const std::vector<float> ovality{1.0F, 3.0F};
  EXPECT_EQ(OvalityRange(ovality), (AxisRange{1.0F, 4.0F}));
  EXPECT_EQ(StraightnessRange(2999), (AxisRange{-3.0F, 3.01F}));
  EXPECT_EQ(StraightnessRange(3000), (AxisRange{-3.0F, 3.0F}));
}

TEST(PlotRanges, PressuresSkipWhatIsNotFiniteAndShowAPlotWithoutWallInput) {
  const std::vector<double> collapse{5000.0, kNoWallPressure, kNan, 5200.5, kInf};
  EXPECT_EQ(CollapseRange(collapse, 0), (AxisRange{5000.0F, 5210.5F}));
  EXPECT_EQ(CollapseRange(collapse, 5200), (AxisRange{5000.0F, 5210.5F}));
  const std::vector<double> equalTop{5000.0, 5200.0};
  EXPECT_EQ(CollapseRange(equalTop, 5200), (AxisRange{5000.0F, 5200.0F}));
  // A flat series stands in the middle, not on the bottom border: the pipe-wide choices, with a
  // revolution without wall input below them, and nothing chosen for the wall (all at -100).
  const std::vector<double> flat{5000.0, kNoWallPressure, 5000.0};
  EXPECT_EQ(CollapseRange(flat, 400), (AxisRange{4990.0F, 5010.0F}));
  const std::vector<double> noWall(5, kNoWallPressure);
  EXPECT_EQ(CollapseRange(noWall, 400), (AxisRange{-210.0F, 10.0F}));

  // Whole psi; the reference pulls the range 100 past itself on the side it lies.
  const std::vector<double> burst{6000.7, 6500.2, -5.0, kInf};
  EXPECT_EQ(BurstRange(burst, 6200.0, 0), (AxisRange{6000.0F, 6510.0F}));
  EXPECT_EQ(BurstRange(burst, 5000.5, 0), (AxisRange{4900.0F, 6510.0F}));
  EXPECT_EQ(BurstRange(burst, 7000.5, 0), (AxisRange{6000.0F, 7110.0F}));
  EXPECT_EQ(BurstRange(burst, kNan, 0), (AxisRange{6000.0F, 6510.0F}));

  PipeFile pipe;
  pipe.yieldStrength = 110000.0;
  pipe.header.calibrationOd = 7.0F;
  pipe.header.nominalWall = 350;
  EXPECT_DOUBLE_EQ(BurstReference(pipe), 1.75 * 110000.0 / 20.0);
}

TEST(PlotRanges, UsableRangeTurnsWidensOrRefuses) {
  EXPECT_EQ(UsableRange({4.0F, 1.0F}, 0.5F), (AxisRange{1.0F, 4.0F}));
  // A zero mean ovality: the flat line in the middle of one step either way.
  EXPECT_EQ(UsableRange({0.0F, 0.0F}, 0.1F), (AxisRange{-0.1F, 0.1F}));
  EXPECT_EQ(UsableRange({2.0F, 2.0F}, 0.0F), (AxisRange{1.0F, 3.0F}));
  EXPECT_FALSE(UsableRange({0.0F, std::numeric_limits<float>::infinity()}, 1.0F));
  EXPECT_FALSE(UsableRange({std::numeric_limits<float>::quiet_NaN(), 1.0F}, 1.0F));
  EXPECT_FALSE(UsableRange({1e30F, 1e30F}, 0.5F));  // a step too small to move it
}

TEST(PlotCursors, RotationAndFlipOnTheAngleAxis) {
  EXPECT_EQ(RotationStart(90.0F, 360), 90U);
  EXPECT_EQ(RotationStart(359.5F, 360), 359U);
  EXPECT_EQ(RotationStart(400.0F, 360), 40U);
  EXPECT_EQ(RotationStart(-10.0F, 360), 350U);
  EXPECT_EQ(RotationStart(std::numeric_limits<float>::quiet_NaN(), 360), 0U);
  EXPECT_FLOAT_EQ(AngleCursorLine(100.0F, 90.0F, 360), 10.0F);
  EXPECT_FLOAT_EQ(AngleCursorLine(90.0F, 90.0F, 360), 0.0F);  // 360 wraps to 0: no line
  EXPECT_FLOAT_EQ(AngleCursorLine(359.0F - 10.0F, 0.0F, 360), 349.0F);
  // Degrees are turned into samples: two degrees a sample.
  EXPECT_EQ(RotationStart(90.0F, 180), 45U);
  EXPECT_FLOAT_EQ(SamplesOfDegrees(95.0F, 180), 47.5F);
  EXPECT_FLOAT_EQ(SamplesOfDegrees(123.4F, 360), 123.4F);
}

TEST(PlotCursors, RowsThroughTheDisplayMapping) {
  using testing::MakePipe;
  const auto wall = testing::MakeWallMatrix(20, 4, [](std::uint32_t, std::uint32_t) { return 300; });
  const auto od = testing::MakeOdMatrix(30, 4, [](std::uint32_t, std::uint32_t) { return 0; });
  PipeFile pipe = MakePipe({.wall = wall, .od = od, .wallStart = 5.5});
  EXPECT_EQ(WallPlotRow(pipe, 12.9F), 6);  // the wall starts 5.5 revolutions in: 6, rounded
  EXPECT_EQ(WallPlotRow(pipe, 2.0F), -4);  // before the wall data
  EXPECT_EQ(WallPlotRow(pipe, 40.0F), 34);
  EXPECT_EQ(OdPlotRow(pipe, 12.9F), 12);
  EXPECT_FALSE(WallPlotRow(pipe, std::numeric_limits<float>::quiet_NaN()));
  PipeFile reversed = MakePipe({.wall = wall, .od = od, .reversed = true});
  EXPECT_EQ(WallPlotRow(reversed, 3.0F), 19 - 3);  // each mirrored within its own rows
  EXPECT_EQ(OdPlotRow(reversed, 3.0F), 29 - 3);
  reversed.idMatrix = {1.0, 30, 1.0, 4, 0.0, 0.0, 0.0, std::vector<std::int16_t>(30 * 4)};
  EXPECT_EQ(IdPlotRow(reversed, 3.0F), 3);  // built in display order: never mirrored
  reversed.straightness = {12.0, 4, 10.0, 36, std::vector<std::int16_t>(4 * 36)};
  EXPECT_EQ(StraightnessPlotRow(reversed, 13.0F), 2);  // within its own four rows
  EXPECT_FALSE(StraightnessPlotRow(MakePipe({}), 13.0F));
}

}  // namespace
}  // namespace ductora::render
