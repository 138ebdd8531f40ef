#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace ductora::platform::qt {

// The window images of the resources as Qt sees them. An unknown id gives a null pixmap, an
// empty icon and the arrow cursor.
QPixmap windowPixmap(int id);
QIcon windowIcon(int id);
QCursor windowCursor(int id);

}  // namespace ductora::platform::qt
