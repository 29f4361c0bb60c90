// The map window's controls: the three rows of buttons above the map, the flight-group list
// and options panels beside it, the scroll bars and the position read-out below. They are made
// in three steps: built (widgets and layouts), bound (the states they start with) and connected
// (what each does).
#include <QApplication>
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

#include <functional>
#include <utility>

#include "app/base/accessible_value.h"
#include "app/base/actions.h"
#include "app/base/fitting_scroll_area.h"
#include "app/base/palette_colours.h"
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
const char* const ClassHints[] = {QT_TRANSLATE_NOOP("app::MapWindow", "Starship Class"),
                                  QT_TRANSLATE_NOOP("app::MapWindow", "Starfighter Class"),
                                  QT_TRANSLATE_NOOP("app::MapWindow", "Transport or Utility Class"),
                                  QT_TRANSLATE_NOOP("app::MapWindow", "Platform Class"),
                                  QT_TRANSLATE_NOOP("app::MapWindow", "Objects"),
                                  QT_TRANSLATE_NOOP("app::MapWindow", "Freighter/Container Class")};

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
  // Everything inside a scroll area that scrolls only where the screen is too small for it.
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("MapContent"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(new FittingScrollArea(content, this));
  auto* top = new QVBoxLayout(content);
  top->setContentsMargins(4, 4, 4, 4);
  top->setSpacing(3);
  top->addLayout(buildViewRow());
  top->addLayout(buildFilterRow());
  top->addLayout(buildDrawRow());
  // The middle: list panel, map with its scroll bars, options panel.
  auto* middle = new QHBoxLayout;
  middle->addWidget(buildListPanel());
  middle->addWidget(buildMapArea(), 1);
  middle->addWidget(buildOptionsPanel());
  top->addLayout(middle, 1);
  top->addLayout(buildReadout());
  bindControls();
  connectControls();
}

// Row 1: zoom, planes, centring.
QHBoxLayout* MapWindow::buildViewRow() {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(tr("zoom:"), this));
  zoomLabel_ = new QLabel(this);
  zoomLabel_->setObjectName(QStringLiteral("Label5"));
  zoomLabel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("20000")));
  row->addWidget(zoomLabel_);
  zoomBar_ = new QSlider(Qt::Horizontal, this);
  zoomBar_->setObjectName(QStringLiteral("ZoomBar"));
  zoomBar_->setRange(map::MinZoom, map::MaxZoom);
  zoomBar_->setPageStep(16);
  zoomBar_->setMinimumWidth(160);
  zoomBar_->setFocusPolicy(Qt::NoFocus);
  row->addWidget(zoomBar_, 1);
  row->addWidget(button("One16ZoomBut", QStringLiteral("16"), tr("Zoom 16 (S)")));
  row->addWidget(button("SpeedButton1", QStringLiteral("800"), tr("Zoom 800 (A)")));
  row->addSpacing(8);
  planes_ = new QButtonGroup(this);
  xy_ = button("XY", QStringLiteral("X-Y"), tr("View the X-Y plane (F1)"), true);
  xz_ = button("XZ", QStringLiteral("X-Z"), tr("View the X-Z plane (F2)"), true);
  yz_ = button("YZ", QStringLiteral("Y-Z"), tr("View the Y-Z plane (F3)"), true);
  int n = 0;
  for (QToolButton* b : {xy_, xz_, yz_}) {
    planes_->addButton(b, n++);
    row->addWidget(b);
  }
  row->addSpacing(8);
  row->addWidget(button("CentreMapBtn", tr("Center Map"), tr("Center Map (Enter)")));
  row->addWidget(button("CtrFGBtn", tr("Center on FG"), tr("Center on Current FG (F)")));
  row->addWidget(button("FitBattleBtn", tr("Fit"), tr("Fit to Battlefield")));
  const char* lockNames[] = {"LockCtr", "LockCurr", "LockZero", "LockBattleCtr"};
  const char* lockTexts[] = {QT_TR_NOOP("AC 0"), QT_TR_NOOP("AC FG"), QT_TR_NOOP("AC Y0"),
                             QT_TR_NOOP("AC Fit")};
  const char* lockHints[] = {
      QT_TR_NOOP("AutoCentre: at Map centre"), QT_TR_NOOP("AutoCentre: on Current FG"),
      QT_TR_NOOP("AutoCentre: Zero Y axis"), QT_TR_NOOP("AutoCentre: Fit to Battlefield")};
  for (int i = 0; i < 4; ++i) {
    autoCentreButtons_[i] = button(lockNames[i], tr(lockTexts[i]), tr(lockHints[i]), true);
    row->addWidget(autoCentreButtons_[i]);
  }
  return row;
}

// Row 2: filters and the flight-group box.
QHBoxLayout* MapWindow::buildFilterRow() {
  auto* row = new QHBoxLayout;
  const char* iffTexts[] = {QT_TR_NOOP("Reb"), QT_TR_NOOP("Imp"), QT_TR_NOOP("Blu"),
                            QT_TR_NOOP("Yel"), QT_TR_NOOP("Red"), QT_TR_NOOP("Pur")};
  for (int i = 0; i < 6; ++i) {
    QToolButton* b =
        button(IffNames[i], tr(iffTexts[i]), tr("Show IFF %1").arg(tr(iffTexts[i])), true);
    // In the IFF's colour, made readable on the desktop's buttons.
    const auto colour = [b, i] {
      QPalette pal;  // the text colour only: the rest follows the desktop's
      pal.setColor(
          QPalette::ButtonText,
          readableOn(toQColor(iffColour(i)), QApplication::palette(b).color(QPalette::Button)));
      b->setPalette(pal);
    };
    colour();
    whenPaletteChanges(b, colour);
    iffButtons_[i] = b;
    row->addWidget(b);
  }
  allIff_ = button("AllIFF", tr("All"), tr("Show all flight groups"));
  row->addWidget(allIff_);
  row->addSpacing(6);
  const char* classTexts[] = {QT_TR_NOOP("Ship"), QT_TR_NOOP("Ftr"), QT_TR_NOOP("Trn"),
                              QT_TR_NOOP("Plt"),  QT_TR_NOOP("Obj"), QT_TR_NOOP("Frt")};
  for (int i = 0; i < 6; ++i) {
    classButtons_[i] = button(ClassNames[i], tr(classTexts[i]), tr(ClassHints[i]), true);
    row->addWidget(classButtons_[i]);
  }
  showStart_ = button("ShowStartBtn", QStringLiteral("30s"), tr("FGs within 30 seconds"), true);
  row->addWidget(showStart_);
  const char* diffNames[] = {"EasyBtn", "MedBtn", "HardBtn"};
  const char* diffTexts[] = {QT_TR_NOOP("E"), QT_TR_NOOP("M"), QT_TR_NOOP("H")};
  const char* diffHints[] = {QT_TR_NOOP("Easy arrivals"), QT_TR_NOOP("Medium arrivals"),
                             QT_TR_NOOP("Hard arrivals")};
  for (int i = 0; i < 3; ++i) {
    difficultyButtons_[i] = button(diffNames[i], tr(diffTexts[i]), tr(diffHints[i]), true);
    row->addWidget(difficultyButtons_[i]);
  }
  row->addSpacing(6);
  selectionBox_ = new QComboBox(this);
  selectionBox_->setObjectName(QStringLiteral("SelectionBox"));
  selectionBox_->setToolTip(tr("Current flight group"));
  selectionBox_->setMaxVisibleItems(39);
  selectionBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  selectionBox_->setMinimumContentsLength(24);
  selectionBox_->setFocusPolicy(Qt::StrongFocus);
  row->addWidget(selectionBox_, 1);
  return row;
}

// Row 3: what is drawn, the panels, the palette and the locks.
QHBoxLayout* MapWindow::buildDrawRow() {
  auto* row = new QHBoxLayout;
  namesOn_ = button("NamesOn", tr("Names on"), tr("Show names (N)"), true);
  allWPs_ =
      button("AllWPs", tr("All WPs"), tr("Show the waypoints of every flight group (W)"), true);
  currWPs_ =
      button("CurrWPs", tr("Curr WPs"), tr("Show the waypoints of the current flight group"), true);
  currOnly_ =
      button("CurrOnly", tr("Curr FG only"), tr("Show only the current flight group (C)"), true);
  for (QToolButton* b : {namesOn_, allWPs_, currWPs_, currOnly_}) row->addWidget(b);
  row->addSpacing(6);
  showList_ = button("ShowFGList", tr("FG List"), tr("FG List "), true);
  showOptions_ = button("ShowOptions", tr("Options"), tr("Options"), true);
  paletteOn_ = button("PaletOn", tr("Palette"), tr("Team Palette"), true);
  teamDown_ = button("SpeedButton2", QStringLiteral("-"), tr("Decrease Team In Palette"));
  teamUp_ = button("SpeedButton3", QStringLiteral("+"), tr("Increase Team in Palette"));
  for (QToolButton* b : {showList_, showOptions_, paletteOn_, teamDown_, teamUp_})
    row->addWidget(b);
  row->addSpacing(6);
  lockBtn_ = button("LockBtn", tr("Lock S1"), tr("Lock Start 1 waypoint"), true);
  lockX_ = button("LockX", QStringLiteral("X"), tr("Lock current X coordinate"), true);
  lockY_ = button("LockY", QStringLiteral("Y"), tr("Lock current Y coordinate"), true);
  for (QToolButton* b : {lockBtn_, lockX_, lockY_}) row->addWidget(b);
  row->addStretch(1);
  // Undo and Redo of the document, their tips naming the step.
  for (const char* id : {"UndoAction", "RedoAction"}) {
    QToolButton* b = actions_->makeButton(QString::fromLatin1(id), this);
    b->setFocusPolicy(Qt::NoFocus);
    row->addWidget(b);
  }
  row->addWidget(
      button("MapEditWPBtn", tr("Edit WPs"), tr("Edit the current flight group's waypoints")));
  row->addWidget(button("BackToMain", tr("Main"), tr("Back to main window")));
  return row;
}

QWidget* MapWindow::buildListPanel() {
  listPanel_ = new QWidget(this);
  listPanel_->setObjectName(QStringLiteral("Panel2"));
  auto* layout = new QVBoxLayout(listPanel_);
  layout->setContentsMargins(0, 0, 0, 0);
  mapList_ = new QListWidget(listPanel_);
  mapList_->setObjectName(QStringLiteral("MapList"));
  mapList_->setSelectionMode(QAbstractItemView::MultiSelection);
  mapList_->setStyleSheet(QStringLiteral(
      "QListWidget { background: black; } QListWidget::item:selected { background: #3a3a5a; }"));
  mapList_->setMinimumWidth(200);
  layout->addWidget(mapList_);
  return listPanel_;
}

// The map with its scroll bars.
QWidget* MapWindow::buildMapArea() {
  auto* scrollBox = new QWidget(this);
  scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
  auto* grid = new QGridLayout(scrollBox);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  canvas_ = new MapCanvas(doc_.mission(), state_, scrollBox);
  setAccessibleValue(canvas_, {});
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
  grid->addWidget(yScroll_, 0, 1);
  grid->addWidget(xScroll_, 1, 0);
  return scrollBox;
}

QWidget* MapWindow::buildOptionsPanel() {
  optionsPanel_ = new QWidget(this);
  optionsPanel_->setObjectName(QStringLiteral("Panel1"));
  auto* layout = new QVBoxLayout(optionsPanel_);
  layout->setContentsMargins(0, 0, 0, 0);
  const char* snapItems[] = {"Off", "0.1 km", "0.2 km", "0.5 km"};
  for (int axis = 0; axis < 2; ++axis) {
    auto* box = new QGroupBox(axis == 0 ? tr("X Snap") : tr("Y Snap"), optionsPanel_);
    box->setObjectName(axis == 0 ? QStringLiteral("XSnap") : QStringLiteral("YSnap"));
    auto* l = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < 4; ++i) {
      auto* r = new QRadioButton(QString::fromLatin1(snapItems[i]), box);
      r->setObjectName(box->objectName() + QString::number(i));
      group->addButton(r, i);
      l->addWidget(r);
    }
    (axis == 0 ? xSnap_ : ySnap_) = group;
    layout->addWidget(box);
  }
  auto check = [&](const char* name, const QString& text) {
    auto* c = new QCheckBox(text, optionsPanel_);
    c->setObjectName(QString::fromLatin1(name));
    layout->addWidget(c);
    return c;
  };
  linkWPs_ = check("WPsOn", tr("Link wps 2-8"));
  linkHyper_ = check("ShowHyp", tr("Link Hyperpt"));
  showTime_ = check("ShowTime", tr("WP times"));
  showDistances_ = check("ShowDistances", tr("WP distances"));
  briefMode_ = check("BriefMode", tr("Briefing Mode"));
  layout->addStretch(1);
  return optionsPanel_;
}

// The position read-out.
QHBoxLayout* MapWindow::buildReadout() {
  auto* row = new QHBoxLayout;
  readH_ = new QLabel(QStringLiteral("X : 0.00"), this);
  readH_->setObjectName(QStringLiteral("Label1"));
  readV_ = new QLabel(QStringLiteral("Y : 0.00"), this);
  readV_->setObjectName(QStringLiteral("Label2"));
  for (QLabel* l : {readH_, readV_}) {
    l->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("X : -204.80  ")));
    row->addWidget(l);
  }
  row->addStretch(1);
  return row;
}

// The option check boxes and the toggles they set.
std::vector<std::pair<QCheckBox*, bool map::MapToggles::*>> MapWindow::optionToggles() const {
  return {{linkWPs_, &map::MapToggles::linkWPs},
          {linkHyper_, &map::MapToggles::linkHyper},
          {showTime_, &map::MapToggles::times},
          {showDistances_, &map::MapToggles::distances}};
}

// The states the window starts with: the X-Y plane, the default zoom, every flight group shown
// at medium difficulty, names on, no snap, waypoints 2-8 and the hyperspace point linked, the
// panels closed.
void MapWindow::bindControls() {
  zoomBar_->setValue(map::DefaultZoom);
  zoomLabel_->setText(QString::number(state_.view.zoom));
  xy_->setChecked(true);
  syncControls();
  difficultyButtons_[static_cast<int>(filters_.difficulty) - 1]->setChecked(true);
  state_.toggles.linkWPs = true;
  namesOn_->setChecked(state_.toggles.namesOn);
  for (const auto& [box, flag] : optionToggles()) box->setChecked(state_.toggles.*flag);
  for (QButtonGroup* snap : {xSnap_, ySnap_}) snap->button(0)->setChecked(true);
  listPanel_->hide();
  optionsPanel_->hide();
}

void MapWindow::connectControls() {
  connectCommandButtons();
  connectViewRow();
  connectFilterRow();
  connectToggleRow();
  connectPanels();
}

// Buttons that run a command.
void MapWindow::connectCommandButtons() {
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"One16ZoomBut", [this] { setZoom(16); }},
      {"SpeedButton1", [this] { setZoom(800); }},
      {"CentreMapBtn",
       [this] {
         centreOn({0, 0});
       }},
      {"CtrFGBtn", [this] { setCurrent(state_.current, true); }},
      {"FitBattleBtn", [this] { fitToBattlefield(); }},
      {"AllIFF",
       [this] {
         filters_.showAll();
         state_.shown.assign(doc_.mission().flightGroups.size(), true);
         syncControls();
         refillLists();
         redraw();
       }},
      {"SpeedButton3",
       [this] {
         if (state_.toggles.palette) setPaletteTeam(map::nextPaletteTeam(state_.paletteTeam));
       }},
      {"SpeedButton2",
       [this] {
         if (state_.toggles.palette) setPaletteTeam(map::previousPaletteTeam(state_.paletteTeam));
       }},
      {"MapEditWPBtn", [this] { editWaypoints(); }},
      {"BackToMain", [this] { emit backToMain(); }},
  };
  for (const auto& [name, run] : commands)
    connect(findChild<QToolButton*>(QLatin1String(name)), &QToolButton::clicked, this, run);
}

// Row 1: zoom, plane, auto-centre.
void MapWindow::connectViewRow() {
  connect(zoomBar_, &QSlider::valueChanged, this, &MapWindow::zoomBarMoved);
  connect(planes_, &QButtonGroup::idClicked, this,
          [this](int id) { setPlane(static_cast<map::Plane>(id)); });
  for (int i = 0; i < 4; ++i)
    connect(autoCentreButtons_[i], &QToolButton::clicked, this, [this, i](bool on) {
      for (int k = 0; k < 4; ++k)
        if (k != i) autoCentreButtons_[k]->setChecked(false);
      settings_.autoCtr = on ? i : 4;
    });
}

// Row 2: the filters and the flight group chosen.
void MapWindow::connectFilterRow() {
  for (int i = 0; i < 6; ++i) {
    connect(iffButtons_[i], &QToolButton::clicked, this, [this, i](bool on) {
      filters_.iff[i] = on;
      applyFilters();
    });
    connect(classButtons_[i], &QToolButton::clicked, this, [this, i](bool on) {
      filters_.classes[i] = on;
      applyFilters();
    });
  }
  connect(showStart_, &QToolButton::clicked, this, [this](bool on) {
    filters_.within30Seconds = on;
    applyFilters();
  });
  for (int i = 0; i < 3; ++i)
    connect(difficultyButtons_[i], &QToolButton::clicked, this, [this, i](bool on) {
      for (int k = 0; k < 3; ++k)
        if (k != i) difficultyButtons_[k]->setChecked(false);
      filters_.difficulty = on ? static_cast<map::Difficulty>(i + 1) : map::Difficulty::All;
      applyFilters();
    });
  connect(selectionBox_, &QComboBox::activated, this, [this](int i) {
    if (state_.view.briefing) {
      state_.briefingPoint = std::min(i, 7);  // teams 9 and 10 show the last briefing point
      redraw();
    } else {
      setCurrent(i, settings_.centre);
    }
  });
}

// Row 3: what is drawn, the panels shown, the locks.
void MapWindow::connectToggleRow() {
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
  connect(showList_, &QToolButton::toggled, listPanel_, &QWidget::setVisible);
  connect(showOptions_, &QToolButton::toggled, optionsPanel_, &QWidget::setVisible);
  connect(paletteOn_, &QToolButton::clicked, this,
          [this](bool on) { setToggle(&map::MapToggles::palette, on); });
  connect(lockBtn_, &QToolButton::clicked, this,
          [this](bool on) { setToggle(&map::MapToggles::lockStart1, on); });
  connect(lockX_, &QToolButton::clicked, this, [this](bool on) { state_.toggles.lockX = on; });
  connect(lockY_, &QToolButton::clicked, this, [this](bool on) { state_.toggles.lockY = on; });
}

// The list panel, the scroll bars and the options panel.
void MapWindow::connectPanels() {
  // The list panel's selection is the shown flags. A click that shows a flight group makes it
  // current; in "Curr FG only" mode a click always does, and shows it.
  connect(mapList_, &QListWidget::itemSelectionChanged, this, &MapWindow::listSelectionChanged);
  connect(mapList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (state_.toggles.currentOnly) item->setSelected(true);
    if (item->isSelected()) setCurrent(mapList_->row(item), false);
  });

  // The scroll bars pan.
  connect(xScroll_, &QScrollBar::valueChanged, this, [this](int v) {
    state_.view.setPan(-v, state_.view.panY);
    redraw();
  });
  connect(yScroll_, &QScrollBar::valueChanged, this, [this](int v) {
    state_.view.setPan(state_.view.panX, -v);
    redraw();
  });

  // The options panel.
  for (int axis = 0; axis < 2; ++axis)
    connect(axis == 0 ? xSnap_ : ySnap_, &QButtonGroup::idClicked, this, [this, axis](int id) {
      (axis == 0 ? state_.hSnap : state_.vSnap) = map::snapOfItem(id);
    });
  for (const auto& [box, flag] : optionToggles())
    connect(box, &QCheckBox::toggled, this, [this, flag = flag](bool v) { setToggle(flag, v); });
  connect(briefMode_, &QCheckBox::toggled, this, &MapWindow::setBriefingMode);
}

}  // namespace app
