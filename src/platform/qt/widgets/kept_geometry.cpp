#include "platform/qt/widgets/kept_geometry.h"

#include <QMdiSubWindow>
#include <QSettings>
#include <QWidget>

namespace ductora::platform::qt {
namespace {

QString windowKey(const QString& key) { return QStringLiteral("geometry/windows/") + key; }
QString panelKey(const QString& key) { return QStringLiteral("geometry/panels/") + key; }

}  // namespace

void keepWindowGeometry(const QWidget& window, const QString& key) {
  QSettings().setValue(windowKey(key), window.saveGeometry());
}

bool restoreWindowGeometry(QWidget& window, const QString& key) {
  const QByteArray kept = QSettings().value(windowKey(key)).toByteArray();
  return !kept.isEmpty() && window.restoreGeometry(kept);
}

void keepWindowPlace(const QWidget& window, const QString& key) {
  QSettings().setValue(windowKey(key), window.pos());
}

bool restoreWindowPlace(QWidget& window, const QString& key) {
  const QVariant kept = QSettings().value(windowKey(key));
  if (!kept.isValid() || !kept.canConvert<QPoint>()) return false;
  window.move(kept.toPoint());
  return true;
}

void keepPanelGeometry(const QMdiSubWindow& panel, const QString& key) {
  if (panel.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) return;
  QSettings().setValue(panelKey(key), panel.geometry());
}

bool restorePanelGeometry(QMdiSubWindow& panel, const QString& key) {
  const QRect kept = QSettings().value(panelKey(key)).toRect();
  if (!kept.isValid()) return false;
  panel.setGeometry(kept);
  return true;
}

}  // namespace ductora::platform::qt
