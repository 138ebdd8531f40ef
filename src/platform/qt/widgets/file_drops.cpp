#include "platform/qt/widgets/file_drops.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace ductora::platform::qt {

QStringList droppableFiles(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  QStringList pipes;
  QStringList lists;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kqvw")) {
      pipes << path;
    } else if (suffix == QLatin1String("kqstr")) {
      lists << path;
    } else {
      return {};
    }
  }
  if (lists.size() == 1 && pipes.isEmpty()) return lists;
  return lists.isEmpty() ? pipes : QStringList();
}

}  // namespace ductora::platform::qt
