#include "cli/output/png_file.h"

#include <png.h>

#include <vector>

#include "data/files/atomic_file.h"

namespace ductora::cli {

SaveResult writePngFile(const std::string& path, const PngPixels& pixels) {
  SaveResult result;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(pixels.width);
  image.height = static_cast<png_uint_32>(pixels.height);
  image.format = pixels.format == PngFormat::kRgb ? PNG_FORMAT_RGB : PNG_FORMAT_GRAY;
  // The pictures are rendered once and written once: speed matters more than a few bytes.
  image.flags = PNG_IMAGE_FLAG_FAST;
  if (pixels.bytes.size() < PNG_IMAGE_SIZE(image)) {
    result.error = "no picture to write";
    return result;
  }
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, pixels.bytes.data(), 0, nullptr)) {
    result.error = std::string("cannot encode the picture: ") + image.message;
    return result;
  }
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.bytes.data(), 0, nullptr)) {
    result.error = std::string("cannot encode the picture: ") + image.message;
    return result;
  }
  auto file = AtomicFile::create(path, result.error);
  if (!file) return result;
  if (!file->sink().write(std::span<const std::uint8_t>(png.data(), size))) {
    result.error = "cannot write the file";
    return result;
  }
  result.ok = file->commit(result.error);
  return result;
}

}  // namespace ductora::cli
