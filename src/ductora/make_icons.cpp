// ductora-icons SVG DIR: renders the program icon's vector source as DIR/hicolor/NxN/apps/ductora.png
// for the sizes desktops look up, each drawn at its own size, and copies it as the scalable one.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ductora-icons SVG DIR\n");
    return 2;
  }
  // Painting needs a GUI application; no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString source = QString::fromLocal8Bit(argv[1]);
  const QString root = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/hicolor");
  QSvgRenderer icon(source);
  if (!icon.isValid()) {
    std::fprintf(stderr, "ductora-icons: %s: not a picture\n", argv[1]);
    return 1;
  }
  for (const int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    const QString path = folder + QStringLiteral("/ductora.png");
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    icon.render(&painter);
    painter.end();
    if (!QDir().mkpath(folder) || !image.save(path, "PNG")) {
      std::fprintf(stderr, "ductora-icons: %s: cannot write\n", qPrintable(path));
      return 1;
    }
  }
  const QString scalable = root + QStringLiteral("/scalable/apps");
  QFile::remove(scalable + QStringLiteral("/ductora.svg"));
  if (!QDir().mkpath(scalable) || !QFile::copy(source, scalable + QStringLiteral("/ductora.svg"))) {
    std::fprintf(stderr, "ductora-icons: %s: cannot write\n", qPrintable(scalable));
    return 1;
  }
  return 0;
}
