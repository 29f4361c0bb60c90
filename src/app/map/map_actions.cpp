// The map window's action table and what each action does; the window's key filter.
#include "app/map/map_actions.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QToolButton>
#include <QUndoStack>

#include <functional>
#include <utility>

#include "app/base/input_policy.h"
#include "app/document/deletes.h"
#include "app/document/mission_document.h"
#include "app/map/map_window.h"

namespace app {

using namespace model;

const std::vector<ActionSpec>& mapActionTable() {
  using enum KeyScope;
  static const std::vector<ActionSpec> table = {
      // The document
      {"UndoAction", "&Undo", "Undo", "edit-undo", "Ctrl+Z", Window, "MapUndoBtn"},
      {"RedoAction", "&Redo", "Redo", "edit-redo", "Ctrl+Y; Ctrl+Shift+Z", Window, "MapRedoBtn"},
      {"SaveAction", "&Save", "Save", "document-save", "Ctrl+S", Window},
      {"SaveAsAction", "Save &as...", "Save As ", "document-save-as", "Ctrl+Shift+S", Window},
      {"DeleteAction", "&Delete", "Delete the current flight group", "fg-delete", "Del", Window},
      {"SelectAllAction", "Select &all", "Select every flight group shown", nullptr, "Ctrl+A",
       Window},
      // Zoom and view
      {"ZoomInAction", "Zoom &in", "Zoom in a step", nullptr, "=; +", Window},
      {"ZoomOutAction", "Zoom &out", "Zoom out a step", nullptr, "-", Window},
      {"FineZoomInAction", "Zoom in a little", "Zoom in a little", nullptr, "Z", Window},
      {"FineZoomOutAction", "Zoom out a little", "Zoom out a little", nullptr, "X", Window},
      {"Zoom800Action", "Zoom 800", "Zoom 800", nullptr, "A", Window},
      {"Zoom16Action", "Zoom 16", "Zoom 16", nullptr, "S", Window},
      {"CentreMapAction", "Center Map", "Center Map", nullptr, "Return; Enter", Window},
      {"CentreFGAction", "Center on Current FG", "Center on Current FG", nullptr, "F", Window},
      {"NextPlaneAction", "Next plane", "View the next plane", nullptr, "Space", Window},
      {"PlaneXYAction", "X-Y plane", "View the X-Y plane", nullptr, "F1", Window},
      {"PlaneXZAction", "X-Z plane", "View the X-Z plane", nullptr, "F2", Window},
      {"PlaneYZAction", "Y-Z plane", "View the Y-Z plane", nullptr, "F3", Window},
      // What is drawn
      {"DistancesAction", "WP distances", "WP distances", nullptr, "D", Window},
      {"PaletteAction", "Team Palette", "Team Palette", nullptr, "P", Window},
      {"TimesAction", "WP times", "WP times", nullptr, "T", Window},
      {"CurrOnlyAction", "Curr FG only", "Curr FG only", nullptr, "C", Window},
      {"LinkHyperAction", "Link Hyperpt", "Link Hyperpt", nullptr, "H", Window},
      {"LockStart1Action", "Lock Start 1 waypoint", "Lock Start 1 waypoint", nullptr, "L", Window},
      {"NamesAction", "Names on", "Names on", nullptr, "N", Window},
      {"AllWPsAction", "All WPs", "All WPs", nullptr, "W", Window},
      {"GridAction", "Grid", "Show the grid", nullptr, "Ctrl+G", Window},
      {"IconsOnlyAction", "Icons only", "Icons instead of wireframes", nullptr, "Ctrl+I", Window},
      {"OffScreenAction", "Off-screen flight groups", "Draw flight groups outside the window",
       nullptr, "Ctrl+W", Window},
      // The palette's team
      {"PaletteTeam1Action", "Team 1", "Team 1 in the palette", nullptr, "1", Window},
      {"PaletteTeam2Action", "Team 2", "Team 2 in the palette", nullptr, "2", Window},
      {"PaletteTeam3Action", "Team 3", "Team 3 in the palette", nullptr, "3", Window},
      {"PaletteTeam4Action", "Team 4", "Team 4 in the palette", nullptr, "4", Window},
      {"PaletteTeam5Action", "Team 5", "Team 5 in the palette", nullptr, "5", Window},
      {"PaletteTeam6Action", "Team 6", "Team 6 in the palette", nullptr, "6", Window},
      {"PaletteTeam7Action", "Team 7", "Team 7 in the palette", nullptr, "7", Window},
      {"PaletteTeam8Action", "Team 8", "Team 8 in the palette", nullptr, "8", Window},
      {"PaletteTeam9Action", "Team 9", "Team 9 in the palette", nullptr, "9", Window},
      {"PaletteTeam10Action", "Team 10", "Team 10 in the palette", nullptr, "0", Window},
  };
  return table;
}

namespace {

// D, P, T and the digits work whatever modifiers are held.
bool takesAnyModifiers(const QAction* a) {
  const QString id = a->objectName();
  return id == QLatin1String("DistancesAction") || id == QLatin1String("PaletteAction") ||
         id == QLatin1String("TimesAction") || id.startsWith(QLatin1String("PaletteTeam"));
}

}  // namespace

QAction* mapActionFor(const ActionSet& actions, const QKeyEvent& key) {
  if (QAction* a = actions.windowActionFor(key)) return a;
  const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
  QAction* a = actions.windowActionFor(QKeyEvent(QEvent::KeyPress, key.key(), Qt::NoModifier));
  if (!a) return nullptr;
  if (takesAnyModifiers(a)) return a;
  const bool shiftOnly = (mods & Qt::ShiftModifier) &&
                         !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  return shiftOnly ? a : nullptr;
}

void MapWindow::buildActions() {
  actions_ = std::make_unique<ActionSet>(this, mapActionTable());
  // The document's commands wait while a gesture is under way.
  auto onDocument = [this](void (MapWindow::*fn)()) {
    return [this, fn] {
      if (!dragging()) (this->*fn)();
    };
  };
  // The keys of buttons that briefing mode hides do nothing there.
  auto unlessBriefing = [this](QToolButton* MapWindow::*b) {
    return [this, b] {
      if (!state_.view.briefing) (this->*b)->click();
    };
  };
  const std::vector<std::pair<const char*, std::function<void()>>> handlers = {
      {"UndoAction", onDocument(&MapWindow::undo)},
      {"RedoAction", onDocument(&MapWindow::redo)},
      {"SaveAction", onDocument(&MapWindow::saveRequested)},
      {"SaveAsAction", onDocument(&MapWindow::saveAsRequested)},
      {"DeleteAction", onDocument(&MapWindow::deleteCurrent)},
      {"SelectAllAction", onDocument(&MapWindow::selectAllShown)},
      {"ZoomInAction", [this] { setZoom(map::zoomInStep(state_.view.zoom)); }},
      {"ZoomOutAction", [this] { setZoom(map::zoomOutStep(state_.view.zoom)); }},
      {"FineZoomInAction", [this] { setZoom(map::fineZoomIn(state_.view.zoom)); }},
      {"FineZoomOutAction", [this] { setZoom(map::fineZoomOut(state_.view.zoom)); }},
      {"Zoom800Action", [this] { setZoom(800); }},
      {"Zoom16Action", [this] { setZoom(16); }},
      {"CentreMapAction",
       [this] {
         centreOn({0, 0});
       }},
      {"CentreFGAction", [this] { setCurrent(state_.current, true); }},
      {"NextPlaneAction", [this] { setPlane(map::nextPlane(state_.view.plane)); }},
      {"PlaneXYAction", [this] { setPlane(map::Plane::XY); }},
      {"PlaneXZAction", [this] { setPlane(map::Plane::XZ); }},
      {"PlaneYZAction", [this] { setPlane(map::Plane::YZ); }},
      {"DistancesAction", [this] { showDistances_->toggle(); }},
      {"PaletteAction", [this] { paletteOn_->click(); }},
      {"TimesAction", [this] { showTime_->toggle(); }},
      {"CurrOnlyAction", unlessBriefing(&MapWindow::currOnly_)},
      {"LinkHyperAction", [this] { linkHyper_->toggle(); }},
      {"LockStart1Action", unlessBriefing(&MapWindow::lockBtn_)},
      {"NamesAction", [this] { namesOn_->click(); }},
      {"AllWPsAction", unlessBriefing(&MapWindow::allWPs_)},
      {"GridAction", [this] { setToggle(&map::MapToggles::grid, !state_.toggles.grid); }},
      {"IconsOnlyAction",
       [this] {
         state_.wireframe.iconsOnly = !state_.wireframe.iconsOnly;
         redraw();
       }},
      {"OffScreenAction",
       [this] { setToggle(&map::MapToggles::drawOffScreen, !state_.toggles.drawOffScreen); }},
  };
  for (const auto& [id, fn] : handlers)
    connect(actions_->action(QString::fromLatin1(id)), &QAction::triggered, this, fn);
  for (int team = 0; team < 10; ++team)
    connect(actions_->action(QStringLiteral("PaletteTeam%1Action").arg(team + 1)),
            &QAction::triggered, this, [this, team] { setPaletteTeam(team); });

  // Undo and Redo name the step they take back or do again.
  QUndoStack* stack = doc_.undoStack();
  auto name = [](QAction* a, const QString& verb, const QString& step) {
    a->setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
    a->setToolTip(a->text().remove(QLatin1Char('&')));
  };
  QAction* undo = actions_->action(u"UndoAction");
  QAction* redo = actions_->action(u"RedoAction");
  connect(stack, &QUndoStack::undoTextChanged, undo,
          [=](const QString& t) { name(undo, tr("&Undo"), t); });
  connect(stack, &QUndoStack::redoTextChanged, redo,
          [=](const QString& t) { name(redo, tr("&Redo"), t); });
  connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  name(undo, tr("&Undo"), stack->undoText());
  name(redo, tr("&Redo"), stack->redoText());
  undo->setEnabled(stack->canUndo());
  redo->setEnabled(stack->canRedo());
}

QAction* MapWindow::action(QStringView id) const {
  return actions_->action(id);
}

// A gesture under way joins the history only when it ends.
void MapWindow::undo() {
  if (!doc_.inTransaction()) doc_.undoStack()->undo();
}

void MapWindow::redo() {
  if (!doc_.inTransaction()) doc_.undoStack()->redo();
}

bool MapWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && isAncestorOf(qobject_cast<QWidget*>(watched)))
    return handleKey(qobject_cast<QWidget*>(watched), static_cast<QKeyEvent*>(e));
  return QWidget::eventFilter(watched, e);
}

bool MapWindow::handleKey(QWidget* focus, QKeyEvent* e) {
  // Escape belongs to the gesture under way.
  if (tools_.key(e)) return true;
  if (InputPolicy::textEntryKeepsKey(focus, *e)) return false;
  QAction* a = mapActionFor(*actions_, *e);
  if (!a) return false;
  // Holding a key down repeats the map's keys, never a file command or a deletion.
  const bool once =
      a == action(u"SaveAction") || a == action(u"SaveAsAction") || a == action(u"DeleteAction");
  if (a->isEnabled() && !(once && e->isAutoRepeat())) a->trigger();
  return true;
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
