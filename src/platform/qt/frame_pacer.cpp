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
  const double next = deadlineMs_ + intervalMs();
  const double now = nowMs();
  // Past it (a frame slower than the display, or the first after an idle sleep): the next
  // frame starts now, without racing to catch up the ones missed.
  deadlineMs_ = next < now ? now : next;
  for (double left = deadlineMs_ - nowMs(); left > 0.0; left = deadlineMs_ - nowMs())
    waitAtMost(left, Qt::PreciseTimer);
}

void waitForEvents(double timeoutMs) { waitAtMost(timeoutMs, Qt::CoarseTimer); }

}  // namespace ductora::platform::qt
