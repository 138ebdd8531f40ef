#pragma once

#include <cstddef>

#include "analysis/rebuild/correction/jump_filter.h"
#include "analysis/rebuild/correction/sample_flags.h"

namespace ductora {

// The shortest run of no-reading samples kept as an area: one pitch of the circumference, below
// which the turns before and after see the same place and the zero pass may fill it, and never
// fewer than three samples, so that drop-outs of one or two samples are always filled.
std::size_t ShortestNoReadingRun(std::size_t pitchSamples);

// Runs of at least `shortest` readings of 0 within a turn: where the gauge had no reading over an
// area, not a lone drop-out.
SampleFlags FindNoReadingRuns(const ChannelReadings& readings, std::size_t shortest);

}  // namespace ductora
