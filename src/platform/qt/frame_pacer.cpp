#include "platform/qt/frame_pacer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace ductora::platform::qt {
namespace {

constexpr double kFallbackRefreshHz = 60.0;

// The timer only wakes the event loop; whatever arrives first ends the wait.
void waitAtMost(double ms, Qt::TimerType type) {
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(type);
  wake.start(static_cast<int>(std::ceil(ms)));
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

double FramePacer::intervalMs() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double hz =
      screen != nullptr && screen->refreshRate() > 1.0 ? screen->refreshRate() : kFallbackRefreshHz;
  return 1000.0 / hz;
}

void FramePacer::waitForNextFrame() {
  const double interval = intervalMs();
  const double now = nowMs();
  // More than a frame behind (a slow frame, or the first after an idle sleep): start a new
  // schedule rather than racing to catch up.
  if (deadlineMs_ < now - interval) deadlineMs_ = now;
  deadlineMs_ += interval;
  for (double left = deadlineMs_ - nowMs(); left > 0.0; left = deadlineMs_ - nowMs())
    waitAtMost(left, Qt::PreciseTimer);
}

void WaitForEvents(double timeoutMs) { waitAtMost(timeoutMs, Qt::CoarseTimer); }

}  // namespace ductora::platform::qt
