#include "analysis/rebuild/correction/jump_filter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "analysis/rebuild/correction/channel_filter.h"

namespace ductora {

namespace {

// Samples either side of the same share of the neighbouring turn that count as the same place:
// turns differ in length by a few samples.
constexpr std::int64_t kSameAngleSlack = 2;

template <typename T>
T MedianOf(std::vector<T> values) {
  if (values.empty()) return T{};
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

std::int32_t Median(const RevolutionSamples& samples) {
  std::vector<std::int32_t> readings(samples.size());
  std::transform(samples.begin(), samples.end(), readings.begin(),
                 [](const RawSample& s) { return s.reading; });
  return MedianOf(std::move(readings));
}

// Whether sample k lies in a run of no readings longer than a lone drop-out (3 samples or more):
// the echo lost over an area, as over a pit, rather than for a moment anywhere.
bool LostEchoAt(const std::vector<std::int32_t>& turn, std::int64_t k) {
  constexpr std::int64_t kLostEcho = 3;
  const auto n = static_cast<std::int64_t>(turn.size());
  std::int64_t first = k;
  std::int64_t last = k;
  while (first > 0 && turn[static_cast<std::size_t>(first - 1)] == 0 && last - first + 1 < kLostEcho) --first;
  while (last + 1 < n && turn[static_cast<std::size_t>(last + 1)] == 0 && last - first + 1 < kLostEcho)
    ++last;
  return last - first + 1 >= kLostEcho;
}

// Whether readings from..to of a turn lie the given way from as many readings either side of
// them by more than the turn's own scatter explains (four standard errors of the medians): the rim
// of a pit another turn crosses deeper. Medians, so that a spike of this turn does not count, and
// no readings (wall 0) are left out.
bool DipsThere(const std::vector<std::int32_t>& turn, std::int64_t from, std::int64_t to, std::int32_t sign,
               bool wall) {
  const auto n = static_cast<std::int64_t>(turn.size());
  const std::int64_t width = to - from + 1;
  std::vector<std::int32_t> inside;
  std::vector<std::int32_t> beside;
  for (std::int64_t k = std::max<std::int64_t>(0, from - width); k <= std::min(n - 1, to + width); ++k) {
    const std::int32_t v = turn[static_cast<std::size_t>(k)];
    if (wall && v == 0) continue;
    (k >= from && k <= to ? inside : beside).push_back(v);
  }
  if (inside.size() < 3 || beside.size() < 4) return false;
  const double middle = MedianOf(beside);
  std::vector<double> deviations;
  for (const std::int32_t v : beside) deviations.push_back(std::abs(v - middle));
  // The scatter of a normal spread from its median deviation; a reading is whole thousandths.
  const double scatter = std::max(1.0, 1.4826 * MedianOf(std::move(deviations)));
  const double standardError =
      1.25 * scatter *
      std::sqrt(1.0 / static_cast<double>(inside.size()) + 1.0 / static_cast<double>(beside.size()));
  return sign * (MedianOf(std::move(inside)) - middle) > 4.0 * standardError;
}

// One pass over the channel, forward (step 1) or backward (step -1).
class CorroboratedPass {
 public:
  CorroboratedPass(RevolutionList& revolutions, const ChannelReadings& seen, const Corroboration& rule,
                   FilterTally* tally, int step)
      : revolutions_(revolutions), seen_(seen), rule_(rule), tally_(tally), step_(step) {}

  void run() {
    const std::size_t count = revolutions_.size();
    if (step_ > 0) {
      for (std::size_t i = 1; i < count; ++i) scanRevolution(i);
    } else {
      for (std::size_t i = count; i-- > 0;) scanRevolution(i);
    }
  }

 private:
  void scanRevolution(std::size_t i) {
    RevolutionSamples& samples = revolutions_[i];
    const auto n = static_cast<std::int64_t>(samples.size());
    if (n < 2) return;
    median_.reset();
    // Samples of a run found unconfirmed: they are replaced as the plain pass does.
    std::int64_t unconfirmedEnd = step_ > 0 ? -1 : n;
    std::int64_t j = step_ > 0 ? 1 : n - 2;
    for (; j >= 0 && j < n; j += step_) {
      const std::int32_t level = samples[static_cast<std::size_t>(j - step_)].reading;
      const std::int32_t reading = samples[static_cast<std::size_t>(j)].reading;
      if (std::abs(SixteenBitDifference(reading, level)) <= rule_.jumpSize) continue;
      if (!insideRun(j, unconfirmedEnd)) {
        const std::int64_t end = runEnd(i, j, level);
        if (confirmed(i, j, end, level)) {
          j = end;  // the run and its return edge are kept
          continue;
        }
        unconfirmedEnd = end;
      }
      const std::size_t sample = static_cast<std::size_t>(j);
      if (tally_ != nullptr) tally_->noteJump(reading, i, sample);
      samples[sample].reading = PredictReading(step_ > 0 ? GatherBefore(revolutions_, i, sample)
                                                         : GatherAfter(revolutions_, i, sample));
    }
  }

  bool insideRun(std::int64_t j, std::int64_t end) const { return step_ > 0 ? j < end : j > end; }

  // The first sample after j (in the pass's direction) back within the jump size of level. A wall
  // sample that had no reading belongs to the run: the echo is lost over the pit it crosses.
  std::int64_t runEnd(std::size_t i, std::int64_t j, std::int32_t level) const {
    const RevolutionSamples& samples = revolutions_[i];
    const std::vector<std::int32_t>& seen = seen_[i];
    const auto n = static_cast<std::int64_t>(samples.size());
    const auto inRun = [&](std::int64_t k) {
      const auto at = static_cast<std::size_t>(k);
      return std::abs(SixteenBitDifference(samples[at].reading, level)) > rule_.jumpSize ||
             (rule_.wall && seen[at] == 0);
    };
    std::int64_t k = j;
    while (k >= 0 && k < n && inRun(k)) k += step_;
    return k;
  }

  bool confirmed(std::size_t i, std::int64_t first, std::int64_t end, std::int32_t level) {
    const RevolutionSamples& samples = revolutions_[i];
    const std::int64_t low = std::min(first, end - step_);
    const std::int64_t high = std::max(first, end - step_);
    const std::int32_t sign =
        SixteenBitDifference(samples[static_cast<std::size_t>(first)].reading, level) > 0 ? 1 : -1;
    if (rule_.wall && sign > 0 && thickerThanTurn(samples, low, high)) return false;
    const bool before = i > 0 && turnSees(seen_[i - 1], samples.size(), low, high, level, sign);
    const bool after = i + 1 < seen_.size() && turnSees(seen_[i + 1], samples.size(), low, high, level, sign);
    const bool narrow = static_cast<std::size_t>(high - low + 1) < rule_.pitchSamples;
    if (!narrow) return before || after;
    // Both neighbours where there are two; the end turns have only one.
    return (before || i == 0) && (after || i + 1 == seen_.size()) && (before || after);
  }

  bool thickerThanTurn(const RevolutionSamples& samples, std::int64_t low, std::int64_t high) {
    if (!median_) median_ = Median(samples);
    for (std::int64_t k = low; k <= high; ++k) {
      if (samples[static_cast<std::size_t>(k)].reading - *median_ <= rule_.jumpSize) return false;
    }
    return true;
  }

  // Whether a neighbouring turn, at the same share of its turn as samples low..high of a turn of
  // `length` samples, departs from level the same way by more than half the jump size, lost its
  // echo there (a wall gauge does over a pit), or dips there (DipsThere).
  bool turnSees(const std::vector<std::int32_t>& turn, std::size_t length, std::int64_t low,
                std::int64_t high, std::int32_t level, std::int32_t sign) const {
    const auto n = static_cast<std::int64_t>(turn.size());
    if (n == 0) return false;
    const double scale = static_cast<double>(n) / static_cast<double>(length);
    const std::int64_t from =
        std::max<std::int64_t>(0, static_cast<std::int64_t>(low * scale) - kSameAngleSlack);
    const std::int64_t to =
        std::min<std::int64_t>(n - 1, static_cast<std::int64_t>(high * scale) + kSameAngleSlack);
    for (std::int64_t k = from; k <= to; ++k) {
      const std::int32_t v = turn[static_cast<std::size_t>(k)];
      if ((rule_.wall && v == 0 && LostEchoAt(turn, k)) ||
          2 * sign * SixteenBitDifference(v, level) > rule_.jumpSize)
        return true;
    }
    return DipsThere(turn, from, to, sign, rule_.wall);
  }

  RevolutionList& revolutions_;
  const ChannelReadings& seen_;
  const Corroboration& rule_;
  FilterTally* tally_;
  int step_;
  std::optional<std::int32_t> median_;
};

}  // namespace

const char* JumpFilterName(JumpFilter filter) {
  return filter == JumpFilter::kReplace ? "replace" : "corroborated";
}

std::optional<JumpFilter> ParseJumpFilter(std::string_view name) {
  if (name == "replace") return JumpFilter::kReplace;
  if (name == "corroborated") return JumpFilter::kCorroborated;
  return std::nullopt;
}

ChannelReadings ReadingsOf(const RevolutionList& revolutions) {
  ChannelReadings readings(revolutions.size());
  for (std::size_t i = 0; i < revolutions.size(); ++i) {
    readings[i].reserve(revolutions[i].size());
    for (const RawSample& sample : revolutions[i]) readings[i].push_back(sample.reading);
  }
  return readings;
}

void CorroboratedJumpPasses(RevolutionList& revolutions, const ChannelReadings& seen,
                            const Corroboration& rule, FilterTally* tally) {
  CorroboratedPass(revolutions, seen, rule, tally, 1).run();
  CorroboratedPass(revolutions, seen, rule, tally, -1).run();
}

}  // namespace ductora
