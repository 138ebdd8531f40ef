#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "data/format/pipe_file.h"

namespace ductora {

// The truncated mean of the revolution lengths (sample counts) within one standard deviation of
// their mean. A single revolution is its own reference; an empty list gives 0.
std::int32_t ReferenceLength(const RevolutionList& revolutions);

// The truncated mean of the lengths within 30 samples of reference, when that mean is itself
// within 30 samples of it; otherwise the reference.
std::int32_t TypicalLength(std::span<const std::int32_t> lengths, std::int32_t reference);

// Revolutions the mark repair looks at together.
constexpr std::size_t kMarkRepairWindow = 12;

enum class MarkRepairForm { kWall, kOd };

// Splits revolutions longer than 1.5 typical lengths, window by window of 12, until no window
// splits any more. The OD form first shortens the typical length to an even share of a
// revolution that is almost a whole number of turns long. A window whose typical length is 0 has
// nothing to split at and is kept as it is; at most kMaxRevolutions revolutions are kept.
void SplitMissingMarks(RevolutionList& revolutions, MarkRepairForm form);

// Joins revolutions shorter than half the typical length to a neighbour, window by window of 12.
// The final window is always full, taken from the end of the list; the channel's last revolution
// is dropped unless it was joined to its predecessor (once: windows processed again after a join
// keep their last revolution). A list of fewer than 12 revolutions is kept as it is, and when joins
// leave fewer than 12 the rest is kept as it is.
void JoinFalseMarks(RevolutionList& revolutions);

}  // namespace ductora
