#include "app/map/map_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/base/text.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/map/map_wp_window.h"
#include "editing/descriptions.h"
#include "map/palette.h"

namespace app {

using namespace model;

namespace {

QColor qcolour(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

const char* const IffNames[] = {"RebIFF", "ImpIFF", "BluIFF", "YellIFF", "Red2IFF", "PurpIFF"};
const char* const ClassNames[] = {"CapShipsOn",  "FightersOn", "TransportsOn",
                                  "PlatformsOn", "ObjectsOn",  "FRTsOn"};
const char* const ClassHints[] = {
    "Starship Class", "Starfighter Class", "Transport or Utility Class",
    "Platform Class", "Objects",           "Freighter/Container Class"};

}  // namespace

MapWindow::MapWindow(const EditorContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window),
      doc_(context.document),
      settings_(context.settings),
      vocab_(context.vocabulary) {
  setObjectName(QStringLiteral("MapForm"));
  setWindowTitle(QStringLiteral("Flight Group Map"));
  state_.toggles.drawOffScreen = false;
  buildControls();
  holdTimer_.setInterval(60);
  connect(&holdTimer_, &QTimer::timeout, this, &MapWindow::holdZoomTick);
  connect(&doc_, &MissionDocument::changed, this, &MapWindow::onDocumentChanged);
  connect(&doc_, &MissionDocument::selectionChanged, this, &MapWindow::onSelectionChanged);
  // The window previews every key, whichever of its controls has the focus.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  resize(900, 680);
}

MapWindow::~MapWindow() {
  if (drag_) endDrag(false);
}

QToolButton* MapWindow::button(const char* name, const QString& text, const QString& hint,
                               bool checkable) {
  auto* b = new QToolButton(this);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(text);
  b->setToolTip(hint);
  b->setCheckable(checkable);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoRaise(false);
  return b;
}

void MapWindow::buildControls() {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(4, 4, 4, 4);
  top->setSpacing(3);

  // Row 1: zoom, planes, centring.
  auto* row1 = new QHBoxLayout;
  row1->addWidget(new QLabel(QStringLiteral("zoom:"), this));
  zoomLabel_ = new QLabel(this);
  zoomLabel_->setObjectName(QStringLiteral("Label5"));
  zoomLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("20000")));
  row1->addWidget(zoomLabel_);
  zoomBar_ = new QSlider(Qt::Horizontal, this);
  zoomBar_->setObjectName(QStringLiteral("ZoomBar"));
  zoomBar_->setRange(map::MinZoom, map::MaxZoom);
  zoomBar_->setPageStep(16);
  zoomBar_->setValue(map::DefaultZoom);
  zoomBar_->setMinimumWidth(160);
  zoomBar_->setFocusPolicy(Qt::NoFocus);
  connect(zoomBar_, &QSlider::valueChanged, this, &MapWindow::zoomBarMoved);
  row1->addWidget(zoomBar_, 1);
  auto* z16 = button("One16ZoomBut", QStringLiteral("16"), QStringLiteral("Zoom 16 (S)"));
  auto* z800 = button("SpeedButton1", QStringLiteral("800"), QStringLiteral("Zoom 800 (A)"));
  connect(z16, &QToolButton::clicked, this, [this] { setZoom(16); });
  connect(z800, &QToolButton::clicked, this, [this] { setZoom(800); });
  row1->addWidget(z16);
  row1->addWidget(z800);
  row1->addSpacing(8);
  auto* planes = new QButtonGroup(this);
  xy_ = button("XY", QStringLiteral("X-Y"), QStringLiteral("View the X-Y plane (F1)"), true);
  xz_ = button("XZ", QStringLiteral("X-Z"), QStringLiteral("View the X-Z plane (F2)"), true);
  yz_ = button("YZ", QStringLiteral("Y-Z"), QStringLiteral("View the Y-Z plane (F3)"), true);
  int n = 0;
  for (QToolButton* b : {xy_, xz_, yz_}) {
    planes->addButton(b, n++);
    row1->addWidget(b);
  }
  xy_->setChecked(true);
  connect(planes, &QButtonGroup::idClicked, this,
          [this](int id) { setPlane(static_cast<map::Plane>(id)); });
  row1->addSpacing(8);
  auto* centre =
      button("CentreMapBtn", QStringLiteral("Center Map"), QStringLiteral("Center Map (Enter)"));
  auto* ctrFg = button("CtrFGBtn", QStringLiteral("Center on FG"),
                       QStringLiteral("Center on Current FG (F)"));
  auto* fit = button("FitBattleBtn", QStringLiteral("Fit"), QStringLiteral("Fit to Battlefield"));
  connect(centre, &QToolButton::clicked, this, [this] { centreOn({0, 0}); });
  connect(ctrFg, &QToolButton::clicked, this, [this] { setCurrent(state_.current, true); });
  connect(fit, &QToolButton::clicked, this, &MapWindow::fitToBattlefield);
  row1->addWidget(centre);
  row1->addWidget(ctrFg);
  row1->addWidget(fit);
  const char* lockNames[] = {"LockCtr", "LockCurr", "LockZero", "LockBattleCtr"};
  const char* lockTexts[] = {"AC 0", "AC FG", "AC Y0", "AC Fit"};
  const char* lockHints[] = {"AutoCentre: at Map centre", "AutoCentre: on Current FG",
                             "AutoCentre: Zero Y axis", "AutoCentre: Fit to Battlefield"};
  for (int i = 0; i < 4; ++i) {
    QToolButton* b = button(lockNames[i], QString::fromLatin1(lockTexts[i]),
                            QString::fromLatin1(lockHints[i]), true);
    autoCentreButtons_[i] = b;
    connect(b, &QToolButton::clicked, this, [this, i](bool on) {
      for (int k = 0; k < 4; ++k)
        if (k != i) autoCentreButtons_[k]->setChecked(false);
      settings_.autoCtr = on ? i : 4;
    });
    row1->addWidget(b);
  }
  top->addLayout(row1);

  // Row 2: filters and the flight-group box.
  auto* row2 = new QHBoxLayout;
  const char* iffTexts[] = {"Reb", "Imp", "Blu", "Yel", "Red", "Pur"};
  for (int i = 0; i < 6; ++i) {
    QToolButton* b =
        button(IffNames[i], QString::fromLatin1(iffTexts[i]),
               QStringLiteral("Show IFF %1").arg(QString::fromLatin1(iffTexts[i])), true);
    b->setChecked(true);
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, qcolour(iffColour(i)).darker(i == 3 ? 160 : 110));
    b->setPalette(pal);
    iffButtons_[i] = b;
    connect(b, &QToolButton::clicked, this, [this, i](bool on) {
      filters_.iff[i] = on;
      applyFilters();
    });
    row2->addWidget(b);
  }
  allIff_ = button("AllIFF", QStringLiteral("All"), QStringLiteral("Show all flight groups"));
  connect(allIff_, &QToolButton::clicked, this, [this] {
    filters_.showAll();
    state_.shown.assign(doc_.mission().flightGroups.size(), true);
    syncControls();
    refillLists();
    redraw();
  });
  row2->addWidget(allIff_);
  row2->addSpacing(6);
  const char* classTexts[] = {"Ship", "Ftr", "Trn", "Plt", "Obj", "Frt"};
  for (int i = 0; i < 6; ++i) {
    QToolButton* b = button(ClassNames[i], QString::fromLatin1(classTexts[i]),
                            QString::fromLatin1(ClassHints[i]), true);
    b->setChecked(true);
    classButtons_[i] = b;
    connect(b, &QToolButton::clicked, this, [this, i](bool on) {
      filters_.classes[i] = on;
      applyFilters();
    });
    row2->addWidget(b);
  }
  showStart_ =
      button("ShowStartBtn", QStringLiteral("30s"), QStringLiteral("FGs within 30 seconds"), true);
  connect(showStart_, &QToolButton::clicked, this, [this](bool on) {
    filters_.within30Seconds = on;
    applyFilters();
  });
  row2->addWidget(showStart_);
  const char* diffNames[] = {"EasyBtn", "MedBtn", "HardBtn"};
  const char* diffTexts[] = {"E", "M", "H"};
  const char* diffHints[] = {"Easy arrivals", "Medium arrivals", "Hard arrivals"};
  for (int i = 0; i < 3; ++i) {
    QToolButton* b = button(diffNames[i], QString::fromLatin1(diffTexts[i]),
                            QString::fromLatin1(diffHints[i]), true);
    difficultyButtons_[i] = b;
    connect(b, &QToolButton::clicked, this, [this, i](bool on) {
      for (int k = 0; k < 3; ++k)
        if (k != i) difficultyButtons_[k]->setChecked(false);
      filters_.difficulty = on ? static_cast<map::Difficulty>(i + 1) : map::Difficulty::All;
      applyFilters();
    });
    row2->addWidget(b);
  }
  difficultyButtons_[1]->setChecked(true);
  row2->addSpacing(6);
  selectionBox_ = new QComboBox(this);
  selectionBox_->setObjectName(QStringLiteral("SelectionBox"));
  selectionBox_->setToolTip(QStringLiteral("Current flight group"));
  selectionBox_->setMaxVisibleItems(39);
  selectionBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  selectionBox_->setMinimumContentsLength(24);
  selectionBox_->setFocusPolicy(Qt::StrongFocus);
  connect(selectionBox_, &QComboBox::activated, this, [this](int i) {
    if (state_.view.briefing) {
      state_.briefingPoint = std::min(i, 7);  // teams 9 and 10 show the last briefing point
      redraw();
    } else {
      setCurrent(i, settings_.centre);
    }
  });
  row2->addWidget(selectionBox_, 1);
  top->addLayout(row2);

  // Row 3: what is drawn, the panels, the palette and the locks.
  auto* row3 = new QHBoxLayout;
  namesOn_ = button("NamesOn", QStringLiteral("Names on"), QStringLiteral("Show names (N)"), true);
  allWPs_ = button("AllWPs", QStringLiteral("All WPs"),
                   QStringLiteral("Show the waypoints of every flight group (W)"), true);
  currWPs_ = button("CurrWPs", QStringLiteral("Curr WPs"),
                    QStringLiteral("Show the waypoints of the current flight group"), true);
  currOnly_ = button("CurrOnly", QStringLiteral("Curr FG only"),
                     QStringLiteral("Show only the current flight group (C)"), true);
  namesOn_->setChecked(true);
  connect(namesOn_, &QToolButton::clicked, this,
          [this](bool on) { setToggle(&map::MapToggles::namesOn, on); });
  connect(allWPs_, &QToolButton::clicked, this, [this](bool on) {
    if (on) currWPs_->setChecked(false), state_.toggles.currWPs = false;
    setToggle(&map::MapToggles::allWPs, on);
  });
  connect(currWPs_, &QToolButton::clicked, this, [this](bool on) {
    if (on) allWPs_->setChecked(false), state_.toggles.allWPs = false;
    setToggle(&map::MapToggles::currWPs, on);
  });
  connect(currOnly_, &QToolButton::clicked, this, [this](bool on) {
    setToggle(&map::MapToggles::currentOnly, on);
    if (on && settings_.centre) setCurrent(state_.current, true);
  });
  for (QToolButton* b : {namesOn_, allWPs_, currWPs_, currOnly_}) row3->addWidget(b);
  row3->addSpacing(6);
  showList_ = button("ShowFGList", QStringLiteral("FG List"), QStringLiteral("FG List "), true);
  showOptions_ = button("ShowOptions", QStringLiteral("Options"), QStringLiteral("Options"), true);
  paletteOn_ = button("PaletOn", QStringLiteral("Palette"), QStringLiteral("Team Palette"), true);
  teamDown_ =
      button("SpeedButton2", QStringLiteral("-"), QStringLiteral("Decrease Team In Palette"));
  teamUp_ = button("SpeedButton3", QStringLiteral("+"), QStringLiteral("Increase Team in Palette"));
  connect(showList_, &QToolButton::toggled, this, [this](bool on) { listPanel_->setVisible(on); });
  connect(showOptions_, &QToolButton::toggled, this,
          [this](bool on) { optionsPanel_->setVisible(on); });
  connect(paletteOn_, &QToolButton::clicked, this,
          [this](bool on) { setToggle(&map::MapToggles::palette, on); });
  connect(teamUp_, &QToolButton::clicked, this, [this] {
    if (state_.toggles.palette) setPaletteTeam(map::nextPaletteTeam(state_.paletteTeam));
  });
  connect(teamDown_, &QToolButton::clicked, this, [this] {
    if (state_.toggles.palette) setPaletteTeam(map::previousPaletteTeam(state_.paletteTeam));
  });
  for (QToolButton* b : {showList_, showOptions_, paletteOn_, teamDown_, teamUp_})
    row3->addWidget(b);
  row3->addSpacing(6);
  lockBtn_ =
      button("LockBtn", QStringLiteral("Lock S1"), QStringLiteral("Lock Start 1 waypoint"), true);
  lockX_ =
      button("LockX", QStringLiteral("Lock H"), QStringLiteral("Lock current X coordinate"), true);
  lockY_ =
      button("LockY", QStringLiteral("Lock V"), QStringLiteral("Lock current Y coordinate"), true);
  connect(lockBtn_, &QToolButton::clicked, this,
          [this](bool on) { setToggle(&map::MapToggles::lockStart1, on); });
  connect(lockX_, &QToolButton::clicked, this, [this](bool on) { state_.toggles.lockX = on; });
  connect(lockY_, &QToolButton::clicked, this, [this](bool on) { state_.toggles.lockY = on; });
  for (QToolButton* b : {lockBtn_, lockX_, lockY_}) row3->addWidget(b);
  row3->addStretch(1);
  auto* editWps = button("MapEditWPBtn", QStringLiteral("Edit WPs"),
                         QStringLiteral("Edit the current flight group's waypoints"));
  auto* back = button("BackToMain", QStringLiteral("Main"), QStringLiteral("Back to main window"));
  connect(editWps, &QToolButton::clicked, this, &MapWindow::editWaypoints);
  connect(back, &QToolButton::clicked, this, &MapWindow::backToMain);
  row3->addWidget(editWps);
  row3->addWidget(back);
  top->addLayout(row3);

  // The middle: list panel, map with its scroll bars, options panel.
  auto* middle = new QHBoxLayout;
  listPanel_ = new QWidget(this);
  listPanel_->setObjectName(QStringLiteral("Panel2"));
  auto* listLayout = new QVBoxLayout(listPanel_);
  listLayout->setContentsMargins(0, 0, 0, 0);
  mapList_ = new QListWidget(listPanel_);
  mapList_->setObjectName(QStringLiteral("MapList"));
  mapList_->setSelectionMode(QAbstractItemView::MultiSelection);
  mapList_->setStyleSheet(QStringLiteral(
      "QListWidget { background: black; } QListWidget::item:selected { background: #3a3a5a; }"));
  mapList_->setMinimumWidth(200);
  connect(mapList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int i = mapList_->row(item);
    state_.shown.assign(doc_.mission().flightGroups.size(), false);
    for (QListWidgetItem* s : mapList_->selectedItems()) state_.shown[mapList_->row(s)] = true;
    if (i >= 0 && i < static_cast<int>(state_.shown.size())) state_.shown[i] = true;
    item->setSelected(true);
    setCurrent(i, false);
  });
  listLayout->addWidget(mapList_);
  listPanel_->hide();
  middle->addWidget(listPanel_);

  auto* scrollBox = new QWidget(this);
  scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
  auto* grid = new QGridLayout(scrollBox);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  canvas_ = new MapCanvas(doc_.mission(), state_, scrollBox);
  canvas_->setTool(this);
  grid->addWidget(canvas_, 0, 0);
  yScroll_ = new QScrollBar(Qt::Vertical, scrollBox);
  yScroll_->setObjectName(QStringLiteral("YScroll"));
  xScroll_ = new QScrollBar(Qt::Horizontal, scrollBox);
  xScroll_->setObjectName(QStringLiteral("XScroll"));
  for (QScrollBar* s : {xScroll_, yScroll_}) {
    s->setRange(-40000, 40000);
    s->setSingleStep(25);
    s->setPageStep(100);
    s->setFocusPolicy(Qt::NoFocus);
  }
  connect(xScroll_, &QScrollBar::valueChanged, this, [this](int v) {
    if (settingScroll_) return;
    state_.view.setPan(-v, state_.view.panY);
    redraw();
  });
  connect(yScroll_, &QScrollBar::valueChanged, this, [this](int v) {
    if (settingScroll_) return;
    state_.view.setPan(state_.view.panX, -v);
    redraw();
  });
  grid->addWidget(yScroll_, 0, 1);
  grid->addWidget(xScroll_, 1, 0);
  middle->addWidget(scrollBox, 1);

  optionsPanel_ = new QWidget(this);
  optionsPanel_->setObjectName(QStringLiteral("Panel1"));
  auto* opt = new QVBoxLayout(optionsPanel_);
  opt->setContentsMargins(0, 0, 0, 0);
  const char* snapItems[] = {"Off", "0.1 km", "0.2 km", "0.5 km"};
  for (int axis = 0; axis < 2; ++axis) {
    auto* box = new QGroupBox(axis == 0 ? QStringLiteral("X Snap") : QStringLiteral("Y Snap"),
                              optionsPanel_);
    box->setObjectName(axis == 0 ? QStringLiteral("XSnap") : QStringLiteral("YSnap"));
    auto* l = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < 4; ++i) {
      auto* r = new QRadioButton(QString::fromLatin1(snapItems[i]), box);
      r->setObjectName(box->objectName() + QString::number(i));
      group->addButton(r, i);
      l->addWidget(r);
    }
    group->button(0)->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this, axis](int id) {
      (axis == 0 ? state_.hSnap : state_.vSnap) = map::snapOfItem(id);
    });
    (axis == 0 ? xSnap_ : ySnap_) = group;
    opt->addWidget(box);
  }
  auto check = [&](const char* name, const QString& text, bool map::MapToggles::*flag, bool on) {
    auto* c = new QCheckBox(text, optionsPanel_);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(on);
    state_.toggles.*flag = on;
    connect(c, &QCheckBox::toggled, this, [this, flag](bool v) { setToggle(flag, v); });
    opt->addWidget(c);
    return c;
  };
  linkWPs_ = check("WPsOn", QStringLiteral("Link wps 2-8"), &map::MapToggles::linkWPs, true);
  linkHyper_ = check("ShowHyp", QStringLiteral("Link Hyperpt"), &map::MapToggles::linkHyper, true);
  showTime_ = check("ShowTime", QStringLiteral("WP times"), &map::MapToggles::times, false);
  showDistances_ =
      check("ShowDistances", QStringLiteral("WP distances"), &map::MapToggles::distances, false);
  briefMode_ = new QCheckBox(QStringLiteral("Briefing Mode"), optionsPanel_);
  briefMode_->setObjectName(QStringLiteral("BriefMode"));
  connect(briefMode_, &QCheckBox::toggled, this, &MapWindow::setBriefingMode);
  opt->addWidget(briefMode_);
  opt->addStretch(1);
  optionsPanel_->hide();
  middle->addWidget(optionsPanel_);
  top->addLayout(middle, 1);

  // The position read-out.
  auto* bottom = new QHBoxLayout;
  readH_ = new QLabel(QStringLiteral("X : 0.00"), this);
  readH_->setObjectName(QStringLiteral("Label1"));
  readV_ = new QLabel(QStringLiteral("Y : 0.00"), this);
  readV_->setObjectName(QStringLiteral("Label2"));
  for (QLabel* l : {readH_, readV_}) {
    l->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("X : -204.80  ")));
    bottom->addWidget(l);
  }
  bottom->addStretch(1);
  top->addLayout(bottom);
  zoomLabel_->setText(QString::number(state_.view.zoom));
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
  if (e->type() == QEvent::WindowDeactivate && drag_) endDrag(true);
  return QWidget::event(e);
}

void MapWindow::closeEvent(QCloseEvent* e) {
  if (drag_) endDrag(true);
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
  if (drag_) return;
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
    if (drag_) drag_.reset();
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
  if (!drag_ && (c.listChanged(ListKind::FlightGroups) || c.touches(RecordKind::FlightGroup)))
    refillLists();
  if (!isVisible()) return;
  if (drag_)
    canvas_->dragRedraw();
  else
    redraw();
}

void MapWindow::onSelectionChanged() {
  const int fg = doc_.currentFlightGroup();
  if (fg == state_.current || drag_) return;
  state_.current = fg;
  if (!filling_ && !state_.view.briefing) {
    filling_ = true;
    selectionBox_->setCurrentIndex(fg);
    filling_ = false;
  }
  if (isVisible()) redraw();
}

void MapWindow::refillLists() {
  const Mission& m = doc_.mission();
  filling_ = true;
  const QStringList names = [&] {
    QStringList l;
    for (const std::string& s : editing::listLines(m, vocab_, false)) l << fromFile(s);
    return l;
  }();
  selectionBox_->clear();
  mapList_->clear();
  if (state_.view.briefing) {
    for (const std::string& t : editing::teamNameList(m)) selectionBox_->addItem(fromFile(t));
    selectionBox_->setCurrentIndex(state_.briefingPoint);
  } else {
    for (int i = 0; i < names.size(); ++i) {
      selectionBox_->addItem(names[i]);
      const QColor c = qcolour(iffColour(m.flightGroups[i].get(fg::Iff)));
      selectionBox_->setItemData(i, c, Qt::ForegroundRole);
      selectionBox_->setItemData(i, names[i], Qt::ToolTipRole);
    }
    selectionBox_->setCurrentIndex(state_.current);
  }
  for (int i = 0; i < names.size(); ++i) {
    auto* item = new QListWidgetItem(names[i], mapList_);
    item->setForeground(qcolour(iffColour(m.flightGroups[i].get(fg::Iff))));
    item->setSelected(state_.isShown(i));
  }
  filling_ = false;
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
  filling_ = true;
  for (int i = 0; i < mapList_->count(); ++i) mapList_->item(i)->setSelected(state_.isShown(i));
  if (!state_.view.briefing) selectionBox_->setCurrentIndex(state_.current);
  filling_ = false;
  redraw();
}

void MapWindow::setCurrent(int fg, bool centre) {
  const int count = static_cast<int>(doc_.mission().flightGroups.size());
  if (count == 0) return;
  fg = std::clamp(fg, 0, count - 1);
  state_.current = fg;
  if (doc_.currentFlightGroup() != fg || doc_.selectedFlightGroups().size() != 1)
    doc_.selectFlightGroups({fg}, fg);
  if (!state_.view.briefing) {
    filling_ = true;
    selectionBox_->setCurrentIndex(fg);
    filling_ = false;
  }
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

// ---- View -------------------------------------------------------------------------------------

void MapWindow::redraw() {
  state_.width = canvas_->width();
  state_.height = canvas_->height();
  lockedNote_ = false;
  canvas_->redraw();
}

void MapWindow::updateScrollBars() {
  settingScroll_ = true;
  xScroll_->setValue(map::nearest(-state_.view.panX));
  yScroll_->setValue(map::nearest(-state_.view.panY));
  settingScroll_ = false;
}

void MapWindow::centreOn(map::ViewPoint at) {
  state_.view.centreOn(at);
  updateScrollBars();
  redraw();
}

void MapWindow::setZoom(int zoom) {
  zoomBar_->setValue(map::clampZoom(zoom));
}

void MapWindow::zoomBarMoved(int value) {
  atOrBeyondFit_ = fitZoom_ >= state_.view.zoom;
  zoomLabel_->setText(QString::number(value));
  if (settingZoom_) {
    state_.view.zoom = value;
    return;
  }
  state_.view.setZoom(value);
  updateScrollBars();
  redraw();
}

void MapWindow::fitToBattlefield() {
  const Mission& m = doc_.mission();
  const map::Fit fit = map::fitToBattlefield(m.mapCentre, m.mapExtent, state_.view.shownPlane(),
                                             canvas_->width(), canvas_->height());
  fitZoom_ = fit.zoom;
  settingZoom_ = true;
  zoomBar_->setValue(map::clampZoom(fit.zoom));
  state_.view.zoom = zoomBar_->value();
  zoomLabel_->setText(QString::number(state_.view.zoom));
  settingZoom_ = false;
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
  applyAutoCentre();
}

void MapWindow::setToggle(bool map::MapToggles::*flag, bool on) {
  state_.toggles.*flag = on;
  redraw();
}

void MapWindow::setBriefingMode(bool on) {
  if (state_.view.briefing == on) return;
  state_.view.briefing = on;
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
    settingZoom_ = true;
    zoomBar_->setValue(map::DefaultZoom);
    state_.view.zoom = map::DefaultZoom;
    settingZoom_ = false;
    refillLists();
    centreOn({0, 0});
  } else {
    refillLists();
    redraw();
  }
  if (briefMode_->isChecked() != on) briefMode_->setChecked(on);
}

void MapWindow::setPaletteTeam(int team) {
  state_.paletteTeam = team;
  state_.paletteIff = map::paletteIff(doc_.mission(), team);
  redraw();
}

void MapWindow::updateReadout(QPointF at) {
  const auto [h, v] = map::snappedPosition(state_, at.x(), at.y());
  const map::Plane p = state_.view.shownPlane();
  readH_->setText(QString::fromLatin1(map::axisName(map::horizontalAxis(p))) +
                  QStringLiteral(" : ") + QString::fromStdString(map::kmText(h)));
  readV_->setText(QString::fromLatin1(map::axisName(map::verticalAxis(p))) + QStringLiteral(" : ") +
                  QString::fromStdString(map::kmText(v)));
}

void MapWindow::holdZoomTick() {
  if (++holdTicks_ <= 1) return;  // the first tick waits
  setZoom(map::holdZoomStep(state_.view.zoom, settings_.zoomSpeed));
}

// ---- Mouse ------------------------------------------------------------------------------------

void MapWindow::canvasResized(QSize size) {
  state_.view.resize(size.width(), size.height());
  state_.width = size.width();
  state_.height = size.height();
  updateScrollBars();
  if (isVisible()) redraw();
}

void MapWindow::mousePress(QMouseEvent* e) {
  const QPointF at = e->position();
  if (e->buttons() == Qt::RightButton) {
    const map::ViewPoint m = state_.view.screenToMap(at.x(), at.y());
    centreOn({static_cast<double>(map::nearest(m.h)), static_cast<double>(map::nearest(m.v))});
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  if (state_.toggles.palette && !state_.view.briefing) {
    if (const auto slot = map::paletteSlotAt(int(at.x()), int(at.y()), state_.height)) {
      placeFromPalette(*slot);
      return;
    }
  }
  const auto hit = map::hitTest(state_, doc_.mission(), at.x(), at.y());
  if (hit && hit->point == Start1 && state_.toggles.lockStart1) {
    setCurrent(hit->flightGroup, false);
    doc_.setCurrentPoint(static_cast<int>(Start1));
    canvas_->writeNote(QPoint(int(at.x()) + 15, int(at.y()) - 10), QStringLiteral("Locked!"),
                       QColor(255, 255, 0));
    lockedNote_ = true;
    return;
  }
  if (hit) {
    startDrag(hit->flightGroup, hit->point);
    return;
  }
  if (e->buttons() == Qt::LeftButton) {
    holdTicks_ = 0;
    holdTimer_.start();
  }
}

void MapWindow::mouseMove(QMouseEvent* e) {
  updateReadout(e->position());
  if (drag_) dragTo(e->position());
}

void MapWindow::mouseRelease(QMouseEvent*) {
  holdTimer_.stop();
  if (drag_) endDrag(true);
  if (lockedNote_) redraw();
}

void MapWindow::mouseDoubleClick(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || drag_) return;
  if (map::hitTest(state_, doc_.mission(), e->position().x(), e->position().y())) return;
  holdTimer_.stop();
  if (settings_.dblClickLink == 0 || atOrBeyondFit_)
    setZoom(map::doubleClickZoomOut(state_.view.zoom));
  else
    fitToBattlefield();
}

// ---- Dragging -------------------------------------------------------------------------------

void MapWindow::startDrag(int fg, std::size_t point) {
  Drag d;
  d.point = point;
  d.primary = fg;
  const Mission& m = doc_.mission();
  const std::vector<int>& sel = doc_.selectedFlightGroups();
  const bool several =
      std::find(sel.begin(), sel.end(), fg) != sel.end() && sel.size() > 1 && !state_.view.briefing;
  d.starts.push_back({fg, map::pointPosition(m.flightGroups[fg], point)});
  if (several) {
    for (int i : sel)
      if (i != fg && i < static_cast<int>(m.flightGroups.size()) &&
          !(point == Start1 && state_.toggles.lockStart1))
        d.starts.push_back({i, map::pointPosition(m.flightGroups[i], point)});
    state_.current = fg;
    doc_.selectFlightGroups(sel, fg);
  } else {
    setCurrent(fg, false);
  }
  doc_.setCurrentPoint(static_cast<int>(point));
  doc_.beginTransaction(QStringLiteral("map-drag"));
  drag_ = d;
  canvas_->rebuildCache();
  canvas_->dragRedraw();
}

void MapWindow::dragTo(QPointF at) {
  if (!drag_ || (drag_->point == Start1 && state_.toggles.lockStart1)) return;
  const Mission& m = doc_.mission();
  if (drag_->primary >= static_cast<int>(m.flightGroups.size())) return;
  const auto [h, v] = map::snappedPosition(state_, at.x(), at.y());
  const map::Plane plane = state_.view.shownPlane();
  const FlightGroup& g = m.flightGroups[drag_->primary];
  const Vec3 to = map::draggedPosition(g, drag_->point, plane, h, v, state_.toggles.lockX,
                                       state_.toggles.lockY);
  const Vec3 from = drag_->starts.front().second;
  const Vec3 delta{to.x - from.x, to.y - from.y, to.z - from.z};
  std::vector<MissionDocument::PatchSpec> list;
  for (const auto& [fgIndex, start] : drag_->starts) {
    const std::int16_t xyz[3] = {map::clampCoordinate(start.x + delta.x),
                                 map::clampCoordinate(start.y + delta.y),
                                 map::clampCoordinate(start.z + delta.z)};
    const Field<i16>* fields[3] = {&fg::WaypointX, &fg::WaypointY, &fg::WaypointZ};
    for (int a = 0; a < 3; ++a) {
      const auto u = static_cast<std::uint16_t>(xyz[a]);
      list.push_back({RecordKind::FlightGroup,
                      fgIndex,
                      fields[a]->at(drag_->point),
                      {static_cast<std::uint8_t>(u & 0xFF), static_cast<std::uint8_t>(u >> 8)}});
    }
  }
  doc_.patches(drag_->starts.size() > 1 ? tr("Move flight groups on the map")
                                        : tr("Move a point on the map"),
               list, QStringLiteral("map-drag"));
}

void MapWindow::endDrag(bool commit) {
  if (!drag_) return;
  drag_.reset();
  if (commit)
    doc_.commitTransaction();
  else
    doc_.cancelTransaction();
  refillLists();
  if (isVisible()) redraw();
}

void MapWindow::placeFromPalette(int slot) {
  const int type = map::paletteCraftType(slot);
  const int iff = state_.paletteIff, team = state_.paletteTeam;
  doc_.beginTransaction(QStringLiteral("map-drag"));
  doc_.newFlightGroup();
  const int fg = static_cast<int>(doc_.mission().flightGroups.size()) - 1;
  doc_.apply(tr("Place a flight group"), ChangedFlag::FlightGroup, [&](model::MissionEdit& e) {
    e.set(RecordKind::FlightGroup, fg, fg::CraftType, static_cast<u8>(type));
    e.set(RecordKind::FlightGroup, fg, fg::Iff, static_cast<u8>(iff));
    e.set(RecordKind::FlightGroup, fg, fg::Team, static_cast<u8>(team));
    if (map::placedWithoutRoute(type)) {
      e.set(RecordKind::FlightGroup, fg, fg::WaypointEnabled, i16{0}, Waypoint1);
      e.set(RecordKind::FlightGroup, fg, fg::WaypointEnabled, i16{0}, Hyperspace);
    }
  });
  state_.shown.resize(doc_.mission().flightGroups.size(), true);
  state_.shown[fg] = true;
  setCurrent(fg, false);
  doc_.setCurrentPoint(static_cast<int>(Start1));
  Drag d;
  d.point = Start1;
  d.primary = fg;
  d.starts.push_back({fg, map::pointPosition(doc_.mission().flightGroups[fg], Start1)});
  drag_ = d;
  refillLists();
  canvas_->rebuildCache();
  canvas_->dragRedraw();
}

// ---- Keyboard -----------------------------------------------------------------------------

bool MapWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && isAncestorOf(qobject_cast<QWidget*>(watched)))
    return handleKey(static_cast<QKeyEvent*>(e));
  return QWidget::eventFilter(watched, e);
}

bool MapWindow::handleKey(QKeyEvent* e) {
  const int key = e->key();
  const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
  auto toggle = [](QAbstractButton* b) { b->click(); };
  if (key == Qt::Key_Escape && drag_) {
    endDrag(false);
    return true;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    setPaletteTeam(key == Qt::Key_0 ? 9 : key - Qt::Key_1);
    return true;
  }
  if (mods == Qt::ControlModifier) {
    switch (key) {
      case Qt::Key_A:
        emit saveAsRequested();
        return true;
      case Qt::Key_S:
        emit saveRequested();
        return true;
      case Qt::Key_G:
        setToggle(&map::MapToggles::grid, !state_.toggles.grid);
        return true;
      case Qt::Key_I:
        state_.wireframe.iconsOnly = !state_.wireframe.iconsOnly;
        redraw();
        return true;
      case Qt::Key_W:
        setToggle(&map::MapToggles::drawOffScreen, !state_.toggles.drawOffScreen);
        return true;
      default:
        return false;
    }
  }
  if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key) {
    case Qt::Key_D:
      showDistances_->toggle();
      return true;
    case Qt::Key_P:
      toggle(paletteOn_);
      return true;
    case Qt::Key_T:
      showTime_->toggle();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      centreOn({0, 0});
      return true;
    case Qt::Key_Space:
      setPlane(map::nextPlane(state_.view.plane));
      return true;
    case Qt::Key_Delete:
      deleteCurrent();
      return true;
    case Qt::Key_A:
      setZoom(800);
      return true;
    case Qt::Key_S:
      setZoom(16);
      return true;
    case Qt::Key_C:
      if (!state_.view.briefing) toggle(currOnly_);
      return true;
    case Qt::Key_F:
      setCurrent(state_.current, true);
      return true;
    case Qt::Key_H:
      linkHyper_->toggle();
      return true;
    case Qt::Key_L:
      if (!state_.view.briefing) toggle(lockBtn_);
      return true;
    case Qt::Key_N:
      toggle(namesOn_);
      return true;
    case Qt::Key_W:
      if (!state_.view.briefing) toggle(allWPs_);
      return true;
    case Qt::Key_X:
      setZoom(map::fineZoomOut(state_.view.zoom));
      return true;
    case Qt::Key_Z:
      setZoom(map::fineZoomIn(state_.view.zoom));
      return true;
    case Qt::Key_F1:
      setPlane(map::Plane::XY);
      return true;
    case Qt::Key_F2:
      setPlane(map::Plane::XZ);
      return true;
    case Qt::Key_F3:
      setPlane(map::Plane::YZ);
      return true;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      setZoom(map::zoomInStep(state_.view.zoom));
      return true;
    case Qt::Key_Minus:
      setZoom(map::zoomOutStep(state_.view.zoom));
      return true;
    default:
      return false;
  }
}

void MapWindow::deleteCurrent() {
  if (drag_ || doc_.mission().flightGroups.empty()) return;
  const int fg = state_.current;
  doc_.selectFlightGroups({fg}, fg);
  doc_.deleteFlightGroups();
  const int count = static_cast<int>(doc_.mission().flightGroups.size());
  const int now = std::clamp(fg, 0, std::max(0, count - 1));
  state_.shown.resize(count, true);
  state_.shown[now] = true;
  setCurrent(now, false);
  doc_.setCurrentPoint(static_cast<int>(Start1));
  refillLists();
  redraw();
}

void MapWindow::editWaypoints() {
  if (doc_.mission().flightGroups.empty()) return;
  if (!wpWindow_) wpWindow_ = new MapWaypointWindow(doc_, vocab_, state_.current, this);
  wpWindow_->show();
  wpWindow_->raise();
}

}  // namespace app
