#include "platform/qt/windows/screenshot.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace ductora::platform::qt {

QImage grabScreen() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? QImage() : screen->grabWindow(0).toImage();
}

bool saveScreenshot(const std::string& path) {
  const QImage image = grabScreen();
  return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}

}  // namespace ductora::platform::qt
