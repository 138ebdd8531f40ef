// The shortcuts of the fast build against the plain rules they stand for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "analysis/column_samples.h"
#include "analysis/matrix_cells.h"
#include "analysis/vector_kernels.h"

namespace ductora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The first sample at or beyond the angle, found by looking at every one; the last when none is.
std::size_t FirstSampleAtOrBeyond(const std::vector<double>& angles, double a) {
  for (std::size_t j = 0; j < angles.size(); ++j) {
    if (angles[j] >= a) {
      return j;
    }
  }
  return angles.size() - 1;
}

void ExpectColumnSamplesOf(const std::vector<double>& sampleAngles, const std::vector<double>& columnAngles) {
  std::vector<double> angles = sampleAngles;
  angles.push_back(kInfinity);
  angles.push_back(kInfinity);
  std::vector<std::size_t> found;
  FindColumnSamples(angles, sampleAngles.size(), columnAngles, found);
  ASSERT_EQ(found.size(), columnAngles.size());
  for (std::size_t c = 0; c < columnAngles.size(); ++c) {
    ASSERT_EQ(found[c], FirstSampleAtOrBeyond(sampleAngles, columnAngles[c])) << "column " << c;
  }
}

std::vector<double> Columns(double step, std::size_t count) {
  std::vector<double> columns;
  for (double a = 0.0; columns.size() < count; a += step) {
    columns.push_back(a);
  }
  return columns;
}

TEST(FindColumnSamples, AgreesWithALookAtEverySample) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> jitter(-0.6, 0.6);
  for (const std::size_t count : {1U, 2U, 3U, 4U, 7U, 90U, 360U, 1000U}) {
    SCOPED_TRACE("samples " + std::to_string(count));
    const double last = static_cast<double>(count > 1 ? count - 1 : 1);
    std::vector<double> even(count);
    std::vector<double> jittered(count);
    for (std::size_t j = 0; j < count; ++j) {
      even[j] = static_cast<double>(j) * 360.0 / last;
      jittered[j] = std::clamp(even[j] + jitter(random), 0.0, 360.0);
    }
    std::sort(jittered.begin(), jittered.end());
    for (const double step : {1.0, 0.37, 7.5}) {
      ExpectColumnSamplesOf(even, Columns(step, static_cast<std::size_t>(360.0 / step)));
      ExpectColumnSamplesOf(jittered, Columns(step, static_cast<std::size_t>(360.0 / step)));
    }
  }
}

TEST(FindColumnSamples, UnevenRepeatedAndUnorderedAnglesToo) {
  const std::vector<double> columns = Columns(1.0, 360);
  // Samples crowded into one quarter: a guess from an even spread misses by far.
  std::vector<double> crowded;
  for (int j = 0; j < 300; ++j) crowded.push_back(j * 0.3);
  for (int j = 0; j <= 60; ++j) crowded.push_back(90.0 + j * 4.5);
  ExpectColumnSamplesOf(crowded, columns);
  // A stalled counter repeats angles; a revolution can end short of 360 or start beyond 0.
  ExpectColumnSamplesOf({0, 0, 0, 10, 10, 10, 200, 200, 300}, columns);
  ExpectColumnSamplesOf({5, 6, 7, 8, 9}, columns);
  ExpectColumnSamplesOf({40, 40, 40, 40}, columns);
  ExpectColumnSamplesOf({0.0, 1e-310, 2e-310, 3e-310}, columns);
  // A counter that runs backwards leaves the angles out of order.
  ExpectColumnSamplesOf({0, 50, 20, 90, 80, 200, 150, 359, 300, 360}, columns);
  ExpectColumnSamplesOf({360, 270, 180, 90, 0}, columns);
}

TEST(CombineCommonCells, EqualsTheCellRuleWhereverItAnswers) {
  constexpr double kLimit = 2147483648.0;
  const std::vector<double> values = {
      0.0,     -0.0,    0.4,        -0.4,          19.9,
      20.0,    21.7,    -21.7,      360.9,         -360.9,
      32767.5, 32768.2, -32768.7,   65535.9,       65536.0,
      1e6,     -1e6,    kLimit - 1, -(kLimit - 1), kLimit,
      -kLimit, 1e300,   kInfinity,  -kInfinity,    std::numeric_limits<double>::quiet_NaN()};
  for (const bool wall : {true, false}) {
    const MatrixKind kind = wall ? MatrixKind::kWall : MatrixKind::kOd;
    for (const double a : values) {
      for (const double c : values) {
        for (const double step : {1.0, 0.0}) {  // 0: two coincident points along the pipe
          const double t0 = 1.0;
          const double t1 = 1.0 + step;
          const double t2 = 3.0;
          std::uint16_t out = 0;
          const bool common = CombineCommonCells(wall, &a, &c, &t0, &t1, &t2, &out, 1);
          const double axial = step == 0.0 ? std::numeric_limits<double>::quiet_NaN() : a;
          const bool expectedCommon = step != 0.0 && std::fabs(a) < kLimit && std::fabs(c) < kLimit;
          ASSERT_EQ(common, expectedCommon) << a << " " << c;
          if (common) {
            ASSERT_EQ(out, CombineCell(kind, axial, c)) << a << " " << c << " wall " << wall;
          }
        }
      }
    }
  }
}

TEST(CombineCommonCells, OneUncommonCellRefusesTheRow) {
  std::vector<double> axial(37, 350.2);
  std::vector<double> around(37, 351.7);
  std::vector<double> t0(37, 0.0);
  std::vector<double> t1(37, 1.0);
  std::vector<double> t2(37, 2.0);
  std::vector<std::uint16_t> out(37);
  EXPECT_TRUE(
      CombineCommonCells(true, axial.data(), around.data(), t0.data(), t1.data(), t2.data(), out.data(), 37));
  EXPECT_EQ(out[36], 350);
  around[33] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(
      CombineCommonCells(true, axial.data(), around.data(), t0.data(), t1.data(), t2.data(), out.data(), 37));
}

}  // namespace
}  // namespace ductora
