#include "analysis/rebuild/correction/jump_filter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "analysis/rebuild/correction/channel_filter.h"
#include "analysis/rebuild/correction/run_evidence.h"

namespace ductora {

namespace {

// Samples either side of the same share of the neighbouring turn that count as the same place:
// turns differ in length by a few samples.
constexpr std::int64_t kSameAngleSlack = 2;
// Readings the level before a jump is taken from, from the third before it on.
constexpr std::size_t kBaseSamples = 5;
// A gauge that scatters this much (thousandths) does not read one wall three times alike.
constexpr double kHeldScatter = 3.0;

std::int32_t Median(const RevolutionSamples& samples) {
  std::vector<std::int32_t> readings(samples.size());
  std::transform(samples.begin(), samples.end(), readings.begin(),
                 [](const RawSample& s) { return s.reading; });
  return MedianOf(std::move(readings));
}

// The scatter of each turn's readings (ReadingScatter), worked out when first asked for: both passes
// ask for the same turns many times. Never below an eighth of the jump size: a quiet gauge's
// scatter is whole thousandths and the wall's own texture, and the jump size says how much the
// wall may change from one reading to the next.
class TurnScatter {
 public:
  TurnScatter(const ChannelReadings& seen, const Corroboration& rule)
      : seen_(seen), rule_(rule), measured_(seen.size(), 0.0) {}

  double of(std::size_t i) { return std::max(measured(i), rule_.jumpSize / 8.0); }

  // As measured, with no floor.
  double measured(std::size_t i) {
    if (measured_[i] == 0.0) measured_[i] = ReadingScatter(seen_[i], rule_.wall);
    return measured_[i];
  }

 private:
  const ChannelReadings& seen_;
  const Corroboration& rule_;
  std::vector<double> measured_;
};

// What a neighbouring turn shows of a run: nothing, a short lost echo, the rim of a pit, or the run
// itself.
enum class Sight { kNone, kLostEcho, kRim, kSees };

// One pass over the channel, forward (step 1) or backward (step -1).
class CorroboratedPass {
 public:
  CorroboratedPass(RevolutionList& revolutions, const ChannelReadings& seen, TurnScatter& scatter,
                   const Corroboration& rule, FilterTally* tally, SampleFlags& kept, int step)
      : revolutions_(revolutions),
        seen_(seen),
        scatter_(scatter),
        rule_(rule),
        tally_(tally),
        kept_(kept),
        step_(step) {}

  void run() {
    const std::size_t count = revolutions_.size();
    if (step_ > 0) {
      for (std::size_t i = 1; i < count; ++i) scanRevolution(i);
    } else {
      for (std::size_t i = count; i-- > 0;) scanRevolution(i);
    }
  }

 private:
  // A run of readings that jumped away: low..high, ending (in the pass's direction) before `end`,
  // departing the `sign` way from the level `base` beside it.
  struct Run {
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::int64_t end = 0;
    std::int32_t base = 0;
    std::int32_t sign = 0;
  };

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
        const Run run = runAt(i, j, SixteenBitDifference(reading, level) > 0 ? 1 : -1);
        if (confirmed(i, run)) {
          fillLostEchoes(i, run.low, run.high);
          // A wall run thicker than the level it left is the wall beyond a pit's far edge.
          if (!rule_.wall || run.sign < 0)
            std::fill(kept_[i].begin() + run.low, kept_[i].begin() + run.high + 1, std::uint8_t{1});
          j = run.end;  // the run and its return edge are kept
          continue;
        }
        unconfirmedEnd = run.end;
      }
      const std::size_t sample = static_cast<std::size_t>(j);
      if (tally_ != nullptr) tally_->noteJump(reading, i, sample);
      samples[sample].reading = PredictReading(step_ > 0 ? GatherBefore(revolutions_, i, sample)
                                                         : GatherAfter(revolutions_, i, sample));
    }
  }

  // A wall sample with no reading inside a run that is kept lies over the loss the run shows, not
  // over the good wall the zero pass filled it from: it takes the thinner of the run's readings
  // nearest it on either side.
  void fillLostEchoes(std::size_t i, std::int64_t low, std::int64_t high) {
    if (!rule_.wall) return;
    const std::vector<std::int32_t>& seen = seen_[i];
    const auto reads = [&](std::int64_t k) { return seen[static_cast<std::size_t>(k)] != 0; };
    for (std::int64_t k = low; k <= high; ++k) {
      if (reads(k)) continue;
      std::int64_t left = k;
      while (left >= low && !reads(left)) --left;
      std::int64_t right = k;
      while (right <= high && !reads(right)) ++right;
      std::optional<std::int32_t> thinner;
      for (const std::int64_t side : {left, right}) {
        if (side >= low && side <= high)
          thinner = std::min(thinner.value_or(INT32_MAX), seen[static_cast<std::size_t>(side)]);
      }
      if (thinner) revolutions_[i][static_cast<std::size_t>(k)].reading = *thinner;
    }
  }

  bool insideRun(std::int64_t j, std::int64_t end) const { return step_ > 0 ? j < end : j > end; }

  // The run around sample j, which jumped the `sign` way: every reading next to it, either side,
  // that departs that way by more than half the jump size from the level a few samples before the
  // jump (before a sloped side, and with what this pass replaced), so that neither the scatter of
  // a pit's bottom nor a reading part way down its side breaks it up. On a noisy gauge a reading
  // must also depart by more than three times the turn's scatter: one scattered beside a fault
  // would widen it and give it the sloped sides of a pit. A wall sample that had no reading
  // belongs to the run: the echo is lost over the pit it crosses.
  Run runAt(std::size_t i, std::int64_t j, std::int32_t sign) {
    const RevolutionSamples& samples = revolutions_[i];
    const std::vector<std::int32_t>& seen = seen_[i];
    const auto n = static_cast<std::int64_t>(samples.size());
    const auto inTurn = [n](std::int64_t k) { return k >= 0 && k < n; };
    Run run;
    run.sign = sign;
    std::vector<std::int32_t> before;
    for (std::int64_t k = j - 3 * step_; inTurn(k) && before.size() < kBaseSamples; k -= step_)
      before.push_back(samples[static_cast<std::size_t>(k)].reading);
    // Near the turn's start (its end, going back) the turn's median stands in: the sample before
    // the jump may be the fault.
    run.base = before.size() < kBaseSamples ? turnMedian(samples) : MedianOf(std::move(before));
    const double reach = std::max(rule_.jumpSize / 2.0, 3.0 * scatter_.of(i));
    const auto inRun = [&](std::int64_t k) {
      const auto at = static_cast<std::size_t>(k);
      return sign * SixteenBitDifference(samples[at].reading, run.base) > reach ||
             (rule_.wall && seen[at] == 0);
    };
    std::int64_t first = j;
    while (inTurn(first - step_) && inRun(first - step_)) first -= step_;
    run.end = j + step_;
    while (inTurn(run.end) && inRun(run.end)) run.end += step_;
    run.low = std::min(first, run.end - step_);
    run.high = std::max(first, run.end - step_);
    return run;
  }

  bool confirmed(std::size_t i, const Run& run) {
    const RevolutionSamples& samples = revolutions_[i];
    const std::int64_t low = run.low;
    const std::int64_t high = run.high;
    if (rule_.wall && run.sign > 0 && thickerThanTurn(samples, low, high)) return false;
    // One reading, however many lost echoes lie beside it, is no place a neighbour can confirm.
    if (ReadingsIn(seen_[i], low, high, rule_.wall) < 2 || held(i, low, high)) return false;
    const Sight before = i > 0 ? sightOf(i - 1, samples.size(), run) : Sight::kNone;
    const Sight after = i + 1 < seen_.size() ? sightOf(i + 1, samples.size(), run) : Sight::kNone;
    const bool seesBefore = before == Sight::kSees;
    const bool seesAfter = after == Sight::kSees;
    const bool narrow = static_cast<std::size_t>(high - low + 1) < rule_.pitchSamples;
    // Both neighbours where there are two; the end turns have only one.
    if (narrow ? (seesBefore || i == 0) && (seesAfter || i + 1 == seen_.size()) && (seesBefore || seesAfter)
               : seesBefore || seesAfter)
      return true;
    // A pit centred on one turn and less than two pitches across passes its neighbours by, or at
    // its rim, so a run at least a pitch wide may be confirmed by its own shape too: by any two
    // signs of a pit among each neighbour that shows it (its rim or a lost echo there), a sloped
    // side, a bowl (inside its end readings, which a sloped side already weighed), and an echo lost
    // within it. A fault shows in both neighbours only by chance, but drop-outs cluster where a
    // gauge fails: lost echoes in both are one sign. A reading scattered twice the scatter off at
    // either end makes one sloped side; both sides count only when one of them is clear of both
    // levels by three times it.
    if (narrow) return false;
    const std::vector<std::int32_t>& turn = seen_[i];
    const double scatter = scatter_.of(i);
    const auto sloped = [&](double margin) {
      return GradedEdge(turn, low, high, -1, margin * scatter, rule_.wall) +
             GradedEdge(turn, low, high, 1, margin * scatter, rule_.wall);
    };
    const int twice = sloped(2.0);
    const int sides = twice == 2 && sloped(3.0) > 0 ? 2 : twice > 0;
    const int shownBy = (before != Sight::kNone) + (after != Sight::kNone);
    const int neighbours =
        shownBy == 2 && before == Sight::kLostEcho && after == Sight::kLostEcho ? 1 : shownBy;
    const int evidence = neighbours + sides +
                         DeeperInTheMiddle(turn, low + 1, high - 1, run.sign, scatter, rule_.wall) +
                         LostEchoWithin(turn, low, high, rule_.wall);
    return evidence >= 2;
  }

  // Readings first..last of turn i that are one value repeated, on a gauge that scatters too much
  // to read the same wall three times alike: a reading held or clipped, not measured.
  bool held(std::size_t i, std::int64_t first, std::int64_t last) const {
    return scatter_.measured(i) >= kHeldScatter && RepeatedReading(seen_[i], first, last, rule_.wall);
  }

  bool thickerThanTurn(const RevolutionSamples& samples, std::int64_t low, std::int64_t high) {
    const std::int32_t median = turnMedian(samples);
    for (std::int64_t k = low; k <= high; ++k) {
      if (samples[static_cast<std::size_t>(k)].reading - median <= rule_.jumpSize) return false;
    }
    return true;
  }

  // The median of the turn being scanned, as first asked for in it.
  std::int32_t turnMedian(const RevolutionSamples& samples) {
    if (!median_) median_ = Median(samples);
    return *median_;
  }

  // What a neighbouring turn shows at the same share of its turn as the run in a turn of `length`
  // samples: it sees the run where two readings in a row depart the same way by more than half the
  // jump size and three times its scatter (one may be scatter) and those departing readings are
  // centred within the slack of the run's centre, it lost its echo there over a pitch or more (a
  // wall gauge does over a pit) or it dips there (DipsThere); a shorter lost echo or a rim
  // (RimThere) is a lesser sign.
  Sight sightOf(std::size_t neighbour, std::size_t length, const Run& run) const {
    const std::vector<std::int32_t>& turn = seen_[neighbour];
    const auto n = static_cast<std::int64_t>(turn.size());
    if (n == 0) return Sight::kNone;
    const double scale = static_cast<double>(n) / static_cast<double>(length);
    const std::int64_t from =
        std::max<std::int64_t>(0, static_cast<std::int64_t>(run.low * scale) - kSameAngleSlack);
    const std::int64_t to =
        std::min<std::int64_t>(n - 1, static_cast<std::int64_t>(run.high * scale) + kSameAngleSlack);
    // Departures from the neighbour's own wall beside the place: the wall varies around and along.
    const double level = LevelBeside(turn, from, to, rule_.wall).value_or(run.base);
    const double scatter = scatter_.of(neighbour);
    // From the neighbour's wall and from the run's: inside a wider loss both turns read low.
    const auto departs = [&](std::int64_t k) {
      const std::int32_t v = turn[static_cast<std::size_t>(k)];
      const double departure =
          std::min(run.sign * (v - level), run.sign * (v - static_cast<double>(run.base)));
      return !(rule_.wall && v == 0) && 2.0 * departure > rule_.jumpSize && departure > 3.0 * scatter;
    };
    bool departed = false;
    bool lostEcho = false;
    for (std::int64_t k = from; k <= to; ++k) {
      const std::int32_t v = turn[static_cast<std::size_t>(k)];
      if (rule_.wall && v == 0) {
        // A drop-out of a few samples happens anywhere, a lost area over a pit.
        if (LostEchoAt(turn, k, static_cast<std::int64_t>(rule_.pitchSamples))) return Sight::kSees;
        // A short one counts only within the run's own span: drop-outs fall anywhere.
        if (k >= static_cast<std::int64_t>(run.low * scale) &&
            k <= static_cast<std::int64_t>(run.high * scale))
          lostEcho = lostEcho || LostEchoAt(turn, k);
        continue;
      }
      const bool departsHere = departs(k);
      if (departsHere && departed) {
        // The same loss lies where the run lies, give or take the slack; a fault of the gauge
        // falls anywhere near by.
        std::int64_t first = k - 1;
        std::int64_t last = k;
        while (first > 0 && departs(first - 1)) --first;
        while (last + 1 < n && departs(last + 1)) ++last;
        const double offset =
            static_cast<double>(first + last) / 2.0 / scale - static_cast<double>(run.low + run.high) / 2.0;
        if (std::abs(offset) <= kSameAngleSlack && !held(neighbour, first, last)) return Sight::kSees;
        k = last;
        departed = false;
        continue;
      }
      departed = departsHere;
    }
    if (DipsThere(turn, from, to, run.sign, scatter, rule_.wall)) return Sight::kSees;
    if (RimThere(turn, from, to, run.sign, scatter, rule_.wall)) return Sight::kRim;
    return lostEcho ? Sight::kLostEcho : Sight::kNone;
  }

  RevolutionList& revolutions_;
  const ChannelReadings& seen_;
  TurnScatter& scatter_;
  const Corroboration& rule_;
  FilterTally* tally_;
  SampleFlags& kept_;
  int step_;
  std::optional<std::int32_t> median_;
};

// Of the samples in runs a pass kept, those whose reading stands after both passes (one pass may
// replace what the other kept), lost echoes aside; each run that stands is tallied.
SampleFlags StandingKept(const RevolutionList& revolutions, const ChannelReadings& seen, SampleFlags marked,
                         bool wall, FilterTally* tally) {
  bool any = false;
  for (std::size_t i = 0; i < seen.size(); ++i) {
    std::size_t readings = 0;
    for (std::size_t j = 0; j <= seen[i].size(); ++j) {
      if (j < seen[i].size() && marked[i][j] != 0) {
        const std::int32_t reading = seen[i][j];
        marked[i][j] = !(wall && reading == 0) && revolutions[i][j].reading == reading;
        readings += marked[i][j];
        continue;
      }
      if (readings > 0 && tally != nullptr) tally->noteKeptRun(readings);
      any = any || readings > 0;
      readings = 0;
    }
  }
  return any ? marked : SampleFlags{};
}

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

SampleFlags CorroboratedJumpPasses(RevolutionList& revolutions, const ChannelReadings& seen,
                                   const Corroboration& rule, FilterTally* tally) {
  TurnScatter scatter(seen, rule);
  SampleFlags kept(seen.size());
  for (std::size_t i = 0; i < seen.size(); ++i) kept[i].assign(seen[i].size(), 0);
  CorroboratedPass(revolutions, seen, scatter, rule, tally, kept, 1).run();
  CorroboratedPass(revolutions, seen, scatter, rule, tally, kept, -1).run();
  return StandingKept(revolutions, seen, std::move(kept), rule.wall, tally);
}

}  // namespace ductora
