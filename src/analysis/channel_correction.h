#pragma once

#include <cstdint>
#include <string>

#include "data/pipe_file.h"

namespace ductora {

// Appended to in the working directory after every wall channel correction.
inline constexpr const char* kEncoderCountFile = "EncoderCount.tab";

// Missing and false 12 o'clock marks repaired, zero readings and jumps replaced, then the axial
// count at the start of every revolution appended to kEncoderCountFile.
void CorrectWallChannel(RevolutionList& revolutions, std::int32_t jumpSize);
// The OD form of the mark repair, then the jump passes unless jumpSize is 0 (0 is a valid OD
// reading, so there is no zero pass).
void CorrectOdChannel(RevolutionList& revolutions, std::int32_t jumpSize);

// One line per revolution: the axial count of its first sample in the stream's default
// floating-point format. A file that cannot be opened is not written.
void AppendEncoderCounts(const RevolutionList& revolutions, const std::string& path);

}  // namespace ductora
