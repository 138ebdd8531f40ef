#include "analysis/average64.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace ductora {
namespace {

// The smoothing exactly as described, for series of at least 127 rows.
std::vector<double> ReferenceAverage64(const std::vector<std::uint16_t>& minWall) {
  const int rows = static_cast<int>(minWall.size());
  std::vector<double> s(minWall.size());
  for (int i = 0; i < rows; ++i) {
    s[i] = minWall[i] / 1000.0;
  }
  const auto mean = [&s](int first) {
    double sum = 0.0;
    for (int j = first; j < first + 64; ++j) {
      sum += s[j];
    }
    return sum / 64.0;
  };
  std::vector<double> b(64);
  for (int i = rows - 1; i >= rows - 64; --i) {
    b[rows - 1 - i] = mean(i - 63);
  }
  for (int i = 0; i <= rows - 65; ++i) {
    s[i] = mean(i);
  }
  for (int j = 0; j < 64; ++j) {
    s[rows - 65 + j] = b[j];
  }
  return s;
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

TEST(Average64, LongSeriesMatchesTheDescribedProcedure) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> wall(150, 450);
  for (const std::size_t rows : {127U, 128U, 300U, 1440U}) {
    std::vector<std::uint16_t> series(rows);
    for (auto& value : series) {
      value = static_cast<std::uint16_t>(wall(random));
    }
    const std::vector<double> expected = ReferenceAverage64(series);
    const std::vector<double> smoothed = MinWallAverage64(WithMinWall(series));
    ASSERT_EQ(smoothed.size(), rows);
    for (std::size_t i = 0; i < rows; ++i) {
      EXPECT_NEAR(smoothed[i], expected[i], 1e-12) << "rows " << rows << " entry " << i;
    }
  }
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

TEST(Average64, ShortSeriesAveragesEverything) {
  // Fewer than 64 rows: every window is the whole series; the last entry stays raw.
  const std::vector<double> smoothed = MinWallAverage64(WithMinWall({100, 200, 600}));
  EXPECT_DOUBLE_EQ(smoothed[0], 0.3);
  EXPECT_DOUBLE_EQ(smoothed[1], 0.3);
  EXPECT_DOUBLE_EQ(smoothed[2], 0.6);
  EXPECT_EQ(MinWallAverage64(WithMinWall({250})), std::vector<double>{0.25});
  EXPECT_TRUE(MinWallAverage64(WithMinWall({})).empty());
}

TEST(Average64, QueriesReadTheSmoothedSeries) {
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
