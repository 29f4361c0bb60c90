#include "app/map/map_canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "app/map/map_painter.h"

namespace app {

MapCanvas::MapCanvas(const model::Mission& mission, const map::MapState& state, QWidget* parent)
    : QWidget(parent), mission_(mission), state_(state) {
  setObjectName(QStringLiteral("PaintBox1"));
  setAccessibleName(tr("Map"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
}

QImage MapCanvas::makeBuffer() const {
  const qreal dpr = devicePixelRatioF();
  QImage img((QSizeF(size()) * dpr).toSize(), QImage::Format_RGB32);
  img.setDevicePixelRatio(dpr);
  return img;
}

void MapCanvas::redraw() {
  // Drawn when next shown: the redraws asked for meanwhile (a window opening, a view fitted,
  // several settings changed in one go) make one drawing.
  stale_ = true;
  update();
}

void MapCanvas::drawBack() {
  if (back_.size() != (QSizeF(size()) * devicePixelRatioF()).toSize()) back_ = makeBuffer();
  QPainter p(&back_);
  paintMap(p, state_, mission_);
  stale_ = false;
}

const QImage& MapCanvas::backBuffer() {
  if (stale_) drawBack();
  return back_;
}

void MapCanvas::rebuildCache() {
  cache_ = makeBuffer();
  still_ = map::stillLabels(state_, mission_);
  QPainter p(&cache_);
  paintMapBackdrop(p, state_, mission_, still_);
}

void MapCanvas::dragRedraw() {
  if (cache_.size() != (QSizeF(size()) * devicePixelRatioF()).toSize()) rebuildCache();
  back_ = cache_.copy();
  {
    QPainter p(&back_);
    paintMovingFlightGroups(p, state_, mission_, still_);
  }
  stale_ = false;
  update();
}

void MapCanvas::writeNote(QPoint at, const QString& text, QColor colour) {
  if (stale_) drawBack();
  if (back_.isNull()) return;
  QPainter p(&back_);
  p.setFont(mapFont());
  p.setPen(colour);
  p.drawText(at + QPoint(0, p.fontMetrics().ascent()), text);
  update();
}

void MapCanvas::paintEvent(QPaintEvent*) {
  if (stale_) drawBack();
  QPainter p(this);
  if (back_.isNull())
    p.fillRect(rect(), Qt::black);
  else
    p.drawImage(0, 0, back_);  // one block copy
}

bool MapCanvas::event(QEvent* e) {
  if (e->type() != QEvent::ToolTip) return QWidget::event(e);
  const auto* help = static_cast<QHelpEvent*>(e);
  QRect area;
  const QString tip = tipAt_ ? tipAt_(help->pos(), area) : QString();
  if (tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(help->globalPos(), tip, this, area);
  return true;
}

void MapCanvas::wheelEvent(QWheelEvent* e) {
  emit wheeled(e->position(), e->angleDelta(), e->modifiers());
  e->accept();
}

void MapCanvas::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  emit resized(size());
}

void MapCanvas::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  if (tool_) tool_->press(canvasEvent(*e));
}
void MapCanvas::mouseMoveEvent(QMouseEvent* e) {
  if (tool_) tool_->move(canvasEvent(*e));
}
void MapCanvas::mouseReleaseEvent(QMouseEvent* e) {
  if (tool_) tool_->release(canvasEvent(*e));
}
void MapCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
  if (tool_) tool_->doubleClick(canvasEvent(*e));
}

}  // namespace app
