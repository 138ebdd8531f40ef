#include "analysis/queries/od_range_queries.h"

#include "analysis/measures/matrix_extent.h"
#include "analysis/queries/range_scan.h"

namespace ductora {

namespace {

struct OdRange {
  DisplayRows mapping;
  RowRange range;
  std::int64_t half = 0;
};

OdRange OverOdPairs(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const DisplayRows mapping = MakeUnshiftedRows(pipe, UsableRows(pipe.odMatrix));
  return {mapping, NormalizeRange(from, to, mapping, RangeMapping::kNone), pipe.odMatrix.columns / 2};
}

template <typename Within, typename Better>
CellLocation FindOdPair(const PipeFile& pipe, std::int32_t from, std::int32_t to, Within within,
                        Better better) {
  const OdMatrix& od = pipe.odMatrix;
  const OdRange s = OverOdPairs(pipe, from, to);
  const auto pairAt = [&od, half = s.half](std::int64_t r, std::int64_t c) {
    const auto row = static_cast<std::size_t>(r);
    return static_cast<double>(od.at(row, static_cast<std::size_t>(c)) +
                               od.at(row, static_cast<std::size_t>(c + half)));
  };
  const ScanPick pick = PickBounded(s.range, s.half, pairAt, within, better);
  return ToCellLocation(pick, s.range, s.mapping, od.columns, 1.0);
}

DisplayRows OvalityRows(const PipeFile& pipe) {
  return MakeUnshiftedRows(pipe, static_cast<std::int64_t>(pipe.odMatrix.ovalityPerRev.size()));
}

template <typename Within, typename Better>
RowLocation FindOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, Within within,
                        Better better) {
  const DisplayRows mapping = OvalityRows(pipe);
  const RowRange range = NormalizeRange(from, to, mapping, RangeMapping::kNone);
  const ScanPick pick = PickBounded(range, 1, SeriesEntries(pipe.odMatrix.ovalityPerRev), within, better);
  return ToRowLocation(pick, range, mapping, 1.0);
}

}  // namespace

CellLocation MinOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return FindOdPair(pipe, from, to, Above{threshold}, Lower{});
}

CellLocation MaxOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return FindOdPair(pipe, from, to, Below{threshold}, Higher{});
}

double MinOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MinOdLocation(pipe, from, to, threshold).value;
}

double MaxOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MaxOdLocation(pipe, from, to, threshold).value;
}

double AverageOdPair(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const OdMatrix& od = pipe.odMatrix;
  const OdRange s = OverOdPairs(pipe, from, to);
  if (s.range.empty() || s.half == 0) {
    return 0.0;
  }
  double sum = 0.0;
  for (std::int64_t r = s.range.first; r < s.range.last; ++r) {
    const std::int16_t* cells = od.data.data() + static_cast<std::size_t>(r) * od.columns;
    for (std::int64_t c = 0; c < s.half; ++c) {
      sum += cells[c] + cells[c + s.half];
    }
  }
  return sum / static_cast<double>(s.range.size() * s.half);
}

RowLocation MinOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return FindOvality(pipe, from, to, Above{threshold}, Lower{});
}

RowLocation MaxOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return FindOvality(pipe, from, to, Below{threshold}, Higher{});
}

double MinOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MinOvalityLocation(pipe, from, to, threshold).value;
}

double MaxOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MaxOvalityLocation(pipe, from, to, threshold).value;
}

double AverageOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const RowRange range = NormalizeRange(from, to, OvalityRows(pipe), RangeMapping::kNone);
  if (range.empty()) {
    return 0.0;
  }
  return SumRows(pipe.odMatrix.ovalityPerRev, range) / static_cast<double>(range.size());
}

}  // namespace ductora
