// The map window's controls: the three rows of buttons above the map, the flight-group list
// and options panels beside it, the scroll bars and the position read-out below.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/base/actions.h"
#include "app/document/mission_document.h"
#include "app/map/map_painter.h"
#include "app/map/map_window.h"
#include "map/palette.h"

namespace app {

using namespace model;

namespace {

const char* const IffNames[] = {"RebIFF", "ImpIFF", "BluIFF", "YellIFF", "Red2IFF", "PurpIFF"};
const char* const ClassNames[] = {"CapShipsOn",  "FightersOn", "TransportsOn",
                                  "PlatformsOn", "ObjectsOn",  "FRTsOn"};
const char* const ClassHints[] = {
    "Starship Class", "Starfighter Class", "Transport or Utility Class",
    "Platform Class", "Objects",           "Freighter/Container Class"};

}  // namespace

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
    pal.setColor(QPalette::ButtonText, toQColor(iffColour(i)).darker(i == 3 ? 160 : 110));
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
  lockX_ = button("LockX", QStringLiteral("X"), QStringLiteral("Lock current X coordinate"), true);
  lockY_ = button("LockY", QStringLiteral("Y"), QStringLiteral("Lock current Y coordinate"), true);
  connect(lockBtn_, &QToolButton::clicked, this,
          [this](bool on) { setToggle(&map::MapToggles::lockStart1, on); });
  connect(lockX_, &QToolButton::clicked, this, [this](bool on) { state_.toggles.lockX = on; });
  connect(lockY_, &QToolButton::clicked, this, [this](bool on) { state_.toggles.lockY = on; });
  for (QToolButton* b : {lockBtn_, lockX_, lockY_}) row3->addWidget(b);
  row3->addStretch(1);
  // Undo and Redo of the document, their tips naming the step.
  for (const char* id : {"UndoAction", "RedoAction"}) {
    QToolButton* b = actions_->makeButton(QString::fromLatin1(id), this);
    b->setFocusPolicy(Qt::NoFocus);
    row3->addWidget(b);
  }
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
  connect(mapList_, &QListWidget::itemSelectionChanged, this, &MapWindow::listSelectionChanged);
  // A click that shows a flight group makes it current; in "Curr FG only" mode a click always
  // does, and shows it.
  connect(mapList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (state_.toggles.currentOnly) item->setSelected(true);
    if (item->isSelected()) setCurrent(mapList_->row(item), false);
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

}  // namespace app
