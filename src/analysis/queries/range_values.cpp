#include "analysis/queries/range_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/placement/display_rows.h"
#include "analysis/queries/range_queries.h"

namespace ductora {

namespace {

std::int32_t IndexOf(double position, double step) {
  if (!(step > 0.0)) {
    return 0;
  }
  const double index = std::floor(position / step);
  if (std::isnan(index)) {
    return 0;
  }
  constexpr double kLowest = std::numeric_limits<std::int32_t>::lowest();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(index, kLowest, kHighest));
}

// A found place as the middle of its revolution's stretch of the display, 0 when nothing was
// placed.
template <typename Location>
double PositionOf(const Location& found, double deltaX) {
  return found.placed ? IndexMiddle(found.index, deltaX) : 0.0;
}

double WallPosition(const PipeFile& pipe, const auto& found) {
  return PositionOf(found, pipe.wallMatrix.deltaX);
}

void SetPercents(RangeGroup& group, const RangeIndices& indices) {
  group.relative = true;
  if (indices.from == indices.to || group.average == 0.0) {
    return;
  }
  group.min.percent = group.min.value / group.average * 100.0;
  group.max.percent = group.max.value / group.average * 100.0;
}

RangeGroup WallGroup(const PipeFile& pipe, RangeIndices r) {
  RangeGroup g;
  g.min = {MinWallValue(pipe, r.from, r.to, kRangeLowLimit), 0.0,
           WallPosition(pipe, MinWallLocation(pipe, r.from, r.to, kRangeLowLimit))};
  g.max = {MaxWallValue(pipe, r.from, r.to, kRangeHighLimit), 0.0,
           WallPosition(pipe, MaxWallLocation(pipe, r.from, r.to, kRangeHighLimit))};
  g.average = AverageWall(pipe, r.from, r.to);
  SetPercents(g, r);
  return g;
}

RangeGroup CsaGroup(const PipeFile& pipe, RangeIndices r) {
  RangeGroup g;
  g.min = {MinCsaPercent(pipe, r.from, r.to, kRangeLowLimit), 0.0,
           WallPosition(pipe, MinCsaLocation(pipe, r.from, r.to, kRangeLowLimit))};
  g.max = {MaxCsaPercent(pipe, r.from, r.to, kRangeHighLimit), 0.0,
           WallPosition(pipe, MaxCsaLocation(pipe, r.from, r.to, kRangeHighLimit))};
  g.average = AverageCsaPercent(pipe, r.from, r.to);
  SetPercents(g, r);
  return g;
}

RangeGroup Average64Group(const PipeFile& pipe, RangeIndices r) {
  RangeGroup g;
  g.min = {Min64Value(pipe, r.from, r.to), 0.0, WallPosition(pipe, Min64Location(pipe, r.from, r.to))};
  g.max = {Max64Value(pipe, r.from, r.to), 0.0, WallPosition(pipe, Max64Location(pipe, r.from, r.to))};
  g.average = Average64(pipe, r.from, r.to);
  SetPercents(g, r);
  return g;
}

RangeGroup LowWallGroup(const PipeFile& pipe, RangeIndices r) {
  RangeGroup g;
  g.min = {MinRevWallValue(pipe, r.from, r.to), 0.0,
           WallPosition(pipe, MinRevWallLocation(pipe, r.from, r.to))};
  g.max = {MaxRevWallValue(pipe, r.from, r.to), 0.0,
           WallPosition(pipe, MaxRevWallLocation(pipe, r.from, r.to))};
  g.average = AverageRevWall(pipe, r.from, r.to);
  SetPercents(g, r);
  return g;
}

RangeGroup EccentricityGroup(const PipeFile& pipe, RangeIndices r) {
  const double deltaX = pipe.wallMatrix.deltaX;
  const RowLocation min = MinEccentricity(pipe, r.from, r.to);
  const RowLocation max = MaxEccentricity(pipe, r.from, r.to);
  RangeGroup g;
  g.min = {min.value, 0.0, PositionOf(min, deltaX)};
  g.max = {max.value, 0.0, PositionOf(max, deltaX)};
  g.average = pipe.wallMatrix.avgEccentricity;
  return g;
}

RangeGroup OvalityGroup(const PipeFile& pipe, RangeIndices r) {
  const double deltaX = pipe.odMatrix.deltaX;
  const RowLocation min = MinOvalityLocation(pipe, r.from, r.to, kRangeLowLimit);
  const RowLocation max = MaxOvalityLocation(pipe, r.from, r.to, kRangeHighLimit);
  RangeGroup g;
  g.min = {min.value, 0.0, PositionOf(min, deltaX)};
  g.max = {max.value, 0.0, PositionOf(max, deltaX)};
  g.average = AverageOvality(pipe, r.from, r.to);
  return g;
}

// The OD queries give pair sums in thousandths; the window shows diameters in inches.
RangeGroup OdGroup(const PipeFile& pipe, RangeIndices r) {
  RangeGroup g;
  if (!pipe.odMatrix.present()) {
    return g;
  }
  const double calibrationOd = pipe.header.calibrationOd;
  const double deltaX = pipe.odMatrix.deltaX;
  const CellLocation min = MinOdLocation(pipe, r.from, r.to, kRangeLowLimit);
  const CellLocation max = MaxOdLocation(pipe, r.from, r.to, kRangeHighLimit);
  g.min = {min.value / 1000.0 + calibrationOd, 0.0, PositionOf(min, deltaX)};
  g.max = {max.value / 1000.0 + calibrationOd, 0.0, PositionOf(max, deltaX)};
  g.average = AverageOdPair(pipe, r.from, r.to) / 1000.0 + calibrationOd;
  return g;
}

RangeGroup IdGroup(const PipeFile& pipe, RangeIndices r) {
  const double deltaX = pipe.idMatrix.deltaX;
  const CellLocation min = MinIdLocation(pipe, r.from, r.to);
  const CellLocation max = MaxIdLocation(pipe, r.from, r.to);
  RangeGroup g;
  g.min = {min.value, 0.0, PositionOf(min, deltaX)};
  g.max = {max.value, 0.0, PositionOf(max, deltaX)};
  g.average = AverageId(pipe, r.from, r.to);
  return g;
}

}  // namespace

RangeIndices RangeIndicesOf(const PipeFile& pipe, double left, double right) {
  const double step = pipe.odMatrix.present() ? pipe.odMatrix.deltaX : pipe.wallMatrix.deltaX;
  return {IndexOf(left, step), IndexOf(right, step)};
}

RangeValues PipeRangeValues(const PipeFile& pipe, double left, double right) {
  RangeValues v;
  v.indices = RangeIndicesOf(pipe, left, right);
  v.wall = WallGroup(pipe, v.indices);
  v.csa = CsaGroup(pipe, v.indices);
  v.average64 = Average64Group(pipe, v.indices);
  v.lowWall = LowWallGroup(pipe, v.indices);
  v.eccentricity = EccentricityGroup(pipe, v.indices);
  v.ovality = OvalityGroup(pipe, v.indices);
  v.od = OdGroup(pipe, v.indices);
  v.id = IdGroup(pipe, v.indices);
  return v;
}

}  // namespace ductora
