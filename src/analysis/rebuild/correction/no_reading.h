#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/rebuild/correction/jump_filter.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Per revolution, per sample: 1 where the gauge had no reading over an area, not a lone drop-out.
// Empty when there is no such area.
using NoReadingSamples = std::vector<std::vector<std::uint8_t>>;

// The shortest run of no-reading samples kept as an area: one pitch of the circumference, below
// which the turns before and after see the same place and the zero pass may fill it, and never
// fewer than three samples, so that drop-outs of one or two samples are always filled.
std::size_t ShortestNoReadingRun(std::size_t pitchSamples);

// Runs of at least `shortest` readings of 0 within a turn.
NoReadingSamples FindNoReadingRuns(const ChannelReadings& readings, std::size_t shortest);

// Removes the empty revolutions (as the matrix build does) and their flags together.
void RemoveEmptyRevolutions(RevolutionList& revolutions, NoReadingSamples& flags);

// One flag per cell of a rows x columns matrix built from the placed revolutions: the flag of the
// sample nearest the cell, in the turn that passes nearest to it at the cell's angle.
std::vector<std::uint8_t> NoReadingCells(const RevolutionList& placed, const NoReadingSamples& flags,
                                         std::uint32_t rows, std::uint32_t columns, double deltaX,
                                         double deltaY);

}  // namespace ductora
