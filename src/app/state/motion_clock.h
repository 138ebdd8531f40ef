#pragma once

#include <array>
#include <optional>

#include "render/scene/frame_detail.h"

namespace ductora {

// Where the pipe view looks, as turning, zooming and walking change it: the view's rotations and
// distance, the cursor and the pipe it is on, and the current and overlay pipes' own offsets and
// rotations. Compared bit for bit, so a value that is no number is no change either.
using ViewPlace = std::array<float, 16>;

// Tells moving frames from still ones. A frame is moving while a key or button is held or the
// place the view looks at changed in the last kSettleMs; the first frame after that is still,
// the whole picture, and the loop owes it even when nothing else asks for a frame.
class MotionClock {
 public:
  static constexpr double kSettleMs = 250.0;

  // The detail of the frame about to be drawn at nowMs, which looks at `place`; a place other than
  // the last frame's is motion now.
  render::FrameDetail frameDetail(const ViewPlace& place, double nowMs, bool inputHeld);
  // Motion at nowMs, as if the view had just moved: a moving frame can be pictured on request.
  void movedAt(double nowMs) { lastMotionMs_ = nowMs; }
  // How long until the still frame owed after motion is due, 0 when it is; none when the last
  // frame drawn was still.
  std::optional<double> stillFrameDueInMs(double nowMs) const;

 private:
  std::optional<ViewPlace> lastPlace_;
  std::optional<double> lastMotionMs_;
  bool lastFrameMoving_ = false;
};

}  // namespace ductora
