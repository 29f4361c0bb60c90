// The map window's action table and what each action does.
#include <QAction>
#include <QCheckBox>
#include <QToolButton>
#include <QUndoStack>

#include "app/base/actions.h"
#include "app/base/handbook_window.h"
#include "app/document/deletes.h"
#include "app/document/mission_document.h"
#include "app/map/map_window.h"
#include "map/view.h"

namespace app {

using namespace model;

namespace {

// An arrow key moves the map as far as a notch of the wheel with Shift held.
constexpr double ArrowPanStep = 40;

}  // namespace

const std::vector<ActionSpec<MapWindow>>& MapWindow::actionTable() {
  using enum KeyScope;
  using enum Held;
  using W = MapWindow;
  // The document's commands wait while a gesture is under way.
  const auto idle = [](const W& w) { return !w.dragging(); };
  // The buttons that briefing mode hides have no key there.
  const auto unlessBriefing = [](const W& w) { return !w.state_.view.briefing; };
  const auto zoom = [](int (*step)(int)) {
    return [step](W& w) { w.setZoom(step(w.state_.view.zoom)); };
  };
  const auto plane = [](map::Plane p) { return [p](W& w) { w.setPlane(p); }; };
  const auto team = [](int t) { return [t](W& w) { w.setPaletteTeam(t); }; };
  // The map's letters work with Shift held too; D, P, T and the digits with any modifiers.
  static const std::vector<ActionSpec<MapWindow>> table = {
      // The document
      {"UndoAction", QT_TR_NOOP("&Undo"), QT_TR_NOOP("Undo"), "edit-undo",
       keys("Ctrl+Z", Window, Repeats), [](W& w) { w.doc_.undoStack()->undo(); },
       [](const W& w) { return !w.doc_.inTransaction() && w.doc_.undoStack()->canUndo(); }, nullptr,
       "MapUndoBtn"},
      {"RedoAction", QT_TR_NOOP("&Redo"), QT_TR_NOOP("Redo"), "edit-redo",
       keys("Ctrl+Y; Ctrl+Shift+Z", Window, Repeats), [](W& w) { w.doc_.undoStack()->redo(); },
       [](const W& w) { return !w.doc_.inTransaction() && w.doc_.undoStack()->canRedo(); }, nullptr,
       "MapRedoBtn"},
      {"SaveAction", QT_TR_NOOP("&Save"), QT_TR_NOOP("Save"), "document-save",
       keys("Ctrl+S", Window), [](W& w) { emit w.saveRequested(); }, idle},
      {"SaveAsAction", QT_TR_NOOP("Save &as..."), QT_TR_NOOP("Save As "), "document-save-as",
       keys("Ctrl+Shift+S", Window), [](W& w) { emit w.saveAsRequested(); }, idle},
      {"DeleteAction", QT_TR_NOOP("&Delete"), QT_TR_NOOP("Delete the current flight group"),
       "fg-delete", keys("Del", Window), &W::deleteCurrent, idle},
      {"SelectAllAction", QT_TR_NOOP("Select &all"), QT_TR_NOOP("Select every flight group shown"),
       nullptr, keys("Ctrl+A", Window), &W::selectAllShown, idle},
      // Escape takes back the gesture under way.
      {"CancelAction", QT_TR_NOOP("Cancel"), QT_TR_NOOP("Cancel the gesture under way"), nullptr,
       keys("Esc", Window), [](W& w) { w.tools_.cancel(); }},
      // Zoom and view
      {"ZoomInAction", QT_TR_NOOP("Zoom &in"), QT_TR_NOOP("Zoom in a step"), nullptr,
       keys("=; +", Window, Repeats), zoom(map::zoomInStep)},
      {"ZoomOutAction", QT_TR_NOOP("Zoom &out"), QT_TR_NOOP("Zoom out a step"), nullptr,
       keys("-", Window, Repeats), zoom(map::zoomOutStep)},
      {"FineZoomInAction", QT_TR_NOOP("Zoom in a little"), QT_TR_NOOP("Zoom in a little"), nullptr,
       keys("Z; Shift+Z", Window, Repeats), zoom(map::fineZoomIn)},
      {"FineZoomOutAction", QT_TR_NOOP("Zoom out a little"), QT_TR_NOOP("Zoom out a little"),
       nullptr, keys("X; Shift+X", Window, Repeats), zoom(map::fineZoomOut)},
      {"Zoom800Action", QT_TR_NOOP("Zoom 800"), QT_TR_NOOP("Zoom 800"), nullptr,
       keys("A; Shift+A", Window), [](W& w) { w.setZoom(800); }},
      {"Zoom16Action", QT_TR_NOOP("Zoom 16"), QT_TR_NOOP("Zoom 16"), nullptr,
       keys("S; Shift+S", Window), [](W& w) { w.setZoom(16); }},
      {"CentreMapAction", QT_TR_NOOP("Center Map"), QT_TR_NOOP("Center Map"), nullptr,
       keys("Return; Enter; Shift+Return; Shift+Enter", Window),
       [](W& w) {
         w.centreOn({0, 0});
       }},
      {"CentreFGAction", QT_TR_NOOP("Center on Current FG"), QT_TR_NOOP("Center on Current FG"),
       nullptr, keys("F; Shift+F", Window), [](W& w) { w.setCurrent(w.state_.current, true); }},
      // The arrow keys move the view while the map has the focus (lists and boxes keep theirs).
      {"PanLeftAction", QT_TR_NOOP("Pan left"), QT_TR_NOOP("Show more of the map on the left"),
       nullptr, keys("Left", Canvas, Repeats), [](W& w) { w.panBy(ArrowPanStep, 0); }},
      {"PanRightAction", QT_TR_NOOP("Pan right"), QT_TR_NOOP("Show more of the map on the right"),
       nullptr, keys("Right", Canvas, Repeats), [](W& w) { w.panBy(-ArrowPanStep, 0); }},
      {"PanUpAction", QT_TR_NOOP("Pan up"), QT_TR_NOOP("Show more of the map above"), nullptr,
       keys("Up", Canvas, Repeats), [](W& w) { w.panBy(0, ArrowPanStep); }},
      {"PanDownAction", QT_TR_NOOP("Pan down"), QT_TR_NOOP("Show more of the map below"), nullptr,
       keys("Down", Canvas, Repeats), [](W& w) { w.panBy(0, -ArrowPanStep); }},
      {"NextPlaneAction", QT_TR_NOOP("Next plane"), QT_TR_NOOP("View the next plane"), nullptr,
       keys("Space; Shift+Space", Window),
       [](W& w) { w.setPlane(map::nextPlane(w.state_.view.plane)); }},
      {"PlaneXYAction", QT_TR_NOOP("X-Y plane"), QT_TR_NOOP("View the X-Y plane"), nullptr,
       keys("F1; Shift+F1", Window), plane(map::Plane::XY)},
      {"PlaneXZAction", QT_TR_NOOP("X-Z plane"), QT_TR_NOOP("View the X-Z plane"), nullptr,
       keys("F2; Shift+F2", Window), plane(map::Plane::XZ)},
      {"PlaneYZAction", QT_TR_NOOP("Y-Z plane"), QT_TR_NOOP("View the Y-Z plane"), nullptr,
       keys("F3; Shift+F3", Window), plane(map::Plane::YZ)},
      // What is drawn
      {"DistancesAction", QT_TR_NOOP("WP distances"), QT_TR_NOOP("WP distances"), nullptr,
       keys("Any+D", Window), [](W& w) { w.showDistances_->toggle(); }},
      {"PaletteAction", QT_TR_NOOP("Team Palette"), QT_TR_NOOP("Team Palette"), nullptr,
       keys("Any+P", Window), [](W& w) { w.paletteOn_->click(); }},
      {"TimesAction", QT_TR_NOOP("WP times"), QT_TR_NOOP("WP times"), nullptr,
       keys("Any+T", Window), [](W& w) { w.showTime_->toggle(); }},
      {"CurrOnlyAction", QT_TR_NOOP("Curr FG only"), QT_TR_NOOP("Curr FG only"), nullptr,
       keys("C; Shift+C", Window), [](W& w) { w.currOnly_->click(); }, unlessBriefing},
      {"LinkHyperAction", QT_TR_NOOP("Link Hyperpt"), QT_TR_NOOP("Link Hyperpt"), nullptr,
       keys("H; Shift+H", Window), [](W& w) { w.linkHyper_->toggle(); }},
      {"LockStart1Action", QT_TR_NOOP("Lock Start 1 waypoint"), QT_TR_NOOP("Lock Start 1 waypoint"),
       nullptr, keys("L; Shift+L", Window), [](W& w) { w.lockBtn_->click(); }, unlessBriefing},
      {"NamesAction", QT_TR_NOOP("Names on"), QT_TR_NOOP("Names on"), nullptr,
       keys("N; Shift+N", Window), [](W& w) { w.namesOn_->click(); }},
      {"AllWPsAction", QT_TR_NOOP("All WPs"), QT_TR_NOOP("All WPs"), nullptr,
       keys("W; Shift+W", Window), [](W& w) { w.allWPs_->click(); }, unlessBriefing},
      {"GridAction", QT_TR_NOOP("Grid"), QT_TR_NOOP("Show the grid"), nullptr,
       keys("Ctrl+G", Window),
       [](W& w) { w.setToggle(&map::MapToggles::grid, !w.state_.toggles.grid); }},
      {"IconsOnlyAction", QT_TR_NOOP("Icons only"), QT_TR_NOOP("Icons instead of wireframes"),
       nullptr, keys("Ctrl+I", Window),
       [](W& w) {
         w.state_.wireframe.iconsOnly = !w.state_.wireframe.iconsOnly;
         w.redraw();
       }},
      {"OffScreenAction", QT_TR_NOOP("Off-screen flight groups"),
       QT_TR_NOOP("Draw flight groups outside the window"), nullptr, keys("Ctrl+W", Window),
       [](W& w) { w.setToggle(&map::MapToggles::drawOffScreen, !w.state_.toggles.drawOffScreen); }},
      // The palette's team
      {"PaletteTeam1Action", QT_TR_NOOP("Team 1"), QT_TR_NOOP("Team 1 in the palette"), nullptr,
       keys("Any+1", Window), team(0)},
      {"PaletteTeam2Action", QT_TR_NOOP("Team 2"), QT_TR_NOOP("Team 2 in the palette"), nullptr,
       keys("Any+2", Window), team(1)},
      {"PaletteTeam3Action", QT_TR_NOOP("Team 3"), QT_TR_NOOP("Team 3 in the palette"), nullptr,
       keys("Any+3", Window), team(2)},
      {"PaletteTeam4Action", QT_TR_NOOP("Team 4"), QT_TR_NOOP("Team 4 in the palette"), nullptr,
       keys("Any+4", Window), team(3)},
      {"PaletteTeam5Action", QT_TR_NOOP("Team 5"), QT_TR_NOOP("Team 5 in the palette"), nullptr,
       keys("Any+5", Window), team(4)},
      {"PaletteTeam6Action", QT_TR_NOOP("Team 6"), QT_TR_NOOP("Team 6 in the palette"), nullptr,
       keys("Any+6", Window), team(5)},
      {"PaletteTeam7Action", QT_TR_NOOP("Team 7"), QT_TR_NOOP("Team 7 in the palette"), nullptr,
       keys("Any+7", Window), team(6)},
      {"PaletteTeam8Action", QT_TR_NOOP("Team 8"), QT_TR_NOOP("Team 8 in the palette"), nullptr,
       keys("Any+8", Window), team(7)},
      {"PaletteTeam9Action", QT_TR_NOOP("Team 9"), QT_TR_NOOP("Team 9 in the palette"), nullptr,
       keys("Any+9", Window), team(8)},
      {"PaletteTeam10Action", QT_TR_NOOP("Team 10"), QT_TR_NOOP("Team 10 in the palette"), nullptr,
       keys("Any+0", Window), team(9)},
      // Help: Ctrl+F1, since F1 shows the X-Y plane.
      {"HandbookAction", QT_TR_NOOP("Handbook"),
       QT_TR_NOOP("Open the handbook at the section about the map"), nullptr,
       keys("Ctrl+F1", Window), [](W& w) { showHandbookForFocus(&w); }},
  };
  return table;
}

void MapWindow::buildActions() {
  actions_ = std::make_unique<ActionSet>(*this, actionTable());
  nameUndoRedo(doc_.undoStack(), action(u"UndoAction"), action(u"RedoAction"));
  actions_->refreshOn(doc_.undoStack(), &QUndoStack::indexChanged);
  actions_->refreshOn(doc_.undoStack(), &QUndoStack::cleanChanged);
}

QAction* MapWindow::action(QStringView id) const {
  return actions_->action(id);
}

void MapWindow::selectAllShown() {
  const Mission& m = doc_.mission();
  std::vector<int> all;
  for (int i = state_.firstDrawn(); i <= state_.lastDrawn(m); ++i)
    if (state_.isShown(i)) all.push_back(i);
  if (all.empty()) return;
  const bool keep = std::find(all.begin(), all.end(), state_.current) != all.end();
  doc_.selectFlightGroups(all, keep ? state_.current : all.front());
}

void MapWindow::deleteCurrent() {
  if (doc_.mission().flightGroups.empty()) return;
  const int fg = state_.current;
  const std::vector<int> selected = doc_.selectedFlightGroups();
  const int current = doc_.currentFlightGroup();
  // The map deletes its current flight group, asking as the main window does.
  doc_.selectFlightGroups({fg}, fg);
  if (!deleteSelectedFlightGroups(ctx_, this)) {
    doc_.selectFlightGroups(selected, current);
    return;
  }
  const int count = static_cast<int>(doc_.mission().flightGroups.size());
  const int now = std::clamp(fg, 0, std::max(0, count - 1));
  state_.shown.resize(count, true);
  state_.shown[now] = true;
  setCurrent(now, false);
  setCurrentPoint(Start1);
  refillLists();
  redraw();
}

}  // namespace app
