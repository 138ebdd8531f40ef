#pragma once

#include <optional>

#include "data/format/pipe_file.h"

namespace ductora {

// Which end of the primary channel the secondary channel is joined to.
enum class AppendDirection : int { kLeft = -1, kRight = 1 };

// The channels overlap by 13.5 inches of encoder counts.
constexpr double kMergeOverlapCounts = 13.5 * kCountsPerInch;

// Left: the secondary channel's revolutions up to 5 past the end of its first 13.5 inches, then
// the primary's from its sixth on, its counts moved to follow on. Right: the primary without its
// last 5 revolutions, then the secondary from 5 revolutions before its last 13.5 inches, its counts
// moved to follow on. Counts wrap as unsigned 32-bit numbers. A primary of fewer than 6
// revolutions, or a secondary too short for the overlap plus 5 revolutions, cannot be joined
// (nullopt). The result holds at most kMaxRevolutions revolutions; the sources are not changed.
std::optional<RevolutionList> MergeChannels(const RevolutionList& primary, const RevolutionList& secondary,
                                            AppendDirection direction);

}  // namespace ductora
