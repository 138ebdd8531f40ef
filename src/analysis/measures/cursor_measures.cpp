#include "analysis/measures/cursor_measures.h"

#include <cstdint>

#include "analysis/measures/revolution_metrics.h"
#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/pipe_sampler.h"

namespace ductora {

namespace {

template <typename Series>
double EntryOf(const Series& series, std::size_t row) {
  return row < series.size() ? static_cast<double>(series[row]) : 0.0;
}

void ReadWall(const PipeFile& pipe, const CursorCell& cell, CursorMeasures& m) {
  const WallMatrix& wall = pipe.wallMatrix;
  if (!cell.row) {
    return;
  }
  const auto row = static_cast<std::size_t>(*cell.row);
  if (cell.column) {
    m.wall = wall.at(row, static_cast<std::size_t>(*cell.column)) / 1000.0;
    const double nominal = pipe.header.nominalWall / 1000.0;
    m.wallPercent = nominal > 0.0 ? m.wall / nominal * 100.0 : 0.0;
  }
  const double nominalCsa = pipe.csa.nominalCsa;
  m.csaPercent = nominalCsa != 0.0 ? EntryOf(pipe.csa.csaPerRev, row) / nominalCsa * 100.0 : 0.0;
  m.eccentricity = EntryOf(wall.eccentricityPerRev, row);
  m.minWall = EntryOf(wall.minWallPerRev, row) / 1000.0;
  m.maxWall = EntryOf(wall.maxWallPerRev, row) / 1000.0;
  m.averageWall = EntryOf(wall.avgWallPerRev, row) / 1000.0;
}

void ReadOd(const PipeFile& pipe, const CursorCell& cell, double position, double angle, CursorMeasures& m) {
  const OdMatrix& od = pipe.odMatrix;
  if (!cell.row) {
    return;
  }
  const auto row = static_cast<std::size_t>(*cell.row);
  m.od = OdDiameterAt(pipe, position, angle);
  m.minOd = EntryOf(od.minOdPerRev, row);
  m.maxOd = EntryOf(od.maxOdPerRev, row);
  m.averageOd = EntryOf(od.avgOdPerRev, row);
  m.ovality = EntryOf(od.ovalityPerRev, row);
}

void ReadStraightness(const PipeFile& pipe, const CursorCell& cell, CursorMeasures& m) {
  const StraightnessMatrix& s = pipe.straightness;
  if (cell.row && cell.column) {
    m.straightness =
        s.data[static_cast<std::size_t>(*cell.row) * s.columns + static_cast<std::size_t>(*cell.column)] /
        1000.0;
  }
}

// The ID matrix and the revolution records count display rows at the OD pitch.
void ReadId(const PipeFile& pipe, const CursorCell& cell, CursorMeasures& m) {
  if (!cell.row) {
    return;
  }
  const auto row = static_cast<std::size_t>(*cell.row);
  if (cell.column) {
    m.id = pipe.idMatrix.at(row, static_cast<std::size_t>(*cell.column)) / 1000.0;
  }
  if (row < pipe.revolutionMetrics.size()) {
    const RevolutionMetric& metric = pipe.revolutionMetrics[row];
    m.minId = metric[kMetricMinId];
    m.maxId = metric[kMetricMaxId];
    m.averageId = metric[kMetricAverageId];
  }
}

}  // namespace

CursorMeasures MeasuresAtCursor(const PipeFile& pipe, double position, double angle) {
  CursorMeasures m;
  const CursorPlace place = PlaceAtCursor(pipe, position, angle);
  ReadWall(pipe, place.wall, m);
  if (pipe.odMatrix.present()) {
    ReadOd(pipe, place.od, position, angle, m);
    ReadStraightness(pipe, place.straightness, m);
    ReadId(pipe, place.id, m);
  }
  return m;
}

}  // namespace ductora
