#include "analysis/rebuild/correction/twelve_oclock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

namespace ductora {

namespace {

constexpr std::int32_t kTolerance = 30;

std::int32_t LengthOf(const RevolutionSamples& revolution) {
  return static_cast<std::int32_t>(revolution.size());
}

using WorkList = std::deque<RevolutionSamples>;

// Takes up to kMarkRepairWindow revolutions from the front of the work list.
std::vector<RevolutionSamples> TakeWindow(WorkList& work) {
  const std::size_t n = std::min(kMarkRepairWindow, work.size());
  std::vector<RevolutionSamples> window(
      std::make_move_iterator(work.begin()),
      std::make_move_iterator(work.begin() + static_cast<std::ptrdiff_t>(n)));
  work.erase(work.begin(), work.begin() + static_cast<std::ptrdiff_t>(n));
  return window;
}

template <typename Source>
void PushFront(WorkList& work, Source& revolutions) {
  work.insert(work.begin(), std::make_move_iterator(revolutions.begin()),
              std::make_move_iterator(revolutions.end()));
}

RevolutionSamples Joined(RevolutionSamples first, const RevolutionSamples& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// One window of the split step; returns whether it split anything.
bool SplitWindow(std::vector<RevolutionSamples>& window, std::int32_t typical, MarkRepairForm form,
                 std::vector<RevolutionSamples>& output) {
  bool split = false;
  for (RevolutionSamples& revolution : window) {
    const std::int32_t length = LengthOf(revolution);
    if (length > 1.5 * typical && form == MarkRepairForm::kOd) {
      // A revolution of almost n whole turns is cut into turns of length / n.
      const double q = static_cast<double>(length) / typical;
      if (q - std::floor(q) >= 0.9) {
        typical = length / (static_cast<std::int32_t>(q) + 1);
      }
    }
    if (length > 1.5 * typical) {
      const auto cut = revolution.begin() + typical;
      output.emplace_back(revolution.begin(), cut);
      output.emplace_back(cut, revolution.end());
      split = true;
    } else {
      output.push_back(std::move(revolution));
    }
  }
  return split;
}

}  // namespace

std::int32_t ReferenceLength(const RevolutionList& revolutions) {
  if (revolutions.size() < 2) {
    return revolutions.empty() ? 0 : LengthOf(revolutions.front());
  }
  double sum = 0.0;
  double squares = 0.0;
  for (const RevolutionSamples& revolution : revolutions) {
    const double length = LengthOf(revolution);
    sum += length;
    squares += length * length;
  }
  const double n = static_cast<double>(revolutions.size());
  const double mean = sum / n;
  const double sigma = std::sqrt(std::max(0.0, (squares - sum * sum / n) / (n - 1.0)));
  double keptSum = 0.0;
  double kept = 0.0;
  for (const RevolutionSamples& revolution : revolutions) {
    const double length = LengthOf(revolution);
    if (length >= mean - sigma && length <= mean + sigma) {
      keptSum += length;
      kept += 1.0;
    }
  }
  return kept > 0.0 ? static_cast<std::int32_t>(keptSum / kept) : static_cast<std::int32_t>(mean);
}

std::int32_t TypicalLength(std::span<const std::int32_t> lengths, std::int32_t reference) {
  const std::int32_t low = reference - kTolerance;
  const std::int32_t high = reference + kTolerance;
  double sum = 0.0;
  double kept = 0.0;
  for (const std::int32_t length : lengths) {
    if (length != 0 && length >= low && length <= high) {
      sum += length;
      kept += 1.0;
    }
  }
  if (kept == 0.0) {
    return reference;
  }
  const auto typical =
      static_cast<std::int32_t>(static_cast<std::int16_t>(static_cast<std::int32_t>(sum / kept)));
  return typical >= low && typical <= high ? typical : reference;
}

void SplitMissingMarks(RevolutionList& revolutions, MarkRepairForm form) {
  const std::int32_t reference = ReferenceLength(revolutions);
  WorkList work(std::make_move_iterator(revolutions.begin()), std::make_move_iterator(revolutions.end()));
  RevolutionList finished;
  finished.reserve(revolutions.size());
  while (!work.empty()) {
    std::vector<RevolutionSamples> window = TakeWindow(work);
    std::array<std::int32_t, kMarkRepairWindow> lengths{};
    for (std::size_t i = 0; i < window.size(); ++i) {
      lengths[i] = LengthOf(window[i]);
    }
    const std::int32_t typical = window.size() < kMarkRepairWindow ? 0 : TypicalLength(lengths, reference);
    std::vector<RevolutionSamples> output;
    if (typical > 0 && SplitWindow(window, typical, form, output)) {
      PushFront(work, output);
    } else {
      auto& kept = output.empty() ? window : output;
      finished.insert(finished.end(), std::make_move_iterator(kept.begin()),
                      std::make_move_iterator(kept.end()));
    }
  }
  // The lists have room for no more revolutions than a channel stream may hold.
  if (finished.size() > kMaxRevolutions) {
    finished.resize(kMaxRevolutions);
  }
  revolutions = std::move(finished);
}

void JoinFalseMarks(RevolutionList& revolutions) {
  if (revolutions.size() < kMarkRepairWindow) {
    return;
  }
  const std::int32_t reference = ReferenceLength(revolutions);
  WorkList work(std::make_move_iterator(revolutions.begin()), std::make_move_iterator(revolutions.end()));
  RevolutionList finished;
  finished.reserve(revolutions.size());
  // The first window that empties the work list ends with the channel's last revolution, which is
  // dropped there. Windows processed again after a join end with other revolutions: they are kept.
  bool lastDropped = false;
  // Places (finished count, remaining count) from which a window was stepped back or filled up
  // since the last join.
  std::set<std::pair<std::size_t, std::size_t>> stepsWithoutJoin;
  while (!work.empty()) {
    // Joins can leave too few revolutions to fill a window: the rest is kept as it is.
    if (work.size() + finished.size() < kMarkRepairWindow) {
      finished.insert(finished.end(), std::make_move_iterator(work.begin()),
                      std::make_move_iterator(work.end()));
      break;
    }
    std::vector<RevolutionSamples> w = TakeWindow(work);
    const std::pair<std::size_t, std::size_t> place{finished.size(), work.size() + w.size()};
    if (w.size() < kMarkRepairWindow) {
      PushFront(work, w);
      if (!stepsWithoutJoin.insert(place).second) {
        // The windows went round without a join and came back here: they are final as they are,
        // and the channel's last revolution is dropped as at every end.
        if (!lastDropped) {
          work.pop_back();
        }
        finished.insert(finished.end(), std::make_move_iterator(work.begin()),
                        std::make_move_iterator(work.end()));
        break;
      }
      // The last window is filled up from the end of the finished list.
      const auto borrowed = static_cast<std::ptrdiff_t>(kMarkRepairWindow - w.size());
      work.insert(work.begin(), std::make_move_iterator(finished.end() - borrowed),
                  std::make_move_iterator(finished.end()));
      finished.erase(finished.end() - borrowed, finished.end());
      continue;
    }
    // Lengths follow the joins: a joined revolution takes the place (and length) of its second part.
    std::array<std::int32_t, kMarkRepairWindow> lengths{};
    for (std::size_t i = 0; i < kMarkRepairWindow; ++i) {
      lengths[i] = LengthOf(w[i]);
    }
    const std::int32_t half =
        TypicalLength(std::span(lengths).subspan(1, kMarkRepairWindow - 2), reference) / 2;
    const auto isShort = [half](std::int32_t length) { return length < half; };

    // Stepping back is done once from each place between joins, so the windows cannot go round
    // for ever.
    if (isShort(lengths[0]) && !finished.empty() && stepsWithoutJoin.insert(place).second) {
      // Look at the first revolution again together with its predecessor.
      PushFront(work, w);
      work.push_front(std::move(finished.back()));
      finished.pop_back();
      continue;
    }

    std::vector<RevolutionSamples> output;
    bool joined = false;
    bool firstConsumed = false;
    bool lastConsumed = false;
    for (std::size_t i = 1; i + 1 < kMarkRepairWindow;) {
      if (!isShort(lengths[i])) {
        output.push_back(std::move(w[i]));
        ++i;
        continue;
      }
      joined = true;
      if (lengths[i - 1] >= lengths[i + 1]) {
        output.push_back(Joined(std::move(w[i]), w[i + 1]));
        lengths[i + 1] = LengthOf(output.back());
        lastConsumed = i + 1 == kMarkRepairWindow - 1;
        i += 2;
      } else {
        // The predecessor is the revolution appended last, or w[0] before anything is appended.
        RevolutionSamples before;
        if (i == 1) {
          before = std::move(w[0]);
          firstConsumed = true;
        } else {
          before = std::move(output.back());
          output.pop_back();
        }
        output.push_back(Joined(std::move(before), w[i]));
        lengths[i] = LengthOf(output.back());
        ++i;
      }
    }
    if (!firstConsumed) {
      output.insert(output.begin(), std::move(w[0]));
    }
    if (!lastConsumed) {
      RevolutionSamples& last = w[kMarkRepairWindow - 1];
      if (!work.empty() && isShort(lengths[kMarkRepairWindow - 1])) {
        work.push_front(std::move(last));
        work.push_front(std::move(output.back()));
        output.pop_back();
        joined = false;
      } else if (!work.empty() || lastDropped) {
        output.push_back(std::move(last));
      }
    }
    lastDropped = lastDropped || work.empty();
    if (joined) {
      stepsWithoutJoin.clear();
      PushFront(work, output);
    } else {
      finished.insert(finished.end(), std::make_move_iterator(output.begin()),
                      std::make_move_iterator(output.end()));
    }
  }
  revolutions = std::move(finished);
}

}  // namespace ductora
