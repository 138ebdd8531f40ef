#include "render/maps/indication_circles.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "gl_feedback.h"
#include "gl_test_context.h"
#include "render/maps/indication_cache.h"
#include "render/maps/map_textures.h"
#include "support/temp_dir.h"
#include "test_pipes.h"

namespace ductora::render {
namespace {

using testing::FedVertex;

// One pipe's map plane seen flat as the 2D views show it: the axis across (window x = 100 - z),
// the circumference up (window y = 100 + y), one inch to the pixel.
class IndicationCirclesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    glViewport(0, 0, 200, 200);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-100.0, 100.0, -100.0, 100.0, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glRotatef(-90.0F, 0.0F, 1.0F, 0.0F);
  }
  void add(float positionInches, float angle) {
    records.positionsInches[records.count] = positionInches;
    records.anglesDegrees[records.count] = angle;
    ++records.count;
  }
  // Each circle's middle in map coordinates (z along the pipe, y around it), from circles of
  // `segments` lines each.
  std::vector<std::array<float, 2>> middles(const MapCursor& cursor = {},
                                            FrameDetail detail = FrameDetail::kStill,
                                            std::size_t segments = 100) {
    const std::vector<FedVertex> vertices =
        testing::Feedback([&] { DrawIndicationCircles(pipe, records, cursor, detail); });
    std::vector<std::array<float, 2>> result;
    const std::size_t kLineEnds = 2 * segments;
    EXPECT_EQ(vertices.size() % kLineEnds, 0U);
    for (std::size_t at = 0; at + kLineEnds <= vertices.size(); at += kLineEnds) {
      std::array<float, 2> sum{};
      for (std::size_t i = at; i < at + kLineEnds; ++i) {
        sum[0] += (100.0F - vertices[i].x) / static_cast<float>(kLineEnds);
        sum[1] += (vertices[i].y - 100.0F) / static_cast<float>(kLineEnds);
      }
      result.push_back(sum);
    }
    return result;
  }

  testing::GlTestContext gl{200, 200};
  PipeFile pipe = testing::TestPipe(30.0F);  // 36 samples per revolution, C = 4 pi
  IndicationRecords records;
  float c = 3.14159F * 4.0F;
};

TEST_F(IndicationCirclesTest, AnglesRunFromTheBottomEdgeAndTurnWithThePipe) {
  add(12.0F, 0.0F);
  add(24.0F, 360.0F);  // a whole turn, whatever the samples per revolution: the top edge
  add(6.0F, 180.0F);
  std::vector<std::array<float, 2>> circles = middles();
  ASSERT_EQ(circles.size(), 3U);
  EXPECT_NEAR(circles[0][0], -12.0F, 1e-3F);
  EXPECT_NEAR(circles[0][1], -2.0F * c, 1e-3F);
  EXPECT_NEAR(circles[1][1], 2.0F * c, 1e-3F);
  EXPECT_NEAR(circles[2][1], 0.0F, 1e-3F);
  // A quarter turn of the pipe moves them all a quarter of the map, wrapping around.
  pipe.viewState[kRotationZ] = 90.0F;
  circles = middles();
  EXPECT_NEAR(circles[0][1], 1.0F * c, 1e-3F);
  EXPECT_NEAR(circles[2][1], -c, 1e-3F);
  // Along the pipe from the pipe's own position.
  pipe.viewState[kCursorPosition] = 5.0F;
  EXPECT_NEAR(middles()[0][0], 5.0F - 12.0F, 1e-3F);
}

// A thin-wall patch at 60 to 90 degrees, 11.6 inches into the wall data, which start 2 inches
// into the pipe: its record's circle sits on the white patch the wall map shows, however the
// pipe is flipped, reversed or turned. Seen three pixels to the inch.
TEST_F(IndicationCirclesTest, ACircleSitsOnItsDefectWhereTheWallMapShowsIt) {
  glScalef(3.0F, 3.0F, 3.0F);
  pipe.wallStart = 2.0;
  WallMatrix& wall = pipe.wallMatrix;
  for (std::uint32_t r = 10; r < 14; ++r) {
    for (std::uint32_t k = 6; k < 9; ++k) wall.data[r * wall.columns + k] = 300;
  }
  add(13.6F, 75.0F);
  const std::uint32_t texture = MakeMapTexture(pipe, MapKind::kWall);
  for (const int flipped : {0, 1}) {
    for (const int reversed : {0, 1}) {
      for (const float rotation : {0.0F, 40.0F}) {
        pipe.header.rotation = static_cast<std::uint8_t>(flipped);
        pipe.header.from = static_cast<std::uint8_t>(reversed);
        pipe.viewState[kRotationZ] = rotation;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawMap(pipe, MapKind::kWall, texture, {});
        const std::vector<std::uint8_t> rgba = gl.pixels();
        std::array<float, 3> white{};  // x and y summed, and the count
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
          if (std::min({rgba[i], rgba[i + 1], rgba[i + 2]}) <= 191) continue;
          white[0] += static_cast<float>(i / 4 % 200);
          white[1] += static_cast<float>(i / 4 / 200);
          ++white[2];
        }
        ASSERT_GT(white[2], 0.0F);
        std::array<float, 2> circle{};
        const std::vector<FedVertex> loop =
            testing::Feedback([&] { DrawIndicationCircles(pipe, records, {}); });
        ASSERT_FALSE(loop.empty());
        for (const FedVertex& v : loop) {
          circle[0] += v.x / static_cast<float>(loop.size());
          circle[1] += v.y / static_cast<float>(loop.size());
        }
        EXPECT_NEAR(circle[0], white[0] / white[2], 2.0F) << flipped << reversed << rotation;
        EXPECT_NEAR(circle[1], white[1] / white[2], 2.0F) << flipped << reversed << rotation;
      }
    }
  }
}

// A moving frame draws each circle with as many segments as its size on screen asks, all of them
// in one call, where the still frame's circles stand, and one of a crowd only once.
TEST_F(IndicationCirclesTest, MovingCirclesTakeSegmentsByTheirSizeOnScreen) {
  EXPECT_EQ(CircleSegments(0.0), 8);
  EXPECT_EQ(CircleSegments(30.0), 18);
  EXPECT_EQ(CircleSegments(100.0), 32);
  EXPECT_EQ(CircleSegments(1e9), 100);
  add(3.0F, 180.0F);
  add(6.0F, 180.0F);
  const std::vector<std::array<float, 2>> still = middles();
  const auto sameMiddles = [&still](const std::vector<std::array<float, 2>>& moving, float scale) {
    ASSERT_EQ(moving.size(), still.size());
    for (std::size_t i = 0; i < still.size(); ++i) {
      EXPECT_NEAR(moving[i][0] / scale, still[i][0], 1e-3F);
      EXPECT_NEAR(moving[i][1] / scale, still[i][1], 1e-3F);
    }
  };
  sameMiddles(middles({}, FrameDetail::kMoving, 8), 1.0F);  // a radius of 3 pixels
  glScalef(10.0F, 10.0F, 10.0F);
  sameMiddles(middles({}, FrameDetail::kMoving, 18), 10.0F);  // 30 pixels
  // A circle within half a radius of one drawn is left out of a moving frame.
  add(6.1F, 180.0F);
  EXPECT_EQ(middles().size(), 3U);
  sameMiddles(middles({}, FrameDetail::kMoving, 18), 10.0F);
}

TEST_F(IndicationCirclesTest, NothingIsDrawnWithoutRecordsOrWallMatrix) {
  EXPECT_TRUE(middles().empty());
  add(12.0F, 0.0F);
  pipe.wallMatrix = {};
  EXPECT_TRUE(middles().empty());
}

TEST(IndicationCacheTest, ReadsThePipesOwnFileAgainOnlyWhenItChanged) {
  const testing::TempDir dir;
  std::filesystem::create_directories(dir.path() / "data");
  std::filesystem::create_directories(dir.path() / "RDAQ");
  const std::string pipe = dir.file("data/p7.kqvw");
  IndicationCache cache;
  EXPECT_EQ(cache.Records(pipe).count, 0U);  // no file yet
  testing::writeText(dir.file("data/p7.ind"), "header\n1 1 Pit 1.5 0 90 50\n");
  EXPECT_EQ(cache.Records(pipe).count, 1U);
  // The RDAQ folder's file comes first.
  const std::string primary = dir.file("RDAQ/p7.ind");
  testing::writeText(primary, "header\n1 1 Pit 1.5 0 90 50\n2 1 Pit 2.0 0 180 50\n");
  const IndicationRecords& records = cache.Records(pipe);
  ASSERT_EQ(records.count, 2U);
  EXPECT_EQ(records.positionsInches[0], 18.0F);
  EXPECT_EQ(records.anglesDegrees[1], 180.0F);
  // Same file, same time: what was read stands; a new time reads it again.
  const auto time = std::filesystem::last_write_time(primary);
  testing::writeText(primary, "header\n");
  std::filesystem::last_write_time(primary, time);
  EXPECT_EQ(cache.Records(pipe).count, 2U);
  std::filesystem::last_write_time(primary, time + std::chrono::seconds(1));
  EXPECT_EQ(cache.Records(pipe).count, 0U);
  std::filesystem::remove(primary);
  EXPECT_EQ(cache.Records(pipe).count, 1U);
  // A pipe that could not be read has no path and no indications.
  EXPECT_EQ(cache.Records("").count, 0U);
}

// Three pipes, 40, 30 and 50 inches long, the first current, only the second with an indication
// file: its two circles, and no others, lie in its place. Window x = 10 - z, one inch a pixel.
TEST(IndicationViewTest, EachPipeDrawsTheCirclesOfItsOwnFile) {
  testing::GlTestContext gl(200, 200);
  ASSERT_TRUE(gl.ok());
  const testing::TempDir dir;
  testing::writeText(dir.file("job.kqstr"), "40.kqvw\n30.kqvw\n50.kqvw\n");
  testing::writeText(dir.file("30.ind"), "header\n1 1 Pit 0.8333 0 90 50\n2 1 Pit 1.6667 0 180 50\n");
  PipeString string(testing::LoadTestPipe);
  ASSERT_TRUE(string.open(dir.file("job.kqstr")).ok);
  const ViewValues view;
  DrawCaches caches;
  string.forEachPipe([&caches](const PipeFile& pipe) { caches.PrepareTextures(pipe); });
  glViewport(0, 0, 200, 200);
  glMatrixMode(GL_PROJECTION);
  glOrtho(-10.0, 190.0, -100.0, 100.0, -10.0, 10.0);
  glMatrixMode(GL_MODELVIEW);
  const float c = 3.14159F * 4.0F;
  std::vector<float> circleXs;
  for (const FedVertex& v : testing::InColour(testing::Feedback([&] {
                                                DrawIndicationView(PipeScene{string, view, caches});
                                              }),
                                              {1.0F, 0.0F, 0.0F, 1.0F})) {
    // The start lines run from edge to edge; the circles stay inside.
    if (std::abs(v.y - 100.0F) < 2.0F * c - 0.5F) circleXs.push_back(v.x);
  }
  ASSERT_EQ(circleXs.size(), 2U * 200U);
  for (const float x : circleXs) {
    EXPECT_GT(x, 50.0F);
    EXPECT_LT(x, 80.0F);
  }
}

}  // namespace
}  // namespace ductora::render
