#include "support/png_read.h"

#include <png.h>

namespace ductora::testing {

std::optional<PngImage> readPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format &= ~(PNG_FORMAT_FLAG_COLORMAP | PNG_FORMAT_FLAG_LINEAR);
  PngImage result{static_cast<int>(image.width), static_cast<int>(image.height),
                  static_cast<int>(PNG_IMAGE_SAMPLE_CHANNELS(image.format)),
                  std::vector<std::uint8_t>(PNG_IMAGE_SIZE(image))};
  if (!png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr)) return std::nullopt;
  return result;
}

}  // namespace ductora::testing
