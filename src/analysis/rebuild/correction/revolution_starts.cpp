#include "analysis/rebuild/correction/revolution_starts.h"

#include <algorithm>

namespace ductora {

void RecordRevolutionStarts(const RevolutionList& revolutions, RevolutionStartTable& starts) {
  const std::size_t count = std::min(revolutions.size(), starts.size());
  for (std::size_t i = 0; i < count; ++i) {
    starts[i] = revolutions[i].empty() ? 0 : revolutions[i].front().rotationCount;
  }
  std::fill(starts.begin() + static_cast<std::ptrdiff_t>(count), starts.end(), 0U);
}

}  // namespace ductora
