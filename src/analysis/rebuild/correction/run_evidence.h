#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace ductora {

// What the readings of one turn say about a run of readings that jumps away: the pieces of
// evidence the corroborated jump filter weighs. A turn is its readings as the gauge gave them;
// on a wall channel 0 is no reading and is left out of every level.

// The middle value (the upper middle of an even count); a default value when there is none.
template <typename T>
T MedianOf(std::vector<T> values) {
  if (values.empty()) return T{};
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// The scatter of one reading, from the median step between neighbouring readings: a normal spread
// whose steps have that median. A reading is whole thousandths, so never below 1.
double ReadingScatter(const std::vector<std::int32_t>& turn, bool wall);

// Whether sample k lies in a run of at least `shortest` no readings (3 at the least: shorter is a
// drop-out of a moment, anywhere).
bool LostEchoAt(const std::vector<std::int32_t>& turn, std::int64_t k, std::int64_t shortest = 3);
// The samples of low..high that read: on a wall channel, those that are not 0.
std::int64_t ReadingsIn(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high,
                        bool wall);
// Whether readings low..high (lost echoes aside) are at least three, all of one value.
bool RepeatedReading(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high, bool wall);
// Whether a wall run low..high lost its echo at three samples or more between its first and last
// readings, as over a pit.
bool LostEchoWithin(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high, bool wall);

// The median of the readings beside from..to, as many either side as it holds (at least 4); none
// where fewer than 3 of them read.
std::optional<double> LevelBeside(const std::vector<std::int32_t>& turn, std::int64_t from, std::int64_t to,
                                  bool wall);

// Whether readings from..to lie the given way (sign) from as many readings either side of them by
// more than their spread explains (four standard errors of the medians; the spread beside them,
// never below `scatter`): the rim of a pit another turn crosses deeper. Medians, so that a spike of
// this turn does not count.
bool DipsThere(const std::vector<std::int32_t>& turn, std::int64_t from, std::int64_t to, std::int32_t sign,
               double scatter, bool wall);

// Whether two neighbouring readings within from..to lie the given way from the readings beside
// them by more than 3.5 standard errors of `scatter`, each by more than twice it: the narrow rim of
// a pit another turn crosses deeper, too short for the medians of DipsThere.
bool RimThere(const std::vector<std::int32_t>& turn, std::int64_t from, std::int64_t to, std::int32_t sign,
              double scatter, bool wall);

// Whether the run low..high steps from the level beside it to its own over more than one sample at
// the edge on the side `outward` (-1 before low, +1 after high): the last reading outside or one
// of the first two inside lies between the two levels, clear of each by `margin`. The
// level beside is taken past any lost echoes next to the run. The sloped side of
// a real loss, seen by a beam of some width, passes readings part way; a gauge that takes a wrong
// echo switches from one sample to the next.
bool GradedEdge(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high, int outward,
                double margin, bool wall);

// Whether the run low..high departs further (the `sign` way) in its middle half than in its outer
// quarters, by more than 3.5 standard errors of `scatter`: the bowl of a pit, which deepens from its
// rim, where a wrong echo moves every reading of the run alike.
bool DeeperInTheMiddle(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high,
                       std::int32_t sign, double scatter, bool wall);

}  // namespace ductora
