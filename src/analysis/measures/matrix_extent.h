#pragma once

#include <algorithm>
#include <cstdint>

namespace ductora {

// Rows that are actually backed by data: a record read from a damaged file may declare more
// rows than its array holds, and every scan stops at the data.
template <typename Matrix>
std::uint32_t UsableRows(const Matrix& matrix) {
  if (matrix.columns == 0) {
    return 0;
  }
  const std::size_t backed = matrix.data.size() / matrix.columns;
  return static_cast<std::uint32_t>(std::min<std::size_t>(matrix.rows, backed));
}

}  // namespace ductora
