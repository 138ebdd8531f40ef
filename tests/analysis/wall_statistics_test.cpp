#include "analysis/wall_statistics.h"

#include <gtest/gtest.h>

#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeWallMatrix;

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

}  // namespace
}  // namespace ductora
