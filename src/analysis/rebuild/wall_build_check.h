#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "analysis/rebuild/correction/channel_merge.h"
#include "analysis/rebuild/matrix_fields.h"
#include "analysis/rebuild/wall_build.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Wall build settings as the operator gives them (trims in inches, any jump size), before they
// become a build.
struct WallBuildRequest {
  int primary = 0;
  int secondary = 0;  // 0: the primary channel alone
  double removeFrontInches = 0.0;
  double removeBackInches = 0.0;
  double deltaX = 0.0;
  double deltaY = 0.0;
  std::array<double, 4> wallScales{};
  std::int64_t jumpSize = 0;
  JumpFilter jumpFilter = JumpFilter::kCorroborated;
  bool displayRaw = false;
  AppendDirection direction = AppendDirection::kRight;
  // A one-channel build takes the pipe's stored settings unless these replace them first.
  bool storesSettings = false;
};

struct WallBuildProblem {
  enum class Kind { kBadValue, kNoSamples };
  Kind kind;
  std::string message;  // one sentence for the operator
};

// Why no build can use the request, or nullopt. Only what the build uses is checked: the jump size
// (0 to 255) and the primary channel always; the secondary channel, trims, pitches and wall scales
// when the channels are joined or the settings are stored. A channel must be 1 to 4 and hold samples.
// Trims that leave no revolution show only on loading: the builders report kTrimmedAway.
std::optional<WallBuildProblem> CheckWallBuild(const PipeFile& pipe, const WallBuildRequest& request);

// The joined build of a request that passed the check. Settings given as the pipe's fields show
// them keep the stored values exactly (see SettledSetting).
MergedWallBuild MergedBuildOf(const WallBuildRequest& request, const WallMatrixFields& shown,
                              const std::string& encoderLog);

}  // namespace ductora
