#include "platform/qt/widgets/screen_room.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace ductora::platform::qt {

QRect screenRoom(const QWidget& window) {
  const QScreen* screen = window.isVisible() ? window.screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? QRect(0, 0, 1024, 768) : screen->availableGeometry();
}

QSize frameAllowance(const QWidget& window) {
  if (window.isVisible() && window.frameGeometry().size() != window.size())
    return window.frameGeometry().size() - window.size();
  const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
  return {2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
}

QSize fittedSize(const QWidget& window, QSize wanted, QRect preferred) {
  const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
  QRect room = screenRoom(window);
  // An owner area without room for the least size, as a main window being moved or framed may
  // give for a moment, is passed over: within it the window once came out of no size at all.
  const QRect inside = room.intersected(preferred);
  const QSize insideRoom = inside.size() - frameAllowance(window);
  if (insideRoom.width() >= least.width() && insideRoom.height() >= least.height()) room = inside;
  return wanted.boundedTo(room.size() - frameAllowance(window)).expandedTo(least);
}

QPoint placedInRoom(const QWidget& window, QPoint at, QSize size, QRect preferred) {
  const QSize frame = size + frameAllowance(window);
  QRect room = screenRoom(window);
  const QRect inside = preferred.intersected(room);
  if (inside.width() >= frame.width() && inside.height() >= frame.height()) room = inside;
  return {std::max(room.left(), std::min(at.x(), room.right() + 1 - frame.width())),
          std::max(room.top(), std::min(at.y(), room.bottom() + 1 - frame.height()))};
}

}  // namespace ductora::platform::qt
