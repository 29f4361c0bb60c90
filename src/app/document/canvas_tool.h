#pragma once
// A gesture on a canvas (the map, the briefing preview) is a tool. The canvas hands the active
// tool its mouse events in its own logical coordinates; the tool turns a gesture into one
// document transaction: one undo step whatever the number of moves, records or axes, and
// `cancel` (the window's Escape action) puts everything back where the gesture started.

#include <QMouseEvent>
#include <QPointF>
#include <Qt>

namespace app {

struct CanvasEvent {
  QPointF pos;                            // logical pixels of the canvas
  Qt::MouseButton button = Qt::NoButton;  // the button pressed or released (press, release)
  Qt::MouseButtons buttons;               // the buttons held
  Qt::KeyboardModifiers modifiers;
};

// What a canvas hands its tool for a mouse event on it.
inline CanvasEvent canvasEvent(const QMouseEvent& e) {
  return {e.position(), e.button(), e.buttons(), e.modifiers()};
}

class CanvasTool {
 public:
  virtual ~CanvasTool() = default;
  virtual void press(const CanvasEvent& e) = 0;
  virtual void move(const CanvasEvent& e) = 0;
  virtual void release(const CanvasEvent& e) = 0;
  // A second press of the left button in quick succession (it follows a press and a release).
  virtual void doubleClick(const CanvasEvent&) {}
  // Escape or anything that ends the gesture early: back to where it started.
  virtual void cancel() = 0;
  // A gesture is under way (between press and release).
  virtual bool active() const = 0;
};

}  // namespace app
