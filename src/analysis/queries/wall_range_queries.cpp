#include "analysis/queries/wall_range_queries.h"

#include "analysis/queries/range_scan.h"

namespace ductora {

namespace {

template <typename Within, typename Better>
CellLocation FindWallCell(const PipeFile& pipe, std::int32_t from, std::int32_t to, Within within,
                          Better better) {
  const WallMatrix& wall = pipe.wallMatrix;
  const DisplayRows mapping = WallDisplayRows(pipe);
  const RowRange range = NormalizeRange(from, to, mapping, RangeMapping::kBothEnds);
  const auto valueAt = [&wall](std::int64_t r, std::int64_t c) {
    return static_cast<double>(wall.at(static_cast<std::size_t>(r), static_cast<std::size_t>(c)));
  };
  const ScanPick pick = PickBounded(range, wall.columns, valueAt, within, better);
  return ToCellLocation(pick, range, mapping, wall.columns, 1.0 / 1000.0);
}

}  // namespace

CellLocation MinWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return FindWallCell(pipe, from, to, Above{threshold}, Lower{});
}

CellLocation MaxWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return FindWallCell(pipe, from, to, Below{threshold}, Higher{});
}

double MinWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MinWallLocation(pipe, from, to, threshold).value;
}

double MaxWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MaxWallLocation(pipe, from, to, threshold).value;
}

double AverageWall(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const WallMatrix& wall = pipe.wallMatrix;
  const RowRange range = NormalizeRange(from, to, WallDisplayRows(pipe), RangeMapping::kBothEnds);
  const std::size_t begin = static_cast<std::size_t>(range.first) * wall.columns;
  const std::size_t end = static_cast<std::size_t>(range.last) * wall.columns;
  if (end == begin) {
    return 0.0;
  }
  double sum = 0.0;
  for (std::size_t i = begin; i < end; ++i) {
    sum += wall.data[i];
  }
  return sum / static_cast<double>(end - begin) / 1000.0;
}

}  // namespace ductora
