#pragma once

#include <cstdint>
#include <string>

#include "data/format/pipe_file.h"

namespace ductora {

// Where the program appends the encoder counts of every wall channel correction: its working
// directory.
inline constexpr const char* kEncoderCountFile = "EncoderCount.tab";

// Missing and false 12 o'clock marks repaired, zero readings and jumps replaced, then the axial
// count at the start of every revolution appended to encoderLog; an empty path writes nothing.
void CorrectWallChannel(RevolutionList& revolutions, std::int32_t jumpSize, const std::string& encoderLog);
// The OD form of the mark repair, then the jump passes unless jumpSize is 0 (0 is a valid OD
// reading, so there is no zero pass).
void CorrectOdChannel(RevolutionList& revolutions, std::int32_t jumpSize);

// One line per revolution: the axial count of its first sample in the stream's default
// floating-point format. A file that cannot be opened is not written.
void AppendEncoderCounts(const RevolutionList& revolutions, const std::string& path);

}  // namespace ductora
