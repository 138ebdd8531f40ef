#include "render/plots/plot_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "gl_feedback.h"
#include "gl_test_context.h"
#include "render/gl/panel_gl.h"
#include "resources/bitmaps.h"

namespace ductora::render {
namespace {

TEST(PlotArea, FixedMarginsUnlessBothProportionalOnesAreSmaller) {
  EXPECT_EQ(PlotArea({0, 0, 500, 400}), (PlotRect{70, 35, 430, 365}));
  EXPECT_EQ(PlotArea({0, 0, 300, 400}), (PlotRect{70, 35, 230, 365}));  // 45 < 70 but 40 >= 35
  EXPECT_EQ(PlotArea({0, 0, 300, 300}), (PlotRect{45, 30, 255, 270}));
  EXPECT_EQ(PlotArea({10, 20, 300, 300}), (PlotRect{55, 50, 255, 270}));
}

constexpr Rgb kRed{1.0F, 0.0F, 0.0F};
constexpr Rgb kBlue{0.0F, 0.0F, 1.0F};
constexpr std::array<std::uint8_t, 3> kRedPixel{255, 0, 0};
constexpr std::array<std::uint8_t, 3> kBluePixel{0, 0, 255};
constexpr std::array<std::uint8_t, 3> kWhitePixel{255, 255, 255};

class PlotFrameTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 500;
  static constexpr int kHeight = 400;

  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    InitPlotPanelGl(kPlotWhite);
    BeginPlotPanel(kWidth, kHeight, true, kPlotWhite);
    frame.rect = {0, 0, kWidth, kHeight};
    frame.gridColour = kRed;
    frame.seriesColour = kBlue;
  }

  testing::GlTestContext gl{kWidth, kHeight};
  PlotFrame frame;
};

TEST_F(PlotFrameTest, ABackwardsAxisStillHasItsGridOverTheWholeArea) {
  frame.xMin = 360.0F;
  frame.xMax = 0.0F;
  frame.xStep = 90.0F;
  frame.yMin = 0.0F;
  frame.yMax = 1.0F;
  frame.yStep = 2.0F;
  std::vector<float> ramp(361);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<float>(i) / 360.0F;
  DrawPlotFrame(nullptr, frame, std::span<const float>(ramp));
  // Area 70..499 across: five vertical lines 107.5 pixels apart, the first on its left edge.
  for (const int x : {69, 177, 284, 392, 499}) EXPECT_EQ(gl.pixel(x, 100), kRedPixel) << x;
  EXPECT_EQ(gl.pixel(120, 100), kWhitePixel);
  // Sample 0 is at the right: the ramp falls from left to right.
  const auto seriesRow = [this](int x) {
    for (int y = 0; y < kHeight; ++y) {
      if (gl.pixel(x, y) == kBluePixel) return y;
    }
    return -1;
  };
  EXPECT_NEAR(seriesRow(130), 35 + 365 * 0.86, 3);
  EXPECT_NEAR(seriesRow(450), 35 + 365 * 0.12, 3);
}

TEST_F(PlotFrameTest, AGridLineFallsOnTheTopOnlyWhenTheSingleSumsReachIt) {
  frame.xMin = 0.0F;
  frame.xMax = 10.0F;
  frame.xStep = 100.0F;
  frame.yMin = 0.0F;
  frame.yMax = 1.0F;
  frame.yStep = 0.25F;  // exact in binary: 1.0 is reached
  DrawPlotFrame(nullptr, frame, std::span<const float>());
  EXPECT_EQ(gl.pixel(250, kHeight - 1), kRedPixel);

  BeginPlotPanel(kWidth, kHeight, true, kPlotWhite);
  frame.yStep = 0.1F;  // ten single-precision steps overshoot 1.0: no top line
  DrawPlotFrame(nullptr, frame, std::span<const float>());
  EXPECT_EQ(gl.pixel(250, kHeight - 1), kWhitePixel);
}

TEST_F(PlotFrameTest, ZeroReferenceLinesAreNotDrawn) {
  frame.xMin = -10.0F;
  frame.xMax = 10.0F;
  frame.xStep = 100.0F;
  frame.yMin = -1.0F;
  frame.yMax = 1.0F;
  frame.yStep = 100.0F;
  frame.xLineColour = kBlue;
  DrawPlotFrame(nullptr, frame, std::span<const float>());
  EXPECT_EQ(gl.pixel(70 + 215, 200), kWhitePixel);
  frame.xLine = 5.0F;
  DrawPlotFrame(nullptr, frame, std::span<const float>());
  EXPECT_EQ(gl.pixel(70 + 215 + 107, 200), kBluePixel);
}

// A pit of 0.258 under a 0.290..0.420 axis and a spike of 0.5 over it: both lie on the border they
// crossed, inside the plot area (rows 35..399), in the series' colour with a red tick standing
// in from it; in-range samples keep their places and get no tick.
TEST_F(PlotFrameTest, ValuesBeyondTheRangeLieOnTheBorderTheyCrossedWithARedTick) {
  frame.gridColour = {0.7F, 0.7F, 0.7F};
  frame.xMin = 0.0F;
  frame.xMax = 8.0F;
  frame.xPerSample = 2.0F;
  frame.xStep = 100.0F;
  frame.yMin = 0.29F;
  frame.yMax = 0.42F;
  frame.yStep = 100.0F;
  const std::vector<float> series{0.355F, 0.258F, 0.355F, 0.5F, 0.355F};
  using testing::InColour;
  const auto vertices =
      testing::Feedback([&] { DrawPlotFrame(nullptr, frame, std::span<const float>(series)); });
  const auto blue = InColour(vertices, {0, 0, 1, 1});
  const auto red = InColour(vertices, {1, 0, 0, 1});
  const auto windowX = [](float x) { return 70.0F + x / 8.0F * 430.0F; };
  const auto at = [](const std::vector<testing::FedVertex>& in, float x, float y) {
    return std::ranges::any_of(in, [&](const testing::FedVertex& v) {
      return std::abs(v.x - x) < 0.01F && std::abs(v.y - y) < 0.01F;
    });
  };
  // Half a pixel inside each border; the segments meet the border where they cross it: halfway
  // from 0.355 to 0.258 is 0.29 at 0.67 of the way, 0.42 at 0.45 of the way up to 0.5.
  EXPECT_TRUE(at(blue, windowX(2.0F), 35.5F));
  EXPECT_TRUE(at(blue, windowX(6.0F), 399.5F));
  EXPECT_TRUE(at(blue, windowX(2.0F * 0.065F / 0.097F), 35.5F));
  EXPECT_TRUE(at(blue, windowX(4.0F + 2.0F * 0.065F / 0.145F), 399.5F));
  EXPECT_TRUE(at(blue, windowX(4.0F), 35.0F + 365.0F * 0.5F));
  for (const auto& v : blue) EXPECT_TRUE(v.y > 35.49F && v.y < 399.51F) << v.y;
  ASSERT_EQ(red.size(), 4U);  // one tick of two vertices at each of the two samples
  EXPECT_TRUE(at(red, windowX(2.0F), 35.5F) && at(red, windowX(2.0F), 40.5F));
  EXPECT_TRUE(at(red, windowX(6.0F), 399.5F) && at(red, windowX(6.0F), 394.5F));
  // Drawn, the pit's line and tick stand on the bottom row of the area; below it is only the grid.
  DrawPlotFrame(nullptr, frame, std::span<const float>(series));
  const int pit = static_cast<int>(windowX(2.0F));
  EXPECT_EQ(gl.pixel(pit, 35), kRedPixel);
  EXPECT_EQ(gl.pixel(pit, 38), kRedPixel);
  EXPECT_EQ(gl.pixel(pit + 20, 35), kBluePixel);
  for (int x = 0; x < kWidth; ++x) {
    EXPECT_NE(gl.pixel(x, 34), kBluePixel) << x;
    EXPECT_NE(gl.pixel(x, 34), kRedPixel) << x;
  }
}

// The labels are black glyphs on white squares: they show as dark pixels where they stand.
TEST_F(PlotFrameTest, EndLabelsAndTitlesStandWhereTheRulesPutThem) {
  PlotFont font;
  ASSERT_TRUE(LoadPlotFont(font, resources::kPlotFontBitmapId));
  frame.xMin = 0.0F;
  frame.xMax = 120.0F;
  frame.xStep = 1000.0F;
  frame.yMin = 0.25F;
  frame.yMax = 0.5F;
  frame.yStep = 1000.0F;
  frame.xUnit = '"';
  frame.yUnit = '"';
  frame.xTitle = "Inches";
  frame.yTitle = "WALL";
  DrawPlotFrame(&font, frame, std::span<const float>());

  // "0.250"" and "0.500"": six cells of 10 ending at the left margin of 70, at y 35 and 390.
  EXPECT_GT(gl.darkPixels(10, 35, 70, 45), 40);
  EXPECT_GT(gl.darkPixels(10, 390, 70, 400), 40);
  EXPECT_EQ(gl.darkPixels(0, 35, 10, 45), 0);
  EXPECT_EQ(gl.darkPixels(0, 390, 10, 400), 0);
  // "0"" at the margin and "120"" right-aligned, both at y 10.
  EXPECT_GT(gl.darkPixels(70, 10, 90, 20), 10);
  EXPECT_GT(gl.darkPixels(460, 10, 500, 20), 20);
  EXPECT_EQ(gl.darkPixels(440, 10, 460, 20), 0);
  // The x title, 60 pixels wide, centred at y 5; it shares its bottom rows with the x labels.
  EXPECT_GT(gl.darkPixels(220, 5, 280, 15), 20);
  EXPECT_EQ(gl.darkPixels(200, 5, 220, 30), 0);
  // The y title reads down one column of 12 from 24 above the middle: W at 224, L at 188.
  EXPECT_GT(gl.darkPixels(0, 224, 12, 236), 10);
  EXPECT_GT(gl.darkPixels(0, 188, 12, 200), 5);
  EXPECT_EQ(gl.darkPixels(0, 236, 12, 260), 0);
  EXPECT_EQ(gl.darkPixels(0, 160, 12, 188), 0);
  EXPECT_EQ(gl.darkPixels(12, 180, 30, 240), 0);

  // Without a font the same plot has no labels at all.
  BeginPlotPanel(kWidth, kHeight, true, kPlotWhite);
  DrawPlotFrame(nullptr, frame, std::span<const float>());
  EXPECT_EQ(gl.darkPixels(0, 0, 70, kHeight), 0);
  EXPECT_EQ(gl.darkPixels(0, 0, kWidth, 35), 0);
}

}  // namespace
}  // namespace ductora::render
