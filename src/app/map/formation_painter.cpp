#include "app/map/formation_painter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "map/formations.h"

namespace app {

namespace {

const QColor Hull(200, 214, 230);
const QColor Canopy(96, 168, 255);
const QColor Engine(255, 150, 60);
const QColor Numbers(192, 192, 192);
const QColor Captions(191, 191, 255);
const QColor Divider(128, 128, 128);

QFont smallFont(int pixelSize) {
  QFont f;
  f.setPixelSize(pixelSize);
  return f;
}

}  // namespace

// A small fighter seen from above in an 8 x 16 box: a slim hull, swept wings, a canopy and the
// engine glow at the tail.
void paintTopSprite(QPainter& p, int x, int y) {
  p.save();
  p.translate(x, y);
  p.setPen(Qt::NoPen);
  p.setBrush(Hull);
  p.drawPolygon(QPolygonF({{4, 0},
                           {5, 4},
                           {5, 9},
                           {8, 13},
                           {8, 14},
                           {5, 13},
                           {5, 15},
                           {3, 15},
                           {3, 13},
                           {0, 14},
                           {0, 13},
                           {3, 9},
                           {3, 4}}));
  p.setBrush(Canopy);
  p.drawEllipse(QRectF(3.3, 4, 1.4, 2.6));
  p.setBrush(Engine);
  p.drawRect(QRectF(3.3, 15, 1.4, 1));
  p.restore();
}

// The same craft head-on in an 11 x 12 box: the hull's round nose, the wings to both sides and
// the fin above.
void paintHeadOnSprite(QPainter& p, int x, int y) {
  p.save();
  p.translate(x, y);
  p.setPen(Qt::NoPen);
  p.setBrush(Hull);
  p.drawPolygon(
      QPolygonF({{0, 8}, {4, 6.5}, {7, 6.5}, {11, 8}, {11, 9}, {7, 8.5}, {4, 8.5}, {0, 9}}));
  p.drawPolygon(QPolygonF({{5, 1}, {6, 1}, {6.3, 6}, {4.7, 6}}));
  p.drawEllipse(QRectF(3.5, 5, 4, 4.5));
  p.setBrush(Canopy);
  p.drawEllipse(QRectF(4.5, 5.2, 2, 1.6));
  p.restore();
}

// The same craft in profile in a 14 x 12 box: nose to the left, the canopy on top, the fin and
// the engine at the tail on the right.
void paintProfileSprite(QPainter& p, int x, int y) {
  p.save();
  p.translate(x, y);
  p.setPen(Qt::NoPen);
  p.setBrush(Hull);
  p.drawPolygon(QPolygonF({{0, 7}, {4, 5.5}, {12, 5.5}, {12, 2}, {13.5, 2}, {14, 9}, {4, 9}}));
  p.setBrush(Canopy);
  p.drawEllipse(QRectF(4, 4.2, 3.5, 2));
  p.setBrush(Engine);
  p.drawRect(QRectF(13.4, 6.5, 0.6, 2));
  p.restore();
}

void paintFormation(QPainter& p, const FormationPicture& picture) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.fillRect(QRect(0, 0, map::ViewerWidth, map::ViewerHeight), Qt::black);

  p.setFont(smallFont(9));
  for (const map::CraftMark& m :
       map::formationMarks(picture.formation, picture.limitToCount, picture.craftCount)) {
    switch (m.view) {
      case map::FormationView::Top:
        paintTopSprite(p, m.x, m.y);
        break;
      case map::FormationView::Side:
        paintHeadOnSprite(p, m.x, m.y);
        break;
      case map::FormationView::Front:
        paintProfileSprite(p, m.x, m.y);
        break;
    }
    p.setPen(Numbers);
    p.drawText(QPointF(m.labelX, m.labelY + 8), QString::number(m.number));
  }

  p.setFont(smallFont(11));
  p.setPen(Qt::white);
  p.drawText(QPointF(290, 225 + 11),
             QStringLiteral("Formation %1:  %2").arg(picture.formation + 1).arg(picture.name));
  p.setPen(Captions);
  p.drawText(QPointF(273, 246 + 11), QStringLiteral("(Formation patterns become corrupted "));
  p.drawText(QPointF(273, 260 + 11), QStringLiteral("  for ships greater than 6.) "));
  p.drawText(QPointF(85, 371 + 11), QStringLiteral("      X - Y"));
  p.drawText(QPointF(85, 124 + 11), QStringLiteral("     X - Z"));
  p.drawText(QPointF(341, 124 + 11), QStringLiteral("   Y - Z"));

  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Divider, 1));
  p.drawLine(0, map::ViewerDividerY, map::ViewerWidth - 1, map::ViewerDividerY);
  p.drawLine(map::ViewerDividerX, 0, map::ViewerDividerX, map::ViewerHeight - 1);
  p.restore();
}

}  // namespace app
