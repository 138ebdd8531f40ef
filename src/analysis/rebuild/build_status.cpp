#include "analysis/rebuild/build_status.h"

namespace ductora {

std::string_view DescribeBuildStatus(BuildStatus status) {
  switch (status) {
    case BuildStatus::kBuilt:
      return "built";
    case BuildStatus::kNoChannel:
      return "no such channel";
    case BuildStatus::kNoRevolutions:
      return "the channel holds no raw revolutions";
    case BuildStatus::kTrimmedAway:
      return "Remove Front and Remove Back leave no revolution of the channel";
    case BuildStatus::kCannotMerge:
      return "the channels are too short to be joined (13.5 inches of overlap and 5 revolutions are needed)";
    case BuildStatus::kNoGrid:
      return "the matrix pitches give no usable grid";
  }
  return "unknown";
}

}  // namespace ductora
