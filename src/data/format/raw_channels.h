#pragma once

#include <cstddef>
#include <cstdint>

#include "data/format/pipe_file.h"

namespace ductora {

// Loading raw channel samples back from the pipe's own file (pipe.path), cut into revolutions at
// the 12 o'clock markers. When a file holds several blocks of one channel the last intact one is
// used, as the reader keeps the last channel head. For use, at most kMaxRevolutions revolutions
// are stored and the rest of a longer stream is not read; saving asks for every revolution. The
// records that belong to no revolution go to the channel's ends, for saving.

enum class RevolutionLimit { kProgram, kAll };

// Fills wall channel channelNumber (1..4) and returns its revolution count. Readings above 1 are
// converted to wallScale when it is not 0 (see rescaleWallReading). Samples up to the block's
// second marker and after its last marker belong to no revolution.
std::size_t LoadWallRevolutions(PipeFile& pipe, int channelNumber, double wallScale,
                                RevolutionLimit limit = RevolutionLimit::kProgram);

struct OdLoadResult {
  bool found = false;  // the channel's block is in the file
  std::size_t revolutions = 0;
};

// Fills OD channel channelNumber (1..2). inchesPerCount replaces the stored scale when not 0.
// Samples before the first marker and after the last one belong to no revolution.
OdLoadResult LoadOdRevolutions(PipeFile& pipe, int channelNumber, double inchesPerCount,
                               RevolutionLimit limit = RevolutionLimit::kProgram);

// Keeps the revolutions whose last sample lies beyond start + removeFront and whose first sample
// lies before end - removeBack (axial counts of the first and last sample of the list).
void TrimRevolutions(RevolutionList& revolutions, std::uint32_t removeFront, std::uint32_t removeBack);
// The same for a loaded wall channel, whose leftovers go with it: a removal at either end also
// drops the records beyond the revolutions there.
void TrimWallChannel(WallChannel& channel, std::uint32_t removeFront, std::uint32_t removeBack);

// A stored wall reading converted from storedScale to wallScale, rounded half up and held within
// 0..65535. Readings of 0 and 1 and scales of 0 (or not finite) leave the reading as it is.
std::int32_t rescaleWallReading(std::int32_t reading, double storedScale, double wallScale);

// A stored OD reading in mils at the given inches per count, truncated toward zero and held
// within the 16-bit signed range.
std::int32_t convertOdReading(std::int32_t reading, double inchesPerCount);

}  // namespace ductora
