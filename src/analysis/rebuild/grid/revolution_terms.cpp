#include "analysis/rebuild/grid/revolution_terms.h"

#include <algorithm>
#include <limits>

#include "analysis/rebuild/grid/column_samples.h"
#include "analysis/rebuild/grid/vector_kernels.h"

namespace ductora {

namespace {

// to entry c := from entry indices[c], one sum at a time.
void GatherTerms(const TermArrays& from, const std::vector<std::size_t>& indices, TermArrays& to) {
  const auto gather = [&indices](const std::vector<double>& source, std::vector<double>& target) {
    for (std::size_t c = 0; c < indices.size(); ++c) {
      target[c] = source[indices[c]];
    }
  };
  gather(from.t, to.t);
  gather(from.t2, to.t2);
  gather(from.t3, to.t3);
  gather(from.t4, to.t4);
  gather(from.v, to.v);
  gather(from.tv, to.tv);
  gather(from.t2v, to.t2v);
}

}  // namespace

void RevolutionTerms::assign(std::size_t revolution, const RevolutionSamples& samples,
                             const std::vector<double>& columnAngles) {
  index_ = revolution;
  circumferentialReady_ = false;
  const std::size_t count = samples.size();
  std::vector<double>& angles = columnPositions_;  // borrowed as scratch until the columns are known
  std::vector<double>& readings = columnReadings_;
  angles.resize(count);
  readings.resize(count);
  for (std::size_t j = 0; j < count; ++j) {
    angles[j] = samples[j].angle;
    readings[j] = samples[j].reading;
  }
  around_.fill(angles.data(), readings.data(), count);
  windows_.resize(count);
  SevenPointSums(around_.t.data(), windows_.t.data(), count);
  SevenPointSums(around_.t2.data(), windows_.t2.data(), count);
  SevenPointSums(around_.t3.data(), windows_.t3.data(), count);
  SevenPointSums(around_.t4.data(), windows_.t4.data(), count);
  SevenPointSums(around_.v.data(), windows_.v.data(), count);
  SevenPointSums(around_.tv.data(), windows_.tv.data(), count);
  SevenPointSums(around_.t2v.data(), windows_.t2v.data(), count);

  const std::size_t columns = columnAngles.size();
  angles.push_back(std::numeric_limits<double>::infinity());
  angles.push_back(std::numeric_limits<double>::infinity());
  FindColumnSamples(angles, count, columnAngles, columnSamples_);
  columnPositions_.resize(columns);
  columnReadings_.resize(columns);
  for (std::size_t c = 0; c < columns; ++c) {
    const RawSample& sample = samples[columnSamples_[c]];
    columnPositions_[c] = sample.position;
    columnReadings_[c] = sample.reading;
  }
  columnAlong_.fill(columnPositions_.data(), columnReadings_.data(), columns);
}

void RevolutionTerms::addAround(const RevolutionTerms& previous, const RevolutionTerms& next, std::int64_t k,
                                ParabolaSums& sums) const {
  const auto count = static_cast<std::int64_t>(around_.t.size());
  if (k < 0) {
    const auto size = static_cast<std::int64_t>(previous.around_.t.size());
    previous.around_.addTo(sums, static_cast<std::size_t>(std::clamp<std::int64_t>(k + size, 0, size - 1)));
  } else if (k >= count) {
    const auto size = static_cast<std::int64_t>(next.around_.t.size());
    next.around_.addTo(sums, static_cast<std::size_t>(std::clamp<std::int64_t>(k - count, 0, size - 1)));
  } else {
    around_.addTo(sums, static_cast<std::size_t>(k));
  }
}

const std::vector<double>& RevolutionTerms::circumferential(const RevolutionTerms& previous,
                                                            const RevolutionTerms& next,
                                                            const std::vector<double>& columnAngles) {
  if (circumferentialReady_) {
    return circumferential_;
  }
  const std::size_t columns = columnAngles.size();
  const auto count = static_cast<std::int64_t>(around_.t.size());
  columnAround_.resize(columns);
  GatherTerms(windows_, columnSamples_, columnAround_);
  for (std::size_t c = 0; c < columns; ++c) {
    // Near its ends the window reaches into the neighbouring revolutions.
    const auto k = static_cast<std::int64_t>(columnSamples_[c]);
    if (k < kReach || k + kReach >= count) {
      ParabolaSums sums;
      for (std::int64_t offset = -kReach; offset <= kReach; ++offset) {
        addAround(previous, next, k + offset, sums);
      }
      columnAround_.set(c, sums);
    }
  }
  circumferential_.resize(columns);
  EvaluateParabolas(2.0 * kReach + 1.0, columnAround_, columnAngles.data(), circumferential_.data(), columns);
  circumferentialReady_ = true;
  return circumferential_;
}

RevolutionTerms& TermsCache::get(std::size_t index) {
  RevolutionTerms& slot = slots_[index % slots_.size()];
  if (slot.index() != index) {
    slot.assign(index, revolutions_[index], columnAngles_);
  }
  return slot;
}

}  // namespace ductora
