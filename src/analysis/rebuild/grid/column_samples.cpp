#include "analysis/rebuild/grid/column_samples.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "analysis/rebuild/grid/vector_kernels.h"

namespace ductora {

namespace {

// Samples spread evenly around a revolution are found from a guess, every column on its own, so
// that no column waits for the one before.
bool FindInRisingAngles(const std::vector<double>& angles, std::size_t count,
                        const std::vector<double>& columnAngles, std::vector<std::size_t>& out) {
  constexpr std::size_t kMostForVectors = std::size_t{1} << 30;
  const double first = angles[0];
  const double span = angles[count - 1] - first;
  if (!(span > 0.0)) {
    return false;
  }
  const double perDegree = static_cast<double>(count - 1) / span;
  // A span so small that this overflows would make the guesses NaN.
  if (!std::isfinite(perDegree)) {
    return false;
  }
  if (count < kMostForVectors &&
      FindSamplesNearGuesses(angles.data(), static_cast<std::int32_t>(count), first, perDegree,
                             columnAngles.data(), columnAngles.size(), out.data())) {
    return true;
  }
  // Some guess missed (samples crowded somewhere): a plain search for every column.
  const auto end = angles.begin() + static_cast<std::ptrdiff_t>(count);
  for (std::size_t c = 0; c < columnAngles.size(); ++c) {
    const auto j =
        static_cast<std::size_t>(std::lower_bound(angles.begin(), end, columnAngles[c]) - angles.begin());
    out[c] = std::min(j, count - 1);
  }
  return true;
}

// Column angles rise, so the first sample at or beyond them never moves back, whatever order the
// sample angles are in; the usual one or two steps per column are taken without branches.
void FindByCursor(const std::vector<double>& angles, std::size_t count,
                  const std::vector<double>& columnAngles, std::vector<std::size_t>& out) {
  std::size_t cursor = 0;
  for (std::size_t c = 0; c < columnAngles.size(); ++c) {
    const double a = columnAngles[c];
    const bool first = angles[cursor] < a;
    const bool second = angles[cursor + 1] < a;
    cursor += static_cast<std::size_t>(first) + static_cast<std::size_t>(first && second);
    while (angles[cursor] < a) {
      ++cursor;
    }
    out[c] = std::min(cursor, count - 1);
  }
}

}  // namespace

void FindColumnSamples(const std::vector<double>& angles, std::size_t count,
                       const std::vector<double>& columnAngles, std::vector<std::size_t>& out) {
  out.resize(columnAngles.size());
  const auto end = angles.begin() + static_cast<std::ptrdiff_t>(count);
  // The window needs three samples besides the two infinities.
  if (count >= 3 && std::is_sorted(angles.begin(), end) &&
      FindInRisingAngles(angles, count, columnAngles, out)) {
    return;
  }
  FindByCursor(angles, count, columnAngles, out);
}

}  // namespace ductora
