#include "app/flow/flow_timeline.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <limits>

#include "app/base/colour.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "editing/descriptions.h"
#include "editing/messages.h"
#include "model/mission.h"

namespace app {

namespace {

const QColor TimelineGround(0, 0, 0);
const QColor TimelineGrid(48, 48, 48);
const QColor TimelineAxisText(160, 160, 160);
const QColor TimelineNote(150, 150, 150);
const QColor TimelineCurrent(40, 40, 56);

// A step between axis ticks that gives about `wanted` ticks over `span` seconds.
int tickStep(int span, int wanted) {
  static constexpr int Steps[] = {5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600};
  for (int s : Steps)
    if (span / s <= wanted) return s;
  return 7200;
}

}  // namespace

QString levelName(flow::Difficulty d) {
  static const char* const Names[] = {QT_TRANSLATE_NOOP("MissionFlowWindow", "Easy"),
                                      QT_TRANSLATE_NOOP("MissionFlowWindow", "Medium"),
                                      QT_TRANSLATE_NOOP("MissionFlowWindow", "Hard")};
  return QCoreApplication::translate("MissionFlowWindow", Names[static_cast<int>(d)]);
}

namespace {

QString shownTime(const flow::Arrival& a) {
  if (a.absent) return QStringLiteral("\u2014");
  return shownText(flow::timeText(a.time)).replace(QStringLiteral(">="), QStringLiteral("\u2265"));
}

// The levels of the result that are shown.
std::vector<const flow::LevelResult*> shownLevels(const flow::Result& r, flow::Levels shown) {
  std::vector<const flow::LevelResult*> out;
  for (const flow::LevelResult& l : r.levels)
    if (shown.empty() || shown.has(l.difficulty)) out.push_back(&l);
  return out;
}

TimelineRow groupRow(const model::Mission& m, const std::vector<std::string>& names,
                     const std::vector<const flow::LevelResult*>& levels, int g) {
  const auto i = static_cast<std::size_t>(g);
  TimelineRow row;
  row.group = g;
  row.label = QStringLiteral("#%1 ").arg(g + 1) + fromFile(names[i]);
  row.colour = toQColor(editing::listColour(m.flightGroups[i]));
  row.absent = true;
  row.tip = row.label;
  bool arrives = false;
  for (const flow::LevelResult* l : levels) {
    const flow::Arrival& a = l->flightGroups[i];
    row.levels.push_back({a.time, a.absent, shownTime(a)});
    row.onlyIfHuman = a.onlyIfHuman;
    row.absent = row.absent && a.absent;
    arrives = arrives || a.arrives();
    if (row.note.isEmpty() && !a.absent && a.time.never) row.note = shownText(a.reason);
    row.tip += QStringLiteral("\n%1: %2")
                   .arg(levelName(l->difficulty), shownText(flow::arrivalText(a, l->difficulty)));
    if (!a.reason.empty())
      row.tip += QStringLiteral(" (") + shownText(a.reason) + QStringLiteral(")");
  }
  if (row.onlyIfHuman) row.tip += QObject::tr("\nOnly if a human flies it.");
  row.kind = arrives ? TimelineRow::Group : TimelineRow::Never;
  return row;
}

// The earliest arrival over the levels shown; groups that never arrive last.
int earliestOf(const TimelineRow& row) {
  int best = std::numeric_limits<int>::max();
  for (const TimelineTime& t : row.levels)
    if (!t.absent && !t.at.never) best = std::min(best, t.at.seconds);
  return best;
}

void addMarks(const model::Mission& m, const std::vector<const flow::LevelResult*>& levels,
              TimelineContent& c, int& latest) {
  for (std::size_t li = 0; li < levels.size(); ++li)
    for (std::size_t i = 0; i < levels[li]->messages.size(); ++i) {
      const flow::Event& e = levels[li]->messages[i];
      if (e.time.never) continue;
      TimelineMark mark;
      mark.message = static_cast<int>(i);
      mark.level = static_cast<int>(li);
      mark.at = e.time;
      mark.colour = toQColor(editing::messageListColour(m.messages[i]));
      mark.tip =
          QObject::tr("Message #%1 \"%2\"\n%3: %4")
              .arg(i + 1)
              .arg(fromFile(editing::trimmed(editing::shownMessageText(m.messages[i].textValue()))))
              .arg(levelName(levels[li]->difficulty), shownText(flow::timeText(e.time)));
      if (!e.reason.empty()) mark.tip += QStringLiteral("\n") + shownText(e.reason);
      c.marks.push_back(mark);
      latest = std::max(latest, e.time.seconds);
    }
}

}  // namespace

TimelineContent timelineContent(const model::Mission& m, const shell::Vocabulary& v,
                                const flow::Result& r, flow::Levels shown) {
  TimelineContent c;
  const std::vector<const flow::LevelResult*> levels = shownLevels(r, shown);
  for (const flow::LevelResult* l : levels) c.levels.push_back(levelName(l->difficulty));
  const std::vector<std::string> names = editing::nameList(m, v);
  std::vector<TimelineRow> rows;
  for (int g = 0; g < static_cast<int>(m.flightGroups.size()); ++g)
    rows.push_back(groupRow(m, names, levels, g));
  std::stable_sort(rows.begin(), rows.end(), [](const TimelineRow& a, const TimelineRow& b) {
    if ((a.kind == TimelineRow::Never) != (b.kind == TimelineRow::Never))
      return a.kind != TimelineRow::Never;
    if (a.absent != b.absent) return !a.absent;
    return earliestOf(a) < earliestOf(b);
  });
  int latest = 0;
  for (const TimelineRow& row : rows)
    if (row.kind == TimelineRow::Group) latest = std::max(latest, earliestOf(row));
  if (!m.messages.empty()) {
    TimelineRow row;
    row.kind = TimelineRow::Messages;
    row.label = QObject::tr("Messages");
    row.colour = QColor(200, 200, 200);
    rows.insert(rows.begin(), row);
  }
  c.rows = std::move(rows);
  addMarks(m, levels, c, latest);
  // A little room after the latest time, in whole ticks.
  const int step = tickStep(std::max(latest, 60), 8);
  c.span = (latest + latest / 10) / step * step + step;
  return c;
}

FlowTimeline::FlowTimeline(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FlowTimeline"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

void FlowTimeline::setContent(TimelineContent content) {
  content_ = std::move(content);
  updateGeometry();
  update();
}

void FlowTimeline::setCurrentGroup(int group) {
  if (current_ == group) return;
  current_ = group;
  update();
}

int FlowTimeline::Geometry::x(int seconds, int span) const {
  if (span <= 0) return left;
  const double f = std::min(1.0, static_cast<double>(seconds) / span);
  return left + static_cast<int>(f * (right - left));
}

FlowTimeline::Geometry FlowTimeline::geometry() const {
  Geometry g;
  const QFontMetrics fm(font());
  g.stripes = std::max<int>(1, static_cast<int>(content_.levels.size()));
  // Three levels take a taller row: a stripe each.
  g.rowHeight = fm.height() + 6 + (g.stripes - 1) * 5;
  g.header = fm.height() + 8;
  int widest = fm.horizontalAdvance(tr("Messages"));
  for (const TimelineRow& row : content_.rows)
    widest = std::max(widest, fm.horizontalAdvance(row.label));
  // The labels take what they need up to two fifths of the width; the bars the rest.
  g.labelWidth = std::min(widest + 12, std::max(120, width() * 2 / 5));
  g.levelWidth = fm.horizontalAdvance(QStringLiteral("\u2265 00:00")) + 10;
  for (const QString& level : content_.levels)
    g.levelWidth = std::max(g.levelWidth, fm.horizontalAdvance(level) + 10);
  g.timeWidth = g.levelWidth * g.stripes;
  g.left = g.labelWidth + g.timeWidth + 6;
  g.right = std::max(g.left + 40, width() - 14);
  return g;
}

QRect FlowTimeline::Geometry::stripe(const QRect& band, int level) const {
  const int inner = band.height() - 6;
  const int h = std::max(2, inner / stripes);
  return {band.left(), band.top() + 3 + level * h, band.width(), h - (stripes > 1 ? 1 : 0)};
}

QSize FlowTimeline::sizeHint() const {
  const Geometry g = geometry();
  return {std::max(640, g.left + 400),
          g.header + g.rowHeight * static_cast<int>(content_.rows.size()) + 8};
}

QSize FlowTimeline::minimumSizeHint() const {
  const Geometry g = geometry();
  return {g.timeWidth + 200, g.header + g.rowHeight * static_cast<int>(content_.rows.size()) + 8};
}

QRect FlowTimeline::rowRect(int group) const {
  const Geometry g = geometry();
  for (std::size_t i = 0; i < content_.rows.size(); ++i)
    if (content_.rows[i].group == group && content_.rows[i].kind != TimelineRow::Messages)
      return {0, g.header + static_cast<int>(i) * g.rowHeight, width(), g.rowHeight};
  return {};
}

QPoint FlowTimeline::markPoint(int message, int level) const {
  const Geometry g = geometry();
  for (std::size_t i = 0; i < content_.rows.size(); ++i) {
    if (content_.rows[i].kind != TimelineRow::Messages) continue;
    const QRect band(0, g.header + static_cast<int>(i) * g.rowHeight, width(), g.rowHeight);
    for (const TimelineMark& mark : content_.marks)
      if (mark.message == message && mark.level == level)
        return {g.x(mark.at.seconds, content_.span), g.stripe(band, level).center().y()};
  }
  return {-1, -1};
}

int FlowTimeline::rowAt(QPoint p) const {
  const Geometry g = geometry();
  if (p.y() < g.header) return -1;
  const int row = (p.y() - g.header) / g.rowHeight;
  return row < static_cast<int>(content_.rows.size()) ? row : -1;
}

const TimelineMark* FlowTimeline::markAt(QPoint p) const {
  const int row = rowAt(p);
  if (row < 0 || content_.rows[static_cast<std::size_t>(row)].kind != TimelineRow::Messages)
    return nullptr;
  // The nearest mark within a few pixels.
  const TimelineMark* best = nullptr;
  int bestDistance = 8;
  for (const TimelineMark& mark : content_.marks) {
    const QPoint at = markPoint(mark.message, mark.level);
    const int d = std::abs(at.x() - p.x()) + std::abs(at.y() - p.y()) / 2;
    if (d < bestDistance) {
      bestDistance = d;
      best = &mark;
    }
  }
  return best;
}

QString FlowTimeline::tipAt(QPoint p) const {
  const int row = rowAt(p);
  if (row < 0) return {};
  const TimelineRow& r = content_.rows[static_cast<std::size_t>(row)];
  if (r.kind != TimelineRow::Messages) return r.tip;
  const TimelineMark* mark = markAt(p);
  return mark ? mark->tip : QString();
}

bool FlowTimeline::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(e);
    const QString tip = tipAt(help->pos());
    if (tip.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), tip, this);
    return true;
  }
  return QWidget::event(e);
}

void FlowTimeline::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
  const QPoint p = e->position().toPoint();
  const int row = rowAt(p);
  if (row < 0) return;
  const TimelineRow& r = content_.rows[static_cast<std::size_t>(row)];
  if (r.kind == TimelineRow::Messages) {
    if (const TimelineMark* mark = markAt(p)) emit messageClicked(mark->message);
    return;
  }
  emit groupClicked(r.group);
}

void FlowTimeline::paintAxis(QPainter& p, const Geometry& g, int bottom) const {
  const QFontMetrics fm(font());
  const int span = content_.span;
  // A tick and its time every step, a faint line down through the rows.
  const int step = tickStep(span, std::max(2, (g.right - g.left) / 70));
  p.setPen(TimelineAxisText);
  for (int t = 0; t <= span; t += step) {
    const int x = g.x(t, span);
    p.fillRect(QRect(x, g.header - 4, 1, bottom - g.header + 4), TimelineGrid);
    const QString text = qs(flow::clockText(t));
    const int w = fm.horizontalAdvance(text);
    // Centred on its tick, kept off the time columns and the right edge.
    p.drawText(QRect(std::clamp(x - w / 2, g.left, std::max(g.left, width() - w - 2)), 2, w + 2,
                     g.header - 6),
               Qt::AlignLeft | Qt::AlignVCenter, text);
  }
  // The levels' names over their time columns.
  if (content_.levels.size() < 2) return;
  for (std::size_t i = 0; i < content_.levels.size(); ++i)
    p.drawText(
        QRect(g.labelWidth + static_cast<int>(i) * g.levelWidth, 2, g.levelWidth - 6, g.header - 6),
        Qt::AlignRight | Qt::AlignVCenter, content_.levels[i]);
}

void FlowTimeline::paintMarks(QPainter& p, const Geometry& g, const QRect& band) const {
  p.setRenderHint(QPainter::Antialiasing, true);
  for (const TimelineMark& mark : content_.marks) {
    const QRect stripe = g.stripe(band, mark.level);
    const int cy = stripe.center().y();
    const int r = std::max(3, std::min(g.rowHeight / 3, stripe.height() / 2 + 2));
    const int x = g.x(mark.at.seconds, content_.span);
    QPainterPath diamond;
    diamond.moveTo(x, cy - r);
    diamond.lineTo(x + r, cy);
    diamond.lineTo(x, cy + r);
    diamond.lineTo(x - r, cy);
    diamond.closeSubpath();
    p.setPen(QPen(mark.colour, 1.5));
    p.setBrush(mark.at.exact ? QBrush(mark.colour) : QBrush(Qt::NoBrush));
    p.drawPath(diamond);
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
}

// A level's bar from the earliest arrival on: solid when exact, hatched when a lower bound,
// with a bright edge where it starts; a dotted grey line where the group is not at the level.
void FlowTimeline::paintBar(QPainter& p, const Geometry& g, const QRect& stripe,
                            const TimelineTime& t, const QColor& colour) const {
  if (t.absent) {
    p.setPen(QPen(TimelineNote, 1, Qt::DotLine));
    p.drawLine(g.left, stripe.center().y(), g.right, stripe.center().y());
    return;
  }
  if (t.at.never) return;
  const int x = g.x(t.at.seconds, content_.span);
  const QRect bar(x, stripe.top(), std::max(2, g.right - x), stripe.height());
  QColor fill = colour;
  fill.setAlpha(t.at.exact ? 150 : 60);
  p.fillRect(bar, fill);
  if (!t.at.exact) p.fillRect(bar, QBrush(colour, Qt::BDiagPattern));
  p.fillRect(QRect(x, stripe.top() - 1, 2, stripe.height() + 2), colour);
}

void FlowTimeline::paintRow(QPainter& p, const Geometry& g, const TimelineRow& row,
                            const QRect& band) const {
  const QFontMetrics fm(font());
  if (row.kind != TimelineRow::Messages && row.group == current_) {
    p.fillRect(band, TimelineCurrent);
    p.fillRect(QRect(band.left(), band.top(), 3, band.height()), row.colour);
  }
  const QRect labelBox(8, band.top(), g.labelWidth - 8, band.height());
  p.setPen(row.absent ? TimelineNote : row.colour);
  QString label = row.label;
  if (row.onlyIfHuman) label += tr(" [human only]");
  p.drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter,
             fm.elidedText(label, Qt::ElideRight, labelBox.width()));
  if (row.kind == TimelineRow::Messages) return paintMarks(p, g, band);
  for (std::size_t i = 0; i < row.levels.size(); ++i) {
    const TimelineTime& t = row.levels[i];
    const int level = static_cast<int>(i);
    const QRect stripe = g.stripe(band, level);
    const QRect timeBox(g.labelWidth + level * g.levelWidth, band.top(), g.levelWidth - 6,
                        band.height());
    p.setPen(t.absent || t.at.never ? TimelineNote : row.colour);
    p.drawText(timeBox, Qt::AlignRight | Qt::AlignVCenter, t.time);
    if (row.kind != TimelineRow::Never) paintBar(p, g, stripe, t, row.colour);
  }
  if (row.kind != TimelineRow::Never) return;
  QFont italic = font();
  italic.setItalic(true);
  p.setFont(italic);
  p.setPen(TimelineNote);
  const QRect noteBox(g.left, band.top(), width() - g.left - 6, band.height());
  p.drawText(noteBox, Qt::AlignLeft | Qt::AlignVCenter,
             QFontMetrics(italic).elidedText(row.note, Qt::ElideRight, noteBox.width()));
  p.setFont(font());
}

void FlowTimeline::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), TimelineGround);
  const Geometry g = geometry();
  const int bottom = g.header + g.rowHeight * static_cast<int>(content_.rows.size());
  paintAxis(p, g, bottom);
  for (std::size_t i = 0; i < content_.rows.size(); ++i)
    paintRow(p, g, content_.rows[i],
             QRect(0, g.header + static_cast<int>(i) * g.rowHeight, width(), g.rowHeight));
  if (content_.rows.empty()) {
    p.setPen(TimelineAxisText);
    p.drawText(rect(), Qt::AlignCenter, tr("The mission has no flight groups."));
  }
}

}  // namespace app
