#include "app/briefing/briefing_preview.h"

#include <QMouseEvent>
#include <QPainter>

#include "briefing/playback.h"

namespace app {

BriefingPreview::BriefingPreview(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFocusPolicy(Qt::StrongFocus);
}

QSize BriefingPreview::sizeHint() const {
  return {briefing::PreviewWidth, briefing::PreviewHeight};
}

void BriefingPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!scene) {
    p.fillRect(rect(), QColor(0, 0, 34));
    return;
  }
  frame_.paint(p, scene(), devicePixelRatioF());
}

QPoint BriefingPreview::mapPoint(QPointF pos) const {
  return {static_cast<int>(pos.x()), static_cast<int>(pos.y())};
}

void BriefingPreview::setActive(CanvasTool* tool) {
  if (tool == active_) return;
  active_ = tool;
  emit gestureChanged();
}

void BriefingPreview::cancelGesture() {
  if (!active_) return;
  CanvasTool* tool = active_;
  setActive(nullptr);
  tool->cancel();
}

void BriefingPreview::mousePressEvent(QMouseEvent* e) {
  QWidget::mousePressEvent(e);
  if (e->button() != Qt::LeftButton || active_ || !tools) return;
  const CanvasEvent ce = canvasEvent(*e);
  for (CanvasTool* tool : tools()) {
    tool->press(ce);
    if (tool->active()) {
      setActive(tool);
      return;
    }
  }
}

void BriefingPreview::mouseMoveEvent(QMouseEvent* e) {
  if (hovered) hovered(mapPoint(e->position()));
  if (active_) active_->move(canvasEvent(*e));
}

void BriefingPreview::mouseReleaseEvent(QMouseEvent* e) {
  QWidget::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton || !active_) return;
  CanvasTool* tool = active_;
  setActive(nullptr);
  tool->release(canvasEvent(*e));
}

BriefingStrip::BriefingStrip(bool caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BriefingStrip::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  setToolTip(caption_ ? QString() : text);
  update();
}

QSize BriefingStrip::sizeHint() const {
  return {briefing::PreviewWidth, caption_ ? CaptionStripHeight : DescriptionStripHeight};
}

void BriefingStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (caption_)
    paintCaptionStrip(p, rect(), text_);
  else
    paintDescriptionStrip(p, rect(), text_);
}

}  // namespace app
