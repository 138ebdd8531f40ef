#pragma once

#include <QString>

class QMdiSubWindow;
class QWidget;

namespace ductora::platform::qt {

// Where the user left a window, kept between runs in the settings under a key of its own.
// A top-level window: its place, size and state.
void keepWindowGeometry(const QWidget& window, const QString& key);
// False when none was kept; a place on a screen no longer there comes back onto one.
bool restoreWindowGeometry(QWidget& window, const QString& key);
// A tool window: its place only; its size is what its controls ask again.
void keepWindowPlace(const QWidget& window, const QString& key);
bool restoreWindowPlace(QWidget& window, const QString& key);
// A panel: its place and size in the main window's area; the caller brings it back into the area.
void keepPanelGeometry(const QMdiSubWindow& panel, const QString& key);
bool restorePanelGeometry(QMdiSubWindow& panel, const QString& key);

}  // namespace ductora::platform::qt
