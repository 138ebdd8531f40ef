#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "analysis/rebuild/correction/filter_tally.h"
#include "analysis/rebuild/correction/sample_flags.h"
#include "data/format/pipe_file.h"

namespace ductora {

// replace: every jump is replaced from its neighbourhood. corroborated: a jump the channel's own
// readings of the same place confirm is kept (see CorroboratedJumpPasses).
enum class JumpFilter { kReplace, kCorroborated };

const char* JumpFilterName(JumpFilter filter);
std::optional<JumpFilter> ParseJumpFilter(std::string_view name);

struct Corroboration {
  std::int32_t jumpSize = 0;
  // Samples that cover one pitch (the advance per turn) of the circumference; 0 when unknown.
  std::size_t pitchSamples = 0;
  // Wall readings: 0 is no reading, and a pit only ever thins the wall.
  bool wall = true;
};

// The readings of a channel, revolution by revolution: what the passes found, before any was
// replaced.
using ChannelReadings = std::vector<std::vector<std::int32_t>>;
ChannelReadings ReadingsOf(const RevolutionList& revolutions);

// The forward and backward jump passes, with one change: a run of readings that jumps away is kept
// when the channel's own readings of the same place confirm it. The turn before or after, at the
// same share of its turn (give or take 2 samples), departs the same way by more than half the
// jump size at two readings in a row centred there (from its own wall and the run's level), had
// no reading over a pitch or more, or dips there beyond its own scatter. The helix puts those
// turns one pitch away; a fault of the gauge does not repeat a turn later at the same angle. Runs
// narrower than a pitch, the size of the gauge's spikes, need both turns; a run of one reading,
// or of one value repeated on a noisy gauge, is never kept. A pit under two pitches across may
// sit on one turn and pass the others by, so a run at least a pitch wide is also kept on two of:
// each neighbour that sees it or its rim, a sloped side, a bowl deeper in the middle, an echo lost
// within it (run_evidence.h). A wall run thicker than its turn's median by more than the jump size is no
// defect and is always replaced. `seen` holds the readings as the passes found them (no-readings
// still 0), in the same revolutions. Runs that are not confirmed are replaced as the plain passes
// replace them; a lost echo within a kept run takes the run's readings beside it. Returns the
// samples of the kept runs (on a wall, those thinner than the level they left) whose readings
// stand, which the tally counts run by run.
SampleFlags CorroboratedJumpPasses(RevolutionList& revolutions, const ChannelReadings& seen,
                                   const Corroboration& rule, FilterTally* tally);

}  // namespace ductora
