#include "render/maps/gray_scale.h"

#include <cstddef>

namespace ductora::render {
namespace {

template <typename Sample, typename ToValue>
GrayImage ShadeRows(const std::vector<Sample>& data, std::uint32_t rows, std::uint32_t columns, float upper,
                    float lower, ToValue toValue) {
  GrayImage image;
  if (data.empty() || rows == 0 || columns == 0 || data.size() < std::size_t{rows} * columns) return image;
  image.width = static_cast<int>(columns);
  image.height = static_cast<int>(rows);
  image.pixels.resize(std::size_t{rows} * columns);
  for (std::size_t r = 0; r < rows; ++r) {
    const Sample* row = data.data() + r * columns;
    std::uint8_t* out = image.pixels.data() + r * columns;
    for (std::size_t s = 0; s < columns; ++s) out[columns - 1 - s] = GrayShade(toValue(row[s]), upper, lower);
  }
  return image;
}

}  // namespace

std::uint8_t GrayShade(float sample, float upper, float lower) {
  return static_cast<std::uint8_t>(GrayValue(sample, upper, lower) * 255.0F);
}

float GrayValue(float sample, float upper, float lower) {
  // The clamps come first, so equal limits never divide zero by zero.
  if (sample > upper) return 0.0F;
  if (sample < lower || upper == lower) return 1.0F;
  return (upper - sample) / (upper - lower);
}

GrayImage WallGrayImage(const WallMatrix& matrix, std::uint16_t upper, std::uint16_t lower) {
  return ShadeRows(matrix.data, matrix.rows, matrix.columns, upper, lower,
                   [](std::uint16_t sample) { return static_cast<float>(sample); });
}

GrayImage OdGrayImage(const OdMatrix& matrix, std::int16_t upper, std::int16_t lower) {
  return ShadeRows(matrix.data, matrix.rows, matrix.columns, upper, lower,
                   [](std::int16_t sample) { return static_cast<float>(sample); });
}

GrayImage IdGrayImage(const IdMatrix& matrix, std::int16_t upper, std::int16_t lower) {
  const double mean = 1000.0 * matrix.avgId;
  return ShadeRows(matrix.data, matrix.rows, matrix.columns, upper, lower,
                   [mean](std::int16_t sample) { return static_cast<float>(sample - mean); });
}

GrayImage WallGrayImage(const PipeFile& pipe) {
  return WallGrayImage(pipe.wallMatrix, pipe.header.upperWall, pipe.header.lowerWall);
}

GrayImage OdGrayImage(const PipeFile& pipe) {
  return OdGrayImage(pipe.odMatrix, pipe.header.upperOdOffset, pipe.header.lowerOdOffset);
}

GrayImage IdGrayImage(const PipeFile& pipe) {
  return IdGrayImage(pipe.idMatrix, pipe.header.upperOdOffset, pipe.header.lowerOdOffset);
}

}  // namespace ductora::render
