#include "app/briefing/briefing_painter.h"

#include <QFont>
#include <QFontDatabase>
#include <QTextLayout>

#include <cmath>

#include "app/base/colour.h"
#include "app/base/text.h"
#include "app/map/craft_painter.h"
#include "briefing/playback.h"
#include "briefing/preview.h"
#include "editing/descriptions.h"
#include "map/craft_icons.h"
#include "model/colours.h"

namespace app {

namespace brf = briefing;
namespace fg = model::fg;

namespace {

QColor tagColour(int colour) {
  switch (colour) {
    case 0:
      return QColor(0, 255, 0);
    case 1:
      return QColor(255, 0, 0);
    case 2:
      return QColor(255, 255, 0);
    case 3:
      return QColor(0, 128, 255);
    case 4:
      return QColor(171, 87, 255);
    case 5:
      return QColor(0, 0, 0);
    default:
      return QColor(255, 255, 255);
  }
}

QFont smallFont() {
  QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  f.setPixelSize(11);
  return f;
}

QFont tagFont() {
  QFont f(QStringLiteral("Arial"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSize(12);
  return f;
}

std::size_t pointOf(const BriefingScene& s) {
  return model::Briefing1 + s.briefing;
}

}  // namespace

CraftIconPainter craftIcons() {
  // The briefing's own icon columns (type 86 differs from the map's).
  return [](QPainter& p, QPointF c, int craft, int row) {
    paintIconColumn(p, c - QPointF(map::IconWidth / 2, map::IconHeight / 2),
                    map::iconColumn(craft, true), row);
  };
}

int briefingIconRow(int iff) {
  if (iff == 4) return 1;
  if (iff == 5) return 4;
  if (iff >= 0 && iff <= 3) return iff;
  return 2;
}

QPoint briefingToScreen(const brf::DisplayState& v, int x, int y) {
  return {brf::toScreenX(v, x), brf::toScreenY(v, y)};
}

QColor briefingMapColour() {
  return QColor(0, 0, 34);
}

QColor briefingNameColour() {
  // The game's warm grey, made light enough to read on the dark map.
  return QColor(208, 192, 192);
}

QColor captionHighlightColour() {
  return QColor(255, 255, 0);
}

QRect briefingBoxRect(QPoint c, int half) {
  return QRect(QPoint(c.x() - half, c.y() - half - 2), QPoint(c.x() + half, c.y() + half + 2));
}

int briefingNameLeft(QPoint c) {
  // The icon and a box at rest reach 8 pixels right of the point; two pixels of map between.
  return c.x() + 8 + 3;
}

void paintBriefingBackground(QPainter& p, const BriefingScene& s) {
  const brf::DisplayState& v = *s.view;
  const int w = brf::PreviewWidth, h = brf::PreviewHeight;
  p.save();
  p.setClipRect(0, 0, w, h);
  p.fillRect(0, 0, w, h, briefingMapColour());
  const int spacing = static_cast<int>(std::lround(v.zoom * 1.6));
  const int every = v.zoom >= 32 ? 1 : v.zoom >= 16 ? 2 : 4;
  if (spacing > 0) {
    for (int i = -60; i <= 60; ++i) {
      if (i % every != 0) continue;
      p.setPen(i % 4 == 0 ? QColor(159, 0, 0) : QColor(87, 0, 0));
      const int x = w / 2 + spacing * i + v.ox;
      const int y = h / 2 + spacing * i + v.oy;
      if (x >= 0 && x < w) p.drawLine(x, 0, x, h);
      if (y >= 0 && y < h) p.drawLine(0, y, w, y);
    }
  }
  p.setFont(smallFont());
  const QFontMetrics fm(p.font());
  p.setPen(Qt::white);
  const QString title = QStringLiteral("Briefing: ");
  p.drawText(5, 2 + fm.ascent(), title);
  p.setPen(QColor(255, 255, 0));
  if (s.mission) {
    const std::string team = editing::trimmed(s.mission->teams[s.briefing].name());
    p.drawText(std::max(45, 5 + fm.horizontalAdvance(title)), 2 + fm.ascent(), fromFile(team));
    const std::size_t point = pointOf(s);
    for (const model::FlightGroup& g : s.mission->flightGroups) {
      if (!g.enabled(point)) continue;
      const QPoint c = briefingToScreen(v, g.x(point), g.y(point));
      if (s.icon) s.icon(p, c, g.get(fg::CraftType), briefingIconRow(g.get(fg::Iff)));
      const int player = g.get(fg::PlayerNumber);
      if (s.showNames) {
        QString name = QStringLiteral(". ") + fromFile(editing::trimmed(g.name()));
        if (player != 0) name += QStringLiteral(" (%1)").arg(player);
        p.setPen(briefingNameColour());
        p.drawText(briefingNameLeft(c), c.y() - 10 + fm.ascent(), name);
      }
      if (player != 0) {
        p.setPen(Qt::white);
        p.drawText(c.x() + 10, c.y() + fm.ascent(), QString::number(player));
      }
    }
  }
  p.restore();
}

void paintBriefingOverlay(QPainter& p, const BriefingScene& s) {
  const brf::DisplayState& v = *s.view;
  p.save();
  p.setClipRect(0, 0, brf::PreviewWidth, brf::PreviewHeight);
  p.setBrush(Qt::NoBrush);
  const std::size_t point = pointOf(s);
  if (s.mission) {
    for (int i = 0; i < brf::SlotCount; ++i) {
      const int g = v.box[i], half = v.boxHalf[i];
      if (g < 0 || g >= static_cast<int>(s.mission->flightGroups.size()) || half > 15) continue;
      const model::FlightGroup& group = s.mission->flightGroups[g];
      const QPoint c = briefingToScreen(v, group.x(point), group.y(point));
      p.setPen(QPen(toQColor(model::iffColour(group.get(fg::Iff))), 1));
      p.drawRect(briefingBoxRect(c, half));
    }
  }
  if (s.commands && s.mission) {
    p.setFont(tagFont());
    const QFontMetrics fm(p.font());
    const auto& tags = s.mission->briefings[s.briefing].tags;
    for (int i = 0; i < brf::SlotCount; ++i) {
      const int pos = v.tag[i];
      if (pos < 0 || pos >= static_cast<int>(s.commands->size())) continue;
      const brf::Command& c = (*s.commands)[pos];
      if (c.index >= tags.size()) continue;
      const std::string text =
          tags[c.index].substr(0, static_cast<std::size_t>(std::max(0, v.revealed[i])));
      const QPoint at = briefingToScreen(v, c.x, c.y);
      p.setPen(tagColour(c.colour));
      p.drawText(at.x(), at.y() + fm.ascent(), fromFile(text));
    }
  }
  p.restore();
}

void paintCaptionStrip(QPainter& p, const QRect& r, const QString& text) {
  p.fillRect(r, QColor(0, 0, 128));
  // The words between the game's highlight markers in their own colour, the markers left out.
  QString shown;
  QList<QTextLayout::FormatRange> highlights;
  for (const brf::CaptionRun& run : brf::captionRuns(toFile(text))) {
    const QString part = fromFile(run.text);
    if (run.highlighted) {
      QTextLayout::FormatRange f;
      f.start = static_cast<int>(shown.size());
      f.length = static_cast<int>(part.size());
      f.format.setForeground(captionHighlightColour());
      highlights.append(f);
    }
    shown += part;
  }
  shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
  const QRect inner = r.adjusted(6, 3, -6, -3);
  QTextLayout layout(shown, smallFont(), p.device());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.setFormats(highlights);
  layout.beginLayout();
  qreal y = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(inner.width());
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout.endLayout();
  p.save();
  p.setClipRect(inner);
  p.setPen(Qt::white);
  layout.draw(&p, inner.topLeft());
  p.restore();
}

void paintDescriptionStrip(QPainter& p, const QRect& r, const QString& text) {
  p.fillRect(r, QColor(0, 0, 128));
  p.setPen(QColor(255, 255, 0));
  p.setFont(smallFont());
  const QFontMetrics fm(p.font());
  p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignCenter,
             fm.elidedText(text, Qt::ElideRight, r.width() - 8));
}

QString briefingCaption(const BriefingScene& s) {
  if (!s.mission || !s.view) return {};
  const int t = s.view->text;
  const auto& strings = s.mission->briefings[s.briefing].strings;
  if (t < 0 || t >= static_cast<int>(strings.size())) return {};
  QString text = fromFile(strings[t]);
  text.replace(QLatin1Char('$'), QLatin1Char('\n'));
  return text;
}

void BriefingFramePainter::paint(QPainter& p, const BriefingScene& s, qreal dpr) {
  const auto key = std::make_tuple(s.view->ox, s.view->oy, s.view->zoom, s.showNames, dpr);
  if (key != key_ || layer_.isNull()) {
    if (layer_.isNull() || !qFuzzyCompare(layer_.devicePixelRatio(), dpr)) {
      layer_ = QImage(QSize(brf::PreviewWidth, brf::PreviewHeight) * dpr, QImage::Format_RGB32);
      layer_.setDevicePixelRatio(dpr);
    }
    QPainter lp(&layer_);
    paintBriefingBackground(lp, s);
    key_ = key;
  }
  p.drawImage(0, 0, layer_);
  paintBriefingOverlay(p, s);
}

QImage renderBriefingPicture(const BriefingScene& s, const QString& description, qreal dpr) {
  const int w = brf::PreviewWidth;
  const int h = DescriptionStripHeight + brf::PreviewHeight + CaptionStripHeight;
  QImage img(QSize(w, h) * dpr, QImage::Format_RGB32);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::black);
  QPainter p(&img);
  paintDescriptionStrip(p, QRect(0, 0, w, DescriptionStripHeight), description);
  p.translate(0, DescriptionStripHeight);
  paintBriefingBackground(p, s);
  paintBriefingOverlay(p, s);
  p.translate(0, -DescriptionStripHeight);
  paintCaptionStrip(p, QRect(0, DescriptionStripHeight + brf::PreviewHeight, w, CaptionStripHeight),
                    briefingCaption(s));
  return img;
}

}  // namespace app
