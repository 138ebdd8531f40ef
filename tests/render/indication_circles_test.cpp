#include "render/maps/indication_circles.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gl_feedback.h"
#include "gl_test_context.h"
#include "render/maps/indication_cache.h"
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
  // Each circle's middle in map coordinates (z along the pipe, y around it).
  std::vector<std::array<float, 2>> middles(const MapCursor& cursor = {}) {
    const std::vector<FedVertex> vertices =
        testing::Feedback([&] { DrawIndicationCircles(pipe, records, cursor); });
    std::vector<std::array<float, 2>> result;
    constexpr std::size_t kLineEnds = 200;  // a loop of 100 lines
    for (std::size_t at = 0; at + kLineEnds <= vertices.size(); at += kLineEnds) {
      std::array<float, 2> sum{};
      for (std::size_t i = at; i < at + kLineEnds; ++i) {
        sum[0] += (100.0F - vertices[i].x) / kLineEnds;
        sum[1] += (vertices[i].y - 100.0F) / kLineEnds;
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
  // Along the pipe they keep their place from the pipe's own position, reversed or not.
  pipe.header.from = 1;
  pipe.viewState[kCursorPosition] = 5.0F;
  EXPECT_NEAR(middles()[0][0], 5.0F - 12.0F, 1e-3F);
}

TEST_F(IndicationCirclesTest, NothingIsDrawnWithoutRecordsOrWallMatrix) {
  EXPECT_TRUE(middles().empty());
  add(12.0F, 0.0F);
  pipe.wallMatrix = {};
  EXPECT_TRUE(middles().empty());
}

TEST(IndicationCacheTest, ReadsTheFileAgainOnlyWhenItChanged) {
  const testing::TempDir dir;
  const std::string path = dir.file("pipe.ind");
  IndicationCache cache;
  EXPECT_EQ(cache.Records(path).count, 0U);  // no file yet
  testing::writeText(path, "header\n");
  EXPECT_EQ(cache.Records(path).count, 0U);
  testing::writeText(path, "header\n1 1 Pit 1.5 0 90 50\n2 1 Pit 2.0 0 180 50\n");
  const auto later = std::filesystem::last_write_time(path) + std::chrono::seconds(1);
  std::filesystem::last_write_time(path, later);
  const IndicationRecords& records = cache.Records(path);
  ASSERT_EQ(records.count, 2U);
  EXPECT_EQ(records.positionsInches[0], 18.0F);
  EXPECT_EQ(records.anglesDegrees[1], 180.0F);
  // Same path, same time: what was read stands.
  testing::writeText(path, "header\n");
  std::filesystem::last_write_time(path, later);
  EXPECT_EQ(cache.Records(path).count, 2U);
  std::filesystem::remove(path);
  EXPECT_EQ(cache.Records(path).count, 0U);
}

}  // namespace
}  // namespace ductora::render
