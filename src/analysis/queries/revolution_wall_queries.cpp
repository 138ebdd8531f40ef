#include "analysis/queries/revolution_wall_queries.h"

#include "analysis/queries/range_scan.h"

namespace ductora {

namespace {

constexpr double kPerMil = 1.0 / 1000.0;

// A per-revolution wall series with its mapping and the normalised range.
template <typename Series>
struct SeriesRange {
  const Series& series;
  DisplayRows mapping;
  RowRange range;
};

template <typename Series>
SeriesRange<Series> OverSeries(const PipeFile& pipe, const Series& series, std::int32_t from, std::int32_t to,
                               RangeMapping how) {
  const DisplayRows mapping =
      MakeDisplayRows(pipe, pipe.wallMatrix.deltaX, static_cast<std::int64_t>(series.size()));
  return {series, mapping, NormalizeRange(from, to, mapping, how)};
}

template <typename Series, typename Better>
ScanPick Pick(const SeriesRange<Series>& s, double start, Better better) {
  return PickFromStart(s.range, 1, start, SeriesEntries(s.series), better);
}

}  // namespace

RowLocation MinRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto s = OverSeries(pipe, pipe.wallMatrix.minWallPerRev, from, to, RangeMapping::kBothEnds);
  return ToRowLocation(Pick(s, kNoLimit, Lower{}), s.range, s.mapping, kPerMil);
}

RowLocation MaxRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto s = OverSeries(pipe, pipe.wallMatrix.minWallPerRev, from, to, RangeMapping::kBothEnds);
  return ToRowLocation(Pick(s, -kNoLimit, Higher{}), s.range, s.mapping, kPerMil);
}

double MinRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto s = OverSeries(pipe, pipe.wallMatrix.minWallPerRev, from, to, RangeMapping::kBothEnds);
  return PickedValue(Pick(s, 3000.0, Lower{}), kPerMil);
}

double MaxRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto s = OverSeries(pipe, pipe.wallMatrix.minWallPerRev, from, to, RangeMapping::kBothEnds);
  return PickedValue(Pick(s, -kNoLimit, Higher{}), kPerMil);
}

double AverageRevWall(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto s = OverSeries(pipe, pipe.wallMatrix.minWallPerRev, from, to, RangeMapping::kBothEnds);
  if (s.range.empty()) {
    return 0.0;
  }
  return SumRows(s.series, s.range) / static_cast<double>(s.range.size()) * kPerMil;
}

RowLocation MinEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto s = OverSeries(pipe, pipe.wallMatrix.eccentricityPerRev, from, to, RangeMapping::kEndOnly);
  return ToRowLocation(Pick(s, 50000.0, Lower{}), s.range, s.mapping, 1.0);
}

RowLocation MaxEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto s = OverSeries(pipe, pipe.wallMatrix.eccentricityPerRev, from, to, RangeMapping::kEndOnly);
  return ToRowLocation(Pick(s, 0.0, Higher{}), s.range, s.mapping, 1.0);
}

}  // namespace ductora
