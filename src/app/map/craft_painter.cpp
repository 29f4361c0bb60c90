#include "app/map/craft_painter.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QVarLengthArray>

#include <array>
#include <cmath>

#include "app/base/colour.h"
#include "map/craft_icons.h"
#include "model/colours.h"

namespace app {

namespace {

// ---- Icon artwork ----------------------------------------------------------------------------
// Each icon is drawn nose up in a 16 x 20 cell with 1-pixel lines; the shape says what kind of
// craft it is, the variant changes wings, size or detail so that columns stay distinguishable.

void line(QPainter& p, double x1, double y1, double x2, double y2) {
  p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}
void poly(QPainter& p, std::initializer_list<QPointF> pts, bool closed) {
  QPolygonF q;
  for (QPointF pt : pts) q << pt + QPointF(0.5, 0.5);
  if (closed)
    p.drawPolygon(q);
  else
    p.drawPolyline(q);
}

void drawFighter(QPainter& p, int v, bool bomber) {
  line(p, 8, 2, 8, 16);  // fuselage
  if (bomber) line(p, 6, 5, 6, 16), line(p, 10, 5, 10, 16);
  switch (v % 5) {
    case 0:  // straight wings
      line(p, 2, 10, 14, 10);
      break;
    case 1:  // swept
      poly(p, {{2, 13}, {8, 7}, {14, 13}}, false);
      break;
    case 2:  // delta
      poly(p, {{8, 3}, {2, 15}, {14, 15}}, true);
      break;
    case 3:  // forward swept
      poly(p, {{2, 7}, {8, 12}, {14, 7}}, false);
      break;
    default:  // ring
      p.drawEllipse(QRectF(3.5, 7.5, 9, 6));
      break;
  }
  if (v >= 5) line(p, 5, 16, 11, 16);                            // tail plane
  if (v % 3 == 1) line(p, 2, 8, 2, 12), line(p, 14, 8, 14, 12);  // wing tips
  if (v >= 9) line(p, 7, 4, 9, 4);                               // canopy
}

void drawShuttle(QPainter& p, int variant) {
  const double v = variant;
  p.drawRect(QRectF(6.5, 4.5 + v, 3, 10 - v));
  poly(p, {{7, 9}, {2 + v, 16}, {7, 15}}, false);
  poly(p, {{9, 9}, {14 - v, 16}, {9, 15}}, false);
}

void drawTransport(QPainter& p, int v) {
  p.drawRect(QRectF(5.5, 4.5, 5, 12));
  line(p, 6, 4, 8, 2), line(p, 10, 4, 8, 2);
  for (int i = 0; i <= v % 4; ++i) line(p, 6, 7 + 2 * i, 10, 7 + 2 * i);
  if (v >= 2) line(p, 3, 14, 5, 12), line(p, 13, 14, 11, 12);
}

void drawTender(QPainter& p, int v) {
  poly(p, {{4, 4}, {4, 16}, {12, 16}, {12, 4}}, false);
  line(p, 8, 16, 8, 18);
  if (v == 1) line(p, 4, 9, 12, 9);
  if (v == 2) line(p, 6, 6, 10, 6);
}

void drawContainer(QPainter& p, int v) {
  const int w = 4 + v % 4, h = 6 + v % 5;
  const double x = 8 - w / 2.0, y = 10 - h / 2.0;
  p.drawRect(QRectF(x + 0.5, y + 0.5, w, h));
  if (v % 2 == 0) line(p, x, y, x + w, y + h);
  if (v >= 4) line(p, x, y + h / 2.0, x + w, y + h / 2.0);
}

void drawFreighter(QPainter& p, int v) {
  const int w = 3 + v % 3;
  p.drawRect(QRectF(8 - w + 0.5, 3.5, 2 * w, 14));
  p.drawRect(QRectF(6.5, 13.5, 3, 3));  // bridge at the back
  if (v % 2) line(p, 8, 3, 8, 12);
  if (v >= 6) line(p, 8 - w - 2, 8, 8 - w, 8), line(p, 8 + w, 8, 8 + w + 2, 8);
}

void drawStarship(QPainter& p, int v) {
  const double half = 3 + (v % 5);  // bigger ships get broader wedges
  const double len = 12 + (v % 4);
  const double top = 10 - len / 2, bottom = 10 + len / 2;
  poly(p, {{8, top}, {8 - half, bottom}, {8 + half, bottom}}, true);
  line(p, 8, bottom - 4, 8, bottom);  // tower
  if (v >= 5) line(p, 8 - half + 2, bottom - 2, 8 + half - 2, bottom - 2);
  if (v >= 9) line(p, 8, top, 8, top + 4);
}

void drawPlatform(QPainter& p, int v) {
  poly(p, {{8, 4}, {13, 7}, {13, 13}, {8, 16}, {3, 13}, {3, 7}}, true);
  if (v == 0) line(p, 8, 1, 8, 19), line(p, 0, 10, 15, 10);
  if (v == 1) p.drawEllipse(QRectF(6.5, 8.5, 3, 3));
  if (v >= 2) line(p, 3, 7, 13, 13), line(p, 3, 13, 13, 7);
}

void drawStation(QPainter& p, int v) {
  p.drawEllipse(QRectF(2.5, 4.5, 11, 11));
  line(p, 8, 4, 8, 15), line(p, 2, 10, 13, 10);
  if (v >= 1) p.drawRect(QRectF(6.5, 8.5, 3, 3));
}

void drawMine(QPainter& p, int v) {
  p.drawEllipse(QRectF(5.5, 7.5, 5, 5));
  line(p, 8, 4 + v, 8, 7), line(p, 8, 13, 8, 16 - v);
  line(p, 3 + v, 10, 5, 10), line(p, 11, 10, 13 - v, 10);
}

void drawBuoy(QPainter& p, int v) {
  poly(p, {{8, 5}, {12, 10}, {8, 15}, {4, 10}}, true);
  if (v == 1) line(p, 8, 2, 8, 5);
  if (v == 2) line(p, 4, 4, 12, 16);
  if (v == 3) p.drawRect(QRectF(7.5, 9.5, 1, 1));
}

void drawRock(QPainter& p, int v) {
  if (v == 0)
    poly(p, {{5, 5}, {11, 4}, {14, 9}, {12, 15}, {6, 16}, {2, 11}}, true);
  else
    poly(p, {{4, 6}, {9, 3}, {13, 7}, {13, 13}, {8, 17}, {3, 13}}, true);
}

void drawUnknown(QPainter& p) {
  p.drawRect(QRectF(5.5, 7.5, 5, 5));
  line(p, 8, 14, 8, 15);
}

void drawIconArt(QPainter& p, int column) {
  const map::IconLook look = map::iconLook(column);
  switch (look.shape) {
    case map::IconShape::Fighter:
      return drawFighter(p, look.variant, false);
    case map::IconShape::Bomber:
      return drawFighter(p, look.variant, true);
    case map::IconShape::Shuttle:
      return drawShuttle(p, look.variant);
    case map::IconShape::Transport:
      return drawTransport(p, look.variant);
    case map::IconShape::Tender:
      return drawTender(p, look.variant);
    case map::IconShape::Container:
      return drawContainer(p, look.variant);
    case map::IconShape::Freighter:
      return drawFreighter(p, look.variant);
    case map::IconShape::Starship:
      return drawStarship(p, look.variant);
    case map::IconShape::Platform:
      return drawPlatform(p, look.variant);
    case map::IconShape::Station:
      return drawStation(p, look.variant);
    case map::IconShape::Mine:
      return drawMine(p, look.variant);
    case map::IconShape::Buoy:
      return drawBuoy(p, look.variant);
    case map::IconShape::Rock:
      return drawRock(p, look.variant);
    case map::IconShape::Unknown:
      return drawUnknown(p);
  }
}

QImage buildStrip(int dpr) {
  QImage img(map::IconStripWidth * dpr, map::IconRows * map::IconHeight * dpr,
             QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  QPainter p(&img);
  for (int row = 0; row < map::IconRows; ++row) {
    QPen pen(iconRowColour(row), 1.0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int c = 1; c <= map::IconColumns; ++c) {
      p.save();
      p.translate(map::IconPitch * (c - 1), map::IconHeight * row);
      p.setClipRect(0, 0, map::IconWidth, map::IconHeight);
      drawIconArt(p, c);
      p.restore();
    }
  }
  return img;
}

// Icons combine with what lies below by a bitwise OR where the target allows it.
void orCombine(QPainter& p) {
  if (p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster)
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
}

}  // namespace

QColor iconRowColour(int row) {
  static constexpr int iffOfRow[] = {0, 1, 2, 3, 5};
  return toQColor(model::iffColour(iffOfRow[std::clamp(row, 0, 4)]));
}

const QImage& craftIconStrip(int dpr) {
  static const QImage one = buildStrip(1);
  static const QImage two = buildStrip(2);
  return dpr >= 2 ? two : one;
}

void paintIconColumn(QPainter& p, QPointF topLeft, int column, int row) {
  column = std::clamp(column, 1, map::IconColumns);
  row = std::clamp(row, 0, map::IconRows - 1);
  const int dpr = p.device() && p.device()->devicePixelRatio() >= 1.5 ? 2 : 1;
  const QImage& strip = craftIconStrip(dpr);
  const QRectF source(map::IconPitch * (column - 1) * dpr, map::IconHeight * row * dpr,
                      map::IconWidth * dpr, map::IconHeight * dpr);
  p.save();
  orCombine(p);
  p.drawImage(QRectF(topLeft, QSizeF(map::IconWidth, map::IconHeight)), strip, source);
  p.restore();
}

void paintCraftIcon(QPainter& p, QPointF centre, int craftType, int iffRow) {
  paintIconColumn(p, centre - QPointF(map::IconWidth / 2, map::IconHeight / 2),
                  map::iconColumn(craftType), iffRow);
}

void paintWireframeDrawing(QPainter& p, const map::WireframeDrawing& d, QColor colour) {
  static const QColor silver(192, 192, 192);
  QVarLengthArray<QLine, 256> lines;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  auto drawRun = [&](const map::WireRun& run) {
    QColor c = colour;
    if (run.style.silver) {
      c = silver;
    } else if (run.style.shade != 100) {
      const double f = run.style.shade / 100.0;
      c = QColor(map::nearest(colour.red() * f), map::nearest(colour.green() * f),
                 map::nearest(colour.blue() * f));
    }
    QPen pen(c, run.style.width);
    pen.setStyle(run.style.pen == map::PenStyle::Dotted   ? Qt::DotLine
                 : run.style.pen == map::PenStyle::Dashed ? Qt::DashLine
                                                          : Qt::SolidLine);
    p.setPen(pen);
    lines.clear();
    for (std::size_t i = run.begin; i < run.end; ++i) {
      const map::WireLine& l = d.lines[i];
      lines.append(QLine(l.x1, l.y1, l.x2, l.y2));
    }
    p.drawLines(lines.constData(), static_cast<int>(lines.size()));
  };
  for (std::size_t r = 0; r < d.runs.size() && r < d.dotBeforeRun; ++r) drawRun(d.runs[r]);
  if (d.centreDot) {
    p.setPen(QPen(silver, 1));
    p.drawRect(QRect(d.centre.x - 1, d.centre.y - 1, 2, 2));
  }
  for (std::size_t r = d.dotBeforeRun; r < d.runs.size(); ++r) drawRun(d.runs[r]);
  p.restore();
}

bool paintCraftWireframe(QPainter& p, QPointF centre, int craftType, int zoom,
                         const model::Heading& heading, QColor colour, map::Plane plane,
                         const map::WireframeOptions& options) {
  if (!map::drawsWireframe(craftType, zoom, plane, options)) return false;
  // Reused between calls only to keep its memory; nothing of one drawing reaches the next.
  thread_local map::WireframeDrawing d;
  const map::ScreenPoint c{map::nearest(centre.x()), map::nearest(centre.y())};
  if (!map::buildWireframe(craftType, zoom, heading, plane, options.limitShrink, c, d))
    return false;
  paintWireframeDrawing(p, d, colour);
  return true;
}

bool paintCraftWireframe(QPainter& p, QPointF centre, int craftType, int zoom,
                         const model::Heading& heading, QColor colour, int plane) {
  return paintCraftWireframe(p, centre, craftType, zoom, heading, colour,
                             static_cast<map::Plane>(std::clamp(plane, 0, 2)), {});
}

}  // namespace app
