#include "analysis/pressures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace ductora {
namespace {

constexpr double kYield = 110000.0;

// The dialogs show every pressure with "%.3f".
std::string Shown(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

TEST(BurstPressure, FourteenFormulasAtDOverT20) {
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
  for (std::uint32_t i = 0; i < kBurstFormulaCount; ++i) {
    EXPECT_EQ(Shown(BurstPressure(kYield, 20.0, i)), expected[i]) << kBurstFormulas[i].name;
  }
}

TEST(BurstPressure, PlasticFailureAndUnknownFormulasAreZeroAndYieldIsTakenAsGiven) {
  for (const double x : {0.0, 1.0, 2.0, 20.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(Shown(BurstPressure(kYield, x, 10)), "0.000");
    EXPECT_EQ(BurstPressure(kYield, x, kBurstFormulaCount), 0.0);
  }
  // No thousands rule for burst: Y = 110 stays 110 psi.
  EXPECT_EQ(Shown(BurstPressure(110.0, 20.0, 0)), "9.625");
}

TEST(BurstPressure, DOverTOf1Or2GivesInfinitiesAndNaN) {
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 2.0, 6)));   // 2Y / 0
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 2.0, 9)));   // ln(2 / 0)
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 1.0, 12)));  // 2Y / 0
  EXPECT_TRUE(std::isinf(BurstPressure(kYield, 1.0, 13)));
  EXPECT_TRUE(std::isnan(BurstPressure(kYield, 1.0, 9)));  // ln(-1)
  EXPECT_EQ(BurstPressure(kYield, 1.0, 1), 0.0);
  EXPECT_EQ(Shown(BurstPressure(kYield, 2.0, 6)), "inf");
}

TEST(ApiCollapse, EachRegimeByHand) {
  // Yp = 110000: A = 2.8762 + 0.117469 + 0.25774... - 0.07071... = 3.1806924, B = 0.0819029.
  // x = 10: yield collapse 2 Yp 9 / 100 = 19800 is the smallest.
  EXPECT_EQ(Shown(ApiCollapse(kYield, 10.0)), "19800.000");
  // x = 20: plastic (A / 20 - B) Yp = 8484.489 (yield 10450, elastic 9125.2).
  EXPECT_EQ(Shown(ApiCollapse(kYield, 20.0)), "8484.489");
  // x = 50, beyond 1.1 x the boundary: elastic 4.695e7 / (49^2 x 50) / 0.7125.
  EXPECT_EQ(Shown(ApiCollapse(kYield, 50.0)), "548.894");
}

TEST(ApiCollapse, YieldBelow1000MeansThousandsOfPsi) {
  for (const double x : {10.0, 20.0, 25.0, 50.0}) {
    EXPECT_EQ(ApiCollapse(110.0, x), ApiCollapse(110000.0, x)) << x;
    EXPECT_EQ(ApiCollapse(999.0, x), ApiCollapse(999000.0, x)) << x;
  }
  EXPECT_NE(ApiCollapse(1000.0, 10.0), ApiCollapse(1000000.0, 10.0));
  EXPECT_EQ(PlasticElasticBoundary(110.0), PlasticElasticBoundary(110000.0));
}

TEST(ApiCollapse, BoundaryLiesWherePlasticMeetsElastic) {
  const double boundary = PlasticElasticBoundary(kYield);
  EXPECT_NEAR(boundary, 21.266, 1e-3);
  // The search stops within a unit of D/t; the two pressures are close there.
  const double a = 3.180692408;
  const double b = 0.0819029;
  const double plastic = (a / boundary - b) * kYield;
  const double elastic = 4.695e7 / ((boundary - 1.0) * (boundary - 1.0) * boundary) / 0.7125;
  EXPECT_NEAR(plastic, elastic, 0.02 * elastic);
  // Lower yields collapse elastically from a larger D/t on.
  EXPECT_GT(PlasticElasticBoundary(55000.0), boundary);
}

TEST(TamanoCollapse, WithoutImperfectionTheSmallerOfElasticAndYield) {
  // x = 20, Y = 110000: Py = 220000 x 19 / 400 x (1 + 1.47 / 19) = 11258.5,
  // Pe = 6e7 / (1 - 0.0784) x 1.08 / (361 x 20) = 9738.573; H = -0.18 x 5000 / 110000 < 0.
  EXPECT_NEAR(TamanoCollapse(kYield, 20.0, 0.0, 0.0), 9738.573407, 1e-6);
  // Y = 110 is 110 psi here: Py = 11.2585 is the smaller.
  EXPECT_NEAR(TamanoCollapse(110.0, 20.0, 0.0, 0.0), 11.2585, 1e-9);
  // Imperfection that still leaves H <= 0 changes nothing: 0.071 x 0.05 + 0.0022 < 0.00818.
  EXPECT_NEAR(TamanoCollapse(kYield, 20.0, 0.05, 1.0), 9738.573407, 1e-6);
}

TEST(TamanoCollapse, ImperfectionLowersThePressure) {
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

}  // namespace
}  // namespace ductora
