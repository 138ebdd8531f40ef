#include "analysis/csa.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/matrix_builders.h"

namespace ductora {
namespace {

using testing::MakeWallMatrix;

constexpr double kNominalOd = 5.0;

TEST(CsaSeries, NominalAndPerRowAreas) {
  // Nominal: pi 0.5 (5 - 0.5) = 2.25 pi. Row [500, 500]: 2.25 pi.
  // Row [400, 600]: pi (0.4 * 4.6 + 0.6 * 4.4) / 2 = 2.24 pi.
  const WallMatrix wall = MakeWallMatrix({{500, 500}, {400, 600}});
  CsaTable csa;
  ComputeCsaSeries(csa, kNominalOd, 0.5, wall.rows, wall.columns, wall.data);
  EXPECT_DOUBLE_EQ(csa.nominalCsa, 2.25 * kPi);
  EXPECT_EQ(csa.rows, 2U);
  ASSERT_EQ(csa.csaPerRev.size(), 2U);
  EXPECT_NEAR(csa.csaPerRev[0], 2.25 * kPi, 1e-12);
  EXPECT_NEAR(csa.csaPerRev[1], 2.24 * kPi, 1e-12);
}

TEST(CsaSeries, ShortDataGivesFewerRows) {
  CsaTable csa;
  const std::vector<std::uint16_t> data{500, 500, 400};
  ComputeCsaSeries(csa, kNominalOd, 0.5, 2, 2, data);
  EXPECT_EQ(csa.csaPerRev.size(), 1U);
  ComputeCsaSeries(csa, kNominalOd, 0.5, 2, 0, data);
  EXPECT_TRUE(csa.csaPerRev.empty());
}

TEST(CsaStatistics, ByHand) {
  // S = sum w (5000 - w): row 0 = 2 * 500 * 4500 = 4.50e6, row 1 = 400 * 4600 + 600 * 4400 = 4.48e6.
  // f = pi 1e-6 / 2. Std dev: (2 (S0^2 + S1^2) - (S0 + S1)^2) / (2 * 1) = (S0 - S1)^2 / 2 = 2e8.
  const WallMatrix wall = MakeWallMatrix({{500, 500}, {400, 600}});
  CsaTable csa;
  const double minCsa = ComputeCsaStatistics(csa, kNominalOd, wall.data, wall.rows, wall.columns);
  const double f = kPi * 1e-6 / 2.0;
  EXPECT_NEAR(minCsa, f * 4.48e6, 1e-12);
  EXPECT_NEAR(csa.minCsa, f * 4.48e6, 1e-12);
  EXPECT_NEAR(csa.maxCsa, f * 4.50e6, 1e-12);
  EXPECT_NEAR(csa.avgCsa, f * 4.49e6, 1e-12);
  EXPECT_NEAR(csa.csaStdDev, f * std::sqrt(2e8), 1e-12);
}

TEST(CsaStatistics, OneRowAndUniformRowsHaveNoSpread) {
  CsaTable csa;
  const WallMatrix one = MakeWallMatrix({{500, 400}});
  ComputeCsaStatistics(csa, kNominalOd, one.data, one.rows, one.columns);
  EXPECT_EQ(csa.csaStdDev, 0.0);
  EXPECT_GT(csa.avgCsa, 0.0);

  const WallMatrix uniform =
      MakeWallMatrix(1000, 360, [](std::uint32_t, std::uint32_t) -> std::uint16_t { return 437; });
  ComputeCsaStatistics(csa, 7.0, uniform.data, uniform.rows, uniform.columns);
  EXPECT_EQ(csa.csaStdDev, 0.0);
  EXPECT_DOUBLE_EQ(csa.minCsa, csa.maxCsa);
}

TEST(CsaStatistics, NoDataGivesZeros) {
  CsaTable csa;
  csa.avgCsa = 3.0;
  EXPECT_EQ(ComputeCsaStatistics(csa, kNominalOd, {}, 4, 360), 0.0);
  EXPECT_EQ(csa.avgCsa, 0.0);
}

}  // namespace
}  // namespace ductora
