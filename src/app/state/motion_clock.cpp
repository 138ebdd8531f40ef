#include "app/state/motion_clock.h"

#include <algorithm>
#include <cstring>

namespace ductora {

render::FrameDetail MotionClock::frameDetail(const ViewPlace& place, double nowMs, bool inputHeld) {
  if (lastPlace_ && std::memcmp(lastPlace_->data(), place.data(), sizeof place) != 0) lastMotionMs_ = nowMs;
  lastPlace_ = place;
  lastFrameMoving_ = inputHeld || (lastMotionMs_ && nowMs - *lastMotionMs_ < kSettleMs);
  return lastFrameMoving_ ? render::FrameDetail::kMoving : render::FrameDetail::kStill;
}

std::optional<double> MotionClock::stillFrameDueInMs(double nowMs) const {
  if (!lastFrameMoving_) return std::nullopt;
  if (!lastMotionMs_) return 0.0;
  return std::max(0.0, *lastMotionMs_ + kSettleMs - nowMs);
}

}  // namespace ductora
