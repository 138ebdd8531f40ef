#include "analysis/pressures/pressure_series.h"

#include <array>
#include <cmath>

#include "analysis/measures/matrix_extent.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/placement/cursor_rows.h"
#include "analysis/pressures/pressures.h"

namespace ductora {

namespace {

// Per input: the pipe statistic for choices 1-3 and the record field for choices 4-6.
struct InputSource {
  std::array<double, 3> pipeValues;
  std::array<RevolutionMetricField, 3> sliceFields;
};

std::array<InputSource, 4> InputSources(const PipeFile& pipe) {
  const WallMatrix& w = pipe.wallMatrix;
  const OdMatrix& od = pipe.odMatrix;
  return {{
      {{od.maxOd, od.minOd, od.avgOd}, {kMetricMaxOd, kMetricMinOd, kMetricAverageOd}},
      {{w.maxWall, w.minWall, w.avgWall}, {kMetricMaxWall, kMetricMinWall, kMetricAverageWall}},
      {{w.maxEccentricity, w.minEccentricity, w.avgEccentricity},
       {kMetricMaxWallDifference, kMetricMinWallDifference, kMetricEccentricity}},
      {{od.maxOvality, od.minOvality, od.avgOvality},
       {kMetricMaxOvality, kMetricMinOvality, kMetricAverageOvality}},
  }};
}

const RevolutionMetric* RecordOf(const PipeFile& pipe, std::int64_t row) {
  if (row < 0 || static_cast<std::size_t>(row) >= pipe.revolutionMetrics.size()) {
    return nullptr;
  }
  return &pipe.revolutionMetrics[static_cast<std::size_t>(row)];
}

double InputOf(const InputSource& source, std::uint32_t choice, const RevolutionMetric* record) {
  if (choice >= kChoiceMaxForPipe && choice <= kChoiceAverageForPipe) {
    return source.pipeValues[choice - kChoiceMaxForPipe];
  }
  if (choice >= kChoiceMaxForSlice && choice <= kChoiceAverageForSlice && record != nullptr) {
    return (*record)[source.sliceFields[choice - kChoiceMaxForSlice]];
  }
  return 0.0;
}

template <typename OfRow>
std::vector<double> SeriesOf(const PipeFile& pipe, OfRow ofRow) {
  const std::int64_t rows = UsableRows(pipe.wallMatrix);
  std::vector<double> series;
  series.reserve(static_cast<std::size_t>(rows));
  for (std::int64_t row = 0; row < rows; ++row) {
    series.push_back(ofRow(pipe, row));
  }
  return series;
}

}  // namespace

void SetCollapseSelections(PipeFile& pipe, const CollapseChoices& choices) {
  pipe.collapseSelections[kCollapseOd] = choices.od;
  pipe.collapseSelections[kCollapseWall] = choices.wall;
  pipe.collapseSelections[kCollapseEccentricity] = choices.eccentricity;
  pipe.collapseSelections[kCollapseOvality] = choices.ovality;
}

double CollapsePressureOfRow(const PipeFile& pipe, std::int64_t row) {
  const std::array<InputSource, 4> sources = InputSources(pipe);
  const RevolutionMetric* record = RecordOf(pipe, row);
  std::array<double, 4> inputs{};
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    inputs[i] = InputOf(sources[i], pipe.collapseSelections[i], record);
  }
  if (inputs[kCollapseWall] == 0.0) {
    return kNoWallPressure;
  }
  return TamanoCollapse(pipe.yieldStrength, inputs[kCollapseOd] / inputs[kCollapseWall],
                        inputs[kCollapseOvality], inputs[kCollapseEccentricity]);
}

double BurstPressureOfRow(const PipeFile& pipe, std::int64_t row) {
  const RevolutionMetric* record = RecordOf(pipe, row);
  double x = record != nullptr ? static_cast<double>((*record)[kMetricDOverT]) : 0.0;
  if (x == 0.0) {
    x = NominalBurstDOverT(pipe);
  }
  return BurstPressure(pipe.yieldStrength, x, pipe.burstSelection);
}

std::vector<double> CollapseSeries(const PipeFile& pipe) { return SeriesOf(pipe, CollapsePressureOfRow); }

std::vector<double> BurstSeries(const PipeFile& pipe) { return SeriesOf(pipe, BurstPressureOfRow); }

double CollapseAtCursor(const PipeFile& pipe, double cursor) {
  const auto row = CursorWallRow(pipe, cursor);
  return row ? CollapsePressureOfRow(pipe, *row) : 0.0;
}

double BurstAtCursor(const PipeFile& pipe, double cursor) {
  const auto row = CursorWallRow(pipe, cursor);
  return row ? BurstPressureOfRow(pipe, *row) : 0.0;
}

double ActualDOverT(const PipeFile& pipe, double cursor) {
  const auto wallRow = CursorWallRow(pipe, cursor);
  const auto odRow = CursorOdRow(pipe, cursor);
  const WallMatrix& wall = pipe.wallMatrix;
  const OdMatrix& od = pipe.odMatrix;
  if (!wallRow || !odRow || static_cast<std::size_t>(*wallRow) >= wall.avgWallPerRev.size() ||
      static_cast<std::size_t>(*odRow) >= od.avgOdPerRev.size()) {
    return 0.0;
  }
  const double averageOd = od.avgOdPerRev[static_cast<std::size_t>(*odRow)];
  const double averageWall = wall.avgWallPerRev[static_cast<std::size_t>(*wallRow)] / 1000.0;
  return averageOd / averageWall;
}

double NominalDOverT(const PipeFile& pipe) {
  return pipe.header.nominalOd / (static_cast<double>(pipe.header.nominalWall) / 1000.0);
}

double NominalBurstDOverT(const PipeFile& pipe) {
  return static_cast<double>(pipe.header.calibrationOdMils) / static_cast<double>(pipe.header.nominalWall);
}

PipeDOverT BurstDOverT(const PipeFile& pipe) {
  if (const double measured = MaxDOverT(pipe); measured > 0.0) {
    return {measured, DOverTSource::kMeasured};
  }
  if (const double nominal = NominalBurstDOverT(pipe); nominal > 0.0 && std::isfinite(nominal)) {
    return {nominal, DOverTSource::kNominal};
  }
  return {};
}

}  // namespace ductora
