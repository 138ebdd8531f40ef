#pragma once

#include <string_view>

namespace ductora {

// Why a matrix build left the pipe as it was.
enum class BuildStatus {
  kBuilt,
  kNoChannel,      // the channel number is not one of the pipe's
  kNoRevolutions,  // the channel holds no revolutions
  kTrimmedAway,    // Remove Front and Remove Back leave none of them
  kCannotMerge,    // a channel is too short to be joined to the other
  kNoGrid,         // the pitches give no matrix (see MatrixGridShape)
};

std::string_view DescribeBuildStatus(BuildStatus status);

}  // namespace ductora
