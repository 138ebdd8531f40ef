#include "analysis/pressures/pressures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "analysis/measures/pipe_measures.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/placement/cursor_rows.h"
#include "analysis/pressures/pressure_series.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeShape;

constexpr double kYield = 110000.0;

// The dialogs show every pressure with "%.3f".
std::string Shown(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

TEST(BurstPressure, FourteenFormulasAtDOverT20AndDOverTOf1Or2GivesInfinitiesAndNaN) {
  // r = 20, Y = 110000: 2Y = 220000, r - 1 = 19, r - 2 = 18, r^2 = 400.
  const std::string expected[kBurstFormulaCount] = {
      "9625.000",   // 0.875 x 220000 / 20
      "10450.000",  // 220000 x 19 / 400
      "10930.430",  // 110000 x (400 - 324) / sqrt(3 x 160000 + 104976)
      "11000.000",  // 220000 / 20
      "11000.000",  // Barlow, the same
      "11546.961",  // 220000 x 19 / (400 - 40 + 2)
      "12222.222",  // 220000 / 18
      "12066.621",  // 4 / sqrt(3) x 110000 x 19 / 400
      "12222.222",  // 220000 / 18
      "11589.657",  // 110000 x ln(20 / 18)
      "0.000",      // Plastic Failure Pressure
      "13382.583",  // 2 / sqrt(3) x 110000 x ln(20 / 18)
      "11578.947",  // 220000 / 19
      "11948.410",  // 220000 / 19 x (0.5^1.07 + 0.5773672055427251^1.07)
  };
  for (std::uint32_t i = 0; i < kBurstFormulaCount; ++i)
    EXPECT_EQ(Shown(BurstPressure(kYield, 20.0, i)), expected[i]) << kBurstFormulas[i].name;
  // Plastic failure and unknown formulas are zero and yield is taken as given.
  for (const double x : {0.0, 1.0, 2.0, 20.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(Shown(BurstPressure(kYield, x, 10)), "0.000");
    EXPECT_EQ(BurstPressure(kYield, x, kBurstFormulaCount), 0.0);
  }
  // No thousands rule for burst: Y = 110 stays 110 psi.
  EXPECT_EQ(Shown(BurstPressure(110.0, 20.0, 0)), "9.625");
  // D over t of1 or2 gives infinities and na n.
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 2.0, 6)));   // 2Y / 0
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 2.0, 9)));   // ln(2 / 0)
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 1.0, 12)));  // 2Y / 0
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 1.0, 13)));
  EXPECT_TRUE(std::isnan(BurstPressure(kYield, 1.0, 9)));  // ln(-1)
  EXPECT_EQ(BurstPressure(kYield, 1.0, 1), 0.0);
  EXPECT_EQ(Shown(BurstPressure(kYield, 2.0, 6)), "inf");
}

TEST(ApiCollapse, EachRegimeByHandAndYieldBelow1000MeansThousandsOfPsi) {
  // Yp = 110000: A = 2.8762 + 0.117469 + 0.25774... - 0.07071... = 3.1806924, B = 0.0819029.
  // x = 10: yield collapse 2 Yp 9 / 100 = 19800 is the smallest.
  EXPECT_EQ(Shown(ApiCollapse(kYield, 10.0)), "19800.000");
  // x = 20: plastic (A / 20 - B) Yp = 8484.489 (yield 10450, elastic 9125.2).
  EXPECT_EQ(Shown(ApiCollapse(kYield, 20.0)), "8484.489");
  // x = 50, beyond 1.1 x the boundary: elastic 4.695e7 / (49^2 x 50) / 0.7125.
  EXPECT_EQ(Shown(ApiCollapse(kYield, 50.0)), "548.894");
  // Yield below1000 means thousands of psi.
  for (const double x : {10.0, 20.0, 25.0, 50.0}) {
    EXPECT_EQ(ApiCollapse(110.0, x), ApiCollapse(110000.0, x)) << x;
    EXPECT_EQ(ApiCollapse(999.0, x), ApiCollapse(999000.0, x)) << x;
  }
  EXPECT_NE(ApiCollapse(1000.0, 10.0), ApiCollapse(1000000.0, 10.0));
  EXPECT_EQ(PlasticElasticBoundary(110.0), PlasticElasticBoundary(110000.0));
  // Boundary lies where plastic meets elastic.
  const double boundary = PlasticElasticBoundary(kYield);
  EXPECT_NEAR(boundary, 21.266, 1e-3);
  // Lower yields collapse elastically from a larger D/t on.
  EXPECT_GT(PlasticElasticBoundary(55000.0), boundary);
}

TEST(TamanoCollapse, WithoutImperfectionTheSmallerOfElasticAndYieldAndImperfectionLowersThePressure) {
  // x = 20, Y = 110000: Py = 220000 x 19 / 400 x (1 + 1.47 / 19) = 11258.5,
  // Pe = 6e7 / (1 - 0.0784) x 1.08 / (361 x 20) = 9738.573; H = -0.18 x 5000 / 110000 < 0.
  EXPECT_NEAR(TamanoCollapse(kYield, 20.0, 0.0, 0.0), 9738.573407, 1e-6);
  // Y = 110 is 110 psi here: Py = 11.2585 is the smaller.
  EXPECT_NEAR(TamanoCollapse(110.0, 20.0, 0.0, 0.0), 11.2585, 1e-9);
  // Imperfection that still leaves H <= 0 changes nothing: 0.071 x 0.05 + 0.0022 < 0.00818.
  EXPECT_NEAR(TamanoCollapse(kYield, 20.0, 0.05, 1.0), 9738.573407, 1e-6);
  // Imperfection lowers the pressure.
  // u = 1 %: H = 0.071 - 0.0081818 = 0.0628182; Q = (Pe - Py)^2 / 4 + Pe Py H.
  EXPECT_NEAR(TamanoCollapse(kYield, 20.0, 1.0, 0.0), 7766.314483, 1e-5);
  EXPECT_LT(TamanoCollapse(kYield, 20.0, 1.0, 10.0), TamanoCollapse(kYield, 20.0, 1.0, 0.0));
}

TEST(Collapse, DegenerateInputsDoNotTrap) {
  EXPECT_EQ(ApiCollapse(kYield, 1.0), 0.0);  // yield collapse 2 Yp x 0 / 1
  EXPECT_TRUE(std::isinf(ApiCollapse(kYield, 0.0)));
  EXPECT_TRUE(std::isnan(ApiCollapse(kYield, std::numeric_limits<double>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(TamanoCollapse(kYield, 1.0, 0.0, 0.0)));  // 0 x (1 + 1.47 / 0)
  EXPECT_EQ(TamanoCollapse(0.0, 20.0, 0.0, 0.0), 0.0);             // no yield: Py = 0
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Four wall rows; row 3 has a zero wall, so its D/t is 0. The OD matrix has one oval row.
PipeShape FourRows() {
  PipeShape plan;
  plan.wall =
      MakeWallMatrix({{100, 100, 100, 100}, {100, 120, 100, 80}, {200, 200, 200, 200}, {100, 0, 100, 100}});
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {10, 0, 10, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
  plan.nominalOd = 5.0F;
  plan.calibrationOd = 5.0F;
  plan.nominalWall = 100;
  return plan;
}

PipeFile Measured(PipeShape plan) {
  PipeFile pipe = testing::MakeMeasuredPipe(std::move(plan));
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
  for (const double value : series) EXPECT_DOUBLE_EQ(value, expected);
  EXPECT_TRUE(std::isfinite(expected));
  // The smallest wall of the pipe is row 3's zero: no wall input.
  SetCollapseSelections(pipe,
                        {kChoiceMinForPipe, kChoiceMinForPipe, kChoiceMaxForPipe, kChoiceAverageForPipe});
  EXPECT_EQ(CollapsePressureOfRow(pipe, 0), kNoWallPressure);
}

TEST(CollapseSeries, SliceChoicesReadTheRevolutionRecordNoWallInputPlotsMinus100) {
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
  // No wall input plots minus100.
  pipe = Measured(FourRows());
  SetCollapseSelections(pipe, {kChoiceMaxForPipe, kChoiceNone, kChoiceNone, kChoiceNone});
  for (const double value : CollapseSeries(pipe)) EXPECT_EQ(value, kNoWallPressure);
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
  PipeShape plan = FourRows();
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

  PipeShape reversedSpec = FourRows();
  reversedSpec.reversed = true;
  const PipeFile reversed = Measured(reversedSpec);
  EXPECT_EQ(CursorWallRow(reversed, 0.5), 3);
  EXPECT_EQ(CursorOdRow(reversed, 0.5), 3);

  PipeFile empty;
  EXPECT_FALSE(CursorWallRow(empty, 0.0));
  EXPECT_FALSE(CursorOdRow(empty, 0.0));
}

TEST(PressureAtCursor, ValueOfTheCursorRowOrZero) {
  PipeShape plan = FourRows();
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

TEST(DOverT, BurstMeasuredThenNominalThenNoneApiUnderTheCursorAndNominal) {
  PipeShape plan = FourRows();
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
  // API collapse D/t: averages under the cursor, and nominal.
  PipeFile pipe = Measured(FourRows());
  // Row 1: average OD (5.02 + 5.0) / 2, average wall 400 / 4 = 100 thousandths.
  EXPECT_NEAR(ActualDOverT(pipe, 1.5), 5.01 / 0.1, 1e-4);
  EXPECT_EQ(ActualDOverT(pipe, 10.0), 0.0);
  // x = 0 outside the matrix: the yield collapse term is -inf, shown as such.
  EXPECT_TRUE(std::isinf(ApiCollapse(kYield, ActualDOverT(pipe, 10.0))));
  EXPECT_DOUBLE_EQ(NominalDOverT(pipe), 50.0);
  // Without OD data there is no average OD.
  PipeShape wallOnly = FourRows();
  wallOnly.od = {};
  EXPECT_EQ(ActualDOverT(Measured(wallOnly), 1.5), 0.0);
}

}  // namespace
}  // namespace ductora
