#pragma once

#include <QMenu>
#include <QStringList>
#include <functional>

namespace ductora::platform::qt {

// File > Open Recent: the last files opened, most recent first, kept in the user's settings
// (QSettings) across runs. Files gone since are shown disabled; "Clear Menu" forgets them all.
class RecentFiles : public QObject {
 public:
  static constexpr int kMaxFiles = 8;

  // Fills menu whenever it is about to show; choosing a file calls open with its path.
  RecentFiles(QMenu& menu, std::function<void(const QString&)> open);

  void add(const QString& path);
  QStringList paths() const;
  void clear();

 private:
  void fill();

  QMenu& menu_;
  std::function<void(const QString&)> open_;
};

}  // namespace ductora::platform::qt
