#include "analysis/rebuild/wall_build_check.h"

#include <cmath>

#include "analysis/rebuild/correction/encoder_counts.h"

namespace ductora {

namespace {

using Kind = WallBuildProblem::Kind;

std::optional<WallBuildProblem> CheckChannel(const PipeFile& pipe, int number, const std::string& role) {
  if (number < 1 || number > 4) {
    return WallBuildProblem{Kind::kBadValue,
                            role + " must be a channel from 1 to 4, not " + std::to_string(number) + "."};
  }
  if (pipe.wallChannels[static_cast<std::size_t>(number - 1)].sampleCount == 0) {
    return WallBuildProblem{Kind::kNoSamples,
                            "WDM - Channel " + std::to_string(number) + " holds no samples."};
  }
  return std::nullopt;
}

bool IsInches(double value) { return std::isfinite(value) && value >= 0.0; }

std::optional<std::string> SettingsError(const WallBuildRequest& request) {
  if (!(std::isfinite(request.deltaX) && request.deltaX > 0.0)) {
    return "Delta X must be a number of inches above 0.";
  }
  if (!(request.deltaY > 0.0 && request.deltaY <= 360.0)) {
    return "Delta Y must be a number of degrees above 0 and at most 360.";
  }
  if (!IsInches(request.removeFrontInches) || !IsInches(request.removeBackInches)) {
    return "Remove Front and Remove Back must be inches of 0 or more.";
  }
  for (std::size_t i = 0; i < request.wallScales.size(); ++i) {
    if (!IsInches(request.wallScales[i])) {
      return "The Wall Scale of channel " + std::to_string(i + 1) + " must be a number of 0 or more.";
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<WallBuildProblem> CheckWallBuild(const PipeFile& pipe, const WallBuildRequest& request) {
  // The pipe keeps 8 bits of it: a larger one would be stored as another.
  if (request.jumpSize < 0 || request.jumpSize > kMostJumpSize) {
    return WallBuildProblem{Kind::kBadValue,
                            "Jump Size must be from 0 to " + std::to_string(kMostJumpSize) + "."};
  }
  const bool joined = request.secondary != 0;
  if (joined && (request.secondary < 0 || request.secondary > 4)) {
    return WallBuildProblem{Kind::kBadValue,
                            "Secondary Channel must be 0 (none) or a channel from 1 to 4, not " +
                                std::to_string(request.secondary) + "."};
  }
  if (joined || request.storesSettings) {
    if (const auto error = SettingsError(request)) {
      return WallBuildProblem{Kind::kBadValue, *error};
    }
  }
  if (auto problem = CheckChannel(pipe, request.primary, "Primary Channel")) {
    return problem;
  }
  return joined ? CheckChannel(pipe, request.secondary, "Secondary Channel") : std::nullopt;
}

MergedWallBuild MergedBuildOf(const WallBuildRequest& request, const WallMatrixFields& shown,
                              const std::string& encoderLog) {
  MergedWallBuild build;
  build.primary = request.primary;
  build.secondary = request.secondary;
  build.removeFront = SettledRemoval(request.removeFrontInches, shown.removeFront);
  build.removeBack = SettledRemoval(request.removeBackInches, shown.removeBack);
  build.deltaX = SettledSetting(request.deltaX, shown.deltaX, kPitchDecimals);
  build.deltaY = SettledSetting(request.deltaY, shown.deltaY, kPitchDecimals);
  for (std::size_t i = 0; i < build.wallScales.size(); ++i) {
    build.wallScales[i] = SettledSetting(request.wallScales[i], shown.wallScales[i], kWallScaleDecimals);
  }
  build.jumpSize = static_cast<std::uint8_t>(request.jumpSize);
  build.jumpFilter = request.jumpFilter;
  build.displayRaw = request.displayRaw;
  build.direction = request.direction;
  build.encoderLog = encoderLog;
  return build;
}

}  // namespace ductora
