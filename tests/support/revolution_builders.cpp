#include "support/revolution_builders.h"

#include <cmath>
#include <iterator>
#include <numbers>
#include <random>

namespace ductora::testing {

namespace {

std::int32_t EccentricWall(std::size_t revolution, std::size_t sample) {
  const double angle = 2.0 * std::numbers::pi * static_cast<double>(sample) / 360.0;
  return static_cast<std::int32_t>(
      std::lround(362.0 + 15.0 * std::cos(angle) + 0.2 * static_cast<double>(revolution % 7)));
}

// A reading position chosen by the engine, over all samples of the list.
std::pair<std::size_t, std::size_t> PickSample(const RevolutionList& revolutions, std::mt19937& engine) {
  std::size_t index = engine() % SampleCount(revolutions);
  for (std::size_t i = 0; i < revolutions.size(); ++i) {
    if (index < revolutions[i].size()) return {i, index};
    index -= revolutions[i].size();
  }
  return {0, 0};
}

}  // namespace

RevolutionList MakeRevolutions(const RevolutionShape& shape) {
  std::mt19937 engine(shape.seed);
  const auto reading = shape.reading ? shape.reading : EccentricWall;
  const double countsPerSample =
      shape.pitchInches * kCountsPerInch / static_cast<double>(shape.samplesPerRev);
  RevolutionList revolutions(shape.revolutions);
  for (std::size_t r = 0; r < shape.revolutions; ++r) {
    for (std::size_t s = 0; s < shape.samplesPerRev; ++s) {
      const std::size_t step = r * shape.samplesPerRev + s;
      RawSample sample;
      sample.reading = reading(r, s);
      sample.axialCount =
          shape.axialStart + static_cast<std::uint32_t>(static_cast<double>(step) * countsPerSample);
      const std::uint32_t jitter = shape.rotationStep > 2 ? engine() % (shape.rotationStep / 2) : 0;
      sample.rotationCount = static_cast<std::uint32_t>(step) * shape.rotationStep + jitter;
      revolutions[r].push_back(sample);
    }
  }
  return revolutions;
}

void InjectMissedMark(RevolutionList& revolutions, std::size_t i) {
  RevolutionSamples& first = revolutions.at(i);
  RevolutionSamples& second = revolutions.at(i + 1);
  first.insert(first.end(), second.begin(), second.end());
  revolutions.erase(revolutions.begin() + static_cast<std::ptrdiff_t>(i + 1));
}

void InjectFalseMark(RevolutionList& revolutions, std::size_t i, std::size_t at) {
  RevolutionSamples& whole = revolutions.at(i);
  RevolutionSamples tail(whole.begin() + static_cast<std::ptrdiff_t>(at), whole.end());
  whole.resize(at);
  revolutions.insert(revolutions.begin() + static_cast<std::ptrdiff_t>(i + 1), std::move(tail));
}

void InjectReadings(RevolutionList& revolutions, std::size_t count, std::uint32_t seed, std::int32_t value) {
  std::mt19937 engine(seed);
  for (std::size_t n = 0; n < count; ++n) {
    const auto [i, j] = PickSample(revolutions, engine);
    revolutions[i][j].reading = value;
  }
}

void InjectJumps(RevolutionList& revolutions, std::size_t count, std::uint32_t seed, std::int32_t offset) {
  std::mt19937 engine(seed);
  for (std::size_t n = 0; n < count; ++n) {
    const auto [i, j] = PickSample(revolutions, engine);
    revolutions[i][j].reading += offset;
  }
}

std::vector<std::int32_t> Lengths(const RevolutionList& revolutions) {
  std::vector<std::int32_t> lengths;
  for (const RevolutionSamples& revolution : revolutions)
    lengths.push_back(static_cast<std::int32_t>(revolution.size()));
  return lengths;
}

std::size_t SampleCount(const RevolutionList& revolutions) {
  std::size_t count = 0;
  for (const RevolutionSamples& revolution : revolutions) count += revolution.size();
  return count;
}

RevolutionSamples MakeRevolution(const std::vector<std::int32_t>& readings, std::uint32_t axial,
                                 std::uint32_t rotation) {
  RevolutionSamples revolution;
  for (const std::int32_t reading : readings) {
    RawSample sample;
    sample.reading = reading;
    sample.axialCount = axial++;
    sample.rotationCount = rotation++;
    revolution.push_back(sample);
  }
  return revolution;
}

}  // namespace ductora::testing
