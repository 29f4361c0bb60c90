// Draws the application's SVG icon as PNG files of the sizes a Linux desktop looks up
// (hicolor/NxN/apps/NAME.png), for the install target; or, with --drawn, every icon given as
// raw pixels (OUTDIR/NAME-SIZE.argb, premultiplied ARGB32 rows) of the sizes the editor's
// tool bars and windows ask for, built into the editor so that its start draws no SVG.
// Usage: zyned-render-icon ICON.svg OUTDIR NAME SIZE...
//        zyned-render-icon --drawn OUTDIR SIZE[,SIZE...] ICON.svg...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

#include "app/base/svg_drawing.h"

namespace {

int drawSet(int argc, char** argv) {
  const QString outDir = QString::fromLocal8Bit(argv[2]);
  QList<int> sizes;
  for (const QString& s : QString::fromLocal8Bit(argv[3]).split(QLatin1Char(','))) {
    const int size = s.toInt();
    if (size <= 0) return 2;
    sizes << size;
  }
  if (!QDir().mkpath(outDir)) return 1;
  for (int i = 4; i < argc; ++i) {
    const QString path = QString::fromLocal8Bit(argv[i]);
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
      std::fprintf(stderr, "zyned-render-icon: cannot read %s\n", argv[i]);
      return 1;
    }
    for (const int size : sizes) {
      const QImage image = app::drawSvg(renderer, size);
      QFile out(QStringLiteral("%1/%2-%3.argb")
                    .arg(outDir, QFileInfo(path).completeBaseName())
                    .arg(size));
      const auto bytes = static_cast<qint64>(image.sizeInBytes());
      if (!out.open(QIODevice::WriteOnly) ||
          out.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
        std::fprintf(stderr, "zyned-render-icon: cannot write %s\n", qPrintable(out.fileName()));
        return 1;
      }
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc >= 5 && QByteArray(argv[1]) == "--drawn") return drawSet(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: zyned-render-icon ICON.svg OUTDIR NAME SIZE...\n"
                 "       zyned-render-icon --drawn OUTDIR SIZE[,SIZE...] ICON.svg...\n");
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
    const QImage image = app::drawSvg(renderer, size);
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
