#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "data/format/pipe_file.h"

namespace ductora {

// Inches as encoder counts, truncated and held to 0..2^32-1 (NaN gives 0).
inline std::uint32_t CountsOfInches(double inches) {
  const double counts = std::trunc(inches * kCountsPerInch);
  if (!(counts > 0.0)) {
    return 0;
  }
  constexpr double kHighest = std::numeric_limits<std::uint32_t>::max();
  return counts >= kHighest ? std::numeric_limits<std::uint32_t>::max() : static_cast<std::uint32_t>(counts);
}

}  // namespace ductora
