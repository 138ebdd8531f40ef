#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "data/format/pipe_file_io.h"

namespace ductora::cli {

enum class PngFormat { kGray, kRgb };

// Tightly packed 8-bit rows, top row first.
struct PngPixels {
  int width = 0;
  int height = 0;
  PngFormat format = PngFormat::kGray;
  std::span<const std::uint8_t> bytes;
};

// Encodes the picture and writes it to exactly path through a temporary file beside it, so a
// failure leaves path as it was.
SaveResult writePngFile(const std::string& path, const PngPixels& pixels);

}  // namespace ductora::cli
