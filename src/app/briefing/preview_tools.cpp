#include "app/briefing/preview_tools.h"

#include <QCoreApplication>

#include <cmath>

#include "app/briefing/briefing_session.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "briefing/preview.h"
#include "map/view.h"

namespace app {

namespace brf = briefing;
namespace fg = model::fg;

namespace {

QString text(const char* s) {
  return QCoreApplication::translate("BriefingPreview", s);
}

// Map coordinates under the mouse, kept within what a point or an instruction can hold: far
// out at a small zoom they stay at the edge instead of wrapping round.
int mapX(const brf::DisplayState& v, const CanvasEvent& e) {
  return map::clampCoordinate(brf::toMapX(v, static_cast<int>(e.pos.x())));
}
int mapY(const brf::DisplayState& v, const CanvasEvent& e) {
  return map::clampCoordinate(brf::toMapY(v, static_cast<int>(e.pos.y())));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Icons

void IconDragTool::press(const CanvasEvent& e) {
  const brf::DisplayState& v = host_.player().view();
  group_ = brf::pickFlightGroup(session_.mission(), session_.briefing(), v, mapX(v, e), mapY(v, e));
  if (group_ < 0) return;
  ++serial_;
  session_.document().beginTransaction(QStringLiteral("brf-icon-%1").arg(serial_));
}

void IconDragTool::move(const CanvasEvent& e) {
  if (group_ < 0 || group_ >= static_cast<int>(session_.mission().flightGroups.size())) return;
  const brf::DisplayState& v = host_.player().view();
  const std::size_t point = model::Briefing1 + static_cast<std::size_t>(session_.briefing());
  const bool lockX = host_.locked(true), lockY = host_.locked(false);
  if (lockX && lockY) return;
  const int x = host_.snap(mapX(v, e), true), y = host_.snap(mapY(v, e), false);
  // One change of the record per move, whichever axes moved, so the moves join one step.
  session_.document().apply(
      stepText(Verb::Move, text("icon")), ChangedFlag::FlightGroup,
      [&](model::MissionEdit& edit) {
        edit.modifyFlightGroup(group_, [&](model::FlightGroup& g) {
          if (!lockX) g.set(fg::WaypointX, fg::WaypointX.clamp(x), point);
          if (!lockY) g.set(fg::WaypointY, fg::WaypointY.clamp(y), point);
        });
      },
      QStringLiteral("brf-icon-%1").arg(serial_));
  host_.redraw(true);
}

void IconDragTool::release(const CanvasEvent&) {
  if (group_ < 0) return;
  group_ = -1;
  session_.document().commitTransaction();
}

void IconDragTool::cancel() {
  if (group_ < 0) return;
  group_ = -1;
  session_.document().cancelTransaction();
  host_.redraw(true);
}

// ---------------------------------------------------------------------------------------------
// Tags

void TagDragTool::press(const CanvasEvent& e) {
  position_ = brf::pickTag(session_.instructions(), host_.player().view(),
                           static_cast<int>(e.pos.x()), static_cast<int>(e.pos.y()));
  if (position_ < 0) return;
  x0_ = session_.instructions()[position_].x;
  y0_ = session_.instructions()[position_].y;
}

void TagDragTool::move(const CanvasEvent& e) {
  if (position_ < 0) return;
  const brf::DisplayState& v = host_.player().view();
  const brf::Command& c = session_.instructions()[position_];
  const int x = host_.locked(true) ? c.x : host_.snap(mapX(v, e), true);
  const int y = host_.locked(false) ? c.y : host_.snap(mapY(v, e), false);
  session_.setPosition(position_, x, y);
  host_.redraw(false);
}

void TagDragTool::release(const CanvasEvent&) {
  if (position_ < 0) return;
  const brf::Command& c = session_.instructions()[position_];
  const bool moved = c.x != x0_ || c.y != y0_;
  position_ = -1;
  if (moved) session_.commit(stepText(Verb::Move, text("map tag")));
}

void TagDragTool::cancel() {
  if (position_ < 0) return;
  session_.setPosition(position_, x0_, y0_);
  position_ = -1;
  host_.redraw(false);
}

// ---------------------------------------------------------------------------------------------
// Placing an instruction

bool PlaceInstructionTool::active() const {
  return session_.placing();
}

void PlaceInstructionTool::begin(int code) {
  brf::Player& p = host_.player();
  viewBefore_ = p.view();
  const int at = session_.place(code, p.time(), p.current());
  if (!session_.placing()) {
    // Complete at once: stored, and the preview runs it before the next tick.
    p.select(at);
    p.setJumpPending();
  }
  host_.redraw(false);
}

void PlaceInstructionTool::show() {
  brf::Player& p = host_.player();
  p.execute(session_.placement().position);
  p.finishMotions();
  host_.redraw(false);
}

void PlaceInstructionTool::zoomTo(int zoom) {
  if (session_.placement().code != brf::ZoomMap) return;
  brf::DisplayState& v = host_.player().view();
  v.zoom = v.zoomTarget = zoom;
  v.zoomIn = v.zoomOut = false;
  v.ox = v.tx = brf::pixelOffset(v.mx, zoom);
  v.oy = v.ty = brf::pixelOffset(v.my, zoom);
  host_.redraw(false);
}

void PlaceInstructionTool::scrollTo(int x, int y) {
  if (session_.placement().code != brf::MoveMap) return;
  brf::DisplayState& v = host_.player().view();
  // The centre can go no further than the edge of the coordinates: there the view stops.
  const int cx = map::clampCoordinate(brf::scrollToMap(x, v.zoom));
  const int cy = map::clampCoordinate(brf::scrollToMap(y, v.zoom));
  v.mx = -cx;
  v.my = -cy;
  v.ox = v.tx = cx == brf::scrollToMap(x, v.zoom) ? -x : brf::pixelOffset(v.mx, v.zoom);
  v.oy = v.ty = cy == brf::scrollToMap(y, v.zoom) ? -y : brf::pixelOffset(v.my, v.zoom);
  host_.redraw(false);
}

void PlaceInstructionTool::choose(int index, int colour) {
  const int code = session_.placement().code;
  if (code != brf::BriefingText && !brf::isBox(code) && !brf::isTag(code)) return;
  session_.adjustPlacement([&](brf::Command& c) {
    c.index = static_cast<std::uint16_t>(std::max(0, index));
    if (brf::isTag(code)) c.colour = static_cast<std::uint16_t>(std::max(0, colour));
  });
  show();
}

void PlaceInstructionTool::placeTag(const CanvasEvent& e) {
  const brf::DisplayState& v = host_.player().view();
  session_.adjustPlacement([&](brf::Command& c) {
    c.x = static_cast<std::int16_t>(mapX(v, e));
    c.y = static_cast<std::int16_t>(mapY(v, e));
  });
  show();
}

void PlaceInstructionTool::press(const CanvasEvent& e) {
  if (!session_.placing()) return;
  held_ = true;
  const int code = session_.placement().code;
  if (brf::isTag(code)) {
    placeTag(e);
  } else if (code == brf::MoveMap) {
    grabbed_ = e.pos;
    ox0_ = host_.player().view().ox;
    oy0_ = host_.player().view().oy;
  }
}

void PlaceInstructionTool::move(const CanvasEvent& e) {
  if (!held_ || !session_.placing()) return;
  const int code = session_.placement().code;
  if (brf::isTag(code)) {
    placeTag(e);
  } else if (code == brf::MoveMap) {
    const QPointF d = e.pos - grabbed_;
    scrollTo(-(ox0_ + static_cast<int>(d.x())), -(oy0_ + static_cast<int>(d.y())));
  }
}

void PlaceInstructionTool::release(const CanvasEvent&) {
  held_ = false;
}

void PlaceInstructionTool::done() {
  if (!session_.placing()) return;
  held_ = false;
  const brf::DisplayState& v = host_.player().view();
  const int code = session_.placement().code;
  session_.adjustPlacement([&](brf::Command& c) {
    if (code == brf::ZoomMap) {
      c.x = c.y = static_cast<std::int16_t>(v.zoom);
    } else if (code == brf::MoveMap) {
      c.x = map::clampCoordinate(brf::scrollToMap(-v.ox, v.zoom));
      c.y = map::clampCoordinate(brf::scrollToMap(-v.oy, v.zoom));
    }
  });
  session_.finishPlacement(true);
  brf::Player& p = host_.player();
  p.select(session_.selected());
  p.setJumpPending();
  host_.redraw(false);
}

void PlaceInstructionTool::cancel() {
  if (!session_.placing()) return;
  held_ = false;
  session_.finishPlacement(false);
  host_.player().view() = viewBefore_;
  host_.redraw(false);
}

}  // namespace app
