#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "analysis/rebuild/correction/filter_tally.h"
#include "data/format/pipe_file.h"

namespace ductora {

// The difference of two readings as the 16-bit registers hold it.
inline std::int32_t SixteenBitDifference(std::int32_t a, std::int32_t b) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(a - b));
}

// The 25 slots a replacement reading is predicted from; 0 marks an empty slot.
using Neighbourhood = std::array<std::int32_t, 25>;

// Readings a forward scan has already passed: samples j - 2 .. j + 2 of revolutions i - 2 and
// i - 1, and samples j - 2, j - 1 of revolution i, in that order. The same sample index is used
// in every revolution.
Neighbourhood GatherBefore(const RevolutionList& revolutions, std::size_t i, std::size_t j);
// The mirror image for a backward scan: samples j + 1, j + 2 of revolution i, then j - 2 .. j + 2
// of revolutions i + 1 and i + 2.
Neighbourhood GatherAfter(const RevolutionList& revolutions, std::size_t i, std::size_t j);

// The truncated mean of the slots within one standard deviation of the mean of the usable ones
// (not 0, below 4000). Fewer than two usable slots predict 0.
std::int32_t PredictReading(Neighbourhood slots);

// Wall channels: every reading of 0 is replaced by the prediction from the samples before it.
void ZeroPass(RevolutionList& revolutions, FilterTally* tally = nullptr);
// Every reading differing from its predecessor (successor) in the same revolution by more than
// jumpSize is replaced. The difference is taken in 16 bits, as the readings are stored. The
// forward pass leaves the first revolution alone. Replacements take part in later comparisons.
void ForwardJumpPass(RevolutionList& revolutions, std::int32_t jumpSize, FilterTally* tally = nullptr);
void BackwardJumpPass(RevolutionList& revolutions, std::int32_t jumpSize, FilterTally* tally = nullptr);

}  // namespace ductora
