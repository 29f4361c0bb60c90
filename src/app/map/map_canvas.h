#pragma once
// The map's drawing surface: paints its back buffer with one block copy and hands mouse events
// to its tool (app/map/map_tools.h). The back buffer is redrawn in full when it is next shown,
// or during a drag from the background cache with only the moving flight groups (and their
// labels) laid out and drawn again.

#include <QImage>
#include <QWidget>

#include <functional>

#include "app/document/canvas_tool.h"
#include "map/scene.h"
#include "model/mission.h"

namespace app {

class MapCanvas : public QWidget {
  Q_OBJECT
 public:
  MapCanvas(const model::Mission& mission, const map::MapState& state, QWidget* parent = nullptr);

  void setTool(CanvasTool* tool) { tool_ = tool; }
  // The tool tip of a point of the canvas (empty: none) and the area it holds for.
  using TipSource = std::function<QString(QPointF at, QRect& area)>;
  void setToolTips(TipSource tipAt) { tipAt_ = std::move(tipAt); }
  // Background, every flight group, palette, current flight group, drawn when next shown.
  void redraw();
  // The background cache (everything but the flight groups a drag moves, their labels laid out
  // without those) rebuilt now.
  void rebuildCache();
  // The cache copied back and the moving flight groups drawn again; then shown.
  void dragRedraw();
  // A text written straight onto the window (gone with the next redraw).
  void writeNote(QPoint at, const QString& text, QColor colour);
  // The back buffer, drawn now when a redraw is pending.
  const QImage& backBuffer();

 signals:
  void resized(QSize size);
  // The mouse wheel turned over `at` (angles in eighths of a degree, as Qt gives them).
  void wheeled(QPointF at, QPoint angleDelta, Qt::KeyboardModifiers modifiers);

 protected:
  bool event(QEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  QImage makeBuffer() const;
  void drawBack();

  const model::Mission& mission_;
  const map::MapState& state_;
  CanvasTool* tool_ = nullptr;
  TipSource tipAt_;
  QImage back_, cache_;
  map::LabelLayout still_;  // the labels of the cache, laid out once per drag
  bool stale_ = false;      // a redraw is pending
};

}  // namespace app
