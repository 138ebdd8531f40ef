#include "analysis/queries/range_queries.h"

#include <type_traits>
#include <vector>

#include "analysis/measures/average64.h"
#include "analysis/measures/matrix_extent.h"
#include "analysis/queries/range_scan.h"

namespace ductora {

namespace {

constexpr double kPerMil = 1.0 / 1000.0;

// One measure over a normalised range: entry (r, c) for the rows of the range and c < columns,
// the mapping that turns found rows back into display places, the width found columns are
// mirrored in, and the scale from an entry to the value a query gives. Its queries answer with a
// Location: a cell of a matrix or a row of a series.
template <typename Location, typename ValueAt>
struct MeasureRange {
  DisplayRows mapping;
  RowRange range;
  std::int64_t columns;
  std::int64_t mirrorColumns;
  double scale;
  ValueAt valueAt;

  Location lowestAbove(double threshold) const {
    return locate(PickBounded(range, columns, valueAt, Above{threshold}, Lower{}));
  }
  Location highestBelow(double threshold) const {
    return locate(PickBounded(range, columns, valueAt, Below{threshold}, Higher{}));
  }
  template <typename Better>
  Location bestFrom(double start, Better better) const {
    return locate(PickFromStart(range, columns, start, valueAt, better));
  }

  // The mean of the entries (summed row-major) given to finish; 0 without entries.
  template <typename Finish>
  double average(Finish finish) const {
    const std::int64_t count = range.size() * columns;
    if (count == 0) {
      return 0.0;
    }
    double sum = 0.0;
    for (std::int64_t r = range.first; r < range.last; ++r) {
      for (std::int64_t c = 0; c < columns; ++c) {
        sum += valueAt(r, c);
      }
    }
    return finish(sum / static_cast<double>(count));
  }
  double average() const {
    return average([this](double mean) { return mean * scale; });
  }

  Location locate(const ScanPick& pick) const {
    if constexpr (std::is_same_v<Location, CellLocation>) {
      return ToCellLocation(pick, range, mapping, mirrorColumns, scale);
    } else {
      return ToRowLocation(pick, range, mapping, scale);
    }
  }
};

template <typename Location, typename ValueAt>
MeasureRange<Location, ValueAt> MeasureOver(const DisplayRows& mapping, std::int32_t from, std::int32_t to,
                                            std::int64_t columns, std::int64_t mirrorColumns, double scale,
                                            ValueAt valueAt) {
  return {mapping, NormalizeRange(from, to, mapping), columns, mirrorColumns, scale, valueAt};
}

// The measures.

auto WallCells(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const WallMatrix& wall = pipe.wallMatrix;
  return MeasureOver<CellLocation>(
      WallDisplayRows(pipe), from, to, wall.columns, wall.columns, kPerMil,
      [&wall](std::int64_t r, std::int64_t c) {
        return static_cast<double>(wall.at(static_cast<std::size_t>(r), static_cast<std::size_t>(c)));
      });
}

auto OdPairs(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const OdMatrix& od = pipe.odMatrix;
  const std::int64_t half = od.columns / 2;
  return MeasureOver<CellLocation>(
      OdDisplayRows(pipe), from, to, half, od.columns, 1.0, [&od, half](std::int64_t r, std::int64_t c) {
        const auto row = static_cast<std::size_t>(r);
        return static_cast<double>(od.at(row, static_cast<std::size_t>(c)) +
                                   od.at(row, static_cast<std::size_t>(c + half)));
      });
}

// The ID matrix is built in display order (row r is display row r at the OD pitch, columns as
// shown), so its rows and columns are display places as they stand: a wall start, a reversed or
// a mirrored pipe moves nothing here.
auto IdCells(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const IdMatrix& id = pipe.idMatrix;
  return MeasureOver<CellLocation>(
      IdDisplayRows(pipe), from, to, id.columns, id.columns, kPerMil, [&id](std::int64_t r, std::int64_t c) {
        return static_cast<double>(id.at(static_cast<std::size_t>(r), static_cast<std::size_t>(c)));
      });
}

// A per-revolution series at the wall pitch.
template <typename Series>
auto WallPitchSeries(const PipeFile& pipe, const Series& series, std::int32_t from, std::int32_t to,
                     double scale) {
  const DisplayRows mapping =
      MakeDisplayRows(pipe, pipe.wallMatrix.deltaX, static_cast<std::int64_t>(series.size()));
  return MeasureOver<RowLocation>(mapping, from, to, 1, 1, scale, SeriesEntries(series));
}

auto CsaSeries(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return WallPitchSeries(pipe, pipe.csa.csaPerRev, from, to, 1.0);
}

auto RevWallSeries(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return WallPitchSeries(pipe, pipe.wallMatrix.minWallPerRev, from, to, kPerMil);
}

// The smoothed series is made by the caller, which keeps it while the queries read it.
auto SmoothedSeries(const PipeFile& pipe, const std::vector<double>& smoothed, std::int32_t from,
                    std::int32_t to) {
  return WallPitchSeries(pipe, smoothed, from, to, 1.0);
}

auto EccentricitySeries(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return WallPitchSeries(pipe, pipe.wallMatrix.eccentricityPerRev, from, to, 1.0);
}

auto OvalitySeries(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const auto& series = pipe.odMatrix.ovalityPerRev;
  const DisplayRows mapping = MakeUnshiftedRows(pipe, static_cast<std::int64_t>(series.size()));
  return MeasureOver<RowLocation>(mapping, from, to, 1, 1, 1.0, SeriesEntries(series));
}

double PercentOfNominal(const PipeFile& pipe, double area) {
  return pipe.csa.nominalCsa != 0.0 ? area / pipe.csa.nominalCsa * 100.0 : 0.0;
}

// The start of the smallest-value scans of the per-revolution wall: only entries below it count.
constexpr double kLowWallStart = 3000.0;

}  // namespace

CellLocation MinWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return WallCells(pipe, from, to).lowestAbove(threshold);
}

CellLocation MaxWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return WallCells(pipe, from, to).highestBelow(threshold);
}

double MinWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MinWallLocation(pipe, from, to, threshold).value;
}

double MaxWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MaxWallLocation(pipe, from, to, threshold).value;
}

double AverageWall(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  // Divided by 1000, not scaled by kPerMil: the two can differ in the last bit.
  return WallCells(pipe, from, to).average([](double mean) { return mean / 1000.0; });
}

RowLocation MinCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return CsaSeries(pipe, from, to).lowestAbove(threshold);
}

RowLocation MaxCsaLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return CsaSeries(pipe, from, to).highestBelow(threshold);
}

double MinCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return PercentOfNominal(pipe, MinCsaLocation(pipe, from, to, threshold).value);
}

double MaxCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return PercentOfNominal(pipe, MaxCsaLocation(pipe, from, to, threshold).value);
}

double AverageCsaPercent(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return CsaSeries(pipe, from, to).average([&pipe](double mean) { return PercentOfNominal(pipe, mean); });
}

double NominalCsa(const PipeFile& pipe) { return pipe.csa.nominalCsa; }

CellLocation MinOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return OdPairs(pipe, from, to).lowestAbove(threshold);
}

CellLocation MaxOdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return OdPairs(pipe, from, to).highestBelow(threshold);
}

double MinOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MinOdLocation(pipe, from, to, threshold).value;
}

double MaxOdValue(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MaxOdLocation(pipe, from, to, threshold).value;
}

double AverageOdPair(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return OdPairs(pipe, from, to).average();
}

RowLocation MinOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return OvalitySeries(pipe, from, to).lowestAbove(threshold);
}

RowLocation MaxOvalityLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return OvalitySeries(pipe, from, to).highestBelow(threshold);
}

double MinOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MinOvalityLocation(pipe, from, to, threshold).value;
}

double MaxOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to, double threshold) {
  return MaxOvalityLocation(pipe, from, to, threshold).value;
}

double AverageOvality(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return OvalitySeries(pipe, from, to).average();
}

RowLocation MinRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return RevWallSeries(pipe, from, to).bestFrom(kNoLimit, Lower{});
}

RowLocation MaxRevWallLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return RevWallSeries(pipe, from, to).bestFrom(-kNoLimit, Higher{});
}

double MinRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return RevWallSeries(pipe, from, to).bestFrom(kLowWallStart, Lower{}).value;
}

double MaxRevWallValue(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return MaxRevWallLocation(pipe, from, to).value;
}

double AverageRevWall(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return RevWallSeries(pipe, from, to).average();
}

RowLocation Min64Location(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const std::vector<double> smoothed = MinWallAverage64(pipe.wallMatrix);
  return SmoothedSeries(pipe, smoothed, from, to).bestFrom(kNoLimit, Lower{});
}

RowLocation Max64Location(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const std::vector<double> smoothed = MinWallAverage64(pipe.wallMatrix);
  return SmoothedSeries(pipe, smoothed, from, to).bestFrom(-kNoLimit, Higher{});
}

double Min64Value(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const std::vector<double> smoothed = MinWallAverage64(pipe.wallMatrix);
  return SmoothedSeries(pipe, smoothed, from, to).bestFrom(kLowWallStart, Lower{}).value;
}

double Max64Value(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return Max64Location(pipe, from, to).value;
}

double Average64(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const std::vector<double> smoothed = MinWallAverage64(pipe.wallMatrix);
  return SmoothedSeries(pipe, smoothed, from, to).average();
}

RowLocation MinEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return EccentricitySeries(pipe, from, to).bestFrom(50000.0, Lower{});
}

RowLocation MaxEccentricity(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return EccentricitySeries(pipe, from, to).bestFrom(0.0, Higher{});
}

CellLocation MaxIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return IdCells(pipe, from, to).bestFrom(0.0, Higher{});
}

CellLocation MinIdLocation(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  return IdCells(pipe, from, to).bestFrom(50000.0, [](double value, double best) {
    return value < best && value > 0.0;
  });
}

double AverageId(const PipeFile& pipe, std::int32_t from, std::int32_t to) {
  const IdMatrix& id = pipe.idMatrix;
  const RowRange range = IdCells(pipe, from, to).range;
  // Whole numbers summed exactly, without a branch: the ID plot asks for this every frame.
  std::int64_t sum = 0;
  std::int64_t count = 0;
  const std::size_t end = static_cast<std::size_t>(range.last) * id.columns;
  for (std::size_t i = static_cast<std::size_t>(range.first) * id.columns; i < end; ++i) {
    const std::int32_t value = id.data[i];
    const bool counted = value >= 1;
    sum += counted ? value : 0;
    count += counted ? 1 : 0;
  }
  return count > 0 ? static_cast<double>(sum) / (static_cast<double>(count) * 1000.0) : 0.0;
}

}  // namespace ductora
