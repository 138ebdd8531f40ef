#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ductora {

// Single-precision inches to thousandths, truncated toward zero and held inside the target type
// (converting a float outside its range would be undefined). The product is taken in single
// precision so that, e.g., 1.9F gives 1900 and not 1899.
template <typename Integer>
Integer TruncateToMils(float inches) {
  const double mils = std::trunc(static_cast<double>(inches * 1000.0F));
  if (std::isnan(mils)) {
    return 0;
  }
  constexpr double kLowest = static_cast<double>(std::numeric_limits<Integer>::lowest());
  constexpr double kHighest = static_cast<double>(std::numeric_limits<Integer>::max());
  return static_cast<Integer>(std::clamp(mils, kLowest, kHighest));
}

}  // namespace ductora
