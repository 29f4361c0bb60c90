#pragma once
// The gestures on the briefing preview, each one undo step whatever the number of moves:
// dragging a flight group's icon (its briefing point), dragging a map tag (its instruction's
// X and Y), and placing a new instruction ("Move Map", "Adjust Zoom", a text, a box or a tag)
// until "Done". Escape (cancel) puts back what the gesture changed.

#include <QPoint>
#include <QString>

#include "app/document/canvas_tool.h"
#include "briefing/playback.h"

namespace app {

class BriefingSession;

// What the tools need from the preview page.
class PreviewHost {
 public:
  virtual ~PreviewHost() = default;
  // The preview's player: its view, the instructions it ran.
  virtual briefing::Player& player() = 0;
  // A map coordinate snapped as "X Snap" / "Y Snap" say.
  virtual int snap(int value, bool xAxis) const = 0;
  // "lock X" / "lock Y".
  virtual bool locked(bool xAxis) const = 0;
  // Something on the map changed: `layer` when the icons moved.
  virtual void redraw(bool layer) = 0;
};

// Drags the icon under the mouse: the flight group's briefing point follows, snapped and
// locked per axis, as one undo step "Move icon".
class IconDragTool : public CanvasTool {
 public:
  IconDragTool(BriefingSession& session, PreviewHost& host) : session_(session), host_(host) {}
  void press(const CanvasEvent& e) override;
  void move(const CanvasEvent& e) override;
  void release(const CanvasEvent& e) override;
  void cancel() override;
  bool active() const override { return group_ >= 0; }

 private:
  BriefingSession& session_;
  PreviewHost& host_;
  int group_ = -1;
  int serial_ = 0;
};

// Drags the map tag under the mouse: its instruction's X and Y, one step "Move map tag".
class TagDragTool : public CanvasTool {
 public:
  TagDragTool(BriefingSession& session, PreviewHost& host) : session_(session), host_(host) {}
  void press(const CanvasEvent& e) override;
  void move(const CanvasEvent& e) override;
  void release(const CanvasEvent& e) override;
  void cancel() override;
  bool active() const override { return position_ >= 0; }

 private:
  BriefingSession& session_;
  PreviewHost& host_;
  int position_ = -1;
  int x0_ = 0, y0_ = 0;
};

// The instruction being placed: a tag goes where the map is clicked (and follows while the
// button is held), "Move Map" drags the map. Done stores the instruction as one step
// "Insert instruction"; cancel takes it out and gives back the view.
class PlaceInstructionTool : public CanvasTool {
 public:
  PlaceInstructionTool(BriefingSession& session, PreviewHost& host)
      : session_(session), host_(host) {}
  // Inserts `code` at the player's time; all but a stop point and the clears open a placement.
  void begin(int code);
  // What the placement group's controls choose: the zoom about the move target, the map
  // scrolled to (x, y) pixels, the text, flight group or tag and the tag's colour.
  void zoomTo(int zoom);
  void scrollTo(int x, int y);
  void choose(int index, int colour);
  void press(const CanvasEvent& e) override;
  void move(const CanvasEvent& e) override;
  void release(const CanvasEvent& e) override;
  void cancel() override;
  void done();
  bool active() const override;

 private:
  void show();
  void placeTag(const CanvasEvent& e);

  BriefingSession& session_;
  PreviewHost& host_;
  briefing::DisplayState viewBefore_;
  QPointF grabbed_;  // where a drag of the map began, with the offsets then
  int ox0_ = 0, oy0_ = 0;
  bool held_ = false;
};

}  // namespace app
