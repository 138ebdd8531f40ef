#include "bitmaps.h"

#include <png.h>

#include <span>

namespace ductora::resources {

// The PNG files of bitmaps/, compiled in by embed_file.cmake.
extern const std::span<const unsigned char> kWatermarkPng;
extern const std::span<const unsigned char> kPlotFontPng;
extern const std::span<const unsigned char> kGotoHelpPng;
extern const std::span<const unsigned char> kDataDisplayHelpPng;

namespace {

// Far above any picture of ours; keeps a damaged header from asking for a huge buffer.
constexpr png_uint_32 kMaxSide = 4096;

std::span<const unsigned char> EmbeddedPng(int id) {
  switch (id) {
    case kWatermarkBitmapId:
      return kWatermarkPng;
    case kPlotFontBitmapId:
      return kPlotFontPng;
    case kGotoHelpBitmapId:
      return kGotoHelpPng;
    case kDataDisplayHelpBitmapId:
      return kDataDisplayHelpPng;
    default:
      return {};
  }
}

std::optional<Bitmap> DecodePng(std::span<const unsigned char> png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  // libpng frees the image itself when a read call fails.
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return std::nullopt;
  if (image.width > kMaxSide || image.height > kMaxSide) {
    png_image_free(&image);
    return std::nullopt;
  }
  image.format = PNG_FORMAT_RGB;
  Bitmap bitmap{static_cast<int>(image.width), static_cast<int>(image.height),
                std::vector<std::uint8_t>(PNG_IMAGE_SIZE(image))};
  if (!png_image_finish_read(&image, nullptr, bitmap.rgb.data(), 0, nullptr)) return std::nullopt;
  return bitmap;
}

}  // namespace

std::optional<Bitmap> LoadBitmap(int id) {
  const std::span<const unsigned char> png = EmbeddedPng(id);
  if (png.empty()) return std::nullopt;
  return DecodePng(png);
}

}  // namespace ductora::resources
