#include "analysis/revolution_starts.h"

#include <algorithm>

namespace ductora {

void RecordRevolutionStarts(const RevolutionList& revolutions, RevolutionStartTable& starts) {
  const std::size_t count = std::min(revolutions.size(), starts.size());
  for (std::size_t i = 0; i < count; ++i) {
    starts[i] = revolutions[i].empty() ? 0 : revolutions[i].front().rotationCount;
  }
  std::fill(starts.begin() + static_cast<std::ptrdiff_t>(count), starts.end(), 0U);
}

std::int32_t AngleOfRotationCount(const RevolutionStartTable& starts, std::uint32_t count) {
  for (std::size_t i = 1; i < starts.size(); ++i) {
    if (starts[i] > count) {
      if (count < starts[i - 1]) {
        return 0;
      }
      const std::uint64_t into = count - starts[i - 1];
      const std::uint64_t span = starts[i] - starts[i - 1];
      return static_cast<std::int32_t>(into * 360 / span);
    }
  }
  return 0;
}

}  // namespace ductora
