#include "app/map/map_tools.h"

#include <QCoreApplication>

#include <algorithm>

#include "app/base/text.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "editing/flight_group_ops.h"
#include "map/palette.h"
#include "shell/settings.h"

namespace app {

using namespace model;

namespace {

// Every gesture's edits join the transaction of this key.
const QString GestureKey = QStringLiteral("map-gesture");

bool isCraftPoint(std::size_t p) {
  return p == Start1 || p >= Briefing1;
}

std::optional<map::Hit> hitAt(MapToolHost& host, const CanvasEvent& e) {
  return map::hitTest(host.mapState(), host.document().mission(), e.pos.x(), e.pos.y());
}

map::Pick pickAt(MapToolHost& host, const CanvasEvent& e) {
  return map::pickAt(host.mapState(), host.document().mission(), e.pos.x(), e.pos.y());
}

}  // namespace

QString pointName(std::size_t p) {
  if (p < Waypoint1) return QCoreApplication::translate("MapTools", "Start %1").arg(p - Start1 + 1);
  if (p < Rendezvous)
    return QCoreApplication::translate("MapTools", "WP %1").arg(p - Waypoint1 + 1);
  if (p == Rendezvous) return QCoreApplication::translate("MapTools", "Rendezvous");
  if (p == Hyperspace) return QCoreApplication::translate("MapTools", "Hyperspace");
  return QCoreApplication::translate("MapTools", "Brief %1").arg(p - Briefing1 + 1);
}

// ---- Dragging a point ------------------------------------------------------------------------

void DragTool::openTransaction() {
  host_.document().beginTransaction(GestureKey);
  transaction_ = true;
}

std::vector<int> DragTool::groupsMoved(int fg) const {
  MissionDocument& doc = host_.document();
  const std::vector<int>& sel = doc.selectedFlightGroups();
  const bool several = !host_.mapState().view.briefing && sel.size() > 1 &&
                       std::find(sel.begin(), sel.end(), fg) != sel.end();
  std::vector<int> groups{fg};
  if (several)
    for (int i : sel)
      if (i != fg) groups.push_back(i);
  return groups;
}

void DragTool::startDrag(const QString& text, std::size_t point, std::vector<int> groups) {
  if (!transaction_) openTransaction();
  const Mission& m = host_.document().mission();
  text_ = text;
  point_ = point;
  starts_.clear();
  for (int fg : groups) starts_.push_back(map::pointPosition(m.flightGroups.at(fg), point));
  groups_ = std::move(groups);
  host_.dragStarted(groups_);
}

void DragTool::dragHit(const map::Hit& hit) {
  std::vector<int> groups = groupsMoved(hit.flightGroup);
  host_.pick(hit.flightGroup, hit.point, groups.size() > 1);
  const int n = static_cast<int>(groups.size());
  const Mission& m = host_.document().mission();
  const QString craft =
      records(Records::Craft, n, n == 1 ? fromFile(m.flightGroups.at(hit.flightGroup).name()) : "");
  // In briefing mode the craft stands at its briefing point.
  const QString text =
      hit.point == Start1 ? stepText(Verb::Move, craft)
      : n > 1             ? stepText(Verb::Move, QCoreApplication::translate("MapTools", "%1 of %2")
                                                     .arg(pointName(hit.point), craft))
                          : stepText(Verb::Move, pointName(hit.point));
  startDrag(text, hit.point, std::move(groups));
}

void DragTool::move(const CanvasEvent& e) {
  const map::MapState& s = host_.mapState();
  if (groups_.empty() || (point_ == Start1 && s.toggles.lockStart1)) return;
  MissionDocument& doc = host_.document();
  const Mission& m = doc.mission();
  const auto [h, v] = map::snappedPosition(s, e.pos.x(), e.pos.y());
  const Vec3 to = map::draggedPosition(m.flightGroups.at(groups_.front()), point_,
                                       s.view.shownPlane(), h, v, s.toggles.lockX, s.toggles.lockY);
  const Vec3 from = starts_.front();
  std::vector<MissionDocument::FieldWrite> writes;
  for (std::size_t i = 0; i < groups_.size(); ++i) {
    const Vec3& at = starts_[i];
    const long long xyz[3] = {at.x + to.x - from.x, at.y + to.y - from.y, at.z + to.z - from.z};
    const Field<i16> fields[3] = {fg::WaypointX, fg::WaypointY, fg::WaypointZ};
    for (int a = 0; a < 3; ++a)
      writes.push_back(MissionDocument::fieldWrite(RecordKind::FlightGroup, groups_[i], fields[a],
                                                   xyz[a], point_));
  }
  doc.setFields(text_, writes, GestureKey);
}

void DragTool::release(const CanvasEvent&) {
  end(true);
}

void DragTool::cancel() {
  end(false);
}

void DragTool::end(bool keep) {
  if (!transaction_) return;
  transaction_ = false;
  groups_.clear();
  starts_.clear();
  if (keep)
    host_.document().commitTransaction();
  else
    host_.document().cancelTransaction();
  host_.dragEnded();
}

// ---- Select and move craft -------------------------------------------------------------------

void MoveCraftTool::press(const CanvasEvent& e) {
  const map::Pick pick = pickAt(host_, e);
  if (pick.locked) {
    host_.pick(*pick.locked, Start1, false);
    host_.note(e.pos + QPointF(15, -10), QCoreApplication::translate("MapTools", "Locked!"));
    locked_ = true;
  }
  if (pick.hit) dragHit(*pick.hit);
}

void MoveCraftTool::release(const CanvasEvent& e) {
  if (locked_) {
    locked_ = false;
    host_.redraw();  // the note goes
  }
  DragTool::release(e);
}

// ---- Route points ------------------------------------------------------------------------------

void WaypointTool::press(const CanvasEvent& e) {
  if (const map::Pick pick = pickAt(host_, e); pick.hit) dragHit(*pick.hit);
}

// ---- The palette -------------------------------------------------------------------------------

bool PaletteTool::takes(const CanvasEvent& e) const {
  const map::MapState& s = host_.mapState();
  return s.toggles.palette && !s.view.briefing && e.button == Qt::LeftButton &&
         map::paletteSlotAt(int(e.pos.x()), int(e.pos.y()), s.height);
}

void PaletteTool::press(const CanvasEvent& e) {
  const map::MapState& s = host_.mapState();
  const auto slot = map::paletteSlotAt(int(e.pos.x()), int(e.pos.y()), s.height);
  if (!slot) return;
  MissionDocument& doc = host_.document();
  const int type = map::paletteCraftType(*slot);
  const int iff = s.paletteIff, team = s.paletteTeam;
  const int fg = static_cast<int>(doc.mission().flightGroups.size());
  const QString text = stepText(Verb::Place, host_.craftName(type));
  openTransaction();
  const FlightGroup tmpl = doc.newFlightGroupTemplate();
  doc.apply(text, ChangedFlag::FlightGroup, [&](MissionEdit& edit) {
    editing::newFlightGroup(edit, tmpl, doc.defaults());
    edit.set(RecordKind::FlightGroup, fg, fg::CraftType, static_cast<u8>(type));
    edit.set(RecordKind::FlightGroup, fg, fg::Iff, static_cast<u8>(iff));
    edit.set(RecordKind::FlightGroup, fg, fg::Team, static_cast<u8>(team));
    if (map::placedWithoutRoute(type)) {
      edit.set(RecordKind::FlightGroup, fg, fg::WaypointEnabled, i16{0}, Waypoint1);
      edit.set(RecordKind::FlightGroup, fg, fg::WaypointEnabled, i16{0}, Hyperspace);
    }
  });
  host_.placed(fg);
  startDrag(text, Start1, {fg});
}

// ---- The view ----------------------------------------------------------------------------------

ViewTool::ViewTool(MapToolHost& host) : host_(host) {
  timer_.setInterval(60);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    if (++ticks_ <= 1) return;  // the first tick waits
    host_.zoomKeeping(map::holdZoomStep(host_.mapState().view.zoom, host_.mapSettings().zoomSpeed),
                      anchor_, cursor_);
  });
}

void ViewTool::press(const CanvasEvent& e) {
  if (e.buttons == Qt::RightButton) {
    const map::ViewPoint m = host_.mapState().view.screenToMap(e.pos.x(), e.pos.y());
    host_.centreOn(
        {static_cast<double>(map::nearest(m.h)), static_cast<double>(map::nearest(m.v))});
    return;
  }
  if (e.buttons == Qt::LeftButton) {
    ticks_ = 0;
    anchor_ = host_.mapState().view.screenToMap(e.pos.x(), e.pos.y());
    cursor_ = e.pos;
    timer_.start();
  }
}

void ViewTool::release(const CanvasEvent&) {
  timer_.stop();
}

// ---- Pan ---------------------------------------------------------------------------------------

void PanTool::press(const CanvasEvent& e) {
  if (e.button != Qt::MiddleButton) return;
  active_ = true;
  from_ = e.pos;
  panX_ = host_.mapState().view.panX;
  panY_ = host_.mapState().view.panY;
}

void PanTool::move(const CanvasEvent& e) {
  if (active_) host_.panTo(panX_ + e.pos.x() - from_.x(), panY_ + e.pos.y() - from_.y());
}

void PanTool::release(const CanvasEvent&) {
  active_ = false;
}

void PanTool::cancel() {
  if (!active_) return;
  active_ = false;
  host_.panTo(panX_, panY_);
}

// ---- The canvas's tool -------------------------------------------------------------------------

MapTools::MapTools(MapToolHost& host)
    : host_(host), craft_(host), waypoint_(host), palette_(host), pan_(host), view_(host) {}

bool MapTools::dragging() const {
  return craft_.DragTool::active() || waypoint_.active() || palette_.active();
}

void MapTools::press(const CanvasEvent& e) {
  if (active()) return;  // another button during a gesture
  current_ = e.button == Qt::MiddleButton ? static_cast<CanvasTool*>(&pan_) : &view_;
  if (e.button == Qt::LeftButton && e.buttons != Qt::RightButton) {
    if (palette_.takes(e)) {
      current_ = &palette_;
    } else if (const map::Pick pick = pickAt(host_, e); pick.locked || pick.hit) {
      // A locked Start 1 belongs to the craft tool, whatever else of its route is hit.
      const bool craft = pick.locked || isCraftPoint(pick.hit->point);
      current_ = craft ? static_cast<CanvasTool*>(&craft_) : &waypoint_;
    }
  }
  current_->press(e);
}

void MapTools::move(const CanvasEvent& e) {
  host_.pointerAt(e.pos);
  if (active()) current_->move(e);
}

void MapTools::release(const CanvasEvent& e) {
  if (current_) current_->release(e);
}

void MapTools::doubleClick(const CanvasEvent& e) {
  if (e.button != Qt::LeftButton || dragging() || hitAt(host_, e)) return;
  view_.cancel();
  host_.zoomOutOnDoubleClick();
}

void MapTools::cancel() {
  if (current_) current_->cancel();
}

}  // namespace app
