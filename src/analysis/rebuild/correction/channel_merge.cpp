#include "analysis/rebuild/correction/channel_merge.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace ductora {

namespace {

constexpr std::size_t kEndRevolutions = 5;

// Copies revolutions [first, end) of source with every count moved by (base - origin), wrapping.
void AppendShifted(const RevolutionList& source, std::size_t first, std::size_t end, std::uint32_t axialBase,
                   std::uint32_t axialOrigin, std::uint32_t rotationBase, std::uint32_t rotationOrigin,
                   RevolutionList& out) {
  for (std::size_t i = first; i < end && out.size() < kMaxRevolutions; ++i) {
    RevolutionSamples& revolution = out.emplace_back(source[i]);
    for (RawSample& sample : revolution) {
      sample.axialCount = axialBase + (sample.axialCount - axialOrigin);
      sample.rotationCount = rotationBase + (sample.rotationCount - rotationOrigin);
    }
  }
}

void AppendCopies(const RevolutionList& source, std::size_t first, std::size_t end, RevolutionList& out) {
  for (std::size_t i = first; i < end && out.size() < kMaxRevolutions; ++i) {
    out.push_back(source[i]);
  }
}

bool AllHoldSamples(const RevolutionList& revolutions) {
  for (const RevolutionSamples& revolution : revolutions) {
    if (revolution.empty()) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<RevolutionList> MergeChannels(const RevolutionList& primary, const RevolutionList& secondary,
                                            AppendDirection direction) {
  const std::size_t nA = primary.size();
  const std::size_t nB = secondary.size();
  if (nA <= kEndRevolutions || nB == 0 || !AllHoldSamples(primary) || !AllHoldSamples(secondary)) {
    return std::nullopt;
  }
  RevolutionList merged;
  if (direction == AppendDirection::kLeft) {
    const double t = secondary.front().front().axialCount + kMergeOverlapCounts;
    std::size_t k = 0;
    while (k < nB && secondary[k].back().axialCount < t) {
      ++k;
    }
    if (k + kEndRevolutions >= nB) {
      return std::nullopt;
    }
    merged.reserve(std::min(nA + k + 1, kMaxRevolutions));
    AppendCopies(secondary, 0, k + kEndRevolutions + 1, merged);
    const RawSample& joint = secondary[k].back();
    const RawSample& origin = primary.front().front();
    AppendShifted(primary, kEndRevolutions, nA, joint.axialCount, origin.axialCount, joint.rotationCount,
                  origin.rotationCount, merged);
    return merged;
  }
  const double t = secondary.back().back().axialCount - kMergeOverlapCounts;
  std::size_t s = 0;
  for (std::size_t j = nB; j-- > 0;) {
    if (secondary[j].back().axialCount < t) {
      s = j + 1;
      break;
    }
  }
  if (s < kEndRevolutions || s >= nB) {
    return std::nullopt;
  }
  merged.reserve(std::min(nA + nB - s, kMaxRevolutions));
  AppendCopies(primary, 0, nA - kEndRevolutions, merged);
  const RawSample& joint = primary.back().back();
  const RawSample& origin = secondary[s].front();
  AppendShifted(secondary, s - kEndRevolutions, nB, joint.axialCount, origin.axialCount, joint.rotationCount,
                origin.rotationCount, merged);
  return merged;
}

}  // namespace ductora
