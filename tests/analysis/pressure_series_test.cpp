#include "analysis/pressure_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/cursor_rows.h"
#include "analysis/pipe_measures.h"
#include "analysis/pressures.h"
#include "analysis/revolution_metrics.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeSpec;

constexpr double kYield = 110000.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Four wall rows; row 3 has a zero wall, so its D/t is 0. The OD matrix has one oval row.
PipeSpec FourRows() {
  PipeSpec plan;
  plan.wall =
      MakeWallMatrix({{100, 100, 100, 100}, {100, 120, 100, 80}, {200, 200, 200, 200}, {100, 0, 100, 100}});
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {10, 0, 10, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
  plan.nominalOd = 5.0F;
  plan.calibrationOd = 5.0F;
  plan.nominalWall = 100;
  return plan;
}

PipeFile Measured(PipeSpec plan) {
  PipeFile pipe = MakePipe(std::move(plan));
  ComputePipeMeasures(pipe);
  pipe.yieldStrength = kYield;
  return pipe;
}

TEST(CollapseSeries, PipeChoicesGiveOneValueForEveryRow) {
  PipeFile pipe = Measured(FourRows());
  SetCollapseSelections(pipe,
                        {kChoiceMinForPipe, kChoiceMaxForPipe, kChoiceMaxForPipe, kChoiceAverageForPipe});
  const double expected = TamanoCollapse(kYield, pipe.odMatrix.minOd / pipe.wallMatrix.maxWall,
                                         pipe.odMatrix.maxOvality, pipe.wallMatrix.avgEccentricity);
  const std::vector<double> series = CollapseSeries(pipe);
  ASSERT_EQ(series.size(), 4U);
  for (const double value : series) {
    EXPECT_DOUBLE_EQ(value, expected);
  }
  EXPECT_TRUE(std::isfinite(expected));
  // The smallest wall of the pipe is row 3's zero: no wall input.
  SetCollapseSelections(pipe,
                        {kChoiceMinForPipe, kChoiceMinForPipe, kChoiceMaxForPipe, kChoiceAverageForPipe});
  EXPECT_EQ(CollapsePressureOfRow(pipe, 0), kNoWallPressure);
}

TEST(CollapseSeries, SliceChoicesReadTheRevolutionRecord) {
  PipeFile pipe = Measured(FourRows());
  SetCollapseSelections(pipe,
                        {kChoiceMaxForSlice, kChoiceMinForSlice, kChoiceMaxForSlice, kChoiceAverageForSlice});
  const std::vector<double> series = CollapseSeries(pipe);
  for (std::size_t r = 0; r < 3; ++r) {
    const RevolutionMetric& m = pipe.revolutionMetrics[r];
    const double x = static_cast<double>(m[kMetricMaxOd]) / m[kMetricMinWall];
    EXPECT_DOUBLE_EQ(series[r], TamanoCollapse(kYield, x, m[kMetricMaxOvality], m[kMetricEccentricity])) << r;
  }
  // Row 2: flat 0.200" walls and a round 5.000" OD give D/t 25 without imperfection.
  EXPECT_NEAR(series[2], TamanoCollapse(kYield, 25.0, 0.0, 0.0), 1e-3);
  // Eccentricity choices 4 and 5 are the largest and smallest wall differences across the pipe.
  SetCollapseSelections(pipe,
                        {kChoiceMaxForSlice, kChoiceMinForSlice, kChoiceMinForSlice, kChoiceMaxForSlice});
  const RevolutionMetric& m = pipe.revolutionMetrics[1];
  EXPECT_DOUBLE_EQ(CollapsePressureOfRow(pipe, 1),
                   TamanoCollapse(kYield, static_cast<double>(m[kMetricMaxOd]) / m[kMetricMinWall],
                                  m[kMetricMinOvality], m[kMetricMaxWallDifference]));
}

TEST(CollapseSeries, NoWallInputPlotsMinus100) {
  PipeFile pipe = Measured(FourRows());
  SetCollapseSelections(pipe, {kChoiceMaxForPipe, kChoiceNone, kChoiceNone, kChoiceNone});
  for (const double value : CollapseSeries(pipe)) {
    EXPECT_EQ(value, kNoWallPressure);
  }
  // An unknown choice reads as no input.
  SetCollapseSelections(pipe, {kChoiceMaxForPipe, 7, kChoiceNone, kChoiceNone});
  EXPECT_EQ(CollapsePressureOfRow(pipe, 0), kNoWallPressure);
  // A wall row without a revolution record (more wall than OD rows) has no slice inputs.
  SetCollapseSelections(pipe, {kChoiceMaxForPipe, kChoiceMinForSlice, kChoiceNone, kChoiceNone});
  pipe.revolutionMetrics.resize(2);
  EXPECT_EQ(CollapsePressureOfRow(pipe, 3), kNoWallPressure);
  EXPECT_NE(CollapsePressureOfRow(pipe, 1), kNoWallPressure);
}

TEST(BurstSeries, RevolutionDOverTOrNominal) {
  PipeFile pipe = Measured(FourRows());
  pipe.burstSelection = 4;  // Barlow, 2Y / r
  const std::vector<double> series = BurstSeries(pipe);
  ASSERT_EQ(series.size(), 4U);
  // Row 2: D/t = 5.0 / 0.2.
  EXPECT_NEAR(series[2], 2.0 * kYield / 25.0, 1e-6);
  // Row 3: its zero wall leaves D/t 0, so the nominal 5000 / 100 = 50 is used.
  EXPECT_EQ(pipe.revolutionMetrics[3][kMetricDOverT], 0.0F);
  EXPECT_DOUBLE_EQ(series[3], 2.0 * kYield / 50.0);
  // Without a nominal wall the nominal D/t is infinite and Barlow gives 0, defined.
  pipe.header.nominalWall = 0;
  EXPECT_EQ(BurstPressureOfRow(pipe, 3), 0.0);
}

TEST(CursorRows, WallStartReversalAndInvalidCursors) {
  PipeSpec plan = FourRows();
  plan.wallStart = 2.0;  // k = 2 rows before the wall matrix
  PipeFile pipe = Measured(plan);
  EXPECT_FALSE(CursorWallRow(pipe, 1.5));
  EXPECT_EQ(CursorWallRow(pipe, 2.5), 0);
  EXPECT_EQ(CursorWallRow(pipe, 5.9), 3);
  EXPECT_FALSE(CursorWallRow(pipe, 6.0));
  EXPECT_EQ(CursorOdRow(pipe, 1.5), 1);  // OD rows are display rows
  for (const double cursor : {kNaN, std::numeric_limits<double>::infinity(), -5.0, 1e300}) {
    EXPECT_FALSE(CursorWallRow(pipe, cursor)) << cursor;
    EXPECT_FALSE(CursorOdRow(pipe, cursor)) << cursor;
  }

  PipeSpec reversedSpec = FourRows();
  reversedSpec.reversed = true;
  const PipeFile reversed = Measured(reversedSpec);
  EXPECT_EQ(CursorWallRow(reversed, 0.5), 3);
  EXPECT_EQ(CursorOdRow(reversed, 0.5), 3);

  PipeFile empty;
  EXPECT_FALSE(CursorWallRow(empty, 0.0));
  EXPECT_FALSE(CursorOdRow(empty, 0.0));
}

TEST(PressureAtCursor, ValueOfTheCursorRowOrZero) {
  PipeSpec plan = FourRows();
  plan.wallStart = 2.0;
  PipeFile pipe = Measured(plan);
  SetCollapseSelections(pipe,
                        {kChoiceMaxForSlice, kChoiceMinForSlice, kChoiceMaxForSlice, kChoiceAverageForSlice});
  pipe.burstSelection = 0;
  EXPECT_EQ(CollapseAtCursor(pipe, 1.0), 0.0);
  EXPECT_EQ(CollapseAtCursor(pipe, 3.0), CollapsePressureOfRow(pipe, 1));
  EXPECT_EQ(BurstAtCursor(pipe, 1.0), 0.0);
  EXPECT_EQ(BurstAtCursor(pipe, 4.2), BurstPressureOfRow(pipe, 2));
  EXPECT_EQ(CollapseAtCursor(pipe, kNaN), 0.0);
}

TEST(BurstDOverT, MeasuredThenNominalThenNone) {
  PipeSpec plan = FourRows();
  EXPECT_DOUBLE_EQ(BurstDOverT(Measured(plan)).value, 62.5);  // row 1: 5.0 over its 0.080 wall
  EXPECT_EQ(BurstDOverT(Measured(plan)).source, DOverTSource::kMeasured);
  // Without OD data: calibration 6000 mils over the nominal 100.
  plan.od = {};
  plan.calibrationOd = 6.0F;
  const PipeDOverT nominal = BurstDOverT(Measured(plan));
  EXPECT_DOUBLE_EQ(nominal.value, 60.0);
  EXPECT_EQ(nominal.source, DOverTSource::kNominal);
  plan.nominalWall = 0;
  EXPECT_EQ(BurstDOverT(Measured(plan)).source, DOverTSource::kNone);
  EXPECT_EQ(BurstDOverT(Measured(plan)).value, 0.0);
}

TEST(ApiDOverT, AveragesUnderTheCursorAndNominal) {
  PipeFile pipe = Measured(FourRows());
  // Row 1: average OD (5.02 + 5.0) / 2, average wall 400 / 4 = 100 thousandths.
  EXPECT_NEAR(ActualDOverT(pipe, 1.5), 5.01 / 0.1, 1e-4);
  EXPECT_EQ(ActualDOverT(pipe, 10.0), 0.0);
  // x = 0 outside the matrix: the yield collapse term is -inf, shown as such.
  EXPECT_TRUE(std::isinf(ApiCollapse(kYield, ActualDOverT(pipe, 10.0))));
  EXPECT_DOUBLE_EQ(NominalDOverT(pipe), 50.0);
  // Without OD data there is no average OD.
  PipeSpec wallOnly = FourRows();
  wallOnly.od = {};
  EXPECT_EQ(ActualDOverT(Measured(wallOnly), 1.5), 0.0);
}

}  // namespace
}  // namespace ductora
