#include "analysis/rebuild/correction/channel_correction.h"

#include <cmath>
#include <fstream>

#include "analysis/rebuild/correction/channel_filter.h"
#include "analysis/rebuild/correction/twelve_oclock.h"

namespace ductora {

namespace {

// The samples of the runs the corroborated filter kept; none for `replace`.
SampleFlags JumpPasses(RevolutionList& revolutions, const ChannelReadings& seen, const ChannelFilter& filter,
                       bool wall, FilterTally& tally) {
  if (filter.jumpFilter == JumpFilter::kReplace) {
    ForwardJumpPass(revolutions, filter.jumpSize, &tally);
    BackwardJumpPass(revolutions, filter.jumpSize, &tally);
    return {};
  }
  const Corroboration rule{filter.jumpSize, PitchSamples(revolutions, filter.circumference), wall};
  return CorroboratedJumpPasses(revolutions, seen, rule, &tally);
}

}  // namespace

std::size_t PitchSamples(const RevolutionList& revolutions, double circumference) {
  std::size_t turns = 0;
  std::size_t samples = 0;
  const RawSample* first = nullptr;
  const RawSample* last = nullptr;
  for (const RevolutionSamples& revolution : revolutions) {
    if (revolution.empty()) continue;
    ++turns;
    samples += revolution.size();
    if (first == nullptr) first = &revolution.front();
    last = &revolution.front();
  }
  if (turns < 2 || !(circumference > 0.0)) return 0;
  const double pitch =
      (static_cast<double>(last->axialCount) - first->axialCount) * kInchesPerCount / (turns - 1);
  const double perTurn = static_cast<double>(samples) / turns;
  const double pitchSamples = perTurn * pitch / circumference;
  return pitchSamples > 0.0 && pitchSamples < perTurn ? static_cast<std::size_t>(std::lround(pitchSamples))
                                                      : 0;
}

WallCorrection CorrectWallChannel(RevolutionList& revolutions, const ChannelFilter& filter,
                                  const std::string& encoderLog) {
  SplitMissingMarks(revolutions, MarkRepairForm::kWall);
  JoinFalseMarks(revolutions);
  WallCorrection result;
  const ChannelReadings seen = ReadingsOf(revolutions);
  result.noReading =
      FindNoReadingRuns(seen, ShortestNoReadingRun(PitchSamples(revolutions, filter.circumference)));
  ZeroPass(revolutions, &result.tally);
  result.kept = JumpPasses(revolutions, seen, filter, true, result.tally);
  if (!encoderLog.empty()) {
    AppendEncoderCounts(revolutions, encoderLog);
  }
  return result;
}

FilterTally CorrectOdChannel(RevolutionList& revolutions, const ChannelFilter& filter) {
  SplitMissingMarks(revolutions, MarkRepairForm::kOd);
  JoinFalseMarks(revolutions);
  FilterTally tally;
  if (filter.jumpSize != 0) {
    JumpPasses(revolutions, ReadingsOf(revolutions), filter, false, tally);
  }
  return tally;
}

void AppendEncoderCounts(const RevolutionList& revolutions, const std::string& path) {
  std::ofstream out(path, std::ios::app);
  if (!out) {
    return;
  }
  for (const RevolutionSamples& revolution : revolutions) {
    if (!revolution.empty()) {
      out << static_cast<double>(revolution.front().axialCount) << '\n';
    }
  }
}

}  // namespace ductora
