#pragma once

#include <QElapsedTimer>

namespace ductora::platform::qt {

// Paces frames at the primary screen's refresh rate: one precise-timer wait per frame against
// an absolute schedule, so a late frame is caught up and the rate holds on average. Events
// arriving during the wait are delivered at once.
class FramePacer {
 public:
  FramePacer() { clock_.start(); }

  // The primary screen's refresh period; 60 Hz where the screen reports none.
  static double intervalMs();
  void waitForNextFrame();

 private:
  double nowMs() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }

  QElapsedTimer clock_;
  double deadlineMs_ = 0.0;
};

// Sleeps until an event arrives (and delivers it) or timeoutMs have passed.
void waitForEvents(double timeoutMs);

}  // namespace ductora::platform::qt
