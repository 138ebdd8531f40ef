#include "render/maps/gray_scale.h"

#include <gtest/gtest.h>

namespace ductora::render {
namespace {

TEST(GrayShade, LimitsAndTheShadesBetween) {
  EXPECT_EQ(GrayShade(400, 400, 300), 0);    // at the upper limit: black
  EXPECT_EQ(GrayShade(300, 400, 300), 255);  // at the lower limit: white
  EXPECT_EQ(GrayShade(500, 400, 300), 0);
  EXPECT_EQ(GrayShade(10, 400, 300), 255);
  // One unit inside the upper limit: 255 x 1/(U - L), truncated.
  EXPECT_EQ(GrayShade(399, 400, 300), 2);
  EXPECT_EQ(GrayShade(399, 400, 397), 85);
  EXPECT_EQ(GrayShade(350, 400, 300), 127);
  // Signed OD offsets.
  EXPECT_EQ(GrayShade(-40, 40, -40), 255);
  EXPECT_EQ(GrayShade(0, 40, -40), 127);
}

TEST(GrayShade, SwappedAndEqualLimitsThresholdAtTheUpperLimit) {
  // Lower above upper: at or below U white, above it black.
  EXPECT_EQ(GrayShade(250, 300, 400), 255);
  EXPECT_EQ(GrayShade(300, 300, 400), 255);
  EXPECT_EQ(GrayShade(350, 300, 400), 0);
  EXPECT_EQ(GrayShade(450, 300, 400), 0);
  // Equal limits: the same threshold, and the limit itself white, never 0/0.
  EXPECT_EQ(GrayShade(299, 300, 300), 255);
  EXPECT_EQ(GrayShade(300, 300, 300), 255);
  EXPECT_EQ(GrayShade(301, 300, 300), 0);
}

TEST(GrayImage, RowPerRevolutionWithTheSamplesReversed) {
  WallMatrix wall;
  wall.rows = 2;
  wall.columns = 3;
  wall.data = {300, 350, 400, 400, 400, 300};  // revolution 0, then 1
  const GrayImage image = WallGrayImage(wall, 400, 300);
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{0, 127, 255, 255, 0, 0}));

  OdMatrix od;
  od.rows = 1;
  od.columns = 2;
  od.data = {-40, 40};
  EXPECT_EQ(OdGrayImage(od, 40, -40).pixels, (std::vector<std::uint8_t>{0, 255}));
}

TEST(GrayImage, TheIdMapShadesTheDeviationFromTheMeanId) {
  IdMatrix id;
  id.rows = 1;
  id.columns = 3;
  id.avgId = 6.3;
  id.data = {6260, 6300, 6340};  // -40, 0 and +40 thousandths from the mean
  EXPECT_EQ(IdGrayImage(id, 40, -40).pixels, (std::vector<std::uint8_t>{0, 127, 255}));
}

TEST(GrayImage, AMissingOrShortMatrixGivesNoImage) {
  EXPECT_TRUE(WallGrayImage(WallMatrix{}, 400, 300).empty());
  WallMatrix shortData;
  shortData.rows = 4;
  shortData.columns = 4;
  shortData.data = {1, 2, 3};
  EXPECT_TRUE(WallGrayImage(shortData, 400, 300).empty());
}

}  // namespace
}  // namespace ductora::render
