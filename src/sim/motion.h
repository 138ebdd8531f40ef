#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/random.h"

namespace ductora::sim {

struct MotionSettings {
  double pitch = 1.0 / 3.0;     // inches of advance per turn
  int samplesPerRev = 360;      // at the nominal turning speed
  double turnsPerSecond = 5.0;  // nominal turning speed
  double startAdvance = -1.0;   // encoder travel at the first sample, inches
  double endAdvance = 0.0;      // the scan stops once the travel passes this
};

// The turning and advancing pipe, sampled at a fixed rate: the unit's clock ticks, the pipe turns
// at a slightly varying speed and advances along its helix with a little slip.
struct Motion {
  std::vector<double> rotation;  // the pipe's turn, degrees; the 12 o'clock mark at every multiple of 360
  std::vector<double> advance;   // encoder travel, inches
  std::vector<std::uint32_t> axialCount;
  std::vector<std::uint32_t> rotationCount;  // microseconds of the unit's clock
  std::uint32_t encoderOrigin = 0;           // axial count at zero travel

  std::size_t size() const { return rotation.size(); }
  // Index of the revolution (completed turns) a sample lies in.
  long turn(std::size_t sample) const;
  // Whether the unit's 12 o'clock mark falls between sample - 1 and sample.
  bool markBefore(std::size_t sample) const;
  // Degrees turned at a rotation count between the counts of samples first..last, by interpolation.
  double rotationAtCount(double count, std::size_t first, std::size_t last) const;
};

Motion simulateMotion(const MotionSettings& settings, Random& random);

}  // namespace ductora::sim
