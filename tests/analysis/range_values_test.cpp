#include "analysis/range_values.h"

#include <gtest/gtest.h>

#include "analysis/od_range_queries.h"
#include "analysis/pipe_measures.h"
#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeSpec;

// Rows 0 and 2 are round with 0.100" walls; row 1 has walls 0.090-0.110 and a +20 mil diameter
// across columns 0/2, row 2 a -20 mil one; row 3 lies outside the range used below.
PipeSpec SamplePipe() {
  PipeSpec plan;
  plan.wall =
      MakeWallMatrix({{100, 100, 100, 100}, {90, 100, 110, 100}, {100, 100, 100, 100}, {120, 100, 100, 80}});
  plan.od = MakeOdMatrix({{0, 0, 0, 0}, {10, 0, 10, 0}, {-10, 0, -10, 0}, {0, 0, 0, 0}});
  plan.nominalOd = 5.0F;
  plan.calibrationOd = 5.0F;
  plan.nominalWall = 100;
  return plan;
}

PipeFile Measured(PipeSpec plan) {
  PipeFile pipe = MakePipe(std::move(plan));
  ComputePipeMeasures(pipe);
  return pipe;
}

void ExpectExtreme(const RangeExtreme& e, double value, double percent, double position) {
  EXPECT_NEAR(e.value, value, 1e-6);
  EXPECT_NEAR(e.percent, percent, 1e-3);
  EXPECT_NEAR(e.position, position, 1e-6);
}

TEST(PipeRangeValues, EveryGroupByHand) {
  const PipeFile pipe = Measured(SamplePipe());
  // 0.5" to 3.5" over the OD pitch of 1": rows [0, 3).
  const RangeValues v = PipeRangeValues(pipe, 0.5, 3.5);
  EXPECT_EQ(v.indices.from, 0);
  EXPECT_EQ(v.indices.to, 3);

  // Cells: 1200 thousandths / 12. Wall rows show as row / 4 rows x 3" length.
  const double averageWall = 0.1;
  EXPECT_NEAR(v.wall.average, averageWall, 1e-9);
  ExpectExtreme(v.wall.min, 0.090, 0.090 / averageWall * 100.0, 0.75);
  ExpectExtreme(v.wall.max, 0.110, 0.110 / averageWall * 100.0, 0.75);
  EXPECT_TRUE(v.wall.relative);

  // Low wall: minWallPerRev 100, 90, 100.
  EXPECT_NEAR(v.lowWall.average, 0.29 / 3.0, 1e-9);
  ExpectExtreme(v.lowWall.min, 0.090, 0.090 / (0.29 / 3.0) * 100.0, 0.75);
  ExpectExtreme(v.lowWall.max, 0.100, 0.100 / (0.29 / 3.0) * 100.0, 0.0);

  // Fewer than 64 rows: every window is the whole series (0.1 + 0.09 + 0.1 + 0.08) / 4.
  EXPECT_NEAR(v.average64.average, 0.0925, 1e-9);
  ExpectExtreme(v.average64.min, 0.0925, 100.0, 0.0);

  // Row 1's area: pi (0.09 x 4.91 + 2 x 0.1 x 4.9 + 0.11 x 4.89) / 4 against pi x 0.1 x 4.9.
  const double row1Csa = (0.09 * 4.91 + 0.98 + 0.11 * 4.89) / 4.0 / 0.49 * 100.0;
  EXPECT_NEAR(v.csa.min.value, row1Csa, 1e-6);
  EXPECT_NEAR(v.csa.min.position, 0.75, 1e-9);
  EXPECT_NEAR(v.csa.max.value, 100.0, 1e-6);
  EXPECT_NEAR(v.csa.average, (200.0 + row1Csa) / 3.0, 1e-6);

  // Eccentricity per row 0, 20, 0 (row 3: 40); the average is the pipe's 60 / 4.
  ExpectExtreme(v.eccentricity.min, 0.0, 0.0, 0.0);
  ExpectExtreme(v.eccentricity.max, 20.0, 0.0, 1.0);
  EXPECT_NEAR(v.eccentricity.average, 15.0, 1e-6);
  EXPECT_FALSE(v.eccentricity.relative);

  // Diameters in inches: pair sums -20 and +20 thousandths on a 5.000" calibration.
  ExpectExtreme(v.od.min, 4.98, 0.0, 2.0);
  ExpectExtreme(v.od.max, 5.02, 0.0, 1.0);
  EXPECT_NEAR(v.od.average, 5.0, 1e-9);

  EXPECT_NEAR(v.ovality.min.value, 0.0, 1e-6);
  EXPECT_NEAR(v.ovality.max.value, 0.02 / 4.99 * 100.0, 1e-4);
  EXPECT_NEAR(v.ovality.max.position, 2.0, 1e-9);
  EXPECT_NEAR(v.ovality.min.value, MinOvality(pipe, 0, 3, -3000.0), 1e-12);
  EXPECT_NEAR(v.ovality.max.value, MaxOvality(pipe, 0, 3, 3000.0), 1e-12);

  // ID = diameter - both walls: 4.82 at row 1, 4.78 at row 2, 4.8 elsewhere.
  EXPECT_NEAR(v.id.max.value, 4.82, 0.002);
  EXPECT_NEAR(v.id.max.position, 1.0, 1e-9);
  EXPECT_NEAR(v.id.min.value, 4.78, 0.002);
  EXPECT_NEAR(v.id.min.position, 2.0, 1e-9);
  EXPECT_NEAR(v.id.average, 4.8, 0.002);
}

TEST(PipeRangeValues, SwappedSlidersGiveTheSameValues) {
  const PipeFile pipe = Measured(SamplePipe());
  // Neither slider in row 0, which would mean "to the end".
  const RangeValues forward = PipeRangeValues(pipe, 1.5, 3.5);
  const RangeValues backward = PipeRangeValues(pipe, 3.5, 1.5);
  EXPECT_NE(forward.wall.min.value, 0.0);
  EXPECT_EQ(backward.wall.min.value, forward.wall.min.value);
  EXPECT_EQ(backward.wall.max.percent, forward.wall.max.percent);
  EXPECT_EQ(backward.csa.average, forward.csa.average);
  EXPECT_EQ(backward.od.min.position, forward.od.min.position);
  EXPECT_EQ(backward.ovality.max.value, forward.ovality.max.value);
  EXPECT_EQ(backward.id.average, forward.id.average);
}

TEST(PipeRangeValues, OnePositionHasNoPercents) {
  const PipeFile pipe = Measured(SamplePipe());
  // Both sliders in row 1: an empty range.
  const RangeValues one = PipeRangeValues(pipe, 1.5, 1.2);
  EXPECT_EQ(one.wall.min.value, 0.0);
  EXPECT_EQ(one.wall.min.percent, 0.0);
  // Both in row 0: to = 0 reads the whole pipe, still without percents.
  const RangeValues first = PipeRangeValues(pipe, 0.2, 0.2);
  EXPECT_NEAR(first.wall.min.value, 0.08, 1e-9);
  EXPECT_EQ(first.wall.min.percent, 0.0);
  EXPECT_EQ(first.lowWall.max.percent, 0.0);
}

TEST(PipeRangeValues, MissingDataShowsZero) {
  PipeSpec plan = SamplePipe();
  plan.od = {};
  plan.wall.deltaX = 2.0;
  const PipeFile wallOnly = Measured(plan);
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
  const PipeFile pipe = Measured(SamplePipe());
  const RangeValues v = PipeRangeValues(pipe, std::numeric_limits<double>::quiet_NaN(), 1e300);
  EXPECT_EQ(v.indices.from, 0);
  EXPECT_EQ(v.indices.to, std::numeric_limits<std::int32_t>::max());
  EXPECT_NEAR(v.wall.min.value, 0.08, 1e-9);
}

}  // namespace
}  // namespace ductora
