#include "platform/qt/widgets/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace ductora::platform::qt {
namespace {

const QString kSettingsKey = QStringLiteral("recentFiles");

}  // namespace

RecentFiles::RecentFiles(QMenu& menu, std::function<void(const QString&)> open)
    : QObject(&menu), menu_(menu), open_(std::move(open)) {
  connect(&menu, &QMenu::aboutToShow, this, [this] { fill(); });
  fill();
}

QStringList RecentFiles::paths() const { return QSettings().value(kSettingsKey).toStringList(); }

void RecentFiles::add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = paths();
  files.removeAll(absolute);
  files.prepend(absolute);
  while (files.size() > kMaxFiles) files.removeLast();
  QSettings().setValue(kSettingsKey, files);
  fill();
}

void RecentFiles::clear() {
  QSettings().remove(kSettingsKey);
  fill();
}

void RecentFiles::fill() {
  menu_.clear();
  const QStringList files = paths();
  for (int index = 0; index < files.size(); ++index) {
    const QString& path = files[index];
    QAction* item = menu_.addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(path));
    item->setEnabled(QFileInfo::exists(path));
    connect(item, &QAction::triggered, this, [this, path] { open_(path); });
  }
  menu_.addSeparator();
  QAction* clearItem = menu_.addAction(QStringLiteral("Clear Menu"));
  clearItem->setEnabled(!files.isEmpty());
  connect(clearItem, &QAction::triggered, this, [this] { clear(); });
}

}  // namespace ductora::platform::qt
