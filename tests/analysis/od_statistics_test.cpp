#include "analysis/od_statistics.h"

#include <gtest/gtest.h>

#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeOdMatrix;

TEST(OdStatistics, DiametersThroughOppositeColumns) {
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
}

TEST(OdStatistics, ZeroDiametersAndSingleColumnsAreDefined) {
  // Calibration 0 with zero offsets: every diameter 0, ovality defined as 0.
  OdMatrix od = MakeOdMatrix({{0, 0, 0, 0}});
  ComputeOdStatistics(od, 0.0F);
  EXPECT_EQ(od.ovalityPerRev[0], 0.0F);
  EXPECT_EQ(od.avgOd, 0.0);
  // One column has no pairs.
  od = MakeOdMatrix({{5}, {7}});
  ComputeOdStatistics(od, 5.0F);
  EXPECT_TRUE(od.avgOdPerRev.empty());
  EXPECT_EQ(od.maxOd, 0.0);
}

}  // namespace
}  // namespace ductora
