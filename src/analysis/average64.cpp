#include "analysis/average64.h"

#include <algorithm>

#include "analysis/range_scan.h"

namespace ductora {

namespace {

// First row of the window that smooths entry i of a series of `rows` entries.
std::int64_t WindowStart(std::int64_t i, std::int64_t rows) {
  const std::int64_t tail = rows - kAverageWindow - 1;  // first entry taken from the backward windows
  const std::int64_t start = i < tail ? i : 2 * rows - 2 * kAverageWindow - 1 - i;
  return std::clamp<std::int64_t>(start, 0, std::max<std::int64_t>(rows - kAverageWindow, 0));
}

struct SmoothedRange {
  std::vector<double> series;
  DisplayRows mapping;
  RowRange range;
};

SmoothedRange OverSmoothed(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  SmoothedRange s{MinWallAverage64(pipe.wallMatrix), {}, {}};
  s.mapping = MakeDisplayRows(pipe, pipe.wallMatrix.deltaX, static_cast<std::int64_t>(s.series.size()));
  s.range = NormalizeRange(from, to, s.mapping, RangeMapping::kBothEnds);
  return s;
}

template <typename Better>
ScanPick Pick(const SmoothedRange& s, double start, Better better) {
  return PickFromStart(s.range, 1, start, SeriesEntries(s.series), better);
}

}  // namespace

std::vector<double> MinWallAverage64(const WallMatrix& wall) {
  const auto& source = wall.minWallPerRev;
  const auto rows = static_cast<std::int64_t>(source.size());
  // Whole thousandths sum exactly; one prefix pass makes every window O(1).
  std::vector<std::int64_t> prefix(source.size() + 1, 0);
  for (std::size_t i = 0; i < source.size(); ++i) {
    prefix[i + 1] = prefix[i] + source[i];
  }
  std::vector<double> smoothed(source.size());
  for (std::int64_t i = 0; i + 1 < rows; ++i) {
    const std::int64_t first = WindowStart(i, rows);
    const std::int64_t last = std::min(first + kAverageWindow, rows);
    const auto sum =
        static_cast<double>(prefix[static_cast<std::size_t>(last)] - prefix[static_cast<std::size_t>(first)]);
    smoothed[static_cast<std::size_t>(i)] = sum / 1000.0 / static_cast<double>(last - first);
  }
  if (rows > 0) {
    smoothed.back() = source.back() / 1000.0;
  }
  return smoothed;
}

RowLocation Min64Location(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const SmoothedRange s = OverSmoothed(pipe, from, to);
  return ToRowLocation(Pick(s, kNoLimit, Lower{}), s.range, s.mapping, 1.0);
}

RowLocation Max64Location(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const SmoothedRange s = OverSmoothed(pipe, from, to);
  return ToRowLocation(Pick(s, -kNoLimit, Higher{}), s.range, s.mapping, 1.0);
}

double Min64Value(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const SmoothedRange s = OverSmoothed(pipe, from, to);
  return PickedValue(Pick(s, 3000.0, Lower{}), 1.0);
}

double Max64Value(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const SmoothedRange s = OverSmoothed(pipe, from, to);
  return PickedValue(Pick(s, -kNoLimit, Higher{}), 1.0);
}

double Average64(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const SmoothedRange s = OverSmoothed(pipe, from, to);
  return s.range.empty() ? 0.0 : SumRows(s.series, s.range) / static_cast<double>(s.range.size());
}

}  // namespace ductora
