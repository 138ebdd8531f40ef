#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora {

// Per revolution, per sample: 1 where a sample is flagged. Empty when none is.
using SampleFlags = std::vector<std::vector<std::uint8_t>>;

// Removes the empty revolutions (as the matrix build does) and their flags together.
void RemoveEmptyRevolutions(RevolutionList& revolutions, std::initializer_list<SampleFlags*> flags);

// One flag per cell of a rows x columns matrix built from the placed revolutions: the flag of the
// sample nearest the cell, in the turn that passes nearest to it at the cell's angle.
std::vector<std::uint8_t> FlaggedCells(const RevolutionList& placed, const SampleFlags& flags,
                                       std::uint32_t rows, std::uint32_t columns, double deltaX,
                                       double deltaY);

}  // namespace ductora
