#pragma once

#include <cstdint>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora::render {

// The shade of one matrix sample between two limits: white (255) at and below the lower limit,
// black (0) at and above the upper one, linear between. Swapped limits make a threshold at the
// upper limit; equal limits a threshold too, the limit itself white.
std::uint8_t GrayShade(float sample, float upper, float lower);
// The same shade from 0 (black) to 1 (white), unrounded.
float GrayValue(float sample, float upper, float lower);

// A map image: one byte per sample, row r = revolution r, and within a row the samples in
// reverse order (the first byte is the revolution's last sample).
struct GrayImage {
  int width = 0;   // samples per revolution
  int height = 0;  // revolutions
  std::vector<std::uint8_t> pixels;

  bool empty() const { return pixels.empty(); }
};

// Empty where the pipe lacks the matrix.
GrayImage WallGrayImage(const WallMatrix& matrix, std::uint16_t upper, std::uint16_t lower);
GrayImage OdGrayImage(const OdMatrix& matrix, std::int16_t upper, std::int16_t lower);
// Shades the deviation from the pipe's mean ID, in thousandths, between the OD offset limits.
GrayImage IdGrayImage(const IdMatrix& matrix, std::int16_t upper, std::int16_t lower);

// The three maps of a pipe with its own limits.
GrayImage WallGrayImage(const PipeFile& pipe);
GrayImage OdGrayImage(const PipeFile& pipe);
GrayImage IdGrayImage(const PipeFile& pipe);

}  // namespace ductora::render
