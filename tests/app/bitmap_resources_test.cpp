#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "resources/bitmaps.h"

namespace ductora::testing {
namespace {

using resources::Bitmap;
using resources::LoadBitmap;

constexpr int kCell = 32;
constexpr int kGrid = 16;
constexpr int kFirstCode = 32;
constexpr int kLastPrintable = 126;
constexpr int kDegreeCode = 33;

std::uint8_t Red(const Bitmap& bitmap, int x, int y) {
  return bitmap.rgb[3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width) +
                         static_cast<std::size_t>(x))];
}

int LitPixelsOfCell(const Bitmap& font, int code) {
  const int k = code - kFirstCode;
  int lit = 0;
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) lit += Red(font, (k % kGrid) * kCell + x, (k / kGrid) * kCell + y) != 0;
  }
  return lit;
}

// A glyph as it reads when drawn size pixels high: its cell averaged over size x size boxes, a
// pixel lit where the glyph covers at least half of it. Row-major, top row first.
std::vector<bool> Reduced(const Bitmap& font, int code, int size) {
  const double box = static_cast<double>(kCell) / size;
  // weight[i][s]: how much of source pixel s falls into output pixel i.
  std::vector<std::vector<double>> weight(size, std::vector<double>(kCell, 0.0));
  for (int i = 0; i < size; ++i) {
    for (int s = 0; s < kCell; ++s)
      weight[i][s] = std::max(0.0, std::min(s + 1.0, (i + 1) * box) - std::max<double>(s, i * box));
  }
  const int k = code - kFirstCode;
  std::vector<bool> glyph;
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      double sum = 0;
      for (int y = 0; y < kCell; ++y) {
        if (weight[row][y] == 0) continue;
        for (int x = 0; x < kCell; ++x)
          sum += weight[row][y] * weight[column][x] *
                 Red(font, (k % kGrid) * kCell + x, (k / kGrid) * kCell + y);
      }
      glyph.push_back(sum / (box * box) >= 127.5);
    }
  }
  return glyph;
}

std::string Shown(int code) {
  return code == kDegreeCode ? "degree sign" : std::string("'") + char(code) + "'";
}

TEST(PlotFontBitmap, IsAGridOfWhiteGlyphsOnBlackForEveryPrintableCharacter) {
  const auto font = LoadBitmap(resources::kPlotFontBitmapId);
  ASSERT_TRUE(font);
  ASSERT_EQ(font->width, 512);
  ASSERT_EQ(font->height, 512);
  ASSERT_EQ(font->rgb.size(), 786432u);
  // The font loader inverts only bytes that are exactly 0 or 255.
  for (std::size_t i = 0; i < font->rgb.size(); i += 3) {
    const std::uint8_t r = font->rgb[i];
    ASSERT_TRUE((r == 0 || r == 255) && font->rgb[i + 1] == r && font->rgb[i + 2] == r) << "pixel " << i / 3;
  }
  EXPECT_EQ(LitPixelsOfCell(*font, ' '), 0);
  for (int code = kFirstCode + 1; code <= kLastPrintable; ++code)
    EXPECT_GT(LitPixelsOfCell(*font, code), 0) << Shown(code);
  for (int code = kLastPrintable + 1; code < kFirstCode + kGrid * kGrid; ++code)
    EXPECT_EQ(LitPixelsOfCell(*font, code), 0) << "code " << code;
}

// Plot labels are drawn 10 to 12 pixels high from the 32-pixel cells.
TEST(PlotFontBitmap, GlyphsStayLegibleTenAndTwelvePixelsHigh) {
  const auto font = LoadBitmap(resources::kPlotFontBitmapId);
  ASSERT_TRUE(font);
  // A comma and a full stop differ by little more than the comma's tail.
  for (const auto& [size, minDiffering] : {std::pair{10, 2}, std::pair{12, 3}}) {
    SCOPED_TRACE(::testing::Message() << size << " pixels high");
    std::vector<std::vector<bool>> glyphs;
    for (int code = kFirstCode + 1; code <= kLastPrintable; ++code) {
      glyphs.push_back(Reduced(*font, code, size));
      EXPECT_NE(std::ranges::count(glyphs.back(), true), 0) << Shown(code) << " vanishes";
    }
    for (std::size_t a = 0; a < glyphs.size(); ++a) {
      for (std::size_t b = a + 1; b < glyphs.size(); ++b) {
        int differing = 0;
        for (std::size_t i = 0; i < glyphs[a].size(); ++i) differing += glyphs[a][i] != glyphs[b][i];
        EXPECT_GE(differing, minDiffering) << Shown(kFirstCode + 1 + static_cast<int>(a)) << " and "
                                           << Shown(kFirstCode + 1 + static_cast<int>(b));
      }
    }
    // The degree sign: a small blob in the upper half, not an exclamation mark.
    const std::vector<bool>& degree = glyphs.front();
    int lit = 0;
    for (int row = 0; row < size; ++row) {
      for (int column = 0; column < size; ++column) {
        if (!degree[static_cast<std::size_t>(row * size + column)]) continue;
        ++lit;
        EXPECT_LT(row, size / 2) << "column " << column;
      }
    }
    EXPECT_LE(lit, size * size / 8);
  }
}

TEST(WatermarkBitmap, IsLightMarksOnBlack) {
  const auto watermark = LoadBitmap(resources::kWatermarkBitmapId);
  ASSERT_TRUE(watermark);
  ASSERT_EQ(watermark->width, 500);
  ASSERT_EQ(watermark->height, 170);
  ASSERT_EQ(watermark->rgb.size(), 500u * 170u * 3u);
  // It is added onto the pipe view, so its ground must be black and its marks light.
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{499, 0}, std::pair{0, 169}, std::pair{499, 169}})
    EXPECT_EQ(Red(*watermark, x, y), 0) << x << "," << y;
  const auto light = std::ranges::count_if(watermark->rgb, [](std::uint8_t v) { return v >= 192; });
  EXPECT_GT(light, static_cast<std::ptrdiff_t>(watermark->rgb.size() / 20));
}

TEST(BitmapResources, TheHelpPicturesHaveTheirSizes) {
  for (const auto& [id, width, height] : {std::tuple{resources::kGotoHelpBitmapId, 491, 416},
                                          std::tuple{resources::kDataDisplayHelpBitmapId, 652, 490}}) {
    const auto picture = LoadBitmap(id);
    ASSERT_TRUE(picture) << id;
    EXPECT_EQ(picture->width, width);
    EXPECT_EQ(picture->height, height);
  }
}

TEST(BitmapResources, AnIdWithoutAPictureGivesNothing) {
  for (const int id : {-1, 0, 137, 142}) EXPECT_FALSE(LoadBitmap(id)) << id;
}

}  // namespace
}  // namespace ductora::testing
