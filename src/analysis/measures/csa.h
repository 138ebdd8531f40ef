#pragma once

#include <cstdint>
#include <span>

#include "data/format/pipe_file.h"

namespace ductora {

constexpr double kPi = 3.14159265358979;

// Nominal cross-sectional area pi t (D - t) and the area of every row: the column average of
// pi w (D - w), w = wall / 1000. Inches; the table's rows become the rows backed by data.
void ComputeCsaSeries(CsaTable& csa, double nominalOd, double nominalWall, std::uint32_t rows,
                      std::uint32_t columns, std::span<const std::uint16_t> data);

// The four stored CSA statistics (square inches) from the wall data read as signed thousandths;
// returns minCsa. With one row the standard deviation is 0; without data all four are 0.
double ComputeCsaStatistics(CsaTable& csa, double nominalOd, std::span<const std::uint16_t> data,
                            std::uint32_t rows, std::uint32_t columns);

}  // namespace ductora
