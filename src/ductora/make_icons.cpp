// ductora-icons DIR: writes the program icon as DIR/hicolor/NxN/apps/ductora.png for the sizes
// desktops look up, scaled from the icon the windows show.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "platform/qt/window_pixmaps.h"
#include "resources/window_images.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ductora-icons DIR\n");
    return 2;
  }
  // Pixmaps need a GUI application; no display is needed to make them.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QImage icon = ductora::platform::qt::windowPixmap(ductora::resources::kProgramIconId).toImage();
  if (icon.isNull()) {
    std::fprintf(stderr, "ductora-icons: the program icon is missing\n");
    return 1;
  }
  for (const int size : {32, 48, 64, 128, 256}) {
    const QString folder =
        QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    const QString path = folder + QStringLiteral("/ductora.png");
    const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!QDir().mkpath(folder) || !scaled.save(path, "PNG")) {
      std::fprintf(stderr, "ductora-icons: %s: cannot write\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
