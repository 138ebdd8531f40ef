#include "platform/qt/window_pixmaps.h"

#include "resources/window_images.h"

namespace ductora::platform::qt {

QPixmap WindowPixmap(int id) {
  const resources::WindowImage* image = resources::FindWindowImage(id);
  return image == nullptr ? QPixmap() : QPixmap(image->xpm.data());
}

QIcon WindowIcon(int id) {
  const QPixmap pixmap = WindowPixmap(id);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

QCursor WindowCursor(int id) {
  const resources::WindowImage* image = resources::FindWindowImage(id);
  if (image == nullptr) return QCursor(Qt::ArrowCursor);
  return QCursor(WindowPixmap(id), image->hotX, image->hotY);
}

}  // namespace ductora::platform::qt
