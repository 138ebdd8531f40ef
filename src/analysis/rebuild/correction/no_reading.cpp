#include "analysis/rebuild/correction/no_reading.h"

#include <algorithm>
#include <cmath>

namespace ductora {

std::size_t ShortestNoReadingRun(std::size_t pitchSamples) { return std::max<std::size_t>(3, pitchSamples); }

NoReadingSamples FindNoReadingRuns(const ChannelReadings& readings, std::size_t shortest) {
  NoReadingSamples flags;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const std::vector<std::int32_t>& turn = readings[i];
    for (std::size_t j = 0; j < turn.size();) {
      if (turn[j] != 0) {
        ++j;
        continue;
      }
      const std::size_t first = j;
      while (j < turn.size() && turn[j] == 0) ++j;
      if (j - first < shortest) continue;
      if (flags.empty()) {
        flags.resize(readings.size());
        for (std::size_t k = 0; k < readings.size(); ++k) flags[k].assign(readings[k].size(), 0);
      }
      std::fill(flags[i].begin() + static_cast<std::ptrdiff_t>(first),
                flags[i].begin() + static_cast<std::ptrdiff_t>(j), std::uint8_t{1});
    }
  }
  return flags;
}

void RemoveEmptyRevolutions(RevolutionList& revolutions, NoReadingSamples& flags) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < revolutions.size(); ++i) {
    if (revolutions[i].empty()) continue;
    if (kept != i) {
      revolutions[kept] = std::move(revolutions[i]);
      if (!flags.empty()) flags[kept] = std::move(flags[i]);
    }
    ++kept;
  }
  revolutions.resize(kept);
  if (!flags.empty()) flags.resize(kept);
}

std::vector<std::uint8_t> NoReadingCells(const RevolutionList& placed, const NoReadingSamples& flags,
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
