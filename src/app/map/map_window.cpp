#include "app/map/map_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/base/accessible_value.h"
#include "app/base/actions.h"
#include "app/base/fitting_scroll_area.h"
#include "app/base/text.h"
#include "app/base/window_memory.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/map/map_painter.h"
#include "app/map/map_wp_window.h"
#include "editing/descriptions.h"
#include "map/palette.h"

namespace app {

using namespace model;

MapWindow::MapWindow(const EditorContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ctx_(context),
      doc_(context.document),
      settings_(context.settings),
      vocab_(context.vocabulary) {
  setObjectName(QStringLiteral("MapForm"));
  setWindowTitle(tr("Flight Group Map"));
  state_.toggles.drawOffScreen = false;
  state_.lineHeight = mapLineHeight();
  state_.charWidth = mapCharWidth();
  buildActions();
  buildControls();
  updateLockCaptions();
  canvas_->setTool(&tools_);
  canvas_->setToolTips([this](QPointF at, QRect& area) { return paletteTip(at, area); });
  connect(canvas_, &MapCanvas::resized, this, &MapWindow::canvasResized);
  connect(canvas_, &MapCanvas::wheeled, this, &MapWindow::canvasWheel);
  connect(&doc_, &MissionDocument::changed, this, &MapWindow::onDocumentChanged);
  connect(&doc_, &MissionDocument::selectionChanged, this, &MapWindow::onSelectionChanged);
  actions_->addScope(KeyScope::Canvas, canvas_);
  actions_->refresh();
  resize(900, 680);
  fitToScreen(this);
  if (!ctx_.iniPath.empty()) WindowMemory(ctx_.iniPath).restore(this);
}

MapWindow::~MapWindow() {
  actions_.reset();
  tools_.cancel();
  if (isVisible()) rememberPlace();
}

void MapWindow::rememberPlace() const {
  if (!ctx_.iniPath.empty()) WindowMemory(ctx_.iniPath).remember(this);
}

void MapWindow::hideEvent(QHideEvent* e) {
  if (!e->spontaneous()) rememberPlace();
  QWidget::hideEvent(e);
}

// ---- Life cycle --------------------------------------------------------------------------

void MapWindow::showMap() {
  show();
  raise();
  activateWindow();
  if (!started_) activated();
}

bool MapWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) activated();
  // Leaving the window ends a gesture where it is.
  if (e->type() == QEvent::WindowDeactivate && tools_.active()) tools_.release({});
  return QWidget::event(e);
}

void MapWindow::closeEvent(QCloseEvent* e) {
  if (tools_.active()) tools_.release({});
  e->accept();  // only hides: the window lives as long as the editor
}

void MapWindow::firstActivation() {
  started_ = true;
  resetView();
  state_.toggles.drawOffScreen = true;
  // The settings' starting states.
  allWPs_->setChecked(settings_.defaultWPs == 1);
  currWPs_->setChecked(settings_.defaultWPs == 2);
  state_.toggles.allWPs = settings_.defaultWPs == 1;
  state_.toggles.currWPs = settings_.defaultWPs == 2;
  namesOn_->setChecked(settings_.defaultName);
  state_.toggles.namesOn = settings_.defaultName;
  showTime_->setChecked(settings_.defaultWPtime);
  showDistances_->setChecked(settings_.defaultWPdist);
  paletteOn_->setChecked(settings_.defaultPallet);
  state_.toggles.palette = settings_.defaultPallet;
  showList_->setChecked(settings_.defaultFGList);
  showOptions_->setChecked(settings_.defaultOptions);
  linkHyper_->setChecked(settings_.defaultHyp);
}

void MapWindow::activated() {
  if (dragging()) return;
  const bool first = !started_;
  if (first) firstActivation();
  state_.toggles.ghostGrid = settings_.ghostGrid;
  state_.toggles.ghostText = settings_.ghostText;
  state_.wireframe.iconZoomSmall = settings_.iconZoomSmall;
  state_.wireframe.onlyXY = settings_.onlyXY;
  state_.wireframe.limitShrink = settings_.limitShrink;
  state_.current =
      std::clamp(doc_.currentFlightGroup(), 0,
                 std::max(0, static_cast<int>(doc_.mission().flightGroups.size()) - 1));
  if (missionReplaced_ && !first) afterMissionReplaced();
  missionReplaced_ = false;
  refillLists();
  applyFilters();
  for (int i = 0; i < 4; ++i) autoCentreButtons_[i]->setChecked(settings_.autoCtr == i);
}

void MapWindow::resetView() {
  state_.view.resize(canvas_->width(), canvas_->height());
  state_.width = canvas_->width();
  state_.height = canvas_->height();
  state_.view.plane = map::Plane::XY;
  xy_->setChecked(true);
  updateLockCaptions();
  state_.view.setPan(0, 0);
  setZoom(map::DefaultZoom);
  state_.toggles.currentOnly = false;
  currOnly_->setChecked(false);
  state_.hSnap = state_.vSnap = 1;
  xSnap_->button(0)->setChecked(true);
  ySnap_->button(0)->setChecked(true);
  briefMode_->setChecked(false);
  fitToBattlefield();
  int iff = 0;
  for (const auto& g : doc_.mission().flightGroups)
    if (g.get(fg::PlayerNumber) == 1) iff = g.get(fg::Iff);
  state_.paletteIff = iff;
  state_.paletteTeam = 0;
}

void MapWindow::afterMissionReplaced() {
  setBriefingMode(false);
  briefMode_->setChecked(false);
  state_.view.plane = map::Plane::XY;
  xy_->setChecked(true);
  updateLockCaptions();
  currOnly_->setChecked(false);
  state_.toggles.currentOnly = false;
  applyAutoCentre();
  setZoom(map::DefaultZoom);
  fitToBattlefield();
  filters_.showAll();
  syncControls();
}

// ---- Document ------------------------------------------------------------------------------

void MapWindow::onDocumentChanged(const model::ChangeSet& c) {
  if (c.whole) {
    tools_.cancel();  // the transaction went with the old Mission
    missionReplaced_ = true;
    state_.current = 0;
    if (isVisible()) activated();
    return;
  }
  const int count = static_cast<int>(doc_.mission().flightGroups.size());
  if (c.listChanged(ListKind::FlightGroups)) {
    std::vector<bool> shown(count, true);
    if (c.flightGroupList)
      for (int i = 0; i < static_cast<int>(state_.shown.size()); ++i) {
        const int to = c.flightGroupList->map(i);
        if (to >= 0 && to < count) shown[to] = state_.shown[i];
      }
    state_.shown = shown;
  }
  state_.shown.resize(count, true);
  state_.current = std::clamp(doc_.currentFlightGroup(), 0, std::max(0, count - 1));
  if (!dragging() && (c.listChanged(ListKind::FlightGroups) || c.touches(RecordKind::FlightGroup)))
    refillLists();
  if (!isVisible()) return;
  if (dragging())
    canvas_->dragRedraw();
  else
    redraw();
}

void MapWindow::onSelectionChanged() {
  const int fg = doc_.currentFlightGroup();
  if (dragging()) return;
  if (fg == state_.current) {
    tellCurrent();  // another point of the same group
    return;
  }
  state_.current = fg;
  // The box acts only on the user's choice (`activated`).
  if (!state_.view.briefing) selectionBox_->setCurrentIndex(fg);
  if (isVisible())
    redraw();
  else
    tellCurrent();
}

void MapWindow::refillLists() {
  const Mission& m = doc_.mission();
  const QStringList names = [&] {
    QStringList l;
    for (const std::string& s : editing::listLines(m, vocab_, false)) l << fromFile(s);
    return l;
  }();
  selectionBox_->clear();
  if (state_.view.briefing) {
    for (const std::string& t : editing::teamNameList(m)) selectionBox_->addItem(fromFile(t));
    selectionBox_->setCurrentIndex(state_.briefingPoint);
  } else {
    for (int i = 0; i < names.size(); ++i) {
      selectionBox_->addItem(names[i]);
      const QColor c = toQColor(iffColour(m.flightGroups[i].get(fg::Iff)));
      selectionBox_->setItemData(i, c, Qt::ForegroundRole);
      selectionBox_->setItemData(i, names[i], Qt::ToolTipRole);
    }
    selectionBox_->setCurrentIndex(state_.current);
  }
  // The lines change in place: a cleared list would report every flight group hidden.
  while (mapList_->count() > names.size()) delete mapList_->takeItem(mapList_->count() - 1);
  for (int i = 0; i < names.size(); ++i) {
    QListWidgetItem* item =
        i < mapList_->count() ? mapList_->item(i) : new QListWidgetItem(mapList_);
    item->setText(names[i]);
    item->setForeground(toQColor(iffColour(m.flightGroups[i].get(fg::Iff))));
  }
  showShownInList();
}

void MapWindow::showShownInList() {
  // One selection for the whole list: its handler reads back the flags it was made from.
  QItemSelection shown;
  for (int i = 0; i < mapList_->count(); ++i)
    if (state_.isShown(i))
      shown.select(mapList_->model()->index(i, 0), mapList_->model()->index(i, 0));
  mapList_->selectionModel()->select(shown, QItemSelectionModel::ClearAndSelect);
}

void MapWindow::listSelectionChanged() {
  const int count = static_cast<int>(doc_.mission().flightGroups.size());
  std::vector<bool> shown = state_.shown;
  shown.resize(count, true);
  for (int i = 0; i < mapList_->count() && i < count; ++i)
    shown[i] = mapList_->item(i)->isSelected();
  if (shown == state_.shown) return;
  state_.shown = shown;
  const int current = map::currentAfterFiltering(state_.current, state_.shown);
  if (current != state_.current)
    setCurrent(current, false);
  else
    redraw();
}

void MapWindow::syncControls() {
  for (int i = 0; i < 6; ++i) iffButtons_[i]->setChecked(filters_.iff[i]);
  for (int i = 0; i < 6; ++i) classButtons_[i]->setChecked(filters_.classes[i]);
  showStart_->setChecked(filters_.within30Seconds);
}

void MapWindow::applyFilters() {
  state_.shown = map::shownFlags(filters_, doc_.mission());
  const int current = map::currentAfterFiltering(state_.current, state_.shown);
  if (current != state_.current) setCurrent(current, false);
  showShownInList();
  if (!state_.view.briefing) selectionBox_->setCurrentIndex(state_.current);
  redraw();
}

void MapWindow::setCurrent(int fg, bool centre) {
  const int count = static_cast<int>(doc_.mission().flightGroups.size());
  if (count == 0) return;
  fg = std::clamp(fg, 0, count - 1);
  state_.current = fg;
  if (doc_.currentFlightGroup() != fg || doc_.selectedFlightGroups().size() != 1)
    doc_.selectFlightGroups({fg}, fg);
  if (!state_.view.briefing) selectionBox_->setCurrentIndex(fg);
  if (centre) {
    const FlightGroup& g = doc_.mission().flightGroups[fg];
    centreOn(map::pointOnPlane(g, Start1, state_.view.shownPlane()));
  } else {
    redraw();
  }
}

int MapWindow::currentPoint() const {
  return doc_.currentPoint();
}

void MapWindow::setCurrentPoint(std::size_t point) {
  doc_.setCurrentPoint(static_cast<int>(point));
}

// ---- View -------------------------------------------------------------------------------------

void MapWindow::redraw() {
  state_.width = canvas_->width();
  state_.height = canvas_->height();
  canvas_->redraw();
  tellCurrent();
}

// A screen reader hears the current flight group (its line of the list) and its current point
// as the map's value.
void MapWindow::tellCurrent() {
  const Mission& m = doc_.mission();
  const int fg = state_.current;
  if (fg < 0 || fg >= static_cast<int>(m.flightGroups.size())) {
    setAccessibleValue(canvas_, tr("No flight group"));
    return;
  }
  const auto k = static_cast<std::size_t>(fg);
  setAccessibleValue(canvas_,
                     tr("Flight group %1 of %2: %3, %4")
                         .arg(fg + 1)
                         .arg(m.flightGroups.size())
                         .arg(fromFile(editing::listLine(m, vocab_, k, false)).simplified(),
                              pointName(static_cast<std::size_t>(doc_.currentPoint()))));
}

void MapWindow::updateScrollBars() {
  // The bars follow the view: their own signal, which pans it, stays quiet.
  const QSignalBlocker quietX(xScroll_), quietY(yScroll_);
  xScroll_->setValue(map::nearest(-state_.view.panX));
  yScroll_->setValue(map::nearest(-state_.view.panY));
}

void MapWindow::showZoom(int zoom) {
  const int before = zoomBar_->value();
  {
    const QSignalBlocker quiet(zoomBar_);
    zoomBar_->setValue(zoom);
  }
  if (zoomBar_->value() != before) {
    atOrBeyondFit_ = fitZoom_ >= state_.view.zoom;
    zoomLabel_->setText(QString::number(zoomBar_->value()));
  }
  state_.view.zoom = zoomBar_->value();
}

void MapWindow::centreOn(map::ViewPoint at) {
  state_.view.centreOn(at);
  updateScrollBars();
  redraw();
}

void MapWindow::setZoom(int zoom) {
  zoomBar_->setValue(map::clampZoom(zoom));
}

void MapWindow::zoomKeeping(int zoom, map::ViewPoint at, QPointF pixel) {
  zoom = map::clampZoom(zoom);
  showZoom(zoom);  // the view keeps `at` in place rather than the centre
  state_.view.zoom = zoom;
  state_.view.placeAt(at, pixel.x(), pixel.y());
  updateScrollBars();
  redraw();
}

void MapWindow::panTo(double panX, double panY) {
  state_.view.setPan(panX, panY);
  updateScrollBars();
  redraw();
}

void MapWindow::panBy(double dx, double dy) {
  panTo(state_.view.panX + dx, state_.view.panY + dy);
}

void MapWindow::canvasWheel(QPointF at, QPoint angleDelta, Qt::KeyboardModifiers modifiers) {
  if (tools_.active()) return;
  if (modifiers & Qt::ShiftModifier) {
    // A notch (15 degrees) moves the map 40 pixels.
    panBy(angleDelta.x() / 3.0, angleDelta.y() / 3.0);
    return;
  }
  wheelTurn_ += angleDelta.y();
  const int notches = wheelTurn_ / 120;
  wheelTurn_ -= notches * 120;
  if (notches != 0)
    zoomKeeping(map::wheelZoom(state_.view.zoom, notches), state_.view.screenToMap(at.x(), at.y()),
                at);
}

void MapWindow::zoomBarMoved(int value) {
  atOrBeyondFit_ = fitZoom_ >= state_.view.zoom;
  zoomLabel_->setText(QString::number(value));
  state_.view.setZoom(value);
  updateScrollBars();
  redraw();
}

void MapWindow::fitToBattlefield() {
  const Mission& m = doc_.mission();
  const map::Fit fit =
      map::fitToBattlefield(m.mapCentre, m.mapExtent, state_.view.shownPlane(), canvas_->width(),
                            canvas_->height(), mapLabelRoom(state_));
  fitZoom_ = fit.zoom;
  showZoom(map::clampZoom(fit.zoom));
  zoomLabel_->setText(QString::number(state_.view.zoom));
  centreOn(fit.centre);
  atOrBeyondFit_ = true;
}

void MapWindow::applyAutoCentre() {
  switch (settings_.autoCtr) {
    case 0:
      centreOn({0, 0});
      break;
    case 1:
      if (!doc_.mission().flightGroups.empty())
        centreOn(map::pointOnPlane(doc_.mission().flightGroups[state_.current], Start1,
                                   state_.view.shownPlane()));
      break;
    case 2:
      state_.view.setPan(state_.view.panX, 0);
      updateScrollBars();
      redraw();
      break;
    case 3:
      fitToBattlefield();
      break;
    default:
      redraw();
  }
}

void MapWindow::setPlane(map::Plane p) {
  if (state_.view.briefing) return;
  state_.view.plane = p;
  (p == map::Plane::XY ? xy_ : p == map::Plane::XZ ? xz_ : yz_)->setChecked(true);
  updateLockCaptions();
  applyAutoCentre();
}

void MapWindow::updateLockCaptions() {
  const map::Plane p = state_.view.shownPlane();
  const std::pair<QToolButton*, int> locks[] = {{lockX_, map::horizontalAxis(p)},
                                                {lockY_, map::verticalAxis(p)}};
  for (const auto& [b, axis] : locks) {
    const QString name = QString::fromLatin1(map::axisName(axis));
    b->setText(name);
    b->setToolTip(tr("Lock current %1 coordinate").arg(name));
  }
}

void MapWindow::setToggle(bool map::MapToggles::*flag, bool on) {
  state_.toggles.*flag = on;
  redraw();
}

void MapWindow::setBriefingMode(bool on) {
  if (state_.view.briefing == on) return;
  if (on) viewBeforeBriefing_ = state_.view;
  state_.view.briefing = on;
  actions_->refresh();  // the keys of the buttons hidden here
  for (QWidget* w :
       std::initializer_list<QWidget*>{allWPs_, currWPs_, xy_, xz_, yz_, currOnly_, lockBtn_})
    w->setVisible(!on);
  if (on) {
    allWPs_->setChecked(false);
    currWPs_->setChecked(false);
    currOnly_->setChecked(false);
    state_.toggles.allWPs = state_.toggles.currWPs = state_.toggles.currentOnly = false;
    state_.view.plane = map::Plane::XY;
    xy_->setChecked(true);
    state_.briefingPoint = 0;
    showZoom(map::DefaultZoom);
    state_.view.zoom = map::DefaultZoom;
    refillLists();
    centreOn({0, 0});
  } else {
    // Back to the plane, zoom and place the user had.
    if (viewBeforeBriefing_) {
      const map::MapView before = *std::exchange(viewBeforeBriefing_, std::nullopt);
      state_.view.plane = before.plane;
      (before.plane == map::Plane::XY   ? xy_
       : before.plane == map::Plane::XZ ? xz_
                                        : yz_)
          ->setChecked(true);
      showZoom(before.zoom);
      state_.view.zoom = before.zoom;
      state_.view.centreOn(before.centre);
      updateScrollBars();
    }
    refillLists();
    redraw();
  }
  updateLockCaptions();
  if (briefMode_->isChecked() != on) briefMode_->setChecked(on);
}

void MapWindow::setPaletteTeam(int team) {
  state_.paletteTeam = team;
  state_.paletteIff = map::paletteIff(doc_.mission(), team);
  redraw();
}

void MapWindow::pointerAt(QPointF at) {
  const auto [h, v] = map::snappedPosition(state_, at.x(), at.y());
  const map::Plane p = state_.view.shownPlane();
  readH_->setText(QString::fromLatin1(map::axisName(map::horizontalAxis(p))) +
                  QStringLiteral(" : ") + QString::fromStdString(map::kmText(h)));
  readV_->setText(QString::fromLatin1(map::axisName(map::verticalAxis(p))) + QStringLiteral(" : ") +
                  QString::fromStdString(map::kmText(v)));
}

// ---- Tools --------------------------------------------------------------------------------

void MapWindow::canvasResized(QSize size) {
  state_.view.resize(size.width(), size.height());
  state_.width = size.width();
  state_.height = size.height();
  updateScrollBars();
  if (isVisible()) redraw();
}

void MapWindow::pick(int fg, std::size_t point, bool keepSelection) {
  if (keepSelection) {
    state_.current = fg;
    doc_.selectFlightGroups(doc_.selectedFlightGroups(), fg);
  } else {
    setCurrent(fg, false);
  }
  setCurrentPoint(point);
}

void MapWindow::placed(int fg) {
  state_.shown.resize(doc_.mission().flightGroups.size(), true);
  state_.shown[fg] = true;
  setCurrent(fg, false);
  setCurrentPoint(Start1);
  refillLists();
}

void MapWindow::dragStarted(const std::vector<int>& groups) {
  // Every craft the drag moves is drawn moving, not only the current one.
  state_.moving = groups;
  canvas_->rebuildCache();
  canvas_->dragRedraw();
  actions_->refresh();
}

void MapWindow::dragEnded() {
  state_.moving.clear();
  refillLists();
  if (isVisible()) redraw();
  actions_->refresh();
}

QString MapWindow::paletteTip(QPointF at, QRect& area) const {
  if (!state_.toggles.palette || state_.view.briefing) return {};
  const int x = static_cast<int>(at.x()), y = static_cast<int>(at.y());
  const auto slot = map::paletteSlotAt(x, y, state_.height);
  if (!slot) return {};
  const bool lower = *slot > map::PaletteUpperCells;
  area = QRect(x / 16 * 16, state_.height - map::PaletteHeight + (lower ? 20 : 0), 16, 20);
  return craftName(map::paletteCraftType(*slot));
}

QString MapWindow::craftName(int craftType) const {
  return fromFile(vocab_.text(shell::tables::Ships, craftType));
}

void MapWindow::zoomOutOnDoubleClick() {
  if (settings_.dblClickLink == 0 || atOrBeyondFit_)
    setZoom(map::doubleClickZoomOut(state_.view.zoom));
  else
    fitToBattlefield();
}

void MapWindow::note(QPointF at, const QString& text) {
  canvas_->writeNote(at.toPoint(), text, QColor(255, 255, 0));
}

void MapWindow::editWaypoints() {
  if (doc_.mission().flightGroups.empty()) return;
  if (!wpWindow_) wpWindow_ = new MapWaypointWindow(ctx_, state_.current, this);
  wpWindow_->show();
  wpWindow_->raise();
}

}  // namespace app
