#pragma once
// The preview's map and its two text strips as widgets. They draw with the stateless briefing
// painters; the map keeps the static layer between frames and redraws it only when the view
// or the Mission changes.

#include <QImage>
#include <QWidget>

#include <functional>
#include <tuple>

#include "app/briefing/briefing_painter.h"

namespace app {

class BriefingPreview : public QWidget {
  Q_OBJECT
 public:
  explicit BriefingPreview(QWidget* parent = nullptr);

  std::function<BriefingScene()> scene;
  std::function<void(QPoint)> pressed, moved;
  std::function<void()> released;

  // The Mission or the names changed: the static layer is drawn again on the next frame.
  void invalidate() { layerKey_ = {}; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QPoint mapPoint(QPointF widgetPos) const;
  QImage layer_;
  std::tuple<int, int, int, bool, qreal, bool> layerKey_{};
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
