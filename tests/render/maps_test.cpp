#include "render/maps/maps.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gl_test_context.h"
#include "render/gl/bitmap_texture.h"
#include "render/gl/gl_texture.h"
#include "render/gl/panel_gl.h"
#include "render/maps/map_textures.h"
#include "resources/bitmaps.h"

namespace ductora::render {
namespace {

// A map seen flat: the pipe axis across (world x = -z, 0 to 9 inches), the circumference up
// (-2C to +2C with C = 1), 40 pixels to the inch, the pipe's start at pixel column 40.
class MapTest : public ::testing::Test {
 protected:
  static constexpr int kScale = 40;
  static constexpr std::uint16_t kThin = 300;   // white at the pipe's limits
  static constexpr std::uint16_t kThick = 400;  // black

  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    glClearColor(0.0F, 0.0F, 0.0F, 1.0F);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    view();

    pipe.header.nominalOd = 1.0 / kMapPi;
    pipe.header.upperWall = kThick;
    pipe.header.lowerWall = kThin;
    WallMatrix& wall = pipe.wallMatrix;
    wall.rows = 10;
    wall.columns = 360;
    wall.deltaX = 1.0;
    wall.length = 9.0F;
    wall.data.assign(std::size_t{wall.rows} * wall.columns, kThick);
  }

  void view() {
    glViewport(0, 0, 11 * kScale, 6 * kScale);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1.0, 10.0, -3.0, 3.0, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-90.0F, 0.0F, 1.0F, 0.0F);
  }

  // Pixel of world (x, y).
  std::array<std::uint8_t, 3> at(float x, float y) {
    return gl.pixel(static_cast<int>((x + 1.0F) * kScale), static_cast<int>((y + 3.0F) * kScale));
  }
  // Whether a one-pixel line of that colour passes within a pixel of world (x, y).
  bool lineNear(float x, float y, const std::array<std::uint8_t, 3>& colour) {
    const int px = static_cast<int>((x + 1.0F) * kScale);
    const int py = static_cast<int>((y + 3.0F) * kScale);
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (gl.pixel(px + dx, py + dy) == colour) return true;
      }
    }
    return false;
  }
  // The first half of the revolutions, or of every revolution's samples, thin.
  void thinFirstRevolutions() {
    WallMatrix& wall = pipe.wallMatrix;
    std::fill_n(wall.data.begin(), wall.data.size() / 2, kThin);
  }
  void thinFirstSamples() {
    WallMatrix& wall = pipe.wallMatrix;
    for (std::size_t r = 0; r < wall.rows; ++r) std::fill_n(wall.data.begin() + r * wall.columns, 180, kThin);
  }
  void draw(const MapCursor& cursor) {
    DeleteTexture(texture);
    texture = MakeMapTexture(pipe, MapKind::kWall);
    DrawMap(pipe, MapKind::kWall, texture, cursor);
  }

  testing::GlTestContext gl{11 * kScale, 6 * kScale};
  PipeFile pipe;
  std::uint32_t texture = 0;
};

constexpr std::array<std::uint8_t, 3> kRed{255, 0, 0};
constexpr std::array<std::uint8_t, 3> kGreen{0, 255, 0};
constexpr std::array<std::uint8_t, 3> kBlue{0, 0, 255};
constexpr std::array<std::uint8_t, 3> kBlack{0, 0, 0};
constexpr std::array<std::uint8_t, 3> kWhite{255, 255, 255};

TEST_F(MapTest, TheLinesKeepTheirColoursOverAThickWall) {
  draw({2.0F, 90.0F, 0.0F, true});
  EXPECT_EQ(at(4.0F, 0.5F), kBlack);
  EXPECT_TRUE(lineNear(0.0F, 0.5F, kRed));     // the start line at the pipe's start
  EXPECT_TRUE(lineNear(4.0F, -1.0F, kGreen));  // 90 degrees: a quarter up from the bottom edge
  EXPECT_TRUE(lineNear(2.0F, 0.5F, kBlue));    // X = 2 inches
}

// The watermark band runs across the whole view, the map and its lines over part of it.
TEST_F(MapTest, TheWatermarkLaidLastGivesThePixelsOfTheWatermarkDrawnFirst) {
  ImageHolder holder;
  const std::uint32_t watermark = LoadResourceTexture(holder, resources::kWatermarkBitmapId);
  ASSERT_NE(watermark, 0U);
  enum class Watermark { kFirst, kLast, kNone };
  const auto frame = [&](Watermark order) {
    // The word-mark laid over a 4:3 viewport spans it, and shows left of the map; over the whole
    // frame it would keep its shape in the middle, wholly under the map.
    BeginFrame(8 * kScale, 6 * kScale);
    if (order == Watermark::kFirst) DrawWatermark(watermark);
    if (order == Watermark::kLast) BeginMarkingWrittenPixels();
    view();
    draw({2.0F, 90.0F, 0.0F, true});
    if (order == Watermark::kLast) {
      glViewport(0, 0, 8 * kScale, 6 * kScale);
      DrawWatermarkOnUnwrittenPixels(watermark);
    }
    return gl.pixels();
  };
  const std::vector<std::uint8_t> first = frame(Watermark::kFirst);
  EXPECT_TRUE(frame(Watermark::kLast) == first);
  EXPECT_FALSE(frame(Watermark::kNone) == first);
}

TEST_F(MapTest, OnlyTheCurrentPipeShowsTheCursorLines) {
  draw({2.0F, 90.0F, 0.0F, false});
  EXPECT_FALSE(lineNear(4.0F, -1.0F, kGreen));
  EXPECT_FALSE(lineNear(2.0F, 0.5F, kBlue));
  EXPECT_TRUE(lineNear(0.0F, 0.5F, kRed));
}

TEST_F(MapTest, TheAngularLineWrapsAroundWithTheRoll) {
  draw({2.0F, 0.0F, 0.0F, true});
  EXPECT_TRUE(lineNear(4.0F, -2.0F, kGreen));  // angle 0 on the bottom edge
  SetUp();
  draw({2.0F, 90.0F, 0.75F, true});  // three quarters of a turn further: 360 degrees, wrapped
  EXPECT_TRUE(lineNear(4.0F, 2.0F, kGreen));
}

TEST_F(MapTest, ReversedPipesStartAtTheFarEnd) {
  thinFirstRevolutions();
  draw({});
  EXPECT_EQ(at(1.5F, 0.5F), kWhite);
  EXPECT_EQ(at(7.5F, 0.5F), kBlack);
  SetUp();
  thinFirstRevolutions();
  pipe.header.from = 1;
  draw({});
  EXPECT_EQ(at(1.5F, 0.5F), kBlack);
  EXPECT_EQ(at(7.5F, 0.5F), kWhite);
}

TEST_F(MapTest, SampleZeroIsAtTheBottomEdgeAndFlippedPipesAtTheTop) {
  thinFirstSamples();
  draw({});
  EXPECT_EQ(at(4.0F, -1.0F), kWhite);
  EXPECT_EQ(at(4.0F, 1.0F), kBlack);
  SetUp();
  thinFirstSamples();
  pipe.header.rotation = 1;
  draw({});
  EXPECT_EQ(at(4.0F, -1.0F), kBlack);
  EXPECT_EQ(at(4.0F, 1.0F), kWhite);
}

// The ID matrix is built from display places, already mirrored: a reversed or flipped pipe's
// ID map is drawn as built, its first revolutions' first half turn (white) where they stand.
TEST_F(MapTest, TheIdMapOfAReversedOrFlippedPipeIsDrawnAsBuilt) {
  pipe.header.upperOdOffset = 20;
  pipe.header.lowerOdOffset = -20;
  IdMatrix& id = pipe.idMatrix;
  id.rows = 10;
  id.columns = 360;
  id.deltaX = 1.0;
  id.deltaY = 1.0;
  id.data.assign(std::size_t{id.rows} * id.columns, 100);
  for (std::size_t r = 0; r < 5; ++r) std::fill_n(id.data.begin() + r * id.columns, 180, -100);
  texture = MakeMapTexture(pipe, MapKind::kId);
  for (const auto& [from, rotation] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}}) {
    pipe.header.from = static_cast<std::uint8_t>(from);
    pipe.header.rotation = static_cast<std::uint8_t>(rotation);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawMap(pipe, MapKind::kId, texture, {});
    EXPECT_EQ(at(1.5F, -1.0F), kWhite) << from << rotation;
    EXPECT_EQ(at(7.5F, -1.0F), kBlack) << from << rotation;
    EXPECT_EQ(at(1.5F, 1.0F), kBlack) << from << rotation;
  }
}

// The angular cursor is in degrees: on a map of 180 samples a revolution, 90 degrees is still a
// quarter of the way up from the bottom edge.
TEST_F(MapTest, TheAngularLineStandsAtItsAngleWhateverTheSamplesPerRevolution) {
  WallMatrix& wall = pipe.wallMatrix;
  wall.columns = 180;
  wall.deltaY = 2.0;
  wall.data.assign(std::size_t{wall.rows} * wall.columns, kThick);
  draw({2.0F, 90.0F, 0.0F, true});
  EXPECT_TRUE(lineNear(4.0F, -1.0F, kGreen));
}

}  // namespace
}  // namespace ductora::render
