#include "analysis/measures/cursor_measures.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "analysis/measures/matrix_extent.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/display_rows.h"
#include "analysis/placement/pipe_sampler.h"

namespace ductora {

namespace {

// Where the cursor falls among `count` steps of `pitch` (rows or columns); empty outside.
std::optional<std::size_t> StepOf(double value, double pitch, std::size_t count) {
  if (!(pitch > 0.0)) {
    return std::nullopt;
  }
  const double step = std::trunc(value / pitch);
  if (!(step >= 0.0 && step < static_cast<double>(count))) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(step);
}

template <typename Series>
double EntryOf(const Series& series, std::size_t row) {
  return row < series.size() ? static_cast<double>(series[row]) : 0.0;
}

void ReadWall(const PipeFile& pipe, double position, double angle, CursorMeasures& m) {
  const WallMatrix& wall = pipe.wallMatrix;
  const std::optional<std::int64_t> found = CursorWallRow(pipe, position);
  if (!found || static_cast<std::size_t>(*found) >= UsableRows(wall)) {
    return;
  }
  const auto row = static_cast<std::size_t>(*found);
  if (const auto column = StepOf(angle, wall.deltaY, wall.columns)) {
    const auto shown = pipe.flipped() ? FlipColumn(static_cast<std::int64_t>(*column), wall.columns)
                                      : static_cast<std::int64_t>(*column);
    m.wall = wall.at(row, static_cast<std::size_t>(shown)) / 1000.0;
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

void ReadOd(const PipeFile& pipe, double position, double angle, CursorMeasures& m) {
  const OdMatrix& od = pipe.odMatrix;
  const std::optional<std::int64_t> found = CursorOdRow(pipe, position);
  if (!found) {
    return;
  }
  const auto row = static_cast<std::size_t>(*found);
  m.od = std::isfinite(angle) && angle >= 0.0 ? OdDiameterAt(pipe, position, angle) : 0.0;
  m.minOd = EntryOf(od.minOdPerRev, row);
  m.maxOd = EntryOf(od.maxOdPerRev, row);
  m.averageOd = EntryOf(od.avgOdPerRev, row);
  m.ovality = EntryOf(od.ovalityPerRev, row);
}

void ReadStraightness(const PipeFile& pipe, double position, double angle, CursorMeasures& m) {
  const StraightnessMatrix& s = pipe.straightness;
  const auto row = StepOf(position, s.deltaX, UsableRows(s));
  const auto column = StepOf(angle, s.deltaY, s.columns);
  if (!row || !column) {
    return;
  }
  const std::size_t shown = pipe.flipped() ? s.columns - 1 - *column : *column;
  m.straightness = s.data[*row * s.columns + shown] / 1000.0;
}

// The ID matrix and the revolution records count display rows at the OD pitch.
void ReadId(const PipeFile& pipe, double position, double angle, CursorMeasures& m) {
  const IdMatrix& id = pipe.idMatrix;
  const auto row = StepOf(position, pipe.odMatrix.deltaX, UsableRows(id));
  if (!row) {
    return;
  }
  if (const auto column = StepOf(angle, id.deltaY, id.columns)) {
    m.id = id.at(*row, *column) / 1000.0;
  }
  if (*row < pipe.revolutionMetrics.size()) {
    const RevolutionMetric& metric = pipe.revolutionMetrics[*row];
    m.minId = metric[kMetricMinId];
    m.maxId = metric[kMetricMaxId];
    m.averageId = metric[kMetricAverageId];
  }
}

}  // namespace

CursorMeasures MeasuresAtCursor(const PipeFile& pipe, double position, double angle) {
  CursorMeasures m;
  ReadWall(pipe, position, angle, m);
  if (pipe.odMatrix.present()) {
    ReadOd(pipe, position, angle, m);
    ReadStraightness(pipe, position, angle, m);
    ReadId(pipe, position, angle, m);
  }
  return m;
}

}  // namespace ductora
