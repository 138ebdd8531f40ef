#include "analysis/queries/id_range_queries.h"

#include "analysis/measures/matrix_extent.h"
#include "analysis/queries/range_scan.h"

namespace ductora {

namespace {

struct IdRange {
  DisplayRows mapping;
  RowRange range;
};

// The ID matrix is built in display order (row r is display row r at the OD pitch, columns as
// shown), so its rows and columns are display places as they stand: a wall start, a reversed or
// a mirrored pipe moves nothing here.
IdRange OverId(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const std::int64_t rows = UsableRows(pipe.idMatrix);
  const DisplayRows mapping{.offset = 0, .rows = rows, .lastIndex = rows - 1};
  return {mapping, NormalizeRange(from, to, mapping, RangeMapping::kEndOnly)};
}

template <typename Better>
CellLocation FindIdCell(const PipeFile& pipe, std::int32_t from, std::int32_t to, double start,
                        Better better) {
  const IdMatrix& id = pipe.idMatrix;
  const IdRange s = OverId(pipe, from, to);
  const auto valueAt = [&id](std::int64_t r, std::int64_t c) {
    return static_cast<double>(id.at(static_cast<std::size_t>(r), static_cast<std::size_t>(c)));
  };
  const ScanPick pick = PickFromStart(s.range, id.columns, start, valueAt, better);
  return ToCellLocation(pick, s.range, s.mapping, id.columns, 1.0 / 1000.0);
}

}  // namespace

CellLocation MaxIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return FindIdCell(pipe, from, to, 0.0, Higher{});
}

CellLocation MinIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return FindIdCell(pipe, from, to, 50000.0,
                    [](double value, double best) { return value < best && value > 0.0; });
}

double AverageId(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const IdMatrix& id = pipe.idMatrix;
  const IdRange s = OverId(pipe, from, to);
  // Whole numbers summed exactly, without a branch: the ID plot asks for this every frame.
  std::int64_t sum = 0;
  std::int64_t count = 0;
  const std::size_t end = static_cast<std::size_t>(s.range.last) * id.columns;
  for (std::size_t i = static_cast<std::size_t>(s.range.first) * id.columns; i < end; ++i) {
    const std::int32_t value = id.data[i];
    const bool counted = value >= 1;
    sum += counted ? value : 0;
    count += counted ? 1 : 0;
  }
  return count > 0 ? static_cast<double>(sum) / (static_cast<double>(count) * 1000.0) : 0.0;
}

}  // namespace ductora
