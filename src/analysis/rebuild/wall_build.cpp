#include "analysis/rebuild/wall_build.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "analysis/measures/csa.h"
#include "analysis/measures/id_matrix.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/measures/wall_statistics.h"
#include "analysis/placement/display_rows.h"
#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/correction/sample_placement.h"
#include "analysis/rebuild/grid/matrix_build.h"
#include "data/format/raw_channels.h"

namespace ductora {

namespace {

bool IsWallChannelNumber(int number) { return number >= 1 && number <= 4; }

// Loaded and trimmed as every build and every save does it; kBuilt when revolutions remain.
BuildStatus LoadTrimmed(PipeFile& pipe, int number, double wallScale, std::uint32_t removeFront,
                        std::uint32_t removeBack) {
  if (LoadWallRevolutions(pipe, number, wallScale) == 0) {
    return BuildStatus::kNoRevolutions;
  }
  RevolutionList& revolutions = pipe.wallChannels[static_cast<std::size_t>(number - 1)].revolutions;
  TrimRevolutions(revolutions, removeFront, removeBack);
  return revolutions.empty() ? BuildStatus::kTrimmedAway : BuildStatus::kBuilt;
}

// A corrected channel on the grid, with what its filters found.
struct FilteredWall {
  BuiltMatrix matrix;
  std::vector<std::uint8_t> noReading;
  FilterTally tally;
  // Placed from the first sample of the channel: the thinnest reading replaced, and the thinnest
  // cell on a run the corroborated filter kept.
  std::optional<RawSample> thinnest;
  std::optional<RawSample> thinnestKept;
};

std::optional<RawSample> ThinnestReplaced(const RevolutionList& corrected,
                                          const std::optional<ReplacedReading>& replaced) {
  if (!replaced || corrected[replaced->revolution].empty()) return std::nullopt;
  const auto first =
      std::find_if(corrected.begin(), corrected.end(), [](const auto& r) { return !r.empty(); });
  RevolutionSamples turn = corrected[replaced->revolution];
  PlaceRevolution(turn, first->front().axialCount);
  RawSample placed = turn[replaced->sample];
  placed.reading = replaced->reading;
  return placed;
}

// The thinnest cell the build computed from a run the corroborated filter kept: it reads three
// turns and seven samples around each cell, so the cells a row or a few columns off a kept
// sample's own are built from it too. Where a kept fault sets the pipe's minimum wall, the operator
// should compare it with a `replace` rebuild.
std::optional<RawSample> ThinnestKept(const BuiltMatrix& matrix, const RevolutionList& placed,
                                      const SampleFlags& kept, double deltaX, double deltaY) {
  constexpr std::int64_t kRowReach = 1;
  constexpr std::int64_t kColumnReach = 3;
  const auto rows = static_cast<std::int64_t>(matrix.rows);
  const auto columns = static_cast<std::int64_t>(matrix.columns);
  std::optional<std::size_t> thinnest;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    for (std::size_t j = 0; j < kept[i].size(); ++j) {
      if (kept[i][j] == 0) continue;
      const double along = placed[i][j].position / deltaX;
      const double around = placed[i][j].angle / deltaY;
      // A damaged file's counts may place a sample nowhere.
      if (!std::isfinite(along) || !std::isfinite(around)) continue;
      const auto row =
          static_cast<std::int64_t>(std::lround(std::clamp(along, 0.0, static_cast<double>(rows - 1))));
      const auto column =
          static_cast<std::int64_t>(std::lround(std::fmod(around, static_cast<double>(columns))));
      for (std::int64_t r = std::max<std::int64_t>(0, row - kRowReach);
           r <= std::min(rows - 1, row + kRowReach); ++r) {
        for (std::int64_t c = column - kColumnReach; c <= column + kColumnReach; ++c) {
          const auto cell = static_cast<std::size_t>(r * columns + ((c % columns) + columns) % columns);
          if (!thinnest || matrix.data[cell] < matrix.data[*thinnest]) thinnest = cell;
        }
      }
    }
  }
  if (!thinnest) return std::nullopt;
  RawSample cell;
  cell.reading = matrix.data[*thinnest];
  cell.position = static_cast<double>(*thinnest / matrix.columns) * deltaX;
  cell.angle = static_cast<double>(*thinnest % matrix.columns) * deltaY;
  return cell;
}

ChannelFilter FilterOf(const PipeFile& pipe, JumpFilter filter, std::int32_t jumpSize) {
  return {filter, jumpSize, std::numbers::pi * pipe.header.nominalOd};
}

FilteredWall BuildFiltered(RevolutionList& corrected, WallCorrection correction, double deltaX,
                           double deltaY) {
  FilteredWall wall;
  wall.tally = correction.tally;
  wall.thinnest = ThinnestReplaced(corrected, correction.tally.thinnest);
  RemoveEmptyRevolutions(corrected, {&correction.noReading, &correction.kept});
  wall.matrix = BuildMatrix(corrected, deltaX, deltaY, MatrixKind::kWall);
  if (!wall.matrix.empty()) {
    wall.noReading =
        FlaggedCells(corrected, correction.noReading, wall.matrix.rows, wall.matrix.columns, deltaX, deltaY);
    wall.thinnestKept = ThinnestKept(wall.matrix, corrected, correction.kept, deltaX, deltaY);
  }
  return wall;
}

// Installs the matrix with its mask; the summary places what the filters replaced and kept on the
// display.
void InstallFiltered(PipeFile& pipe, double deltaX, FilteredWall wall, JumpFilter filter,
                     FilterSummary* summary) {
  SetWallMatrix(pipe, deltaX, wall.matrix.rows, wall.matrix.columns, std::move(wall.matrix.data));
  WallMatrix& matrix = pipe.wallMatrix;
  matrix.jumpFilter = JumpFilterName(filter);
  matrix.noReading = std::move(wall.noReading);
  if (summary == nullptr) {
    return;
  }
  const DisplaySpan span = WallSpan(pipe);
  const auto onDisplay = [&](const std::optional<RawSample>& sample) -> std::optional<PlacedReading> {
    if (!sample) return std::nullopt;
    const double along = sample->position;
    return PlacedReading{sample->reading / 1000.0,
                         span.reversed ? span.start + span.length - along : span.start + along,
                         pipe.flipped() ? 360.0 - sample->angle : sample->angle};
  };
  *summary =
      FilterSummary{matrix.jumpFilter,
                    wall.tally.zerosFilled,
                    wall.tally.jumpsReplaced,
                    onDisplay(wall.thinnest),
                    static_cast<std::size_t>(std::count(matrix.noReading.begin(), matrix.noReading.end(), 1)),
                    true,
                    wall.tally.runsKept,
                    wall.tally.readingsKept,
                    onDisplay(wall.thinnestKept)};
}

}  // namespace

bool SetWallMatrix(PipeFile& pipe, double deltaX, std::uint32_t rows, std::uint32_t columns,
                   std::vector<std::uint16_t> data) {
  if (data.empty() || static_cast<std::uint64_t>(rows) * columns != data.size()) {
    return false;
  }
  WallMatrix& wall = pipe.wallMatrix;
  wall.data = std::move(data);
  wall.jumpFilter.clear();
  wall.noReading.clear();
  wall.deltaX = deltaX;
  wall.rows = rows;
  wall.columns = columns;
  wall.length = static_cast<float>((rows - 1) * deltaX);
  ComputeCsaSeries(pipe.csa, pipe.header.nominalOd, pipe.header.nominalWall / 1000.0, rows, columns,
                   wall.data);
  ComputeWallStatistics(wall);
  ComputeCsaStatistics(pipe.csa, pipe.header.nominalOd, wall.data, rows, columns);
  // The ID matrix and the revolution records read the wall too.
  BuildIdMatrix(pipe);
  ComputeRevolutionMetrics(pipe);
  pipe.dataPresent[kWallMatrixPresent] = 1;
  pipe.dataPresent[kCsaPresent] = 1;
  return true;
}

BuildStatus BuildWallMatrix(PipeFile& pipe, int channelIndex, const std::string& encoderLog,
                            JumpFilter filter, FilterSummary* summary) {
  if (channelIndex < 0 || channelIndex > 3) {
    return BuildStatus::kNoChannel;
  }
  const WallMatrix& wall = pipe.wallMatrix;
  WallChannel& channel = pipe.wallChannels[static_cast<std::size_t>(channelIndex)];
  if (const BuildStatus loaded =
          LoadTrimmed(pipe, channelIndex + 1, channel.wallScale, wall.removeFront, wall.removeBack);
      loaded != BuildStatus::kBuilt) {
    return loaded;
  }
  RevolutionList& raw = channel.revolutions;
  // The channel keeps the samples as loaded; the correction works on a copy.
  RevolutionList corrected = raw;
  WallCorrection correction =
      CorrectWallChannel(corrected, FilterOf(pipe, filter, pipe.header.wallJumpSize), encoderLog);
  FilteredWall built = BuildFiltered(corrected, std::move(correction), wall.deltaX, wall.deltaY);
  PlaceSamples(raw);
  if (built.matrix.empty()) {
    return BuildStatus::kNoGrid;
  }
  InstallFiltered(pipe, wall.deltaX, std::move(built), filter, summary);
  return BuildStatus::kBuilt;
}

BuildStatus BuildMergedWallMatrix(PipeFile& pipe, const MergedWallBuild& build, RevolutionStartTable& starts,
                                  FilterSummary* summary) {
  if (!IsWallChannelNumber(build.primary) || !IsWallChannelNumber(build.secondary)) {
    return BuildStatus::kNoChannel;
  }
  const auto scaleOf = [&build](int number) {
    return build.wallScales[static_cast<std::size_t>(number - 1)];
  };
  for (const int number : {build.primary, build.secondary}) {
    // The same channel twice loads the same samples twice.
    if (const BuildStatus loaded =
            LoadTrimmed(pipe, number, scaleOf(number), build.removeFront, build.removeBack);
        loaded != BuildStatus::kBuilt) {
      return loaded;
    }
  }
  const RevolutionList& primary = pipe.wallChannels[static_cast<std::size_t>(build.primary - 1)].revolutions;
  const RevolutionList& secondary =
      pipe.wallChannels[static_cast<std::size_t>(build.secondary - 1)].revolutions;
  std::optional<RevolutionList> merged = MergeChannels(primary, secondary, build.direction);
  if (!merged) {
    return BuildStatus::kCannotMerge;
  }
  RevolutionStartTable mergedStarts;
  RecordRevolutionStarts(*merged, mergedStarts);
  std::optional<RevolutionList> display;
  if (build.displayRaw) {
    PlaceSamples(*merged);
    display = *merged;
  }
  WallCorrection correction =
      CorrectWallChannel(*merged, FilterOf(pipe, build.jumpFilter, build.jumpSize), build.encoderLog);
  FilteredWall built = BuildFiltered(*merged, std::move(correction), build.deltaX, build.deltaY);
  if (built.matrix.empty()) {
    return BuildStatus::kNoGrid;
  }

  pipe.header.wallJumpSize = build.jumpSize;
  for (std::size_t i = 0; i < 4; ++i) {
    pipe.wallChannels[i].setWallScale(build.wallScales[i]);
  }
  WallMatrix& wall = pipe.wallMatrix;
  wall.removeFront = build.removeFront;
  wall.removeBack = build.removeBack;
  wall.deltaY = build.deltaY;
  starts = mergedStarts;
  if (display) {
    pipe.wallChannels[kRawDisplayChannel].revolutions = std::move(*display);
  }
  InstallFiltered(pipe, build.deltaX, std::move(built), build.jumpFilter, summary);
  return BuildStatus::kBuilt;
}

}  // namespace ductora
