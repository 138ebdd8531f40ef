#include "analysis/rebuild/od_build.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/measures/id_matrix.h"
#include "analysis/measures/od_statistics.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/correction/encoder_counts.h"
#include "analysis/rebuild/grid/matrix_build.h"
#include "data/format/raw_channels.h"

namespace ductora {

namespace {

constexpr double kMaxCursorInches = 1e9;

// Length, OD measures and everything that reads OD and wall together.
void RefreshOdMatrix(PipeFile& pipe) {
  OdMatrix& od = pipe.odMatrix;
  od.length = static_cast<float>((od.rows - 1) * od.deltaX);
  ComputeOdStatistics(od, pipe.header.calibrationOd);
  BuildIdMatrix(pipe);
  ComputeRevolutionMetrics(pipe);
  pipe.changed();
}

// Rows a length in inches stands for, truncated; 0 for lengths that are not positive and finite,
// and never more than a matrix may hold.
std::size_t RowsOfInches(double inches, double deltaX) {
  const double rows = std::trunc(inches / deltaX);
  if (!(rows > 0.0)) {
    return 0;
  }
  return rows >= static_cast<double>(kMaxMatrixCells) ? static_cast<std::size_t>(kMaxMatrixCells)
                                                      : static_cast<std::size_t>(rows);
}

bool HasOdRows(const PipeFile& pipe) {
  return pipe.odMatrix.present() && pipe.odMatrix.columns > 0 && pipe.odMatrix.rows > 0 &&
         pipe.odMatrix.deltaX > 0.0 &&
         std::size_t{pipe.odMatrix.rows} * pipe.odMatrix.columns == pipe.odMatrix.data.size();
}

void Pad(PipeFile& pipe, double inches, bool atStart) {
  if (!HasOdRows(pipe)) {
    return;
  }
  OdMatrix& od = pipe.odMatrix;
  const std::uint64_t most = kMaxMatrixCells / od.columns;
  const std::uint64_t room = most > od.rows ? most - od.rows : 0;
  const auto added =
      static_cast<std::size_t>(std::min<std::uint64_t>(RowsOfInches(inches + 0.1, od.deltaX), room));
  const auto where = atStart ? od.data.begin() : od.data.end();
  od.data.insert(where, added * od.columns, 0);
  od.rows += static_cast<std::uint32_t>(added);
  RefreshOdMatrix(pipe);
}

// Whether dropping count rows leaves at least one revolution; dropping none always does.
bool LeavesARevolution(const OdMatrix& od, std::size_t count) {
  return count == 0 || (count < od.rows && od.rows - count >= 2);
}

void DropRows(OdMatrix& od, std::size_t count, bool atStart) {
  const auto cells = static_cast<std::ptrdiff_t>(count * od.columns);
  if (atStart) {
    od.data.erase(od.data.begin(), od.data.begin() + cells);
  } else {
    od.data.erase(od.data.end() - cells, od.data.end());
  }
  od.rows -= static_cast<std::uint32_t>(count);
}

}  // namespace

void RotateMatrixRows(std::span<std::int16_t> data, std::uint32_t rows, std::uint32_t columns,
                      std::uint32_t shift) {
  if (columns == 0 || std::uint64_t{rows} * columns > data.size()) {
    return;
  }
  const std::uint32_t by = shift % columns;
  for (std::size_t row = 0; row < rows; ++row) {
    const auto begin = data.begin() + static_cast<std::ptrdiff_t>(row * columns);
    std::rotate(begin, begin + (columns - by), begin + columns);
  }
}

BuildStatus BuildOdMatrix(PipeFile& pipe, std::int32_t odJumpSize, JumpFilter filter,
                          FilterSummary* summary) {
  std::array<BuiltMatrix, kOdChannelSlots> built;
  FilterSummary filtered;
  filtered.jumpFilter = JumpFilterName(filter);
  filtered.wall = false;
  BuildStatus status = BuildStatus::kBuilt;
  for (std::size_t k = 0; k < kOdChannelSlots && status == BuildStatus::kBuilt; ++k) {
    OdChannel& channel = pipe.odChannels[k];
    LoadOdRevolutions(pipe, static_cast<int>(k + 1), channel.inchesPerCount);
    if (channel.revolutions.empty()) {
      status = BuildStatus::kNoRevolutions;
      break;
    }
    const ChannelFilter rule{filter, odJumpSize, std::numbers::pi * pipe.header.nominalOd};
    const FilterTally tally = CorrectOdChannel(channel.revolutions, rule);
    filtered.jumpsReplaced += tally.jumpsReplaced;
    filtered.runsKept += tally.runsKept;
    filtered.readingsKept += tally.readingsKept;
    built[k] = BuildMatrix(channel.revolutions, kOdDeltaX, kOdDeltaY, MatrixKind::kOd);
    if (built[k].empty()) {
      status = BuildStatus::kNoGrid;
    }
  }
  for (OdChannel& channel : pipe.odChannels) {
    RevolutionList().swap(channel.revolutions);
  }
  if (status != BuildStatus::kBuilt) {
    return status;
  }
  // Channels of different lengths are compared over the rows both have.
  const std::uint32_t rows = std::min(built[0].rows, built[1].rows);
  const std::uint32_t columns = built[1].columns;
  std::vector<std::int16_t> data(std::size_t{rows} * columns);
  for (std::size_t i = 0; i < data.size(); ++i) {
    const auto difference =
        static_cast<std::int16_t>(built[0].data[i]) - static_cast<std::int16_t>(built[1].data[i]);
    data[i] = static_cast<std::int16_t>(difference / 2);
  }
  RotateMatrixRows(data, rows, columns, pipe.header.wallAngle);
  OdMatrix& od = pipe.odMatrix;
  od.deltaX = kOdDeltaX;
  od.deltaY = kOdDeltaY;
  od.rows = rows;
  od.columns = columns;
  od.data = std::move(data);
  pipe.dataPresent[kOdMatrixPresent] = 1;
  RefreshOdMatrix(pipe);
  if (summary != nullptr) {
    *summary = std::move(filtered);
  }
  return BuildStatus::kBuilt;
}

void PadOdStart(PipeFile& pipe, double inches) { Pad(pipe, inches, true); }

void PadOdEnd(PipeFile& pipe, double inches) { Pad(pipe, inches, false); }

OdCut CutOdStart(PipeFile& pipe, double cursor) {
  // A cursor is inches along a pipe; anything else has no single-precision value to cut at.
  if (!HasOdRows(pipe) || !(std::abs(cursor) < kMaxCursorInches)) {
    return OdCut::kNoOdRows;
  }
  const float shifted = static_cast<float>(cursor) + 0.1F;
  const std::size_t count = RowsOfInches(shifted, pipe.odMatrix.deltaX);
  if (!LeavesARevolution(pipe.odMatrix, count)) {
    return OdCut::kTooShort;
  }
  DropRows(pipe.odMatrix, count, true);
  // The wall follows the OD rows. Its start is moved in the counts a file keeps, so that the
  // pipe shows what reopening it will show.
  pipe.reduceWallStart(CountsOfInches(cursor + 0.1));
  // The ID and the revolution records read the wall through the wall start.
  RefreshOdMatrix(pipe);
  return OdCut::kCut;
}

OdCut CutOdEnd(PipeFile& pipe, double cursor) {
  if (!HasOdRows(pipe) || !(std::abs(cursor) < kMaxCursorInches)) {
    return OdCut::kNoOdRows;
  }
  const std::size_t count = RowsOfInches(pipe.odMatrix.length - cursor, pipe.odMatrix.deltaX);
  if (!LeavesARevolution(pipe.odMatrix, count)) {
    return OdCut::kTooShort;
  }
  DropRows(pipe.odMatrix, count, false);
  RefreshOdMatrix(pipe);
  return OdCut::kCut;
}

}  // namespace ductora
