#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

namespace ductora::sim {

// A seeded generator whose every draw is defined here (not by the standard library's
// distributions), so the same seed gives the same files on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1).
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  double uniform(double low, double high) { return low + (high - low) * uniform(); }
  // Uniform integer in [low, high].
  std::int64_t integer(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool chance(double probability) { return uniform() < probability; }

  // Standard normal by Box-Muller.
  double normal() {
    const double u = 1.0 - uniform();  // (0, 1]
    const double v = uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
  }

  // An independent generator for one part of the work, so that adding draws to one part does not
  // change the others.
  Random fork(std::uint64_t salt) { return Random(next() ^ (salt * 0xD1B54A32D192ED03ULL)); }

 private:
  std::uint64_t state_;
};

}  // namespace ductora::sim
