#include "render/plots/slice_view.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "gl_test_context.h"
#include "test_pipes.h"

namespace ductora::render {
namespace {

using Rgb = std::array<std::uint8_t, 3>;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kClear{0, 0, 255};

// The slice panel at 320 x 240: with the 4-inch pipe's projection, 60 pixels to the inch around
// the centre (160, 120).
class SliceTest : public ::testing::Test {
 protected:
  static constexpr std::uint16_t kThick = 400;  // the pipe's upper wall: black
  static constexpr std::uint16_t kThin = 300;   // its lower wall and nominal wall: white

  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    glViewport(0, 0, 320, 240);
    glClearColor(0.0F, 0.0F, 1.0F, 1.0F);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  // A wall of the given samples per revolution, thick over the first half turn at revolution 1.
  void halfThick(std::uint32_t samples) {
    WallMatrix& wall = pipe.wallMatrix;
    wall.columns = samples;
    wall.deltaY = 360.0 / samples;
    wall.data.assign(std::size_t{wall.rows} * samples, kThin);
    std::fill_n(wall.data.begin() + samples, samples / 2, kThick);
  }
  // Display angles stand as in the 3D views: 0 at the top, counter-clockwise.
  static double radians(double degrees) { return (degrees + 90.0) * 3.141592653589793 / 180.0; }
  Rgb at(double degrees, double inches) {
    const double a = radians(degrees);
    return gl.pixel(static_cast<int>(160.0 + 60.0 * inches * std::cos(a)),
                    static_cast<int>(120.0 + 60.0 * inches * std::sin(a)));
  }
  // Whether a pixel of that colour lies within a pixel of the point.
  bool near(double degrees, double inches, const Rgb& colour) {
    const double a = radians(degrees);
    const int x = static_cast<int>(160.0 + 60.0 * inches * std::cos(a));
    const int y = static_cast<int>(120.0 + 60.0 * inches * std::sin(a));
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (gl.pixel(x + dx, y + dy) == colour) return true;
      }
    }
    return false;
  }

  testing::GlTestContext gl{320, 240};
  PipeFile pipe = testing::TestPipe(10.0F);
};

// Mid-ring: between the outer edge at 2 inches and the inner one 0.3 or 0.4 inches inside.
constexpr double kInRing = 1.82;

TEST_F(SliceTest, TheUpperHalfOfTheRingIsThickAndBlackTheLowerThinAndWhite) {
  pipe.odMatrix = {};
  for (const std::uint32_t samples : {360U, 180U}) {
    SetUp();
    halfThick(samples);
    DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);
    EXPECT_EQ(at(90.0, kInRing), kBlack) << samples;
    EXPECT_EQ(at(270.0, kInRing), kWhite) << samples;
    // The thick wall reaches further in.
    EXPECT_EQ(at(90.0, 1.65), kBlack) << samples;
    EXPECT_EQ(at(270.0, 1.65), kClear) << samples;
  }
  // A flipped pipe mirrors the samples around the ring.
  SetUp();
  pipe.header.rotation = 1;
  DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);
  EXPECT_EQ(at(90.0, kInRing), kWhite);
  EXPECT_EQ(at(270.0, kInRing), kBlack);
}

TEST_F(SliceTest, AReversedPipeCountsRevolutionsFromItsFarEnd) {
  halfThick(360);
  DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);
  EXPECT_EQ(at(90.0, kInRing), kBlack);
  SetUp();
  pipe.header.from = 1;
  DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);  // revolution 11 - 1 - 1 = 9: thin all round
  EXPECT_EQ(at(90.0, kInRing), kWhite);
  DrawSliceView(pipe, 9.5F, 0.0F, 0.0F);  // revolution 11 - 1 - 9 = 1
  EXPECT_EQ(at(90.0, kInRing), kBlack);
}

// Angle 0 stands at the top; the pipe's rotation and the view's roll turn the picture back, as
// they turn the 3D views.
TEST_F(SliceTest, TheCursorIsSolidToTheCentreAndDashedBeyond) {
  DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);
  int solid = 0;
  int dashed = 0;
  for (int y = 4; y < 116; ++y) {
    const auto green = [&](int row) { return gl.pixel(159, row) == kGreen || gl.pixel(160, row) == kGreen; };
    solid += green(120 + y) ? 1 : 0;
    dashed += green(120 - y) ? 1 : 0;
  }
  EXPECT_EQ(solid, 112);
  EXPECT_GT(dashed, 30);
  EXPECT_LT(dashed, 82);
  // Angle 90 counter-clockwise: the left; turned by a rotation of 50 and a roll of 40, the top.
  SetUp();
  DrawSliceView(pipe, 1.5F, 90.0F, 0.0F);
  EXPECT_TRUE(near(90.0, 1.0, kGreen));
  EXPECT_FALSE(near(0.0, 1.0, kGreen));
  SetUp();
  pipe.viewState[kRotationZ] = 50.0F;
  DrawSliceView(pipe, 1.5F, 90.0F, 40.0F);
  EXPECT_TRUE(near(0.0, 1.0, kGreen));
  EXPECT_FALSE(near(90.0, 1.0, kGreen));
}

// Diameters of the OD row: the first of the largest is drawn black, the first of the smallest
// white, whatever the OD's samples per revolution.
TEST_F(SliceTest, TheLargestAndSmallestDiametersAreTheFirstOfTheirKind) {
  for (const std::uint32_t samples : {360U, 180U}) {
    SetUp();
    OdMatrix& od = pipe.odMatrix;
    od.columns = samples;
    od.data.assign(std::size_t{od.rows} * samples, 0);
    const auto set = [&](std::uint32_t angle, std::int16_t value) {
      const std::uint32_t k = angle * samples / 360;
      od.data[samples + k] = value;
      od.data[samples + k + samples / 2] = value;
    };
    set(30, 50);
    set(60, 50);
    set(100, -20);
    DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);
    EXPECT_TRUE(near(30.0, 1.0, kBlack)) << samples;
    EXPECT_TRUE(near(210.0, 1.0, kBlack)) << samples;
    EXPECT_FALSE(near(60.0, 1.0, kBlack)) << samples;
    EXPECT_TRUE(near(100.0, 1.0, kWhite)) << samples;
  }
}

TEST_F(SliceTest, NothingIsDrawnWithoutSamplesOrPitch) {
  pipe.wallMatrix.deltaX = 0.0;
  pipe.odMatrix.deltaX = 0.0;
  DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);
  EXPECT_EQ(at(90.0, kInRing), kClear);
  pipe.odMatrix.deltaX = 1.0;  // the OD pitch stands in for the wall's
  DrawSliceView(pipe, 1.5F, 0.0F, 0.0F);
  EXPECT_NE(at(90.0, kInRing), kClear);
}

}  // namespace
}  // namespace ductora::render
