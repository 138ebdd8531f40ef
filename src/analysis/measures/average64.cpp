#include "analysis/measures/average64.h"

#include <algorithm>

namespace ductora {

namespace {

// First row of the window that smooths entry i of a series of `rows` entries.
std::int64_t WindowStart(std::int64_t i, std::int64_t rows) {
  const std::int64_t tail = rows - kAverageWindow - 1;  // first entry taken from the backward windows
  const std::int64_t start = i < tail ? i : 2 * rows - 2 * kAverageWindow - 1 - i;
  return std::clamp<std::int64_t>(start, 0, std::max<std::int64_t>(rows - kAverageWindow, 0));
}

}  // namespace

std::vector<double> MinWallAverage64(const WallMatrix& wall) {
  const auto& source = wall.minWallPerRev;
  const auto rows = static_cast<std::int64_t>(source.size());
  std::vector<double> smoothed(source.size());
  // The window slides one row at a time, forward and then back, so its sum is kept by adding and
  // dropping rows at its ends; whole thousandths sum exactly, and the plot that draws this every
  // frame allocates nothing beyond the series.
  std::int64_t windowFirst = 0;
  std::int64_t windowEnd = 0;
  std::int64_t sum = 0;
  const auto at = [&source](std::int64_t row) { return std::int64_t{source[static_cast<std::size_t>(row)]}; };
  for (std::int64_t i = 0; i + 1 < rows; ++i) {
    const std::int64_t first = WindowStart(i, rows);
    const std::int64_t end = std::min(first + kAverageWindow, rows);
    while (windowEnd < end) sum += at(windowEnd++);
    while (windowFirst > first) sum += at(--windowFirst);
    while (windowEnd > end) sum -= at(--windowEnd);
    while (windowFirst < first) sum -= at(windowFirst++);
    smoothed[static_cast<std::size_t>(i)] =
        static_cast<double>(sum) / 1000.0 / static_cast<double>(end - first);
  }
  if (rows > 0) {
    smoothed.back() = source.back() / 1000.0;
  }
  return smoothed;
}

}  // namespace ductora
