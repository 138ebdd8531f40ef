#include "analysis/queries/range_queries.h"

#include <gtest/gtest.h>

#include <numeric>

#include "analysis/measures/average64.h"
#include "analysis/measures/id_matrix.h"
#include "analysis/measures/pipe_measures.h"
#include "analysis/measures/wall_statistics.h"
#include "analysis/queries/range_values.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeShape;

PipeShape WallSpec() {
  PipeShape plan;
  plan.wall = MakeWallMatrix({{100, 200, 300, 400}, {250, 250, 250, 250}, {0, 500, 100, 300}});
  ComputeWallStatistics(plan.wall);  // minWallPerRev {100, 250, 0}, eccentricity {120, 0, 222.2}
  return plan;
}

void ExpectCell(const CellLocation& location, std::int32_t index, std::int32_t column, double value) {
  EXPECT_EQ(location.index, index);
  EXPECT_EQ(location.column, column);
  EXPECT_NEAR(location.value, value, 1e-9);
}

TEST(WallQueries, ExtremesWithinThresholds) {
  const PipeFile pipe = MakePipe(WallSpec());
  // 100 at (0, 0) is the smallest above 0; the equal 100 at (2, 2) comes later.
  ExpectCell(MinWallLocation(pipe, 0, 0, 0.0), 0, 0, 0.1);
  ExpectCell(MinWallLocation(pipe, 0, 0, 150.0), 0, 1, 0.2);
  ExpectCell(MaxWallLocation(pipe, 0, 0, 3000.0), 2, 1, 0.5);
  ExpectCell(MaxWallLocation(pipe, 0, 0, 450.0), 0, 3, 0.4);
  EXPECT_DOUBLE_EQ(MinWallValue(pipe, 2, 0, 0.0), 0.1);
  EXPECT_DOUBLE_EQ(MaxWallValue(pipe, 0, 1, 3000.0), 0.4);
  // Row 2 starts with a 0 reading: a first cell outside the threshold does not hide the rest.
  ExpectCell(MinWallLocation(pipe, 2, 3, 0.0), 2, 2, 0.1);
  // Nothing above 600: the candidate stays at the range's first cell.
  ExpectCell(MinWallLocation(pipe, 2, 3, 600.0), 2, 0, 0.0);
}

TEST(WallQueries, AverageIsTheMeanOfTheCells) {
  const PipeFile pipe = MakePipe(WallSpec());
  EXPECT_NEAR(AverageWall(pipe, 0, 0), 0.241667, 1e-6);  // (1000 + 1000 + 900) / 12 cells
  EXPECT_NEAR(AverageWall(pipe, 1, 2), 0.25, 1e-12);
  PipeShape single;
  single.wall = MakeWallMatrix({{300}});
  EXPECT_EQ(AverageWall(MakePipe(single), 0, 0), 0.3);
}

TEST(WallQueries, EmptyRangeAndMissingDataGiveZeroAndResultsAreDisplayIndicesAndColumns) {
  const PipeFile pipe = MakePipe(WallSpec());
  EXPECT_EQ(AverageWall(pipe, 1, 1), 0.0);
  EXPECT_EQ(MinWallValue(pipe, 1, 1, 0.0), 0.0);
  EXPECT_EQ(MaxWallValue(pipe, 7, 9, 3000.0), 0.0);  // beyond the data
  const PipeFile empty;
  EXPECT_EQ(MinWallValue(empty, 0, 0, 0.0), 0.0);
  EXPECT_EQ(AverageRevWall(empty, 0, 0), 0.0);
  EXPECT_EQ(Min64Value(empty, 0, 0), 0.0);
  EXPECT_EQ(MinCsaPercent(empty, 0, 0, 0.0), 0.0);
  EXPECT_EQ(AverageOdPair(empty, 0, 0), 0.0);
  EXPECT_EQ(MaxOvality(empty, 0, 0, 0.0), 0.0);
  EXPECT_EQ(AverageId(empty, 0, 0), 0.0);
  EXPECT_EQ(MaxEccentricity(empty, 0, 0).value, 0.0);
  // Results are display indices and columns.
  PipeShape plan = WallSpec();
  plan.wallStart = 1.0;  // k = 1
  const PipeFile shifted = MakePipe(plan);
  ExpectCell(MinWallLocation(shifted, 0, 0, 0.0), 1, 0, 0.1);
  ExpectCell(MinWallLocation(shifted, 3, 4, 0.0), 3, 2, 0.1);  // display 3 is row 2

  plan.wallStart = 0.0;
  plan.reversed = true;  // N = 2: row 2 shows as index 0
  ExpectCell(MaxWallLocation(MakePipe(plan), 0, 0, 3000.0), 0, 1, 0.5);

  // Flipped, column 10 shows as 349.
  plan = PipeShape{};
  plan.wall = MakeWallMatrix(2, 360, [](std::uint32_t r, std::uint32_t c) -> std::uint16_t {
    return r == 1 && c == 10 ? 300 : 500;
  });
  ExpectCell(MinWallLocation(MakePipe(plan), 0, 0, 0.0), 1, 10, 0.3);
  plan.flipped = true;
  ExpectCell(MinWallLocation(MakePipe(plan), 0, 0, 0.0), 1, 349, 0.3);
}

TEST(RevolutionWallQueries, MinimumWallSeries) {
  const PipeFile pipe = MakePipe(WallSpec());  // {100, 250, 0}
  const RowLocation lowest = MinRevWallLocation(pipe, 0, 0);
  EXPECT_EQ(lowest.index, 2);
  EXPECT_EQ(lowest.value, 0.0);
  const RowLocation highest = MaxRevWallLocation(pipe, 0, 0);
  EXPECT_EQ(highest.index, 1);
  EXPECT_DOUBLE_EQ(highest.value, 0.25);
  EXPECT_DOUBLE_EQ(MinRevWallValue(pipe, 0, 2), 0.1);
  EXPECT_DOUBLE_EQ(MaxRevWallValue(pipe, 0, 0), 0.25);
  EXPECT_NEAR(AverageRevWall(pipe, 0, 0), 0.35 / 3.0, 1e-12);
  EXPECT_NEAR(AverageRevWall(pipe, 3, 1), 0.25 / 2.0, 1e-12);  // swapped to [1, 3)
  // The first of equal entries wins.
  PipeShape plan;
  plan.wall = MakeWallMatrix({{300, 300}, {200, 200}, {200, 200}});
  ComputeWallStatistics(plan.wall);
  EXPECT_EQ(MinRevWallLocation(MakePipe(plan), 0, 0).index, 1);
}

TEST(RevolutionWallQueries, EccentricityMapsOnlyTheEnd) {
  PipeShape plan = WallSpec();
  const RowLocation lowest = MinEccentricity(MakePipe(plan), 0, 0);
  EXPECT_EQ(lowest.index, 1);
  EXPECT_EQ(lowest.value, 0.0);
  EXPECT_NEAR(MaxEccentricity(MakePipe(plan), 0, 0).value, 222.222, 1e-3);

  // k = 1: [0, 2) becomes rows [0, 1); row 0 shows as index 1.
  plan.wallStart = 1.0;
  const RowLocation shifted = MaxEccentricity(MakePipe(plan), 0, 2);
  EXPECT_EQ(shifted.index, 1);
  EXPECT_NEAR(shifted.value, 120.0, 1e-4);
}

PipeFile CsaPipe() {
  PipeFile pipe;
  pipe.csa.nominalCsa = 8.0;
  pipe.csa.csaPerRev = {7.0, 6.0, 8.0, 6.0};
  pipe.csa.rows = 4;
  return pipe;
}

TEST(CsaQueries, AreasAndPercentOfNominal) {
  const PipeFile pipe = CsaPipe();
  const RowLocation lowest = MinCsaLocation(pipe, 0, 0, 0.0);
  EXPECT_EQ(lowest.index, 1);  // the first of the two 6.0
  EXPECT_EQ(lowest.value, 6.0);
  EXPECT_EQ(MaxCsaLocation(pipe, 0, 0, 7.5).index, 0);
  EXPECT_EQ(MinCsaLocation(pipe, 0, 0, 6.5).index, 0);
  EXPECT_DOUBLE_EQ(MinCsaPercent(pipe, 0, 0, 0.0), 75.0);
  EXPECT_DOUBLE_EQ(MaxCsaPercent(pipe, 0, 0, 1e9), 100.0);
  EXPECT_DOUBLE_EQ(AverageCsaPercent(pipe, 0, 0), 27.0 / 4.0 / 8.0 * 100.0);
  EXPECT_DOUBLE_EQ(AverageCsaPercent(pipe, 4, 2), 14.0 / 2.0 / 8.0 * 100.0);
  EXPECT_EQ(NominalCsa(pipe), 8.0);

  PipeFile noNominal = CsaPipe();
  noNominal.csa.nominalCsa = 0.0;
  EXPECT_EQ(AverageCsaPercent(noNominal, 0, 0), 0.0);
}

PipeShape OdSpec() {
  PipeShape plan;
  // Pairs: row 0 -> 40, 60; row 1 -> 0, 0.
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {-50, 0, 50, 0}});
  plan.od.ovalityPerRev = {0.5F, 0.2F};
  return plan;
}

TEST(OdQueries, PairSumsOfDisplayRowsNotShiftedByTheWallStart) {
  PipeShape plan = OdSpec();
  const PipeFile pipe = MakePipe(plan);
  ExpectCell(MinOdLocation(pipe, 0, 0, -3000.0), 1, 0, 0.0);
  ExpectCell(MaxOdLocation(pipe, 0, 0, 3000.0), 0, 1, 60.0);
  EXPECT_EQ(MinOdValue(pipe, 0, 1, 20.0), 40.0);
  EXPECT_EQ(MaxOdValue(pipe, 0, 1, 50.0), 40.0);
  EXPECT_DOUBLE_EQ(AverageOdPair(pipe, 0, 0), 25.0);  // (40 + 60 + 0 + 0) / (2 rows x 2 pairs)

  plan.flipped = true;
  plan.reversed = true;  // N = 1: row 0 shows as index 1; column 1 of 4 mirrors to 2
  ExpectCell(MaxOdLocation(MakePipe(plan), 0, 0, 3000.0), 1, 2, 60.0);

  // OD rows are not shifted by the wall start.
  plan = OdSpec();
  plan.wall = MakeWallMatrix({{100, 100, 100, 100}, {100, 100, 100, 100}});
  plan.wallStart = 1.0;
  EXPECT_EQ(MaxOdValue(MakePipe(plan), 0, 1, 3000.0), 60.0);
  EXPECT_FLOAT_EQ(static_cast<float>(MinOvality(MakePipe(plan), 1, 2, 0.0)), 0.2F);
}

TEST(OdQueries, Ovality) {
  const PipeFile pipe = MakePipe(OdSpec());
  EXPECT_FLOAT_EQ(static_cast<float>(MinOvality(pipe, 0, 0, 0.0)), 0.2F);
  EXPECT_FLOAT_EQ(static_cast<float>(MaxOvality(pipe, 0, 0, 0.4)), 0.2F);
  // Nothing lies below 0: the candidate stays at the range's first row (as a one-row record uses it).
  EXPECT_FLOAT_EQ(static_cast<float>(MaxOvality(pipe, 1, 2, 0.0)), 0.2F);
  EXPECT_NEAR(AverageOvality(pipe, 0, 0), 0.35, 1e-7);
}

TEST(IdQueries, CellsOfTheIdMatrix) {
  // ID rows: {4640, 0, 4640, 0} and {4800 x 4} (see the ID matrix tests).
  PipeShape plan;
  plan.wall = MakeWallMatrix({{100, 200, 300, 0}, {100, 100, 100, 100}});
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {0, 0, 0, 0}});
  plan.calibrationOd = 5.0F;
  PipeFile pipe = MakePipe(plan);
  BuildIdMatrix(pipe);
  const CellLocation largest = MaxIdLocation(pipe, 0, 0);
  EXPECT_EQ(largest.index, 1);
  EXPECT_EQ(largest.column, 0);
  EXPECT_NEAR(largest.value, 4.8, 0.002);
  const CellLocation smallest = MinIdLocation(pipe, 0, 0);
  EXPECT_EQ(smallest.index, 0);
  EXPECT_NEAR(smallest.value, 4.64, 0.002);
  EXPECT_NEAR(AverageId(pipe, 0, 0), (2 * 4.64 + 4 * 4.8) / 6.0, 0.002);
  EXPECT_NEAR(AverageId(pipe, 0, 1), 4.64, 0.002);
  // The ID matrix is in display order already: a wall start or mirrored columns move nothing.
  pipe.wallStart = 1.0;
  pipe.header.rotation = 1;
  EXPECT_EQ(MaxIdLocation(pipe, 0, 0).index, 1);
  EXPECT_EQ(MaxIdLocation(pipe, 0, 0).column, 0);
  EXPECT_NEAR(AverageId(pipe, 0, 1), 4.64, 0.002);

  pipe.idMatrix.data.assign(pipe.idMatrix.data.size(), 0);
  EXPECT_EQ(MinIdLocation(pipe, 0, 0).value, 0.0);
  EXPECT_EQ(AverageId(pipe, 0, 0), 0.0);
}

// Rows 0 and 2 are round with 0.100" walls; row 1 has walls 0.090-0.110 and a +20 mil diameter
// across columns 0/2, row 2 a -20 mil one; row 3 lies outside the range used below.
PipeShape SamplePipe() {
  PipeShape plan;
  plan.wall =
      MakeWallMatrix({{100, 100, 100, 100}, {90, 100, 110, 100}, {100, 100, 100, 100}, {120, 100, 100, 80}});
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {10, 0, 10, 0}, {-10, 0, -10, 0}, {0, 0, 0, 0}});
  plan.nominalOd = 5.0F;
  plan.calibrationOd = 5.0F;
  plan.nominalWall = 100;
  return plan;
}

void ExpectExtreme(const RangeExtreme& e, double value, double percent, double position) {
  EXPECT_NEAR(e.value, value, 1e-6);
  EXPECT_NEAR(e.percent, percent, 1e-3);
  EXPECT_NEAR(e.position, position, 1e-6);
}

TEST(PipeRangeValues, EveryGroupByHand) {
  const PipeFile pipe = testing::MakeMeasuredPipe(SamplePipe());
  // 0.5" to 3.5" over the OD pitch of 1": rows [0, 3).
  const RangeValues v = PipeRangeValues(pipe, 0.5, 3.5);
  EXPECT_EQ(v.indices.from, 0);
  EXPECT_EQ(v.indices.to, 3);

  // Cells: 1200 thousandths / 12. Found rows show as the middle of their revolution.
  const double averageWall = 0.1;
  EXPECT_NEAR(v.wall.average, averageWall, 1e-9);
  ExpectExtreme(v.wall.min, 0.090, 0.090 / averageWall * 100.0, 1.5);
  ExpectExtreme(v.wall.max, 0.110, 0.110 / averageWall * 100.0, 1.5);
  EXPECT_TRUE(v.wall.relative);

  // Low wall: minWallPerRev 100, 90, 100.
  EXPECT_NEAR(v.lowWall.average, 0.29 / 3.0, 1e-9);
  ExpectExtreme(v.lowWall.min, 0.090, 0.090 / (0.29 / 3.0) * 100.0, 1.5);
  ExpectExtreme(v.lowWall.max, 0.100, 0.100 / (0.29 / 3.0) * 100.0, 0.5);

  // Fewer than 64 rows: every window is the whole series (0.1 + 0.09 + 0.1 + 0.08) / 4.
  EXPECT_NEAR(v.average64.average, 0.0925, 1e-9);
  ExpectExtreme(v.average64.min, 0.0925, 100.0, 0.5);

  // Row 1's area: pi (0.09 x 4.91 + 2 x 0.1 x 4.9 + 0.11 x 4.89) / 4 against pi x 0.1 x 4.9.
  const double row1Csa = (0.09 * 4.91 + 0.98 + 0.11 * 4.89) / 4.0 / 0.49 * 100.0;
  EXPECT_NEAR(v.csa.min.value, row1Csa, 1e-6);
  EXPECT_NEAR(v.csa.min.position, 1.5, 1e-9);
  EXPECT_NEAR(v.csa.max.value, 100.0, 1e-6);
  EXPECT_NEAR(v.csa.average, (200.0 + row1Csa) / 3.0, 1e-6);

  // Eccentricity per row 0, 20, 0 (row 3: 40); the average is the pipe's 60 / 4.
  ExpectExtreme(v.eccentricity.min, 0.0, 0.0, 0.5);
  ExpectExtreme(v.eccentricity.max, 20.0, 0.0, 1.5);
  EXPECT_NEAR(v.eccentricity.average, 15.0, 1e-6);
  EXPECT_FALSE(v.eccentricity.relative);

  // Diameters in inches: pair sums -20 and +20 thousandths on a 5.000" calibration.
  ExpectExtreme(v.od.min, 4.98, 0.0, 2.5);
  ExpectExtreme(v.od.max, 5.02, 0.0, 1.5);
  EXPECT_NEAR(v.od.average, 5.0, 1e-9);

  EXPECT_NEAR(v.ovality.min.value, 0.0, 1e-6);
  EXPECT_NEAR(v.ovality.max.value, 0.02 / 4.99 * 100.0, 1e-4);
  EXPECT_NEAR(v.ovality.max.position, 2.5, 1e-9);
  EXPECT_NEAR(v.ovality.min.value, MinOvality(pipe, 0, 3, -3000.0), 1e-12);
  EXPECT_NEAR(v.ovality.max.value, MaxOvality(pipe, 0, 3, 3000.0), 1e-12);

  // ID = diameter - both walls: 4.82 at row 1, 4.78 at row 2, 4.8 elsewhere.
  EXPECT_NEAR(v.id.max.value, 4.82, 0.002);
  EXPECT_NEAR(v.id.max.position, 1.5, 1e-9);
  EXPECT_NEAR(v.id.min.value, 4.78, 0.002);
  EXPECT_NEAR(v.id.min.position, 2.5, 1e-9);
  EXPECT_NEAR(v.id.average, 4.8, 0.002);
}

TEST(PipeRangeValues, OnePositionHasNoPercentsAndMissingDataShowsZero) {
  const PipeFile pipe = testing::MakeMeasuredPipe(SamplePipe());
  // Both sliders in row 1: an empty range.
  const RangeValues one = PipeRangeValues(pipe, 1.5, 1.2);
  EXPECT_EQ(one.wall.min.value, 0.0);
  EXPECT_EQ(one.wall.min.percent, 0.0);
  // Both in row 0: to = 0 reads the whole pipe, still without percents.
  const RangeValues first = PipeRangeValues(pipe, 0.2, 0.2);
  EXPECT_NEAR(first.wall.min.value, 0.08, 1e-9);
  EXPECT_EQ(first.wall.min.percent, 0.0);
  EXPECT_EQ(first.lowWall.max.percent, 0.0);
  // Missing data shows zero.
  PipeShape plan = SamplePipe();
  plan.od = {};
  plan.wall.deltaX = 2.0;
  const PipeFile wallOnly = testing::MakeMeasuredPipe(plan);
  // The wall pitch makes the indices without OD data.
  const RangeValues v = PipeRangeValues(wallOnly, 1.0, 5.0);
  EXPECT_EQ(v.indices.from, 0);
  EXPECT_EQ(v.indices.to, 2);
  EXPECT_NEAR(v.wall.min.value, 0.09, 1e-9);
  EXPECT_EQ(v.od.min.value, 0.0);
  EXPECT_EQ(v.od.average, 0.0);
  EXPECT_EQ(v.ovality.max.value, 0.0);
  EXPECT_EQ(v.id.max.value, 0.0);

  const RangeValues none = PipeRangeValues(PipeFile{}, 0.0, 100.0);
  EXPECT_EQ(none.wall.min.value, 0.0);
  EXPECT_EQ(none.wall.min.percent, 0.0);
  EXPECT_EQ(none.csa.average, 0.0);
  EXPECT_EQ(none.eccentricity.max.value, 0.0);
}

TEST(PipeRangeValues, NonFiniteSlidersStayDefined) {
  const PipeFile pipe = testing::MakeMeasuredPipe(SamplePipe());
  const RangeValues v = PipeRangeValues(pipe, std::numeric_limits<double>::quiet_NaN(), 1e300);
  EXPECT_EQ(v.indices.from, 0);
  EXPECT_EQ(v.indices.to, std::numeric_limits<std::int32_t>::max());
  EXPECT_NEAR(v.wall.min.value, 0.08, 1e-9);
}

WallMatrix WithMinWall(std::vector<std::uint16_t> series) {
  WallMatrix wall;
  wall.deltaX = 1.0;
  wall.minWallPerRev = std::move(series);
  return wall;
}

std::vector<std::uint16_t> Ramp(std::size_t rows) {
  std::vector<std::uint16_t> series(rows);
  std::iota(series.begin(), series.end(), std::uint16_t{0});
  return series;
}

TEST(Average64, LongSeriesAveragesForwardThenBackwardOverTheLast64) {
  // 200 rows of s[i] = i mils: forward windows up to 134; the 64 entries from 135 take the
  // backward windows starting at 136, 135, ... 73; the last stays raw.
  const std::vector<double> smoothed = MinWallAverage64(WithMinWall(Ramp(200)));
  ASSERT_EQ(smoothed.size(), 200U);
  EXPECT_DOUBLE_EQ(smoothed[0], 0.0315);
  EXPECT_DOUBLE_EQ(smoothed[134], 0.1655);
  EXPECT_DOUBLE_EQ(smoothed[135], 0.1675);
  EXPECT_DOUBLE_EQ(smoothed[136], 0.1665);
  EXPECT_DOUBLE_EQ(smoothed[198], 0.1045);
  EXPECT_DOUBLE_EQ(smoothed[199], 0.199);
}

TEST(Average64, MidLengthSeriesKeepsWindowsInside) {
  // 100 rows of s[i] = i mils: a window starting at a averages a + 31.5. Forward windows for
  // i < 35; backward ones start at 71 - i, held at 0 once that is negative; the last is raw.
  const std::vector<double> smoothed = MinWallAverage64(WithMinWall(Ramp(100)));
  EXPECT_DOUBLE_EQ(smoothed[0], 0.0315);
  EXPECT_DOUBLE_EQ(smoothed[34], 0.0655);
  EXPECT_DOUBLE_EQ(smoothed[35], 0.0675);  // window 36..99
  EXPECT_DOUBLE_EQ(smoothed[71], 0.0315);  // window 0..63
  EXPECT_DOUBLE_EQ(smoothed[98], 0.0315);
  EXPECT_DOUBLE_EQ(smoothed[99], 0.099);
}

TEST(Average64, ShortSeriesAveragesEverythingAndQueriesReadTheSmoothedSeries) {
  // Fewer than 64 rows: every window is the whole series; the last entry stays raw.
  const std::vector<double> smoothed = MinWallAverage64(WithMinWall({100, 200, 600}));
  EXPECT_DOUBLE_EQ(smoothed[0], 0.3);
  EXPECT_DOUBLE_EQ(smoothed[1], 0.3);
  EXPECT_DOUBLE_EQ(smoothed[2], 0.6);
  EXPECT_EQ(MinWallAverage64(WithMinWall({250})), std::vector<double>{0.25});
  EXPECT_TRUE(MinWallAverage64(WithMinWall({})).empty());
  // Queries read the smoothed series.
  PipeFile pipe;
  pipe.wallMatrix = WithMinWall({100, 200, 600});  // smoothed {0.3, 0.3, 0.6}
  EXPECT_DOUBLE_EQ(Min64Value(pipe, 0, 0), 0.3);
  EXPECT_DOUBLE_EQ(Max64Value(pipe, 0, 0), 0.6);
  EXPECT_EQ(Min64Location(pipe, 0, 0).index, 0);
  EXPECT_EQ(Max64Location(pipe, 0, 0).index, 2);
  EXPECT_DOUBLE_EQ(Average64(pipe, 0, 0), 0.4);
  EXPECT_DOUBLE_EQ(Average64(pipe, 2, 1), 0.3);
}

}  // namespace
}  // namespace ductora
