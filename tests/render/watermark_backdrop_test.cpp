#include "render/maps/watermark_backdrop.h"

#include <gtest/gtest.h>

#include "gl_test_context.h"
#include "render/gl/bitmap_texture.h"
#include "render/gl/panel_gl.h"
#include "render/maps/map_textures.h"
#include "render/pipe3d/pipe_3d.h"
#include "resources/bitmaps.h"
#include "test_pipes.h"

namespace ductora::render {
namespace {

// The 3D wall view of a pipe seen from outside, turned: its markers blend over the watermark and
// the blue, its surface hides part of the band. Odd sizes, so texels and pixels must meet exactly.
TEST(WatermarkBackdropTest, AFrameOverTheCopyHasTheVeryPixelsOfAFrameOverTheWatermark) {
  testing::GlTestContext gl{637, 477};
  ASSERT_TRUE(gl.ok());
  InitPipeViewGl();
  ImageHolder holder;
  const std::uint32_t watermark = LoadResourceTexture(holder, resources::kWatermarkBitmapId);
  PipeString string{testing::LoadTestPipe};
  ASSERT_TRUE(string.open("30.kqvw").ok);
  DrawCaches caches;
  string.forEachPipe([&caches](const PipeFile& pipe) { caches.PrepareTextures(pipe); });
  ViewValues view;
  view.depth = -60.0F;
  string.position = 10.0F;
  view.rotation[kAxisX] = 30.0F;
  view.rotation[kAxisY] = 40.0F;

  WatermarkBackdrop backdrop;
  const auto frame = [&](int width, int height, bool fromBackdrop) {
    BeginFrame(width, height);
    if (fromBackdrop) {
      DrawWatermarkBackdrop(backdrop, watermark, width, height);
    } else {
      DrawWatermark(watermark);
    }
    BeginPipeViewScene();
    Draw3DWallView({string, view, caches});
    EndPipeViewScene();
    return gl.pixels();
  };
  const std::vector<std::uint8_t> drawn = frame(637, 477, false);
  EXPECT_TRUE(frame(637, 477, true) == drawn);  // laid afresh and read back
  EXPECT_NE(backdrop.texture, 0U);
  EXPECT_TRUE(frame(637, 477, true) == drawn);  // copied
  // A window of another size lays the watermark afresh for its size.
  const std::vector<std::uint8_t> smaller = frame(600, 400, false);
  EXPECT_FALSE(smaller == drawn);
  EXPECT_TRUE(frame(600, 400, true) == smaller);
  EXPECT_EQ(backdrop.width, 600);
  EXPECT_TRUE(frame(600, 400, true) == smaller);
  DeleteWatermarkBackdrop(backdrop);
  EXPECT_EQ(backdrop.texture, 0U);
}

}  // namespace
}  // namespace ductora::render
