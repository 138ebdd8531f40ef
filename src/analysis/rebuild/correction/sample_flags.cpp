#include "analysis/rebuild/correction/sample_flags.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ductora {

void RemoveEmptyRevolutions(RevolutionList& revolutions, std::initializer_list<SampleFlags*> flags) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < revolutions.size(); ++i) {
    if (revolutions[i].empty()) continue;
    if (kept != i) {
      revolutions[kept] = std::move(revolutions[i]);
      for (SampleFlags* each : flags) {
        if (!each->empty()) (*each)[kept] = std::move((*each)[i]);
      }
    }
    ++kept;
  }
  revolutions.resize(kept);
  for (SampleFlags* each : flags) {
    if (!each->empty()) each->resize(kept);
  }
}

std::vector<std::uint8_t> FlaggedCells(const RevolutionList& placed, const SampleFlags& flags,
                                       std::uint32_t rows, std::uint32_t columns, double deltaX,
                                       double deltaY) {
  std::vector<std::uint8_t> cells(std::size_t{rows} * columns, 0);
  if (flags.empty() || placed.empty()) return cells;
  for (std::uint32_t c = 0; c < columns; ++c) {
    const double share = std::min(1.0, c * deltaY / 360.0);
    const auto sampleAt = [&](std::size_t i) {
      return static_cast<std::size_t>(std::lround(share * static_cast<double>(placed[i].size() - 1)));
    };
    std::size_t i = 0;
    for (std::uint32_t r = 0; r < rows; ++r) {
      const double x = r * deltaX;
      // Turns pass the angle further along the pipe one after another: walk forward while the next
      // passes nearer.
      while (i + 1 < placed.size() && std::abs(placed[i + 1][sampleAt(i + 1)].position - x) <=
                                          std::abs(placed[i][sampleAt(i)].position - x)) {
        ++i;
      }
      cells[std::size_t{r} * columns + c] = flags[i][sampleAt(i)];
    }
  }
  return cells;
}

}  // namespace ductora
