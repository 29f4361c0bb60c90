#pragma once
// The map's gestures as canvas tools. `MapTools`, the tool the canvas hosts, hands each press to
// the tool it starts: on the palette strip the palette tool places a flight group, on a craft the
// move tool picks it and moves it with the other selected craft, on another point of a route the
// waypoint tool moves that point; the middle button drags the map (the pan tool); anything else
// is the view's (centring, press-and-hold zoom).
// A gesture that edits is one document transaction with its undo text ("Move 2 craft"): one step
// whatever the number of moves, axes or craft, and Escape puts everything back.

#include <QPointF>
#include <QString>
#include <QTimer>

#include <vector>

#include "app/document/canvas_tool.h"
#include "map/scene.h"
#include "model/mission.h"

namespace shell {
struct Settings;
}

namespace app {

class MissionDocument;

// The name of a route point (0-based) in undo texts and in what a screen reader hears ("WP 3").
QString pointName(std::size_t point);

// What the tools need of the map window.
class MapToolHost {
 public:
  virtual ~MapToolHost() = default;
  virtual MissionDocument& document() = 0;
  virtual const map::MapState& mapState() const = 0;
  virtual const shell::Settings& mapSettings() const = 0;
  // The craft type's name, for undo texts.
  virtual QString craftName(int craftType) const = 0;
  // Makes `fg` the current flight group and `point` the current point; `keepSelection` keeps the
  // other selected flight groups selected.
  virtual void pick(int fg, std::size_t point, bool keepSelection) = 0;
  // The palette added flight group `fg`: it is shown, current and in the lists.
  virtual void placed(int fg) = 0;
  // A drag of `groups` starts (the background cache is built without them) and ends (lists and
  // map drawn again).
  virtual void dragStarted(const std::vector<int>& groups) = 0;
  virtual void dragEnded() = 0;
  // The view.
  virtual void centreOn(map::ViewPoint at) = 0;
  // The pan offset in pixels (MapView::panX, panY).
  virtual void panTo(double panX, double panY) = 0;
  virtual void setZoom(int zoom) = 0;
  // A new zoom with the map-unit point `at` put under pixel `pixel`.
  virtual void zoomKeeping(int zoom, map::ViewPoint at, QPointF pixel) = 0;
  virtual void redraw() = 0;
  // The double-click's zoom-out (or fit, as the settings say).
  virtual void zoomOutOnDoubleClick() = 0;
  // The cursor is over `at` (the position read-out).
  virtual void pointerAt(QPointF at) = 0;
  // A text written onto the map until the next redraw ("Locked!").
  virtual void note(QPointF at, const QString& text) = 0;
};

// A gesture that moves one point of one or more flight groups: the first follows the cursor
// (snaps, axis locks), the others keep their offsets from it. X, Y and Z of every flight group
// are written together, each move joining the one transaction.
class DragTool : public CanvasTool {
 public:
  explicit DragTool(MapToolHost& host) : host_(host) {}
  void move(const CanvasEvent& e) override;
  void release(const CanvasEvent& e) override;
  void cancel() override;
  bool active() const override { return !groups_.empty(); }

 protected:
  // Opens the transaction (unless the tool opened it already for a placement) and starts moving
  // `point` of `groups` (the first one follows the cursor).
  void startDrag(const QString& text, std::size_t point, std::vector<int> groups);
  // Picks the point hit and starts moving it (with the same point of the other selected flight
  // groups when the hit one is among them).
  void dragHit(const map::Hit& hit);
  void openTransaction();
  // The flight groups a press on `point` of `fg` moves: the selected ones when `fg` is one of
  // several selected (not in briefing mode), else `fg` alone.
  std::vector<int> groupsMoved(int fg) const;
  MapToolHost& host_;

 private:
  void end(bool keep);
  QString text_;
  std::size_t point_ = model::Start1;
  std::vector<int> groups_;
  std::vector<model::Vec3> starts_;
  bool transaction_ = false;
};

// Select and move: a press on a craft (Start 1, or the briefing point in briefing mode) makes
// its flight group current and moves it with the other selected craft. With the Start 1 lock on,
// a press on a Start 1 selects its flight group and the map says "Locked!" until the button is
// released; a route point of that flight group under the cursor is moved instead.
class MoveCraftTool : public DragTool {
 public:
  using DragTool::DragTool;
  void press(const CanvasEvent& e) override;
  void release(const CanvasEvent& e) override;
  bool active() const override { return locked_ || DragTool::active(); }

 private:
  bool locked_ = false;
};

// A press on another point of a route (Start 2-4, WP 1-8, rendezvous, hyperspace) moves that
// point, of every selected flight group when the pressed one is among several selected.
class WaypointTool : public DragTool {
 public:
  using DragTool::DragTool;
  void press(const CanvasEvent& e) override;
};

// A press on the palette strip adds a flight group of that cell's craft type, the palette's
// team and IFF, and drags its Start 1 until the button is released: placement and drag are one
// step.
class PaletteTool : public DragTool {
 public:
  using DragTool::DragTool;
  // Whether a press at `e` is on the strip.
  bool takes(const CanvasEvent& e) const;
  void press(const CanvasEvent& e) override;
};

// The view's gestures: the right button centres on the point pressed; the left button held
// where nothing is hit zooms in step by step, keeping the point pressed under the cursor.
class ViewTool : public CanvasTool {
 public:
  explicit ViewTool(MapToolHost& host);
  void press(const CanvasEvent& e) override;
  void move(const CanvasEvent& e) override { cursor_ = e.pos; }
  void release(const CanvasEvent& e) override;
  void cancel() override { timer_.stop(); }
  bool active() const override { return timer_.isActive(); }

 private:
  MapToolHost& host_;
  QTimer timer_;
  int ticks_ = 0;
  map::ViewPoint anchor_;  // the map point pressed
  QPointF cursor_;
};

// The middle button held drags the map with the cursor. The view is no part of the Mission: no
// edit and no undo step; Escape puts the view back where the drag began.
class PanTool : public CanvasTool {
 public:
  explicit PanTool(MapToolHost& host) : host_(host) {}
  void press(const CanvasEvent& e) override;
  void move(const CanvasEvent& e) override;
  void release(const CanvasEvent& e) override;
  void cancel() override;
  bool active() const override { return active_; }

 private:
  MapToolHost& host_;
  bool active_ = false;
  QPointF from_;                // the cursor where the drag began
  double panX_ = 0, panY_ = 0;  // the pan then
};

// The tool the map canvas hosts.
class MapTools : public CanvasTool {
 public:
  explicit MapTools(MapToolHost& host);
  void press(const CanvasEvent& e) override;
  void move(const CanvasEvent& e) override;
  void release(const CanvasEvent& e) override;
  void doubleClick(const CanvasEvent& e) override;
  void cancel() override;
  bool active() const override { return current_ && current_->active(); }
  // A gesture that edits the Mission is under way.
  bool dragging() const;

 private:
  MapToolHost& host_;
  MoveCraftTool craft_;
  WaypointTool waypoint_;
  PaletteTool palette_;
  PanTool pan_;
  ViewTool view_;
  CanvasTool* current_ = nullptr;
};

}  // namespace app
