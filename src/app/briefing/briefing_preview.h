#pragma once
// The preview's map and its two text strips as widgets. They draw with the stateless briefing
// painters; the map keeps the static layer between frames and redraws it only when the view
// or the Mission changes. The map hands a gesture to the first of its tools that takes the
// press; that tool has the gesture until the release or a cancel.

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

#include "app/briefing/briefing_painter.h"
#include "app/document/canvas_tool.h"

namespace app {

class BriefingPreview : public QWidget {
  Q_OBJECT
 public:
  explicit BriefingPreview(QWidget* parent = nullptr);

  std::function<BriefingScene()> scene;
  // The tools that may take a press now, in order of preference.
  std::function<std::vector<CanvasTool*>()> tools;
  // Every mouse move over the map, in map pixels.
  std::function<void(QPoint)> hovered;

  // The tool with a gesture under way, or null.
  CanvasTool* activeTool() const { return active_; }
  // Ends the gesture under way, putting back what it changed.
  void cancelGesture();

  // The Mission or the names changed: the static layer is drawn again on the next frame.
  void invalidate() { frame_.invalidate(); }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 signals:
  // A gesture began or ended.
  void gestureChanged();

 private:
  QPoint mapPoint(QPointF widgetPos) const;
  void setActive(CanvasTool* tool);
  CanvasTool* active_ = nullptr;
  BriefingFramePainter frame_;
};

// A strip of text on navy: the caption under the map or the description above it.
class BriefingStrip : public QWidget {
  Q_OBJECT
 public:
  BriefingStrip(bool caption, QWidget* parent = nullptr);
  void setText(const QString& text);
  const QString& text() const { return text_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool caption_;
  QString text_;
};

}  // namespace app
