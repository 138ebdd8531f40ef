#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora::testing {

// Revolution lists made in memory, the way a channel stream is cut: axial counts rising along
// the helix, rotation counts rising with a little jitter, readings from a function of
// (revolution, sample).
struct RevolutionShape {
  std::size_t revolutions = 40;
  std::size_t samplesPerRev = 360;
  double pitchInches = 1.0 / 3.0;
  std::uint32_t axialStart = 5000;
  std::uint32_t rotationStep = 16;
  std::uint32_t seed = 1;
  std::function<std::int32_t(std::size_t, std::size_t)> reading;  // default: an eccentric wall
};

RevolutionList MakeRevolutions(const RevolutionShape& shape);

// Faults of the acquisition, made on purpose.
// The mark between revolutions i and i + 1 is lost: they become one.
void InjectMissedMark(RevolutionList& revolutions, std::size_t i);
// A spurious mark cuts revolution i after `at` samples.
void InjectFalseMark(RevolutionList& revolutions, std::size_t i, std::size_t at);
// `count` readings at places chosen by the seed are set to `value` (0: dropouts).
void InjectReadings(RevolutionList& revolutions, std::size_t count, std::uint32_t seed, std::int32_t value);
// `count` readings at places chosen by the seed are moved by `offset` (jumps).
void InjectJumps(RevolutionList& revolutions, std::size_t count, std::uint32_t seed, std::int32_t offset);

std::vector<std::int32_t> Lengths(const RevolutionList& revolutions);
std::size_t SampleCount(const RevolutionList& revolutions);
// A revolution of the given readings, axial counts from `axial` up by one per sample.
RevolutionSamples MakeRevolution(const std::vector<std::int32_t>& readings, std::uint32_t axial = 0,
                                 std::uint32_t rotation = 0);

}  // namespace ductora::testing
