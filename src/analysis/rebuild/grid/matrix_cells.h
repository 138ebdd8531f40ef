#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace ductora {

enum class MatrixKind { kWall, kOd };

// A built matrix is refused beyond this many cells (256 MiB of 16-bit values); pipes need a few
// million at the finest settings.
constexpr std::uint64_t kMaxMatrixCells = std::uint64_t{1} << 27;

struct GridShape {
  std::uint32_t rows = 0;
  std::uint32_t columns = 0;
};

// rows = L / deltaX + 1 and columns = 360 / deltaY, truncated. A pipe of no positive length has
// one row. Pitches that are not positive and finite, fewer than one column or more than
// kMaxMatrixCells cells give no grid.
std::optional<GridShape> MatrixGridShape(double length, double deltaX, double deltaY);

// Truncated toward zero, the low 16 bits kept; a value that is not finite gives 0.
inline std::uint16_t LowSixteenBits(double value) {
  if (!std::isfinite(value)) {
    return 0;
  }
  const double whole = std::trunc(value);
  if (whole > -2147483648.0 && whole < 2147483648.0) {
    return static_cast<std::uint16_t>(static_cast<std::int32_t>(whole));
  }
  double low = std::fmod(whole, 65536.0);
  if (low < 0.0) {
    low += 65536.0;
  }
  return static_cast<std::uint16_t>(low);
}

// A cell from its axial and circumferential estimates. An estimate that is not finite (or an axial
// fit through coincident points, passed as NaN) is left out: the other one is used alone, and 0
// when neither is there. Wall: the truncated mean, or the circumferential value when the two
// differ by more than 20 after truncation. OD: the truncated mean. Low 16 bits of the result.
inline std::uint16_t CombineCell(MatrixKind kind, double axial, double circumferential) {
  constexpr std::int32_t kWallAgreement = 20;
  if (!std::isfinite(axial)) {
    return LowSixteenBits(circumferential);
  }
  if (!std::isfinite(circumferential)) {
    return LowSixteenBits(axial);
  }
  const std::uint16_t mean = LowSixteenBits((axial + circumferential) / 2.0);
  if (kind == MatrixKind::kOd) {
    return mean;
  }
  const std::int32_t d = static_cast<std::int16_t>(LowSixteenBits(axial)) -
                         static_cast<std::int16_t>(LowSixteenBits(circumferential));
  return d > kWallAgreement || d < -kWallAgreement ? LowSixteenBits(circumferential) : mean;
}

}  // namespace ductora
