#pragma once

#include <cstdint>
#include <string>

#include "analysis/rebuild/correction/filter_tally.h"
#include "analysis/rebuild/correction/jump_filter.h"
#include "analysis/rebuild/correction/no_reading.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Where the program appends the encoder counts of every wall channel correction: its working
// directory.
inline constexpr const char* kEncoderCountFile = "EncoderCount.tab";

// How a channel's readings are filtered.
struct ChannelFilter {
  JumpFilter jumpFilter = JumpFilter::kCorroborated;
  std::int32_t jumpSize = 0;
  // Of the pipe, in inches (pi x OD); 0 when unknown, which leaves the corroborated filter no
  // narrow runs and the no-reading areas their shortest run.
  double circumference = 0.0;
};

struct WallCorrection {
  FilterTally tally;
  SampleFlags noReading;
  SampleFlags kept;  // the thinner runs the corroborated filter kept
};

// Samples that cover one pitch of the circumference, from the channel's own turns: their mean
// length and their advance along the pipe. 0 without two turns or a circumference.
std::size_t PitchSamples(const RevolutionList& revolutions, double circumference);

// Missing and false 12 o'clock marks repaired, zero readings and jumps replaced, then the axial
// count at the start of every revolution appended to encoderLog; an empty path writes nothing.
// Runs of no reading are filled too, and flagged.
WallCorrection CorrectWallChannel(RevolutionList& revolutions, const ChannelFilter& filter,
                                  const std::string& encoderLog);
// The OD form of the mark repair, then the jump passes unless the jump size is 0 (0 is a valid OD
// reading, so there is no zero pass).
FilterTally CorrectOdChannel(RevolutionList& revolutions, const ChannelFilter& filter);

// One line per revolution: the axial count of its first sample in the stream's default
// floating-point format. A file that cannot be opened is not written.
void AppendEncoderCounts(const RevolutionList& revolutions, const std::string& path);

}  // namespace ductora
