#include "analysis/rebuild/correction/no_reading.h"

#include <algorithm>

namespace ductora {

std::size_t ShortestNoReadingRun(std::size_t pitchSamples) { return std::max<std::size_t>(3, pitchSamples); }

SampleFlags FindNoReadingRuns(const ChannelReadings& readings, std::size_t shortest) {
  SampleFlags flags;
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

}  // namespace ductora
