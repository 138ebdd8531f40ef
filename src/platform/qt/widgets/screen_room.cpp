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
  QRect room = screenRoom(window);
  if (!preferred.isEmpty()) room = room.intersected(preferred);
  return wanted.boundedTo(room.size() - frameAllowance(window)).expandedTo(window.minimumSize());
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
