// Draws the application's SVG icon as PNG files of the sizes a Linux desktop looks up
// (hicolor/NxN/apps/NAME.png), for the install target.
// Usage: zyned-render-icon ICON.svg OUTDIR NAME SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: zyned-render-icon ICON.svg OUTDIR NAME SIZE...\n");
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "zyned-render-icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString name = QString::fromLocal8Bit(argv[3]);
  for (int i = 4; i < argc; ++i) {
    const int size = QString::fromLocal8Bit(argv[i]).toInt();
    if (size <= 0) return 2;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      renderer.render(&p, QRectF(0, 0, size, size));
    }
    const QString dir =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    if (!QDir().mkpath(dir) ||
        !image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"))) {
      std::fprintf(stderr, "zyned-render-icon: cannot write into %s\n", qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
