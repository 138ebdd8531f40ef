#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ductora::testing {

// A PNG file's pixels at 8 bits in the file's own channels (1 gray, 2 gray + alpha, 3 RGB,
// 4 RGBA), rows top first.
struct PngImage {
  int width = 0;
  int height = 0;
  int channels = 0;
  std::vector<std::uint8_t> pixels;
};

// Empty when the file is not a readable PNG.
std::optional<PngImage> readPng(const std::string& path);

}  // namespace ductora::testing
