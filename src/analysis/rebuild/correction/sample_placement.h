#pragma once

#include "data/format/pipe_file.h"

namespace ductora {

// Axial position in inches from the first sample of the list, and the angle within the revolution
// from its rotation counts: 0 at the first sample, 360 at the last. A revolution whose counter did
// not move (a single sample, or a stalled counter) is spread evenly by sample index instead; a
// single sample sits at 0.
void PlaceSamples(RevolutionList& revolutions);

// The same for one revolution of a list whose first sample has the axial count `origin`.
void PlaceRevolution(RevolutionSamples& revolution, double origin);

inline double SamplePosition(const RawSample& sample, double origin) {
  return (sample.axialCount - origin) * kInchesPerCount;
}

}  // namespace ductora
