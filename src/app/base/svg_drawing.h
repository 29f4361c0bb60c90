#pragma once
// How an SVG icon becomes pixels: the editor's icon engine and the build's pre-drawn icon set
// (zyned-render-icon) both draw through this, so that a pre-drawn icon is the very drawing the
// engine would make.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace app {

inline QImage drawSvg(QSvgRenderer& renderer, QSize size, qreal opacity = 1.0) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setOpacity(opacity);
  renderer.render(&p, QRectF(QPointF(), size));
  return image;
}

inline QImage drawSvg(QSvgRenderer& renderer, int size, qreal opacity = 1.0) {
  return drawSvg(renderer, QSize(size, size), opacity);
}

}  // namespace app
