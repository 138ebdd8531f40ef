#include "analysis/rebuild/correction/channel_filter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ductora {

namespace {

constexpr std::int64_t kHalfWidth = 2;
constexpr std::int32_t kUsableLimit = 4000;

// Adds sample j + offset of revolution `revolution` when it exists and `take` accepts its index.
template <typename Take>
void GatherFrom(const RevolutionList& revolutions, std::int64_t revolution, std::int64_t j, Take take,
                Neighbourhood& slots, std::size_t& filled) {
  if (revolution < 0 || revolution >= static_cast<std::int64_t>(revolutions.size())) {
    return;
  }
  const RevolutionSamples& samples = revolutions[static_cast<std::size_t>(revolution)];
  for (std::int64_t k = j - kHalfWidth; k <= j + kHalfWidth; ++k) {
    if (k >= 0 && k < static_cast<std::int64_t>(samples.size()) && take(revolution, k)) {
      slots[filled++] = samples[static_cast<std::size_t>(k)].reading;
    }
  }
}

}  // namespace

Neighbourhood GatherBefore(const RevolutionList& revolutions, std::size_t i, std::size_t j) {
  Neighbourhood slots{};
  std::size_t filled = 0;
  const auto centre = static_cast<std::int64_t>(i);
  const auto index = static_cast<std::int64_t>(j);
  for (std::int64_t r = centre - 2; r <= centre; ++r) {
    GatherFrom(
        revolutions, r, index, [&](std::int64_t rev, std::int64_t k) { return rev != centre || k < index; },
        slots, filled);
  }
  return slots;
}

Neighbourhood GatherAfter(const RevolutionList& revolutions, std::size_t i, std::size_t j) {
  Neighbourhood slots{};
  std::size_t filled = 0;
  const auto centre = static_cast<std::int64_t>(i);
  const auto index = static_cast<std::int64_t>(j);
  for (std::int64_t r = centre; r <= centre + 2; ++r) {
    GatherFrom(
        revolutions, r, index, [&](std::int64_t rev, std::int64_t k) { return rev != centre || k > index; },
        slots, filled);
  }
  return slots;
}

std::int32_t PredictReading(Neighbourhood slots) {
  double count = 0.0;
  double sum = 0.0;
  double squares = 0.0;
  for (const std::int32_t value : slots) {
    if (value != 0 && value < kUsableLimit) {
      count += 1.0;
      sum += value;
      squares += static_cast<double>(value) * value;
    }
  }
  // One usable value has no spread: the neighbourhood tells nothing.
  if (count < 2.0) {
    return 0;
  }
  const double mean = sum / count;
  const double sigma = std::sqrt(std::max(0.0, (squares - sum * sum / count) / (count - 1.0)));
  double keptSum = 0.0;
  double kept = 0.0;
  for (std::int32_t& value : slots) {
    if (value > mean + sigma || value < mean - sigma) {
      value = 0;
    }
    if (value != 0) {
      keptSum += value;
      kept += 1.0;
    }
  }
  return kept > 0.0 ? static_cast<std::int32_t>(keptSum / kept) : 0;
}

void ZeroPass(RevolutionList& revolutions, FilterTally* tally) {
  for (std::size_t i = 0; i < revolutions.size(); ++i) {
    for (std::size_t j = 0; j < revolutions[i].size(); ++j) {
      if (revolutions[i][j].reading == 0) {
        if (tally != nullptr) ++tally->zerosFilled;
        revolutions[i][j].reading = PredictReading(GatherBefore(revolutions, i, j));
      }
    }
  }
}

void ForwardJumpPass(RevolutionList& revolutions, std::int32_t jumpSize, FilterTally* tally) {
  for (std::size_t i = 1; i < revolutions.size(); ++i) {
    for (std::size_t j = 1; j < revolutions[i].size(); ++j) {
      RevolutionSamples& samples = revolutions[i];
      if (std::abs(SixteenBitDifference(samples[j].reading, samples[j - 1].reading)) > jumpSize) {
        if (tally != nullptr) tally->noteJump(samples[j].reading, i, j);
        samples[j].reading = PredictReading(GatherBefore(revolutions, i, j));
      }
    }
  }
}

void BackwardJumpPass(RevolutionList& revolutions, std::int32_t jumpSize, FilterTally* tally) {
  for (std::size_t i = revolutions.size(); i-- > 0;) {
    RevolutionSamples& samples = revolutions[i];
    for (std::size_t j = samples.size() > 1 ? samples.size() - 1 : 0; j-- > 0;) {
      if (std::abs(SixteenBitDifference(samples[j].reading, samples[j + 1].reading)) > jumpSize) {
        if (tally != nullptr) tally->noteJump(samples[j].reading, i, j);
        samples[j].reading = PredictReading(GatherAfter(revolutions, i, j));
      }
    }
  }
}

}  // namespace ductora
