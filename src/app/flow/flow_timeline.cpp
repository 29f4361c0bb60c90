#include "app/flow/flow_timeline.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

#include "app/base/colour.h"
#include "app/base/text.h"
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

TimelineContent timelineContent(const model::Mission& m, const shell::Vocabulary& v,
                                const flow::Result& r) {
  TimelineContent c;
  const std::vector<std::string> names = editing::nameList(m, v);
  int latest = 0;
  auto rowOf = [&](int g) {
    const auto i = static_cast<std::size_t>(g);
    const flow::Arrival& a = r.flightGroups[i];
    TimelineRow row;
    row.kind = a.time.never ? TimelineRow::Never : TimelineRow::Group;
    row.group = g;
    row.label = QStringLiteral("#%1 ").arg(g + 1) + fromFile(names[i]);
    row.time = qs(flow::formatTime(a.time)).replace(QStringLiteral(">="), QStringLiteral("\u2265"));
    row.note = fromFile(a.reason);
    row.colour = toQColor(editing::listColour(m.flightGroups[i]));
    row.at = a.time;
    row.onlyIfHuman = a.onlyIfHuman;
    row.tip = row.label + QStringLiteral("\n") + qs(flow::formatTime(a.time));
    if (a.onlyIfHuman) row.tip += QObject::tr(" (only if a human flies it)");
    if (!a.reason.empty()) row.tip += QStringLiteral("\n") + fromFile(a.reason);
    if (!a.time.never) latest = std::max(latest, a.time.seconds);
    return row;
  };
  for (int g : r.arrivalOrder())
    if (!r.flightGroups[static_cast<std::size_t>(g)].time.never) c.rows.push_back(rowOf(g));
  if (!r.messages.empty()) {
    TimelineRow row;
    row.kind = TimelineRow::Messages;
    row.label = QObject::tr("Messages");
    row.colour = QColor(200, 200, 200);
    c.rows.insert(c.rows.begin(), row);
  }
  for (int g : r.arrivalOrder())
    if (r.flightGroups[static_cast<std::size_t>(g)].time.never) c.rows.push_back(rowOf(g));
  for (std::size_t i = 0; i < r.messages.size(); ++i) {
    const flow::Event& e = r.messages[i];
    if (e.time.never) continue;
    TimelineMark mark;
    mark.message = static_cast<int>(i);
    mark.at = e.time;
    mark.colour = toQColor(editing::messageListColour(m.messages[i]));
    mark.tip =
        QObject::tr("Message #%1 \"%2\"\n%3")
            .arg(i + 1)
            .arg(fromFile(editing::trimmed(editing::shownMessageText(m.messages[i].textValue()))))
            .arg(qs(flow::formatTime(e.time)));
    if (!e.reason.empty()) mark.tip += QStringLiteral("\n") + fromFile(e.reason);
    c.marks.push_back(mark);
    latest = std::max(latest, e.time.seconds);
  }
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
  g.rowHeight = fm.height() + 6;
  g.header = fm.height() + 8;
  int widest = fm.horizontalAdvance(tr("Messages"));
  for (const TimelineRow& row : content_.rows)
    widest = std::max(widest, fm.horizontalAdvance(row.label));
  // The labels take what they need up to two fifths of the width; the bars the rest.
  g.labelWidth = std::min(widest + 12, std::max(120, width() * 2 / 5));
  g.timeWidth = fm.horizontalAdvance(QStringLiteral("\u2265 00:00")) + 10;
  g.left = g.labelWidth + g.timeWidth + 6;
  g.right = std::max(g.left + 40, width() - 14);
  return g;
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

QPoint FlowTimeline::markPoint(int message) const {
  const Geometry g = geometry();
  for (std::size_t i = 0; i < content_.rows.size(); ++i) {
    if (content_.rows[i].kind != TimelineRow::Messages) continue;
    for (const TimelineMark& mark : content_.marks)
      if (mark.message == message)
        return {g.x(mark.at.seconds, content_.span),
                g.header + static_cast<int>(i) * g.rowHeight + g.rowHeight / 2};
  }
  return {-1, -1};
}

int FlowTimeline::rowAt(QPoint p) const {
  const Geometry g = geometry();
  if (p.y() < g.header) return -1;
  const int row = (p.y() - g.header) / g.rowHeight;
  return row < static_cast<int>(content_.rows.size()) ? row : -1;
}

int FlowTimeline::markAt(QPoint p) const {
  const int row = rowAt(p);
  if (row < 0 || content_.rows[static_cast<std::size_t>(row)].kind != TimelineRow::Messages)
    return -1;
  // The nearest mark within a few pixels.
  int best = -1, bestDistance = 7;
  for (const TimelineMark& mark : content_.marks) {
    const int d = std::abs(markPoint(mark.message).x() - p.x());
    if (d < bestDistance) {
      bestDistance = d;
      best = mark.message;
    }
  }
  return best;
}

QString FlowTimeline::tipAt(QPoint p) const {
  const int row = rowAt(p);
  if (row < 0) return {};
  const TimelineRow& r = content_.rows[static_cast<std::size_t>(row)];
  if (r.kind != TimelineRow::Messages) return r.tip;
  const int message = markAt(p);
  for (const TimelineMark& mark : content_.marks)
    if (mark.message == message) return mark.tip;
  return {};
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
    if (const int message = markAt(p); message >= 0) emit messageClicked(message);
    return;
  }
  emit groupClicked(r.group);
}

void FlowTimeline::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), TimelineGround);
  const Geometry g = geometry();
  const QFontMetrics fm(font());
  const int span = content_.span;
  const int bottom = g.header + g.rowHeight * static_cast<int>(content_.rows.size());

  // The axis: a tick and its time every step, a faint line down through the rows.
  const int step = tickStep(span, std::max(2, (g.right - g.left) / 70));
  p.setPen(TimelineAxisText);
  for (int t = 0; t <= span; t += step) {
    const int x = g.x(t, span);
    p.fillRect(QRect(x, g.header - 4, 1, bottom - g.header + 4), TimelineGrid);
    const QString text = qs(flow::clockText(t));
    const int w = fm.horizontalAdvance(text);
    p.drawText(QRect(std::min(x - w / 2, width() - w - 2), 2, w + 2, g.header - 6),
               Qt::AlignLeft | Qt::AlignVCenter, text);
  }

  for (std::size_t i = 0; i < content_.rows.size(); ++i) {
    const TimelineRow& row = content_.rows[i];
    const QRect band(0, g.header + static_cast<int>(i) * g.rowHeight, width(), g.rowHeight);
    if (row.kind != TimelineRow::Messages && row.group == current_) {
      p.fillRect(band, TimelineCurrent);
      p.fillRect(QRect(band.left(), band.top(), 3, band.height()), row.colour);
    }
    const QRect labelBox(8, band.top(), g.labelWidth - 8, band.height());
    p.setPen(row.colour);
    QString label = row.label;
    if (row.onlyIfHuman) label += tr(" [human only]");
    p.drawText(labelBox, Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(label, Qt::ElideRight, labelBox.width()));
    if (row.kind == TimelineRow::Messages) {
      p.setRenderHint(QPainter::Antialiasing, true);
      const int cy = band.center().y();
      const int r = std::max(3, g.rowHeight / 3);
      for (const TimelineMark& mark : content_.marks) {
        const int x = g.x(mark.at.seconds, span);
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
      continue;
    }
    const QRect timeBox(g.labelWidth, band.top(), g.timeWidth, band.height());
    p.setPen(row.kind == TimelineRow::Never ? TimelineNote : row.colour);
    p.drawText(timeBox.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, row.time);
    if (row.kind == TimelineRow::Never) {
      QFont italic = font();
      italic.setItalic(true);
      p.setFont(italic);
      p.setPen(TimelineNote);
      const QRect noteBox(g.left, band.top(), width() - g.left - 6, band.height());
      p.drawText(noteBox, Qt::AlignLeft | Qt::AlignVCenter,
                 QFontMetrics(italic).elidedText(row.note, Qt::ElideRight, noteBox.width()));
      p.setFont(font());
      continue;
    }
    // The bar from the earliest arrival on: solid when exact, hatched when a lower bound,
    // with a bright edge where it starts.
    const int x = g.x(row.at.seconds, span);
    const QRect bar(x, band.top() + 3, std::max(2, g.right - x), band.height() - 6);
    QColor fill = row.colour;
    if (row.at.exact) {
      fill.setAlpha(150);
      p.fillRect(bar, fill);
    } else {
      fill.setAlpha(60);
      p.fillRect(bar, fill);
      p.fillRect(bar, QBrush(row.colour, Qt::BDiagPattern));
    }
    p.fillRect(QRect(x, band.top() + 1, 2, band.height() - 2), row.colour);
  }
  if (content_.rows.empty()) {
    p.setPen(TimelineAxisText);
    p.drawText(rect(), Qt::AlignCenter, tr("The mission has no flight groups."));
  }
}

}  // namespace app
