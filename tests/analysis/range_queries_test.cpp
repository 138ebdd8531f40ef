#include "analysis/range_queries.h"

#include <gtest/gtest.h>

#include "analysis/id_matrix.h"
#include "analysis/wall_statistics.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeSpec;

PipeSpec WallSpec() {
  PipeSpec plan;
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
  PipeSpec single;
  single.wall = MakeWallMatrix({{300}});
  EXPECT_EQ(AverageWall(MakePipe(single), 0, 0), 0.3);
}

TEST(WallQueries, EmptyRangeAndMissingDataGiveZero) {
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
}

TEST(WallQueries, ResultsAreDisplayIndicesAndColumns) {
  PipeSpec plan = WallSpec();
  plan.wallStart = 1.0;  // k = 1
  const PipeFile shifted = MakePipe(plan);
  ExpectCell(MinWallLocation(shifted, 0, 0, 0.0), 1, 0, 0.1);
  ExpectCell(MinWallLocation(shifted, 3, 4, 0.0), 3, 2, 0.1);  // display 3 is row 2

  plan.wallStart = 0.0;
  plan.reversed = true;  // N = 2: row 2 shows as index 0
  ExpectCell(MaxWallLocation(MakePipe(plan), 0, 0, 3000.0), 0, 1, 0.5);

  // Flipped, column 10 shows as 349.
  plan = PipeSpec{};
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
  PipeSpec plan;
  plan.wall = MakeWallMatrix({{300, 300}, {200, 200}, {200, 200}});
  ComputeWallStatistics(plan.wall);
  EXPECT_EQ(MinRevWallLocation(MakePipe(plan), 0, 0).index, 1);
}

TEST(RevolutionWallQueries, EccentricityMapsOnlyTheEnd) {
  PipeSpec plan = WallSpec();
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

PipeSpec OdSpec() {
  PipeSpec plan;
  // Pairs: row 0 -> 40, 60; row 1 -> 0, 0.
  plan.od = MakeOdMatrix({{10, 20, 30, 40}, {-50, 0, 50, 0}});
  plan.od.ovalityPerRev = {0.5F, 0.2F};
  return plan;
}

TEST(OdQueries, PairSumsOfDisplayRowsNotShiftedByTheWallStart) {
  PipeSpec plan = OdSpec();
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
  PipeSpec plan;
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

  pipe.idMatrix.data.assign(pipe.idMatrix.data.size(), 0);
  EXPECT_EQ(MinIdLocation(pipe, 0, 0).value, 0.0);
  EXPECT_EQ(AverageId(pipe, 0, 0), 0.0);
}

}  // namespace
}  // namespace ductora
