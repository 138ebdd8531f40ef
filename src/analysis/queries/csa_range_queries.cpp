#include "analysis/queries/csa_range_queries.h"

#include "analysis/queries/range_scan.h"

namespace ductora {

namespace {

struct CsaRange {
  DisplayRows mapping;
  RowRange range;
};

CsaRange OverCsa(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const DisplayRows mapping =
      MakeDisplayRows(pipe, pipe.wallMatrix.deltaX, static_cast<std::int64_t>(pipe.csa.csaPerRev.size()));
  return {mapping, NormalizeRange(from, to, mapping, RangeMapping::kBothEnds)};
}

double PercentOfNominal(const PipeFile& pipe, double area) {
  return pipe.csa.nominalCsa != 0.0 ? area / pipe.csa.nominalCsa * 100.0 : 0.0;
}

}  // namespace

RowLocation MinCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  const CsaRange s = OverCsa(pipe, from, to);
  const ScanPick pick = PickBounded(s.range, 1, SeriesEntries(pipe.csa.csaPerRev), Above{threshold}, Lower{});
  return ToRowLocation(pick, s.range, s.mapping, 1.0);
}

RowLocation MaxCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  const CsaRange s = OverCsa(pipe, from, to);
  const ScanPick pick =
      PickBounded(s.range, 1, SeriesEntries(pipe.csa.csaPerRev), Below{threshold}, Higher{});
  return ToRowLocation(pick, s.range, s.mapping, 1.0);
}

double MinCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return PercentOfNominal(pipe, MinCsaLocation(pipe, from, to, threshold).value);
}

double MaxCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return PercentOfNominal(pipe, MaxCsaLocation(pipe, from, to, threshold).value);
}

double AverageCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const CsaRange s = OverCsa(pipe, from, to);
  if (s.range.empty()) {
    return 0.0;
  }
  return PercentOfNominal(pipe, SumRows(pipe.csa.csaPerRev, s.range) / static_cast<double>(s.range.size()));
}

double NominalCsa(const PipeFile& pipe) { return pipe.csa.nominalCsa; }

}  // namespace ductora
