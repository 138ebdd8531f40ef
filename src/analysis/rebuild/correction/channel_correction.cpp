#include "analysis/rebuild/correction/channel_correction.h"

#include <fstream>

#include "analysis/rebuild/correction/channel_filter.h"
#include "analysis/rebuild/correction/twelve_oclock.h"

namespace ductora {

void CorrectWallChannel(RevolutionList& revolutions, std::int32_t jumpSize, const std::string& encoderLog) {
  SplitMissingMarks(revolutions, MarkRepairForm::kWall);
  JoinFalseMarks(revolutions);
  ZeroPass(revolutions);
  ForwardJumpPass(revolutions, jumpSize);
  BackwardJumpPass(revolutions, jumpSize);
  if (!encoderLog.empty()) {
    AppendEncoderCounts(revolutions, encoderLog);
  }
}

void CorrectOdChannel(RevolutionList& revolutions, std::int32_t jumpSize) {
  SplitMissingMarks(revolutions, MarkRepairForm::kOd);
  JoinFalseMarks(revolutions);
  if (jumpSize != 0) {
    ForwardJumpPass(revolutions, jumpSize);
    BackwardJumpPass(revolutions, jumpSize);
  }
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
