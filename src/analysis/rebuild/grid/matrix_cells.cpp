#include "analysis/rebuild/grid/matrix_cells.h"

#include <cmath>

namespace ductora {

std::optional<GridShape> MatrixGridShape(double length, double deltaX, double deltaY) {
  if (!(deltaX > 0.0) || !(deltaY > 0.0) || !std::isfinite(deltaX) || !std::isfinite(deltaY) ||
      !std::isfinite(length)) {
    return std::nullopt;
  }
  const double columns = std::floor(360.0 / deltaY);
  const double rows = length > 0.0 ? std::floor(length / deltaX) + 1.0 : 1.0;
  if (columns < 1.0 || rows * columns > static_cast<double>(kMaxMatrixCells)) {
    return std::nullopt;
  }
  return GridShape{static_cast<std::uint32_t>(rows), static_cast<std::uint32_t>(columns)};
}

}  // namespace ductora
