#include "sim/motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "data/format/pipe_file.h"

namespace ductora::sim {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kMicroseconds = 1e6;

}  // namespace

long Motion::turn(std::size_t sample) const {
  return static_cast<long>(std::floor(rotation[sample] / 360.0));
}

bool Motion::markBefore(std::size_t sample) const { return sample > 0 && turn(sample) > turn(sample - 1); }

double Motion::rotationAtCount(double count, std::size_t first, std::size_t last) const {
  const auto begin = rotationCount.begin() + static_cast<std::ptrdiff_t>(first);
  const auto end = rotationCount.begin() + static_cast<std::ptrdiff_t>(last) + 1;
  auto upper = std::upper_bound(begin, end, count, [](double c, std::uint32_t v) { return c < v; });
  if (upper == begin) {
    return rotation[first];
  }
  if (upper == end) {
    return rotation[last];
  }
  const auto i = static_cast<std::size_t>(upper - rotationCount.begin());
  const double c0 = rotationCount[i - 1];
  const double c1 = rotationCount[i];
  const double f = c1 > c0 ? (count - c0) / (c1 - c0) : 0.0;
  return rotation[i - 1] + f * (rotation[i] - rotation[i - 1]);
}

Motion simulateMotion(const MotionSettings& settings, Random& random) {
  Motion motion;
  const double sampleRate = settings.samplesPerRev * settings.turnsPerSecond;
  const double dt = 1.0 / sampleRate;
  const double p1 = random.uniform(0.0, kTwoPi);
  const double p2 = random.uniform(0.0, kTwoPi);
  const double p3 = random.uniform(0.0, kTwoPi);
  const double clockOrigin = static_cast<double>(random.integer(1'000'000, 500'000'000));
  motion.encoderOrigin = static_cast<std::uint32_t>(random.integer(50'000, 2'000'000));

  const auto expected = static_cast<std::size_t>((settings.endAdvance - settings.startAdvance) /
                                                 settings.pitch * settings.samplesPerRev * 1.05);
  motion.rotation.reserve(expected);
  motion.advance.reserve(expected);
  motion.axialCount.reserve(expected);
  motion.rotationCount.reserve(expected);

  double rotation = random.uniform(0.0, 360.0);
  double advance = settings.startAdvance;
  for (std::size_t n = 0; advance <= settings.endAdvance; ++n) {
    const double t = static_cast<double>(n) * dt;
    motion.rotation.push_back(rotation);
    motion.advance.push_back(advance);
    motion.axialCount.push_back(
        static_cast<std::uint32_t>(motion.encoderOrigin + std::lround(advance * kCountsPerInch)));
    motion.rotationCount.push_back(static_cast<std::uint32_t>(clockOrigin + std::round(t * kMicroseconds)));
    // The drive's speed wanders by about a percent; the carriage slips a little along the helix.
    const double speed =
        1.0 + 0.008 * std::sin(kTwoPi * t / 6.7 + p1) + 0.005 * std::sin(kTwoPi * t / 1.9 + p2);
    const double step = 360.0 * settings.turnsPerSecond * speed * dt;
    rotation += step;
    advance += settings.pitch * step / 360.0 * (1.0 + 0.01 * std::sin(kTwoPi * t / 4.3 + p3));
  }
  return motion;
}

}  // namespace ductora::sim
