#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/rebuild/build_status.h"
#include "analysis/rebuild/correction/channel_merge.h"
#include "analysis/rebuild/correction/encoder_counts.h"
#include "analysis/rebuild/correction/jump_filter.h"
#include "analysis/rebuild/correction/revolution_starts.h"
#include "analysis/rebuild/filter_summary.h"
#include "data/format/pipe_file.h"

namespace ductora {

// One channel (index 0..3) with the pipe's stored settings: load, trim, correct (appending the
// encoder counts to encoderLog unless it is empty), build, install, recompute the measures. The
// channel keeps its uncorrected, trimmed and placed samples for the channel drawings. Anything but
// kBuilt leaves the matrix as it was. The matrix keeps the filter's name and its no-reading mask;
// summary, when given, says what the filters did.
BuildStatus BuildWallMatrix(PipeFile& pipe, int channelIndex, const std::string& encoderLog,
                            JumpFilter filter = JumpFilter::kCorroborated, FilterSummary* summary = nullptr);

// The largest wall jump size: the pipe keeps 8 bits of it.
constexpr std::int64_t kMostJumpSize = 255;

// The settings of a two-channel build; channels are numbered 1..4.
struct MergedWallBuild {
  int primary = 1;
  int secondary = 2;
  std::uint32_t removeFront = 0;  // encoder counts
  std::uint32_t removeBack = 0;
  double deltaX = 1.0 / 3.0;
  double deltaY = 1.0;
  std::array<double, 4> wallScales{};
  std::uint8_t jumpSize = 0;  // the pipe stores it, so a later build filters as this one
  JumpFilter jumpFilter = JumpFilter::kCorroborated;
  bool displayRaw = false;
  AppendDirection direction = AppendDirection::kRight;
  std::string encoderLog;  // where the encoder counts are appended; empty: nowhere
};

// Two channels joined end to end. On success the settings are stored in the pipe, the start table
// holds the merged revolutions' first rotation counts, the primary and secondary channels hold
// their trimmed samples and, with displayRaw, the raw display slot the merged placed samples.
// Anything but kBuilt leaves the pipe's settings and matrix as they were.
BuildStatus BuildMergedWallMatrix(PipeFile& pipe, const MergedWallBuild& build, RevolutionStartTable& starts,
                                  FilterSummary* summary = nullptr);

// Installs a built wall matrix, with no filter name or mask, and recomputes everything derived
// from it. False (and nothing changed) when the data do not hold rows x columns values.
bool SetWallMatrix(PipeFile& pipe, double deltaX, std::uint32_t rows, std::uint32_t columns,
                   std::vector<std::uint16_t> data);

}  // namespace ductora
