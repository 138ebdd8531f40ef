#include "platform/qt/window_pixmaps.h"

#include "resources/window_images.h"

namespace ductora::platform::qt {

QPixmap windowPixmap(int id) {
  const resources::WindowImage* image = resources::FindWindowImage(id);
  return image == nullptr ? QPixmap() : QPixmap(image->xpm.data());
}

QIcon windowIcon(int id) {
  const QPixmap pixmap = windowPixmap(id);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

QCursor windowCursor(int id) {
  const resources::WindowImage* image = resources::FindWindowImage(id);
  if (image == nullptr) return QCursor(Qt::ArrowCursor);
  return QCursor(windowPixmap(id), image->hotX, image->hotY);
}

}  // namespace ductora::platform::qt
