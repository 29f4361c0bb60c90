#include "app/map/map_painter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QStaticText>

#include <cmath>
#include <string>
#include <unordered_map>

#include "app/base/text.h"
#include "app/map/craft_painter.h"
#include "map/craft_icons.h"
#include "map/palette.h"

namespace app {

namespace {

const QColor Silver(192, 192, 192);
const QColor Yellow(255, 255, 0);
const QColor GhostText(61, 59, 56);

QPoint qpoint(map::ScreenPoint p) {
  return QPoint(p.x, p.y);
}

// Text with its top-left corner at `at`, as the map places all its texts.
void text(QPainter& p, map::ScreenPoint at, const QString& s) {
  p.drawText(QPoint(at.x, at.y + p.fontMetrics().ascent()), s);
}

// The map's texts laid out once and kept by their bytes: laying a text out (shaping) costs far
// more than drawing its glyphs, and names, labels and times are mostly the same from one frame
// to the next. Two generations keep what recent frames drew and let the rest go. Only the GUI
// thread paints; the texts go before the application does.
class TextCache {
 public:
  static TextCache& instance() {
    static TextCache* cache = [] {
      auto* c = new TextCache;
      qAddPostRoutine([] { instance().clear(); });
      return c;
    }();
    return *cache;
  }
  const QStaticText& get(const std::string& bytes) {
    if (auto it = now_.find(bytes); it != now_.end()) return it->second;
    if (now_.size() >= Generation) {
      before_ = std::move(now_);
      now_.clear();
    }
    QStaticText laid;
    if (auto it = before_.find(bytes); it != before_.end()) {
      laid = it->second;
    } else {
      laid.setText(fromFile(bytes));
      laid.setTextFormat(Qt::PlainText);
      laid.setPerformanceHint(QStaticText::AggressiveCaching);
    }
    return now_.emplace(bytes, std::move(laid)).first->second;
  }
  void clear() {
    now_.clear();
    before_.clear();
  }

 private:
  static constexpr std::size_t Generation = 8192;
  std::unordered_map<std::string, QStaticText> now_, before_;
};

// A text of the file's bytes with its top-left corner at `at`: the same pixels as `text`.
void cachedText(QPainter& p, map::ScreenPoint at, const std::string& bytes) {
  p.drawStaticText(QPoint(at.x, at.y), TextCache::instance().get(bytes));
}

void paintBriefingGrid(QPainter& p, const map::MapState& s) {
  const map::MapView& v = s.view;
  const int cx = v.centrePixel.x, cy = v.centrePixel.y;
  for (int i = -60; i <= 60; ++i) {
    const bool drawn = v.zoom >= 32 || (v.zoom >= 16 && i % 2 == 0) || i % 4 == 0;
    if (!drawn) continue;
    p.setPen(i % 4 == 0 ? QColor(159, 0, 0) : QColor(87, 0, 0));
    const int off = map::nearest(i * 1.6 * v.zoom);
    const int x = cx + static_cast<int>(v.panX) + off, y = cy + static_cast<int>(v.panY) + off;
    p.drawLine(x, 0, x, s.height);
    p.drawLine(0, y, s.width, y);
  }
}

void paintKmGrid(QPainter& p, const map::MapState& s) {
  const map::MapView& v = s.view;
  const map::VisibleRange r = s.visibleRange();
  const bool ghost = s.toggles.ghostGrid;
  const QColor axis = ghost ? QColor(125, 59, 57) : QColor(255, 0, 0);
  const QColor five = ghost ? QColor(77, 43, 41) : QColor(149, 0, 0);
  const QColor one = ghost ? QColor(45, 27, 24) : QColor(87, 0, 0);
  auto colourOf = [&](int k) { return k == 0 ? axis : k % 5 == 0 ? five : one; };
  // Lines closer than 3 pixels would fill the window: every fifth kilometre then.
  const int step = v.zoom < 3 ? 5 : 1;
  for (int k = map::nearest(r.left); k <= map::nearest(r.right); ++k) {
    if (k % step) continue;
    p.setPen(colourOf(k));
    const int x = map::nearest(k * v.zoom + v.centrePixel.x + v.panX);
    p.drawLine(x, 0, x, s.height);
  }
  for (int k = map::nearest(r.top); k <= map::nearest(r.bottom); ++k) {
    if (k % step) continue;
    p.setPen(colourOf(k));
    const int y = map::nearest(v.mapToScreenY(k * map::MapUnitsPerKm));
    p.drawLine(0, y, s.width, y);
  }
}

}  // namespace

QFont mapFont() {
  QFont f(QStringLiteral("Sans Serif"));
  f.setPixelSize(11);
  return f;
}

void paintMapBackground(QPainter& p, const map::MapState& s) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  if (s.view.briefing) {
    p.fillRect(QRect(0, 0, s.width, s.height), QColor(0, 0, 34));
    if (s.toggles.grid) paintBriefingGrid(p, s);
    p.setPen(Silver);
    const int cx = s.view.centrePixel.x, cy = s.view.centrePixel.y;
    p.drawRect(QRect(QPoint(cx - 280, cy - 176), QPoint(cx + 280, cy + 176)));
    return;
  }
  p.fillRect(QRect(0, 0, s.width, s.height), Qt::black);
  if (s.toggles.grid) paintKmGrid(p, s);
  p.setFont(mapFont());
  p.setPen(Yellow);
  if (s.toggles.currentOnly) text(p, {s.width / 2 - 84, 3}, QStringLiteral("[Current FG only]"));
  if (s.toggles.lockStart1) text(p, {s.width / 2 + 5, 3}, QStringLiteral("[Start Pt 1 Locked]"));
}

int mapLineHeight() {
  return QFontMetrics(mapFont()).height();
}

int mapCharWidth() {
  return QFontMetrics(mapFont()).averageCharWidth() + 1;
}

void paintFlightGroup(QPainter& p, const map::MapState& s, const model::Mission& m, int fg,
                      const map::LabelShifts* shifts) {
  thread_local map::FlightGroupMarks marks;  // reused only for its memory
  map::buildMarks(s, m, fg, marks, shifts);
  if (!marks.visible && !s.toggles.drawOffScreen) return;
  const model::FlightGroup& g = m.flightGroups[fg];
  const QColor line = toQColor(marks.lineColour);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setFont(mapFont());

  for (const auto& r : marks.routes) {
    QPen pen(r.style == map::RouteStyle::DashedWhite ? QColor(Qt::white) : line, 1);
    pen.setStyle(r.style == map::RouteStyle::Solid    ? Qt::SolidLine
                 : r.style == map::RouteStyle::Dotted ? Qt::DotLine
                                                      : Qt::DashLine);
    p.setPen(pen);
    p.drawLine(qpoint(r.from), qpoint(r.to));
  }
  for (const auto& mk : marks.markers) {
    p.setPen(mk.silver ? Silver : line);
    p.drawRect(QRect(mk.at.x - 1, mk.at.y - 1, 2, 2));
  }
  for (const auto& t : marks.labels) {
    p.setPen(t.ghost ? GhostText : line);
    cachedText(p, t.at, t.text);
  }
  p.setPen(line);
  for (const auto& t : marks.annotations)
    if (!t.text.empty()) cachedText(p, t.at, t.text);

  const int type = g.get(model::fg::CraftType);
  const int iff = g.get(model::fg::Iff);
  for (const auto& c : marks.crafts) {
    if (c.craft &&
        !(c.wireframe && paintCraftWireframe(p, QPointF(c.at.x, c.at.y), type, s.view.zoom,
                                             g.heading, toQColor(marks.wireColour),
                                             s.view.shownPlane(), map::wireframeOptions(s))))
      paintCraftIcon(p, QPointF(c.at.x, c.at.y), type, map::iffRow(iff));
    if (c.player != 0) {
      p.setPen(Silver);
      text(p, {c.at.x - 3, c.at.y + 6}, QString::number(c.player));
    }
  }
  if (marks.brackets) {
    const int x = marks.brackets->x, y = marks.brackets->y;
    p.setPen(Yellow);
    const QPoint corners[4][3] = {{{x - 8, y - 5}, {x - 8, y - 8}, {x - 5, y - 8}},
                                  {{x + 5, y - 8}, {x + 7, y - 8}, {x + 7, y - 4}},
                                  {{x + 7, y + 5}, {x + 7, y + 8}, {x + 4, y + 8}},
                                  {{x - 6, y + 8}, {x - 8, y + 8}, {x - 8, y + 4}}};
    for (const auto& c : corners) p.drawPolyline(c, 3);
  }
}

void paintPaletteStrip(QPainter& p, const map::MapState& s) {
  const int top = s.height - map::PaletteHeight;
  p.fillRect(QRect(0, top, map::PaletteWidth + 1, map::PaletteHeight), Qt::black);
  const int row = map::iffRow(s.paletteIff);
  for (int k = 0; k < map::PaletteUpperCells; ++k)
    paintIconColumn(p, QPointF(16 * k, top), map::paletteIconColumn(false, k), row);
  for (int k = 0; k < map::PaletteLowerCells && 16 * k + 16 <= map::PaletteWidth + 1; ++k)
    paintIconColumn(p, QPointF(16 * k, top + 20), map::paletteIconColumn(true, k), row);
  p.setPen(Silver);
  p.drawLine(0, s.height - 41, 592, s.height - 41);
  p.drawLine(592, s.height - 41, 592, s.height);
  p.setFont(mapFont());
  text(p, {595, s.height - 25}, QStringLiteral(" Team ") + QString::number(s.paletteTeam + 1));
}

namespace {

void paintBackdrop(QPainter& p, const map::MapState& s, const model::Mission& m,
                   const std::vector<int>& order, const map::LabelShifts& shifts) {
  paintMapBackground(p, s);
  for (int fg : order)
    if (!s.drawnOverCache(fg)) paintFlightGroup(p, s, m, fg, &shifts);
  if (s.toggles.palette) paintPaletteStrip(p, s);
}

// In paint order, so that the current flight group still lies on top.
void paintOverCache(QPainter& p, const map::MapState& s, const model::Mission& m,
                    const std::vector<int>& order, const map::LabelShifts& shifts) {
  for (int fg : order)
    if (s.drawnOverCache(fg)) paintFlightGroup(p, s, m, fg, &shifts);
}

}  // namespace

void paintMapBackdrop(QPainter& p, const map::MapState& s, const model::Mission& m,
                      const map::LabelLayout& still) {
  paintBackdrop(p, s, m, map::drawOrder(s, m), still.shifts);
}

void paintMovingFlightGroups(QPainter& p, const map::MapState& s, const model::Mission& m,
                             const map::LabelLayout& still) {
  paintOverCache(p, s, m, map::drawOrder(s, m), map::movingLabelShifts(s, m, still));
}

void paintMap(QPainter& p, const map::MapState& s, const model::Mission& m) {
  const std::vector<int> order = map::drawOrder(s, m);
  const map::LabelShifts shifts = map::labelShifts(s, m);
  paintBackdrop(p, s, m, order, shifts);
  paintOverCache(p, s, m, order, shifts);
}

}  // namespace app
