#include "render/gl/bitmap_texture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gl_test_context.h"
#include "render/plots/plot_font.h"
#include "resources/bitmaps.h"

namespace ductora::render {
namespace {

TEST(BitmapTexture, AResourceBecomesATextureAndAKeptCopyBottomRowFirst) {
  testing::GlTestContext gl(8, 8);
  ImageHolder holder;
  EXPECT_EQ(LoadResourceTexture(holder, 999), 0U);
  EXPECT_TRUE(holder.rgb.empty());

  EXPECT_NE(LoadResourceTexture(holder, resources::kPlotFontBitmapId), 0U);
  ASSERT_EQ(holder.width, 512);
  ASSERT_EQ(holder.height, 512);
  EXPECT_EQ(holder.rgb.size(), 786432U);
  // The picture's bottom row comes first, as GL reads texture rows.
  const std::optional<resources::Bitmap> picture = resources::LoadBitmap(resources::kPlotFontBitmapId);
  ASSERT_TRUE(picture);
  EXPECT_TRUE(std::equal(picture->rgb.end() - 512 * 3, picture->rgb.end(), holder.rgb.begin()));

  EXPECT_EQ(LoadResourceTexture(holder, 999), 0U);
  EXPECT_EQ(holder.width, 512);  // a failed load leaves the holder as it was
}

TEST(PlotFont, LoadsWithTheBitmapsCellSize) {
  testing::GlTestContext gl(8, 8);
  PlotFont font;
  EXPECT_FALSE(LoadPlotFont(font, 999));
  EXPECT_EQ(font.texture, 0U);
  ASSERT_TRUE(LoadPlotFont(font, resources::kPlotFontBitmapId));
  EXPECT_EQ(font.cellSize, 32U);
  EXPECT_NE(font.texture, 0U);
  EXPECT_EQ(font.wrapWidth, 640U);
}

}  // namespace
}  // namespace ductora::render
