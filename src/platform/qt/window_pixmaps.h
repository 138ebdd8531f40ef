#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "resources/window_images.h"

namespace ductora::platform::qt {

// The window images of the resources as Qt sees them. An unknown id gives a null pixmap, an
// empty icon and the arrow cursor.
inline QPixmap WindowPixmap(int id) {
  const resources::WindowImage* image = resources::FindWindowImage(id);
  return image == nullptr ? QPixmap() : QPixmap(image->xpm.data());
}

inline QIcon WindowIcon(int id) {
  const QPixmap pixmap = WindowPixmap(id);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

inline QCursor WindowCursor(int id) {
  const resources::WindowImage* image = resources::FindWindowImage(id);
  if (image == nullptr) return QCursor(Qt::ArrowCursor);
  return QCursor(WindowPixmap(id), image->hotX, image->hotY);
}

}  // namespace ductora::platform::qt
