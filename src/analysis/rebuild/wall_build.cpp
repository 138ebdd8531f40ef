#include "analysis/rebuild/wall_build.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "analysis/measures/csa.h"
#include "analysis/measures/id_matrix.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/measures/wall_statistics.h"
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

}  // namespace

bool SetWallMatrix(PipeFile& pipe, double deltaX, std::uint32_t rows, std::uint32_t columns,
                   std::vector<std::uint16_t> data) {
  if (data.empty() || static_cast<std::uint64_t>(rows) * columns != data.size()) {
    return false;
  }
  WallMatrix& wall = pipe.wallMatrix;
  wall.data = std::move(data);
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

BuildStatus BuildWallMatrix(PipeFile& pipe, int channelIndex, const std::string& encoderLog) {
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
  CorrectWallChannel(corrected, pipe.header.wallJumpSize, encoderLog);
  BuiltMatrix built = BuildMatrix(corrected, wall.deltaX, wall.deltaY, MatrixKind::kWall);
  PlaceSamples(raw);
  if (built.empty()) {
    return BuildStatus::kNoGrid;
  }
  SetWallMatrix(pipe, wall.deltaX, built.rows, built.columns, std::move(built.data));
  return BuildStatus::kBuilt;
}

BuildStatus BuildMergedWallMatrix(PipeFile& pipe, const MergedWallBuild& build,
                                  RevolutionStartTable& starts) {
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
  CorrectWallChannel(*merged, build.jumpSize, build.encoderLog);
  BuiltMatrix built = BuildMatrix(*merged, build.deltaX, build.deltaY, MatrixKind::kWall);
  if (built.empty()) {
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
  SetWallMatrix(pipe, build.deltaX, built.rows, built.columns, std::move(built.data));
  return BuildStatus::kBuilt;
}

}  // namespace ductora
