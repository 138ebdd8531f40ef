#include "analysis/rebuild/correction/run_evidence.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>

namespace ductora {

namespace {

// No readings that make a lost echo rather than a drop-out of a moment.
constexpr std::int64_t kLostEcho = 3;
// Samples beyond a run's edge that the level beside it may be taken from.
constexpr std::int64_t kBesideReach = 8;

std::int32_t At(const std::vector<std::int32_t>& turn, std::int64_t k) {
  return turn[static_cast<std::size_t>(k)];
}

// The median of the readings first..last (clipped to the turn), or none where fewer than `least`
// of them read.
std::optional<double> LevelOf(const std::vector<std::int32_t>& turn, std::int64_t first, std::int64_t last,
                              bool wall, std::size_t least) {
  std::vector<double> readings;
  for (std::int64_t k = std::max<std::int64_t>(0, first);
       k <= std::min<std::int64_t>(last, std::ssize(turn) - 1); ++k) {
    if (!wall || At(turn, k) != 0) readings.push_back(At(turn, k));
  }
  if (readings.size() < least) return std::nullopt;
  return MedianOf(std::move(readings));
}

}  // namespace

double ReadingScatter(const std::vector<std::int32_t>& turn, bool wall) {
  std::vector<double> steps;
  std::optional<std::int32_t> previous;
  for (const std::int32_t v : turn) {
    if (wall && v == 0) continue;
    if (previous) steps.push_back(std::abs(v - *previous));
    previous = v;
  }
  return std::max(1.0, 1.4826 * MedianOf(std::move(steps)) / std::numbers::sqrt2);
}

bool LostEchoAt(const std::vector<std::int32_t>& turn, std::int64_t k, std::int64_t shortest) {
  shortest = std::max(shortest, kLostEcho);
  const auto n = std::ssize(turn);
  std::int64_t first = k;
  std::int64_t last = k;
  while (first > 0 && At(turn, first - 1) == 0 && last - first + 1 < shortest) --first;
  while (last + 1 < n && At(turn, last + 1) == 0 && last - first + 1 < shortest) ++last;
  return last - first + 1 >= shortest;
}

std::int64_t ReadingsIn(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high,
                        bool wall) {
  const std::int64_t width = high - low + 1;
  return wall ? width - std::count(turn.begin() + low, turn.begin() + high + 1, 0) : width;
}

bool RepeatedReading(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high, bool wall) {
  std::optional<std::int32_t> value;
  int count = 0;
  for (std::int64_t k = low; k <= high; ++k) {
    const std::int32_t v = At(turn, k);
    if (wall && v == 0) continue;
    if (value && *value != v) return false;
    value = v;
    ++count;
  }
  return count >= 3;
}

bool LostEchoWithin(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high, bool wall) {
  if (!wall) return false;
  // Between the run's first and last readings: a drop-out beside a spike only touches it.
  while (low <= high && At(turn, low) == 0) ++low;
  while (high > low && At(turn, high) == 0) --high;
  return low < high && high - low + 1 - ReadingsIn(turn, low, high, wall) >= kLostEcho;
}

std::optional<double> LevelBeside(const std::vector<std::int32_t>& turn, std::int64_t from, std::int64_t to,
                                  bool wall) {
  const std::int64_t width = std::max<std::int64_t>(4, to - from + 1);
  std::vector<double> beside;
  for (std::int64_t k = std::max<std::int64_t>(0, from - width);
       k <= std::min(std::ssize(turn) - 1, to + width); ++k) {
    if ((k < from || k > to) && (!wall || At(turn, k) != 0)) beside.push_back(At(turn, k));
  }
  if (beside.size() < 3) return std::nullopt;
  return MedianOf(std::move(beside));
}

bool DipsThere(const std::vector<std::int32_t>& turn, std::int64_t from, std::int64_t to, std::int32_t sign,
               double scatter, bool wall) {
  const auto n = std::ssize(turn);
  const std::int64_t width = to - from + 1;
  std::vector<std::int32_t> inside;
  std::vector<std::int32_t> beside;
  for (std::int64_t k = std::max<std::int64_t>(0, from - width); k <= std::min(n - 1, to + width); ++k) {
    const std::int32_t v = At(turn, k);
    if (wall && v == 0) continue;
    (k >= from && k <= to ? inside : beside).push_back(v);
  }
  if (inside.size() < 3 || beside.size() < 4) return false;
  const double middle = MedianOf(beside);
  std::vector<double> deviations;
  for (const std::int32_t v : beside) deviations.push_back(std::abs(v - middle));
  // Never below the turn's: a reading stuck beside the place would make the spread there nothing.
  const double spread = std::max(scatter, 1.4826 * MedianOf(std::move(deviations)));
  const double standardError =
      1.25 * spread *
      std::sqrt(1.0 / static_cast<double>(inside.size()) + 1.0 / static_cast<double>(beside.size()));
  return sign * (MedianOf(std::move(inside)) - middle) > 4.0 * standardError;
}

bool RimThere(const std::vector<std::int32_t>& turn, std::int64_t from, std::int64_t to, std::int32_t sign,
              double scatter, bool wall) {
  const std::int64_t width = to - from + 1;
  const std::optional<double> before = LevelOf(turn, from - width, from - 1, wall, 2);
  const std::optional<double> after = LevelOf(turn, to + 1, to + width, wall, 2);
  if (!before && !after) return false;
  const double beside = before && after ? (*before + *after) / 2.0 : before ? *before : *after;
  const double threshold = 3.5 * scatter / std::numbers::sqrt2;
  // Both readings lie off, each by twice the scatter: one far off beside a good one is a fault.
  const auto off = [&](double reading) { return sign * (reading - beside) > 2.0 * scatter; };
  std::optional<std::int32_t> previous;
  for (std::int64_t k = std::max<std::int64_t>(0, from);
       k <= std::min<std::int64_t>(to, std::ssize(turn) - 1); ++k) {
    const std::int32_t v = At(turn, k);
    if (wall && v == 0) continue;
    if (previous && off(*previous) && off(v) && sign * ((*previous + v) / 2.0 - beside) > threshold)
      return true;
    previous = v;
  }
  return false;
}

bool GradedEdge(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high, int outward,
                double margin, bool wall) {
  const std::int64_t inner = outward < 0 ? low : high;
  // The level beside the run: three readings from the second sample out on (the first may be on
  // the slope), past any lost echoes beside a pit.
  std::vector<double> besides;
  for (std::int64_t k = inner + 2 * outward;
       k >= 0 && k < std::ssize(turn) && besides.size() < 3 && std::abs(k - inner) <= kBesideReach;
       k += outward) {
    if (!wall || At(turn, k) != 0) besides.push_back(At(turn, k));
  }
  const std::optional<double> own = LevelOf(turn, low, high, wall, 1);
  if (besides.size() < 2 || !own) return false;
  const double beside = MedianOf(std::move(besides));
  // The last reading outside, and the first two inside.
  for (const std::int64_t k : {inner + outward, inner, inner - outward}) {
    if (k < 0 || k >= std::ssize(turn) || k < low - 1 || k > high + 1 || (wall && At(turn, k) == 0)) continue;
    const double v = At(turn, k);
    if (std::min(v - std::min(beside, *own), std::max(beside, *own) - v) > margin) return true;
  }
  return false;
}

bool DeeperInTheMiddle(const std::vector<std::int32_t>& turn, std::int64_t low, std::int64_t high,
                       std::int32_t sign, double scatter, bool wall) {
  const std::int64_t quarter = (high - low + 1) / 4;
  if (quarter < 1) return false;
  double outer = 0.0;
  double middle = 0.0;
  std::size_t outerCount = 0;
  std::size_t middleCount = 0;
  for (std::int64_t k = low; k <= high; ++k) {
    if (wall && At(turn, k) == 0) continue;
    const bool isOuter = k < low + quarter || k > high - quarter;
    (isOuter ? outer : middle) += At(turn, k);
    ++(isOuter ? outerCount : middleCount);
  }
  if (outerCount < 2 || middleCount < 2) return false;
  const double deeper =
      sign * (middle / static_cast<double>(middleCount) - outer / static_cast<double>(outerCount));
  const double standardError =
      scatter * std::sqrt(1.0 / static_cast<double>(outerCount) + 1.0 / static_cast<double>(middleCount));
  return deeper > 3.5 * standardError;
}

}  // namespace ductora
