#include "app/briefing/briefing_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <filesystem>

#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/briefing/briefing_painter.h"
#include "app/briefing/briefing_preview.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "briefing/editing.h"
#include "briefing/preview.h"
#include "editing/descriptions.h"
#include "editing/import.h"

namespace app {

namespace brf = briefing;
namespace rec = model::briefing;
namespace fg = model::fg;

namespace {

enum Page { PreviewPage = 0, ListPage = 1, StringsPage = 2, AccessoriesPage = 3 };

QString secondsText(int ticks) {
  return QString::fromStdString(brf::seconds(ticks));
}

QString twoDecimals(double v) {
  return QString::number(v, 'f', 2);
}

const int Increments[] = {1, 5, 10, 20, 100};

}  // namespace

BriefingWindow::BriefingWindow(const EditorContext& context, BriefingEnvironment env,
                               QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      env_(std::move(env)),
      doc_(context.document),
      prompter_(context.prompter) {
  setObjectName(QStringLiteral("BrfForm"));
  setModal(true);
  timer_ = new QTimer(this);
  timer_->setInterval(45);
  connect(timer_, &QTimer::timeout, this, &BriefingWindow::tick);
  player_.setCommands(&list_);
  build();
  description_->setText(
      fromFile(brf::missionDescription(mission(), env_.missionFile, ctx_.settings)));
  connect(&doc_, &MissionDocument::changed, this,
          [this](const ChangeSet& c) { onDocumentChanged(topicsOf(c)); });
  showBriefing(0);
  pages_->setCurrentIndex(PreviewPage);
}

BriefingWindow::~BriefingWindow() = default;

const model::Mission& BriefingWindow::mission() const {
  return doc_.mission();
}

QString BriefingWindow::teamEntry(int i) const {
  const std::vector<std::string> teams = editing::teamNameList(mission());
  return i >= 0 && i < static_cast<int>(teams.size()) ? fromFile(teams[i]) : QString();
}

std::vector<std::string> BriefingWindow::flightGroupNames() const {
  return editing::nameList(mission(), ctx_.vocabulary);
}

// ---------------------------------------------------------------------------------------------
// Building the window

void BriefingWindow::build() {
  auto* top = new QVBoxLayout(this);
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("BrfToolBar"));
  auto act = [&](const char* name, const QString& text, const QString& hint) {
    QAction* a = toolBar_->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hint);
    return a;
  };
  upAct_ = act("MoveUpAction", tr("Up"), tr("Move Instruction up"));
  downAct_ = act("MoveDownAction", tr("Down"), tr("Move Instruction down"));
  deleteAct_ = act("DeleteAction", tr("Delete"), tr("Delete Current Instruction"));
  toolBar_->addSeparator();
  stopAct_ = act("InsertStopAction", tr("Stop"), tr("Insert Stop Point"));
  moveAct_ = act("InsertMoveAction", tr("Move"), tr("Insert Move Map instruction"));
  zoomAct_ = act("InsertZoomAction", tr("Zoom"), tr("Insert Zoom instruction"));
  textAct_ = act("InsertTextAction", tr("Text"), tr("Insert Briefing Text instruction"));
  boxAct_ = act("InsertBoxAction", tr("Box"), tr("Insert FG Box instruction"));
  clearBoxesAct_ =
      act("InsertClearBoxesAction", tr("Clear boxes"), tr("Insert Clear Boxes instruction"));
  tagAct_ = act("InsertTagAction", tr("Tag"), tr("Insert Map Tag instruction"));
  clearTagsAct_ =
      act("InsertClearTagsAction", tr("Clear tags"), tr("Insert Clear Tags instruction"));
  toolBar_->addSeparator();
  brfAct_ = act("LoadBrfAction", tr(".brf"), tr("Load matching Vortan .brf file"));
  saveAct_ = act("SaveMissionAction", tr("Save"), tr("Save Mission"));
  toolBar_->addSeparator();
  prevAct_ = act("PrevBriefingAction", QStringLiteral("\u25C0"), tr("Previous Briefing"));
  nextAct_ = act("NextBriefingAction", QStringLiteral("\u25B6"), tr("Next Briefing"));
  top->addWidget(toolBar_);

  connect(upAct_, &QAction::triggered, this, &BriefingWindow::moveInstructionUp);
  connect(downAct_, &QAction::triggered, this, &BriefingWindow::moveInstructionDown);
  connect(deleteAct_, &QAction::triggered, this, &BriefingWindow::deleteInstruction);
  const std::pair<QAction*, int> inserts[] = {
      {stopAct_, brf::StopPoint}, {moveAct_, brf::MoveMap},
      {zoomAct_, brf::ZoomMap},   {textAct_, brf::BriefingText},
      {boxAct_, brf::FirstBox},   {clearBoxesAct_, brf::ClearBoxes},
      {tagAct_, brf::FirstTag},   {clearTagsAct_, brf::ClearTags}};
  for (auto [a, code] : inserts)
    connect(a, &QAction::triggered, this, [this, code = code] { insertInstruction(code); });
  connect(brfAct_, &QAction::triggered, this, &BriefingWindow::loadBrfFile);
  connect(saveAct_, &QAction::triggered, this, &BriefingWindow::saveMission);
  connect(prevAct_, &QAction::triggered, this, [this] { showBriefing(b_ - 1); });
  connect(nextAct_, &QAction::triggered, this, [this] { showBriefing(b_ + 1); });

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("BrfPages"));
  pages_->addTab(buildPreviewPage(), tr("WYSIWYG"));
  pages_->addTab(buildListPage(), tr("Instruction List"));
  pages_->addTab(buildStringsPage(), tr("Strings"));
  pages_->addTab(buildAccessoriesPage(), tr("Accessories"));
  top->addWidget(pages_, 1);
  connect(pages_, &QTabWidget::currentChanged, this, &BriefingWindow::onPageChanged);
  buildMenu();
  fillTeamEntries();
}

QWidget* BriefingWindow::buildPreviewPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  auto* mapColumn = new QVBoxLayout;
  description_ = new BriefingStrip(false, page);
  description_->setObjectName(QStringLiteral("DescriptionStrip"));
  preview_ = new BriefingPreview(page);
  preview_->setObjectName(QStringLiteral("BriefingMap"));
  preview_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(preview_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { showPopup(preview_, at); });
  caption_ = new BriefingStrip(true, page);
  caption_->setObjectName(QStringLiteral("CaptionStrip"));
  preview_->scene = [this] {
    BriefingScene s;
    s.mission = &mission();
    s.briefing = b_;
    s.view = &player_.view();
    s.commands = &list_;
    s.showNames = showNames_ && showNames_->isChecked();
    s.icon = craftIcons();
    return s;
  };
  preview_->pressed = [this](QPoint at) { mapPressed(at); };
  preview_->moved = [this](QPoint at) { mapMoved(at); };
  preview_->released = [this] { mapReleased(); };
  mapColumn->addWidget(description_);
  mapColumn->addWidget(preview_);
  mapColumn->addWidget(caption_);

  playbackRow_ = new QWidget(page);
  auto* buttons = new QHBoxLayout(playbackRow_);
  buttons->setContentsMargins(0, 0, 0, 0);
  auto button = [&](const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(playbackRow_);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    buttons->addWidget(b);
    return b;
  };
  connect(button("RewindPlayBtn", QStringLiteral("|\u25C0\u25B6"), tr("Rewind and Play")),
          &QToolButton::clicked, this, &BriefingWindow::rewindAndPlay);
  connect(button("RewindStopBtn", QStringLiteral("|\u25C0\u25A0"), tr("Rewind and Stop")),
          &QToolButton::clicked, this, &BriefingWindow::rewindAndStop);
  connect(button("PauseBtn", QStringLiteral("\u2016"), tr("Pause")), &QToolButton::clicked, this,
          &BriefingWindow::pausePlayback);
  connect(button("PrevInstructionBtn", QStringLiteral("\u25C0|"), tr("Previous Instruction")),
          &QToolButton::clicked, this, [this] {
            player_.previousInstruction();
            setPlaying(player_.playing());
            redrawPreview();
          });
  connect(button("PlayBtn", QStringLiteral("\u25B6"), tr("Play")), &QToolButton::clicked, this,
          &BriefingWindow::play);
  connect(button("StepTickBtn", QStringLiteral("+.05"), tr("Advance 0.05 seconds")),
          &QToolButton::clicked, this, [this] {
            player_.stepTick();
            setPlaying(false);
            redrawPreview();
          });
  connect(
      button("NextInstructionBtn", QStringLiteral("|\u25B6"), tr("Advance to next Instruction")),
      &QToolButton::clicked, this, [this] {
        player_.nextInstruction();
        setPlaying(player_.playing());
        redrawPreview();
      });
  connect(button("NextStopBtn", QStringLiteral("\u25B6\u25B6|"), tr("Advance to next Stop point")),
          &QToolButton::clicked, this, [this] {
            player_.nextStopPoint();
            setPlaying(player_.playing());
            redrawPreview();
          });
  buttons->addStretch(1);
  mapColumn->addWidget(playbackRow_);
  timeBar_ = new QSlider(Qt::Horizontal, page);
  timeBar_->setObjectName(QStringLiteral("TimeBar"));
  connect(timeBar_, &QSlider::sliderMoved, this, &BriefingWindow::seekTo);
  connect(timeBar_, &QSlider::actionTriggered, this, [this](int action) {
    if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction)
      QTimer::singleShot(0, this, [this] { seekTo(timeBar_->value()); });
  });
  mapColumn->addWidget(timeBar_);
  auto* labels = new QHBoxLayout;
  timeLabel_ = new QLabel(page);
  timeLabel_->setObjectName(QStringLiteral("PlayTimeLabel"));
  instructionLabel_ = new QLabel(page);
  instructionLabel_->setObjectName(QStringLiteral("InstructionLabel"));
  mouseXLabel_ = new QLabel(QStringLiteral("X = "), page);
  mouseXLabel_->setObjectName(QStringLiteral("MouseXLabel"));
  mouseYLabel_ = new QLabel(QStringLiteral("Y = "), page);
  mouseYLabel_->setObjectName(QStringLiteral("MouseYLabel"));
  labels->addWidget(timeLabel_);
  labels->addWidget(instructionLabel_, 1);
  labels->addWidget(mouseXLabel_);
  labels->addWidget(mouseYLabel_);
  mapColumn->addLayout(labels);
  mapColumn->addStretch(1);
  row->addLayout(mapColumn);

  sideColumn_ = new QWidget(page);
  auto* side = new QVBoxLayout(sideColumn_);
  side->setContentsMargins(0, 0, 0, 0);
  pauseAtStops_ = new QCheckBox(tr("Pause at Stop points"), sideColumn_);
  pauseAtStops_->setObjectName(QStringLiteral("PauseAtStopsCheck"));
  connect(pauseAtStops_, &QCheckBox::toggled, this,
          [this](bool on) { player_.setPauseAtStops(on); });
  showNames_ = new QCheckBox(tr("Show names"), sideColumn_);
  showNames_->setObjectName(QStringLiteral("ShowNamesCheck"));
  showNames_->setChecked(true);
  connect(showNames_, &QCheckBox::toggled, this, [this] { redrawPreview(); });
  side->addWidget(pauseAtStops_);
  side->addWidget(showNames_);
  auto* snaps = new QGridLayout;
  const QStringList snapChoices{tr("Off"), QStringLiteral("0.1"), QStringLiteral("0.2"),
                                QStringLiteral("0.5")};
  xSnap_ = new QComboBox(sideColumn_);
  xSnap_->setObjectName(QStringLiteral("XSnapBox"));
  xSnap_->addItems(snapChoices);
  ySnap_ = new QComboBox(sideColumn_);
  ySnap_->setObjectName(QStringLiteral("YSnapBox"));
  ySnap_->addItems(snapChoices);
  for (QComboBox* c : {xSnap_, ySnap_})
    connect(c, &QComboBox::activated, this, [this] { snapChosen_ = true; });
  lockX_ = new QToolButton(sideColumn_);
  lockX_->setObjectName(QStringLiteral("LockXBtn"));
  lockX_->setText(tr("lock X"));
  lockX_->setCheckable(true);
  lockY_ = new QToolButton(sideColumn_);
  lockY_->setObjectName(QStringLiteral("LockYBtn"));
  lockY_->setText(tr("lock Y"));
  lockY_->setCheckable(true);
  snaps->addWidget(new QLabel(tr("X Snap"), sideColumn_), 0, 0);
  snaps->addWidget(xSnap_, 0, 1);
  snaps->addWidget(lockX_, 0, 2);
  snaps->addWidget(new QLabel(tr("Y Snap"), sideColumn_), 1, 0);
  snaps->addWidget(ySnap_, 1, 1);
  snaps->addWidget(lockY_, 1, 2);
  side->addLayout(snaps);
  side->addWidget(new QLabel(tr("Seen by:"), sideColumn_));
  seenBy_ = new QListWidget(sideColumn_);
  seenBy_->setObjectName(QStringLiteral("SeenByList"));
  seenBy_->setSelectionMode(QAbstractItemView::MultiSelection);
  connect(seenBy_, &QListWidget::itemSelectionChanged, this, &BriefingWindow::onSeenByChanged);
  side->addWidget(seenBy_);
  side->addWidget(new QLabel(tr("Total Running Time (sec):"), sideColumn_));
  runningTime_ = new QLineEdit(sideColumn_);
  runningTime_->setObjectName(QStringLiteral("RunningTimeEdit"));
  connect(runningTime_, &QLineEdit::editingFinished, this, &BriefingWindow::onRunningTimeEdited);
  side->addWidget(runningTime_);
  side->addStretch(1);
  row->addWidget(sideColumn_);

  insertGroup_ = new QGroupBox(page);
  insertGroup_->setObjectName(QStringLiteral("InsertGroup"));
  auto* ig = new QVBoxLayout(insertGroup_);
  zoomRow_ = new QWidget(insertGroup_);
  auto* zr = new QHBoxLayout(zoomRow_);
  zr->setContentsMargins(0, 0, 0, 0);
  zoomBar_ = new QSlider(Qt::Horizontal, zoomRow_);
  zoomBar_->setObjectName(QStringLiteral("ZoomBar"));
  zoomBar_->setRange(3, 500);
  zoomLabel_ = new QLabel(zoomRow_);
  zoomLabel_->setObjectName(QStringLiteral("ZoomLabel"));
  zr->addWidget(zoomBar_, 1);
  zr->addWidget(zoomLabel_);
  connect(zoomBar_, &QSlider::valueChanged, this, [this](int z) {
    if (inserting_ != brf::ZoomMap) return;
    zoomLabel_->setText(tr("Zoom: %1").arg(z));
    brf::DisplayState& v = player_.view();
    v.zoom = v.zoomTarget = z;
    v.zoomIn = v.zoomOut = false;
    v.ox = v.tx = brf::pixelOffset(v.mx, z);
    v.oy = v.ty = brf::pixelOffset(v.my, z);
    redrawPreview();
  });
  moveRow_ = new QWidget(insertGroup_);
  auto* mr = new QVBoxLayout(moveRow_);
  mr->setContentsMargins(0, 0, 0, 0);
  moveX_ = new QScrollBar(Qt::Horizontal, moveRow_);
  moveX_->setObjectName(QStringLiteral("MoveXBar"));
  moveY_ = new QScrollBar(Qt::Horizontal, moveRow_);
  moveY_->setObjectName(QStringLiteral("MoveYBar"));
  for (QScrollBar* s : {moveX_, moveY_}) {
    s->setRange(-5000, 5000);
    mr->addWidget(s);
    connect(s, &QScrollBar::valueChanged, this, [this] {
      if (inserting_ != brf::MoveMap) return;
      brf::DisplayState& v = player_.view();
      v.ox = v.tx = -moveX_->value();
      v.oy = v.ty = -moveY_->value();
      const int zoom = v.zoom == 0 ? 4 : v.zoom;
      v.mx = -static_cast<int>(std::nearbyint(double(brf::MapScale) / zoom * moveX_->value()));
      v.my = -static_cast<int>(std::nearbyint(double(brf::MapScale) / zoom * moveY_->value()));
      redrawPreview();
    });
  }
  insertChoice_ = new QComboBox(insertGroup_);
  insertChoice_->setObjectName(QStringLiteral("InsertChoiceBox"));
  insertChoice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  insertChoice_->setMinimumContentsLength(24);
  insertColour_ = new QComboBox(insertGroup_);
  insertColour_->setObjectName(QStringLiteral("InsertColourBox"));
  for (int c = 0; c < brf::ColourCount; ++c)
    insertColour_->addItem(QString::fromStdString(brf::colourName(c)));
  auto* done = new QPushButton(tr("Done"), insertGroup_);
  done->setObjectName(QStringLiteral("InsertDoneBtn"));
  auto* cancel = new QPushButton(tr("Cancel"), insertGroup_);
  cancel->setObjectName(QStringLiteral("InsertCancelBtn"));
  connect(done, &QPushButton::clicked, this, [this] { finishInsertion(true); });
  connect(cancel, &QPushButton::clicked, this, [this] { finishInsertion(false); });
  auto* choiceChanged = +[](BriefingWindow* w) {
    if (w->inserting_ == 0 || w->insertAt_ < 0) return;
    brf::Command& c = w->list_[w->insertAt_];
    if (brf::isTag(w->inserting_) || w->inserting_ == brf::BriefingText ||
        brf::isBox(w->inserting_)) {
      c.index = static_cast<std::uint16_t>(std::max(0, w->insertChoice_->currentIndex()));
      if (brf::isTag(w->inserting_))
        c.colour = static_cast<std::uint16_t>(std::max(0, w->insertColour_->currentIndex()));
      w->player_.execute(w->insertAt_);
      w->player_.finishMotions();
      w->redrawPreview();
    }
  };
  connect(insertChoice_, &QComboBox::currentIndexChanged, this,
          [this, choiceChanged] { choiceChanged(this); });
  connect(insertColour_, &QComboBox::currentIndexChanged, this,
          [this, choiceChanged] { choiceChanged(this); });
  ig->addWidget(zoomRow_);
  ig->addWidget(moveRow_);
  ig->addWidget(insertChoice_);
  ig->addWidget(insertColour_);
  auto* dr = new QHBoxLayout;
  dr->addWidget(done);
  dr->addWidget(cancel);
  ig->addLayout(dr);
  ig->addStretch(1);
  insertGroup_->hide();
  row->addWidget(insertGroup_);
  return page;
}

QWidget* BriefingWindow::buildListPage() {
  auto* page = new QWidget;
  auto* col = new QVBoxLayout(page);
  instructions_ = new QListWidget(page);
  instructions_->setObjectName(QStringLiteral("InstructionList"));
  // The lines pad times with spaces for a proportional font, where a digit is two spaces wide.
  instructions_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(instructions_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { showPopup(instructions_->viewport(), at); });
  connect(instructions_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    selected_ = row;
    fillCurrentInstruction();
    updateActions();
  });
  col->addWidget(instructions_, 1);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(new QLabel(tr("Briefing size (Max 400):"), page));
  wordCount_ = new QLabel(page);
  wordCount_->setObjectName(QStringLiteral("WordCountLabel"));
  countRow->addWidget(wordCount_);
  countRow->addStretch(1);
  col->addLayout(countRow);

  auto* below = new QHBoxLayout;
  auto* group = new QGroupBox(tr("Current Instruction"), page);
  group->setObjectName(QStringLiteral("CurrentInstructionGroup"));
  auto* g = new QGridLayout(group);
  timeCaption_ = new QLabel(group);
  timeCaption_->setObjectName(QStringLiteral("TimeCaption"));
  time_ = new QSpinBox(group);
  time_->setObjectName(QStringLiteral("TimeSpin"));
  time_->setRange(0, brf::MaxTime);
  time_->setSingleStep(20);
  if (auto* edit = time_->findChild<QLineEdit*>()) edit->setReadOnly(true);
  connect(time_, &QSpinBox::valueChanged, this, &BriefingWindow::onTimeStep);
  command_ = new QComboBox(group);
  command_->setObjectName(QStringLiteral("CommandBox"));
  for (const std::string& l : brf::labels()) command_->addItem(QString::fromStdString(l));
  connect(command_, &QComboBox::activated, this, &BriefingWindow::onCommandChosen);
  parameterCaption_ = new QLabel(group);
  parameterCaption_->setObjectName(QStringLiteral("ParameterCaption"));
  parameter_ = new QComboBox(group);
  parameter_->setObjectName(QStringLiteral("ParameterBox"));
  parameter_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  parameter_->setMinimumContentsLength(28);
  connect(parameter_, &QComboBox::activated, this, &BriefingWindow::onParameterChosen);
  xCaption_ = new QLabel(tr("X"), group);
  x_ = new QLineEdit(group);
  x_->setObjectName(QStringLiteral("XEdit"));
  connect(x_, &QLineEdit::editingFinished, this, &BriefingWindow::onXEdited);
  yCaption_ = new QLabel(tr("Y"), group);
  y_ = new QLineEdit(group);
  y_->setObjectName(QStringLiteral("YEdit"));
  connect(y_, &QLineEdit::editingFinished, this, &BriefingWindow::onYEdited);
  colourCaption_ = new QLabel(tr("Color"), group);
  colour_ = new QComboBox(group);
  colour_->setObjectName(QStringLiteral("ColourBox"));
  for (int c = 0; c < brf::ColourCount; ++c)
    colour_->addItem(QString::fromStdString(brf::colourName(c)));
  connect(colour_, &QComboBox::activated, this, &BriefingWindow::onColourChosen);
  increment_ = new QComboBox(group);
  increment_->setObjectName(QStringLiteral("IncrementBox"));
  increment_->addItems({QStringLiteral("1/20"), QStringLiteral("1/4"), QStringLiteral("1/2"),
                        QStringLiteral("1"), QStringLiteral("5")});
  increment_->setCurrentIndex(3);
  connect(increment_, &QComboBox::currentIndexChanged, this,
          [this](int i) { time_->setSingleStep(Increments[std::clamp(i, 0, 4)]); });
  adjustFollowing_ = new QCheckBox(tr("Adjust time for all following instructions"), group);
  adjustFollowing_->setObjectName(QStringLiteral("AdjustFollowingCheck"));
  g->addWidget(timeCaption_, 0, 0);
  g->addWidget(time_, 0, 1);
  g->addWidget(command_, 0, 2, 1, 2);
  g->addWidget(parameterCaption_, 1, 0);
  g->addWidget(parameter_, 1, 1, 1, 3);
  g->addWidget(xCaption_, 2, 0);
  g->addWidget(x_, 2, 1);
  g->addWidget(yCaption_, 2, 2);
  g->addWidget(y_, 2, 3);
  g->addWidget(colourCaption_, 3, 0);
  g->addWidget(colour_, 3, 1);
  g->addWidget(new QLabel(tr("Time Adjust Increment (sec)"), group), 4, 0);
  g->addWidget(increment_, 4, 1);
  g->addWidget(adjustFollowing_, 5, 0, 1, 4);
  below->addWidget(group, 1);

  auto* unknowns = new QGroupBox(tr("Unknowns"), page);
  unknowns->setObjectName(QStringLiteral("UnknownsGroup"));
  auto* u = new QFormLayout(unknowns);
  for (int i = 0; i < 3; ++i) {
    unknowns_[i] = new QLineEdit(unknowns);
    unknowns_[i]->setObjectName(QStringLiteral("Unknown%1Edit").arg(i + 1));
    connect(unknowns_[i], &QLineEdit::editingFinished, this, [this, i] { onUnknownEdited(i); });
    u->addRow(QString::number(i + 1), unknowns_[i]);
  }
  below->addWidget(unknowns);
  col->addLayout(below);
  return page;
}

QWidget* BriefingWindow::buildStringsPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  auto grid = [&](const char* name, const QString& title, bool tags) {
    auto* col = new QVBoxLayout;
    col->addWidget(new QLabel(title, page));
    auto* t = new QTableWidget(brf::MaxWords ? 32 : 0, 2, page);
    t->setObjectName(QString::fromLatin1(name));
    t->verticalHeader()->hide();
    t->horizontalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setColumnWidth(0, 32);
    for (int r = 0; r < 32; ++r) {
      auto* n = new QTableWidgetItem(QString::number(r));
      n->setFlags(Qt::ItemIsEnabled);
      t->setItem(r, 0, n);
      t->setItem(r, 1, new QTableWidgetItem);
    }
    connect(t, &QTableWidget::cellChanged, this,
            [this, tags](int r, int c) { onStringEdited(tags, r, c); });
    col->addWidget(t);
    row->addLayout(col, 1);
    return t;
  };
  tagsGrid_ = grid("TagsGrid", tr("Map Tags"), true);
  stringsGrid_ =
      grid("StringsGrid", tr("Briefing Texts   (use String#0 for ZynED window heading)"), false);
  row->setStretch(1, 2);
  return page;
}

QWidget* BriefingWindow::buildAccessoriesPage() {
  auto* page = new QWidget;
  auto* col = new QVBoxLayout(page);
  auto* copy = new QGroupBox(tr("Copy current Briefing to"), page);
  auto* cl = new QGridLayout(copy);
  copyTarget_ = new QComboBox(copy);
  copyTarget_->setObjectName(QStringLiteral("CopyTargetBox"));
  auto* copyAll = new QPushButton(tr("Copy strings, tags and instructions"), copy);
  copyAll->setObjectName(QStringLiteral("CopyBriefingBtn"));
  auto* copyIcons = new QPushButton(tr("Copy Icon positons"), copy);
  copyIcons->setObjectName(QStringLiteral("CopyIconsBtn"));
  cl->addWidget(copyTarget_, 0, 0, 1, 2);
  cl->addWidget(copyAll, 1, 0);
  cl->addWidget(copyIcons, 1, 1);
  connect(copyAll, &QPushButton::clicked, this, &BriefingWindow::copyBriefing);
  connect(copyIcons, &QPushButton::clicked, this, &BriefingWindow::copyIconPositions);
  col->addWidget(copy);
  auto* start1 = new QPushButton(
      tr("Set Icon positions for all FGs in current Briefing to Start Point 1"), page);
  start1->setObjectName(QStringLiteral("SetStart1Btn"));
  connect(start1, &QPushButton::clicked, this, &BriefingWindow::setIconsToStart1);
  col->addWidget(start1);

  auto* autoGroup = new QGroupBox(tr("Auto-Brief"), page);
  autoGroup->setObjectName(QStringLiteral("AutoBriefGroup"));
  auto* ag = new QGridLayout(autoGroup);
  autoSeconds_ = new QLineEdit(QStringLiteral("7"), autoGroup);
  autoSeconds_->setObjectName(QStringLiteral("AutoSecondsEdit"));
  ag->addWidget(new QLabel(tr("Show each Briefing Text (not #0) in order"), autoGroup), 0, 0);
  ag->addWidget(autoSeconds_, 0, 1);
  ag->addWidget(new QLabel(tr("seconds apart"), autoGroup), 0, 2);
  autoBox_ = new QCheckBox(tr("Box FGs if hilighted with"), autoGroup);
  autoBox_->setObjectName(QStringLiteral("AutoBoxCheck"));
  autoBox_->setChecked(true);
  ag->addWidget(autoBox_, 1, 0);
  ag->addWidget(new QLabel(QStringLiteral("\" [ ] \""), autoGroup), 1, 1);
  autoCentre_ = new QCheckBox(tr("Begin centered on:"), autoGroup);
  autoCentre_->setObjectName(QStringLiteral("AutoCentreCheck"));
  autoCentreOn_ = new QComboBox(autoGroup);
  autoCentreOn_->setObjectName(QStringLiteral("AutoCentreBox"));
  autoCentreOn_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  autoCentreOn_->setMinimumContentsLength(24);
  ag->addWidget(autoCentre_, 2, 0);
  ag->addWidget(autoCentreOn_, 2, 1, 1, 2);
  autoZoom_ = new QCheckBox(tr("Begin at Zoom:"), autoGroup);
  autoZoom_->setObjectName(QStringLiteral("AutoZoomCheck"));
  autoZoomPreset_ = new QComboBox(autoGroup);
  autoZoomPreset_->setObjectName(QStringLiteral("AutoZoomBox"));
  for (const brf::ZoomPreset& z : brf::ZoomPresets)
    autoZoomPreset_->addItem(QString::fromLatin1(z.text));
  autoZoomPreset_->setCurrentIndex(brf::DefaultZoomPreset);
  ag->addWidget(autoZoom_, 3, 0);
  ag->addWidget(autoZoomPreset_, 3, 1, 1, 2);
  auto* make = new QPushButton(tr("Make Briefing"), autoGroup);
  make->setObjectName(QStringLiteral("MakeBriefingBtn"));
  connect(make, &QPushButton::clicked, this, &BriefingWindow::makeBriefing);
  ag->addWidget(make, 4, 0);
  col->addWidget(autoGroup);
  col->addStretch(1);
  return page;
}

void BriefingWindow::buildMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("BrfPopup"));
  auto item = [&](const QString& text, QAction* like) {
    QAction* a = popup_->addAction(text);
    connect(a, &QAction::triggered, like, &QAction::trigger);
    return a;
  };
  item(tr("Insert &Stop"), stopAct_);
  item(tr("Insert &Move..."), moveAct_);
  item(tr("Insert &Zoom..."), zoomAct_);
  item(tr("Insert T&ext..."), textAct_);
  item(tr("Insert FG &Box..."), boxAct_);
  item(tr("Clear All Bo&xes"), clearBoxesAct_);
  item(tr("Insert Map &Tag..."), tagAct_);
  item(tr("&Clear All Tags"), clearTagsAct_);
  sepPlay_ = popup_->addSeparator();
  menuPlay_ = popup_->addAction(tr("Play"), this, &BriefingWindow::play);
  menuPause_ = popup_->addAction(tr("Pause"), this, &BriefingWindow::pausePlayback);
  menuStop_ = popup_->addAction(tr("Stop"), this, &BriefingWindow::rewindAndStop);
  sepEdit_ = popup_->addSeparator();
  menuDelete_ = item(tr("&Delete"), deleteAct_);
  menuUp_ = item(tr("Move &up"), upAct_);
  menuDown_ = item(tr("Move do&wn"), downAct_);
  sepStart1_ = popup_->addSeparator();
  menuStart1_ =
      popup_->addAction(tr("Set all to Start &1"), this, &BriefingWindow::setIconsToStart1);
}

void BriefingWindow::showPopup(QWidget* from, QPoint at) {
  if (inserting_) return;
  const bool preview = pages_->currentIndex() == PreviewPage;
  const bool playing = player_.playing();
  for (QAction* a : {sepPlay_, menuPlay_, menuPause_, menuStop_, sepStart1_, menuStart1_})
    a->setVisible(preview);
  for (QAction* a : {sepEdit_, menuDelete_, menuUp_, menuDown_}) a->setVisible(!preview);
  menuPlay_->setEnabled(!playing);
  menuStart1_->setEnabled(!playing);
  menuPause_->setEnabled(playing);
  menuStop_->setEnabled(playing);
  popup_->popup(from->mapToGlobal(at));
}

void BriefingWindow::fillTeamEntries() {
  const bool was = filling_;
  filling_ = true;
  seenBy_->clear();
  copyTarget_->clear();
  for (int i = 0; i < 8; ++i) {
    seenBy_->addItem(teamEntry(i));
    copyTarget_->addItem(teamEntry(i));
  }
  const int centre = autoCentreOn_->currentIndex();
  autoCentreOn_->clear();
  for (const std::string& n : flightGroupNames()) autoCentreOn_->addItem(fromFile(n));
  autoCentreOn_->setCurrentIndex(std::clamp(centre, 0, autoCentreOn_->count() - 1));
  filling_ = was;
}

// ---------------------------------------------------------------------------------------------
// The open briefing

void BriefingWindow::showBriefing(int b) {
  if (b < 0 || b >= static_cast<int>(model::BriefingCount)) return;
  if (inserting_) finishInsertion(false);
  setPlaying(false);
  player_.pause();
  encodePending();
  b_ = b;
  selected_ = 0;
  refillBriefing();
  player_.rewind();
  redrawPreview();
}

void BriefingWindow::refillBriefing() {
  filling_ = true;
  const model::Briefing& brief = mission().briefings[b_];
  setWindowTitle(tr("Briefing Editor") + QStringLiteral("          ") + teamEntry(b_));
  for (int r = 0; r < 32; ++r) {
    tagsGrid_->item(r, 1)->setText(fromFile(brief.tags[r]));
    stringsGrid_->item(r, 1)->setText(fromFile(brief.strings[r]));
  }
  runningTime_->setText(secondsText(brief.get(rec::RunningTime)));
  unknowns_[0]->setText(QString::number(brief.get(rec::Unknown1)));
  unknowns_[1]->setText(QString::number(brief.get(rec::Unknown2)));
  unknowns_[2]->setText(QString::number(brief.get(rec::Unknown3)));
  fillTeamEntries();
  seenBy_->blockSignals(true);
  for (int i = 0; i < 8; ++i) seenBy_->item(i)->setSelected(brief.get(rec::TeamVisible, i) == 1);
  seenBy_->blockSignals(false);
  list_ = brf::decode(brief).commands;
  pending_ = false;
  selected_ = std::clamp(selected_, 0, static_cast<int>(list_.size()) - 1);
  player_.setTags(brief.tags);
  player_.setRunningTime(brief.get(rec::RunningTime));
  timeBar_->setRange(0, std::max(0, static_cast<int>(brief.get(rec::RunningTime))));
  prevAct_->setEnabled(b_ > 0);
  nextAct_->setEnabled(b_ < 7);
  filling_ = false;
  rebuildList();
  preview_->invalidate();
}

void BriefingWindow::rebuildList() {
  brf::sortByTime(list_, selected_);
  filling_ = true;
  const model::Briefing& brief = mission().briefings[b_];
  const std::vector<std::string> names = flightGroupNames();
  const brf::LineContext lc{&brief.strings, &brief.tags, &names};
  instructions_->clear();
  for (const brf::Command& c : list_) instructions_->addItem(fromFile(brf::describe(c, lc)));
  selected_ = std::clamp(selected_, 0, static_cast<int>(list_.size()) - 1);
  instructions_->setCurrentRow(selected_);
  const int words = brf::wordCount(list_);
  wordCount_->setText(QString::number(words));
  filling_ = false;
  fillCurrentInstruction();
  updateActions();
  updatePlaybackLabels();
  if (words > brf::MaxWords) prompter_.warning(this, QString::fromLatin1(brf::TooManyMessage));
}

void BriefingWindow::fillCurrentInstruction() {
  if (selected_ < 0 || selected_ >= static_cast<int>(list_.size())) return;
  filling_ = true;
  const brf::Command& c = list_[selected_];
  const model::Briefing& brief = mission().briefings[b_];
  const int code = c.code;
  command_->setCurrentIndex(code < brf::CodeCount ? code : -1);
  time_->setValue(c.time);
  timeCaption_->setText(tr("Time (") + secondsText(c.time) + tr(" sec)"));
  colour_->setCurrentIndex(c.colour < brf::ColourCount ? c.colour : -1);
  if (code == brf::ZoomMap) {
    x_->setText(QString::number(c.x));
    y_->setText(QString::number(c.y));
  } else {
    x_->setText(twoDecimals(c.x / 160.0));
    y_->setText(twoDecimals(c.y / 160.0));
  }
  const bool end = c.isEnd();
  time_->setEnabled(!end);
  command_->setEnabled(!end);
  timeCaption_->setVisible(!end);

  auto show = [&](bool param, bool xOn, bool yOn, bool colourOn) {
    parameter_->setVisible(param);
    parameterCaption_->setVisible(param);
    xCaption_->setVisible(xOn);
    x_->setVisible(xOn);
    yCaption_->setVisible(yOn);
    y_->setVisible(yOn);
    colourCaption_->setVisible(colourOn);
    colour_->setVisible(colourOn);
  };
  auto fill = [&](const std::vector<std::string>& items, int at) {
    parameter_->clear();
    for (const std::string& s : items) parameter_->addItem(fromFile(s));
    parameter_->setCurrentIndex(at < parameter_->count() ? at : -1);
  };
  const std::vector<std::string> strings(brief.strings.begin(), brief.strings.end());
  const std::vector<std::string> tags(brief.tags.begin(), brief.tags.end());
  if (code == brf::StopPoint || code == brf::ClearBoxes || code == brf::ClearTags || end) {
    parameterCaption_->setText(QStringLiteral("                  Unused"));
    show(false, false, false, false);
  } else if (code == brf::TitleText || code == brf::BriefingText) {
    parameterCaption_->setText(code == brf::TitleText
                                   ? QStringLiteral("  Title (won't show up in Briefing)")
                                   : QStringLiteral("                   Text"));
    fill(strings, c.index);
    show(true, false, false, false);
  } else if (code == brf::MoveMap) {
    parameterCaption_->setText(QStringLiteral("          Option: Center on a FG"));
    fill(flightGroupNames(), c.index);
    show(true, true, true, false);
  } else if (code == brf::ZoomMap) {
    parameterCaption_->setText(QStringLiteral("Zoom 'presets' commonly used in Zyn"));
    std::vector<std::string> presets;
    for (const brf::ZoomPreset& z : brf::ZoomPresets) presets.push_back(z.text);
    fill(presets, 0);
    show(true, true, false, false);
  } else if (brf::isBox(code)) {
    parameterCaption_->setText(QStringLiteral("                   FG to Box"));
    fill(flightGroupNames(), c.index);
    show(true, false, false, false);
  } else if (brf::isTag(code)) {
    parameterCaption_->setText(QStringLiteral("                   Map Tag"));
    fill(tags, c.index);
    show(true, true, true, true);
  }
  filling_ = false;
}

void BriefingWindow::updateActions() {
  const bool preview = pages_->currentIndex() == PreviewPage;
  upAct_->setEnabled(!preview && brf::canMoveUp(list_, selected_));
  downAct_->setEnabled(!preview && brf::canMoveDown(list_, selected_));
  deleteAct_->setEnabled(!preview && brf::canDelete(list_, selected_));
}

void BriefingWindow::selectInstruction(int position) {
  if (position < 0 || position >= static_cast<int>(list_.size())) return;
  selected_ = position;
  filling_ = true;
  instructions_->setCurrentRow(position);
  filling_ = false;
  fillCurrentInstruction();
  updateActions();
}

void BriefingWindow::onDocumentChanged(unsigned what) {
  if (writing_) return;
  if (what & (BriefingFields | TeamFields | WholeMission)) {
    if (inserting_) finishInsertion(false);
    refillBriefing();
    if (!player_.playing()) player_.rewind();
  } else if (what & (FlightGroupFields | FlightGroupList)) {
    fillTeamEntries();
    if (!inserting_) rebuildList();
  }
  preview_->invalidate();
  redrawPreview();
}

void BriefingWindow::writeList(const brf::CommandList& list, const QString& /*undoText*/) {
  model::Briefing copy = mission().briefings[b_];
  const bool cut = brf::encode(list, copy);
  const auto from = copy.bytes.begin() + rec::EventWordsUsed.offset;
  const auto to = copy.bytes.begin() + rec::TeamVisible.offset;
  writing_ = true;
  doc_.patch(RecordKind::Briefing, {b_}, rec::EventWordsUsed.offset,
             std::vector<std::uint8_t>(from, to));
  writing_ = false;
  pending_ = false;
  if (cut) {
    prompter_.information(this, QString::fromLatin1(brf::TooBigMessage));
    list_ = brf::decode(mission().briefings[b_]).commands;
    selected_ = std::min(selected_, static_cast<int>(list_.size()) - 1);
    rebuildList();
  }
}

void BriefingWindow::commitList(const QString& undoText) {
  rebuildList();
  if (brf::wordCount(list_) <= brf::MaxWords)
    writeList(list_, undoText);
  else
    pending_ = true;
  redrawPreview();
}

void BriefingWindow::encodePending() {
  if (!pending_) return;
  writeList(list_, tr("Briefing"));
}

void BriefingWindow::edited(const std::function<void(brf::Command&)>& fn, const QString& undoText) {
  if (filling_ || selected_ < 0 || selected_ >= static_cast<int>(list_.size())) return;
  fn(list_[selected_]);
  commitList(undoText);
}

// ---------------------------------------------------------------------------------------------
// Editing the list

void BriefingWindow::insertInstruction(int code) {
  if (inserting_) return;
  std::string message;
  if (pages_->currentIndex() == PreviewPage) {
    pausePlayback();
    selectedBeforeInsert_ = selected_;
    beforeInsert_ = list_;
    viewBeforeInsert_ = player_.view();
    const int pos = brf::insertAtTime(list_, player_.current(), code, player_.time(), message);
    if (!message.empty()) prompter_.information(this, fromFile(message));
    const bool complete =
        code == brf::StopPoint || code == brf::ClearBoxes || code == brf::ClearTags;
    if (complete) {
      selected_ = pos;
      commitList(tr("Insert instruction"));
      player_.select(selected_);
      player_.setJumpPending();
      return;
    }
    inserting_ = list_[pos].code;
    insertAt_ = pos;
    selected_ = pos;
    startInsertionGroup(inserting_);
    return;
  }
  selected_ = brf::insertOnList(list_, selected_, code, message);
  if (!message.empty()) prompter_.information(this, fromFile(message));
  commitList(tr("Insert instruction"));
}

void BriefingWindow::startInsertionGroup(int code) {
  const model::Briefing& brief = mission().briefings[b_];
  zoomRow_->setVisible(code == brf::ZoomMap);
  moveRow_->setVisible(code == brf::MoveMap);
  const bool choice = code == brf::BriefingText || brf::isBox(code) || brf::isTag(code);
  insertChoice_->setVisible(choice);
  insertColour_->setVisible(brf::isTag(code));
  insertChoice_->blockSignals(true);
  insertChoice_->clear();
  if (code == brf::ZoomMap) {
    insertGroup_->setTitle(tr("Adjust Zoom"));
    zoomBar_->setValue(std::clamp(player_.view().zoom, 3, 500));
    zoomLabel_->setText(tr("Zoom: %1").arg(zoomBar_->value()));
  } else if (code == brf::MoveMap) {
    insertGroup_->setTitle(tr("Move Map"));
    moveX_->blockSignals(true);
    moveY_->blockSignals(true);
    moveX_->setValue(-player_.view().ox);
    moveY_->setValue(-player_.view().oy);
    moveX_->blockSignals(false);
    moveY_->blockSignals(false);
  } else if (code == brf::BriefingText) {
    insertGroup_->setTitle(tr("Briefing Text:"));
    for (const std::string& s : brief.strings) insertChoice_->addItem(fromFile(s));
  } else if (brf::isBox(code)) {
    insertGroup_->setTitle(tr("Box Flight Group:"));
    for (const std::string& s : flightGroupNames()) insertChoice_->addItem(fromFile(s));
  } else {
    insertGroup_->setTitle(tr("Click on map to place Tag:"));
    for (const std::string& s : brief.tags) insertChoice_->addItem(fromFile(s));
    insertColour_->setCurrentIndex(0);
  }
  insertChoice_->setCurrentIndex(insertChoice_->count() > 0 ? 0 : -1);
  insertChoice_->blockSignals(false);
  setInsertionMode(true);
}

void BriefingWindow::setInsertionMode(bool on) {
  insertGroup_->setVisible(on);
  toolBar_->setEnabled(!on);
  playbackRow_->setEnabled(!on);
  timeBar_->setEnabled(!on);
  sideColumn_->setVisible(!on);
  caption_->setEnabled(!on);
  description_->setEnabled(!on);
  if (!on) {
    inserting_ = 0;
    insertAt_ = -1;
  }
}

void BriefingWindow::finishInsertion(bool done) {
  if (!inserting_ || insertAt_ < 0 || insertAt_ >= static_cast<int>(list_.size())) {
    setInsertionMode(false);
    return;
  }
  if (!done) {
    list_ = beforeInsert_;
    player_.view() = viewBeforeInsert_;
    selected_ = selectedBeforeInsert_;
    setInsertionMode(false);
    rebuildList();
    redrawPreview();
    return;
  }
  brf::Command& c = list_[insertAt_];
  const int code = inserting_;
  if (code == brf::ZoomMap) {
    c.x = c.y = static_cast<std::int16_t>(zoomBar_->value());
  } else if (code == brf::MoveMap) {
    const int zoom = player_.view().zoom == 0 ? 4 : player_.view().zoom;
    c.x = static_cast<std::int16_t>(std::nearbyint(double(brf::MapScale) / zoom * moveX_->value()));
    c.y = static_cast<std::int16_t>(std::nearbyint(double(brf::MapScale) / zoom * moveY_->value()));
  } else {
    c.index = static_cast<std::uint16_t>(std::max(0, insertChoice_->currentIndex()));
    bool full = false;
    if (brf::isBox(code))
      c.code = static_cast<std::uint16_t>(brf::nextBoxCode(list_, insertAt_, full));
    if (brf::isTag(code)) {
      c.code = static_cast<std::uint16_t>(brf::nextTagCode(list_, insertAt_, full));
      c.colour = static_cast<std::uint16_t>(std::max(0, insertColour_->currentIndex()));
    }
  }
  selected_ = insertAt_;
  setInsertionMode(false);
  commitList(tr("Insert instruction"));
  player_.select(selected_);
  player_.setJumpPending();
  redrawPreview();
}

void BriefingWindow::deleteInstruction() {
  if (!brf::canDelete(list_, selected_)) return;
  if (ctx_.settings.confirmDeletes &&
      prompter_.question(this, tr("Delete Current Instruction - Are You Sure?"),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  list_.erase(list_.begin() + selected_);
  commitList(tr("Delete instruction"));
}

void BriefingWindow::moveInstructionUp() {
  if (!brf::canMoveUp(list_, selected_)) return;
  brf::moveUp(list_, selected_);
  commitList(tr("Move instruction"));
}

void BriefingWindow::moveInstructionDown() {
  if (!brf::canMoveDown(list_, selected_)) return;
  brf::moveDown(list_, selected_);
  commitList(tr("Move instruction"));
}

void BriefingWindow::onTimeStep(int value) {
  if (filling_ || selected_ < 0 || selected_ >= static_cast<int>(list_.size())) return;
  const int delta = value - list_[selected_].time;
  brf::stepTime(list_, selected_, delta, adjustFollowing_->isChecked());
  commitList(tr("Instruction time"));
}

void BriefingWindow::onCommandChosen(int index) {
  edited(
      [index](brf::Command& c) {
        c.code = static_cast<std::uint16_t>(index);
        if (index == brf::EndMarker) c.time = brf::EndTime;
      },
      tr("Instruction"));
}

void BriefingWindow::onParameterChosen(int index) {
  if (filling_ || index < 0 || selected_ < 0) return;
  const std::size_t point = model::Briefing1 + b_;
  edited(
      [&](brf::Command& c) {
        if (c.code == brf::ZoomMap) {
          c.x = c.y =
              static_cast<std::int16_t>(brf::ZoomPresets[std::min<std::size_t>(index, 8)].zoom);
          return;
        }
        c.index = static_cast<std::uint16_t>(index);
        if (c.code == brf::MoveMap && index < static_cast<int>(mission().flightGroups.size())) {
          c.x = static_cast<std::int16_t>(mission().flightGroups[index].x(point));
          c.y = static_cast<std::int16_t>(mission().flightGroups[index].y(point));
        }
      },
      tr("Instruction"));
}

void BriefingWindow::onXEdited() {
  if (filling_ || selected_ < 0) return;
  const brf::Command& cur = list_[selected_];
  int v = 0;
  const bool zoom = cur.code == brf::ZoomMap;
  const bool ok = zoom ? brf::parseWhole(x_->text().toStdString(), v)
                       : brf::parseKm(x_->text().toStdString(), v);
  if (!ok || v < -32768 || v > 32767) {
    fillCurrentInstruction();  // not a number: nothing changes
    return;
  }
  edited(
      [&](brf::Command& c) {
        c.x = static_cast<std::int16_t>(v);
        if (zoom) c.y = c.x;
      },
      tr("Instruction"));
}

void BriefingWindow::onYEdited() {
  if (filling_ || selected_ < 0) return;
  int v = 0;
  if (!brf::parseKm(y_->text().toStdString(), v) || v < -32768 || v > 32767) {
    fillCurrentInstruction();
    return;
  }
  edited([&](brf::Command& c) { c.y = static_cast<std::int16_t>(v); }, tr("Instruction"));
}

void BriefingWindow::onColourChosen(int index) {
  edited([index](brf::Command& c) { c.colour = static_cast<std::uint16_t>(index); },
         tr("Instruction"));
}

void BriefingWindow::onRunningTimeEdited() {
  if (filling_) return;
  int ticks = 0;
  if (!brf::parseSeconds(runningTime_->text().toStdString(), ticks) || ticks < 0 || ticks > 32767) {
    runningTime_->setText(secondsText(mission().briefings[b_].get(rec::RunningTime)));
    return;
  }
  writing_ = true;
  doc_.setField(RecordKind::Briefing, b_, rec::RunningTime, static_cast<model::i16>(ticks));
  writing_ = false;
  player_.setRunningTime(ticks);
  timeBar_->setRange(0, ticks);
}

void BriefingWindow::onUnknownEdited(int which) {
  if (filling_) return;
  static const model::Field<model::u16> fields[] = {rec::Unknown1, rec::Unknown2, rec::Unknown3};
  int v = 0;
  if (!brf::parseWhole(unknowns_[which]->text().toStdString(), v) || v < 0 || v > 65535) {
    unknowns_[which]->setText(QString::number(mission().briefings[b_].get(fields[which])));
    return;
  }
  writing_ = true;
  doc_.setField(RecordKind::Briefing, b_, fields[which], static_cast<model::u16>(v));
  writing_ = false;
}

void BriefingWindow::onSeenByChanged() {
  if (filling_) return;
  std::vector<std::uint8_t> flags(8);
  for (int i = 0; i < 8; ++i) flags[i] = seenBy_->item(i)->isSelected() ? 1 : 0;
  writing_ = true;
  doc_.patch(RecordKind::Briefing, {b_}, rec::TeamVisible.offset, flags);
  writing_ = false;
}

void BriefingWindow::onStringEdited(bool tags, int row, int column) {
  if (filling_ || column != 1) return;
  const std::string text = toFile((tags ? tagsGrid_ : stringsGrid_)->item(row, 1)->text());
  const auto& now = tags ? mission().briefings[b_].tags : mission().briefings[b_].strings;
  if (now[row] == text) return;
  const int b = b_;
  writing_ = true;
  doc_.editContent(tags ? tr("Map tag") : tr("Briefing text"), ChangedFlag::Mission,
                   [=](model::Mission& m) {
                     (tags ? m.briefings[b].tags : m.briefings[b].strings)[row] = text;
                   });
  writing_ = false;
  player_.setTags(mission().briefings[b_].tags);
}

// ---------------------------------------------------------------------------------------------
// Accessories

void BriefingWindow::copyBriefing() {
  const int t = copyTarget_->currentIndex();
  if (t < 0) return;
  if (t == b_) {
    prompter_.information(this,
                          tr("This IS the briefing for Team") + teamEntry(b_).trimmed() + "!");
    return;
  }
  if (prompter_.question(this,
                         tr("Copy Briefing ") + teamEntry(b_) + tr(" to ") + teamEntry(t) + "?",
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  // The copy takes the briefing as the user sees it, pending edits included.
  encodePending();
  const int b = b_;
  doc_.editContent(tr("Copy briefing"), ChangedFlag::Mission,
                   [=](model::Mission& m) { brf::copyBriefing(m, b, t); });
}

void BriefingWindow::copyIconPositions() {
  const int t = copyTarget_->currentIndex();
  if (t < 0) return;
  if (t == b_) {
    prompter_.information(this,
                          tr("This IS the briefing for Team") + teamEntry(b_).trimmed() + "!");
    return;
  }
  if (prompter_.question(
          this, tr("Copy Icon positions from ") + teamEntry(b_) + tr(" to ") + teamEntry(t) + "?",
          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  const int b = b_;
  doc_.editContent(tr("Copy icon positions"), ChangedFlag::FlightGroup,
                   [=](model::Mission& m) { brf::copyIconPositions(m, b, t); });
}

void BriefingWindow::setIconsToStart1() {
  if (player_.playing()) return;
  if (prompter_.question(
          this,
          tr("Set Briefing Points to Start Point 1 for Briefing ") + QString::number(b_ + 1) + "?",
          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  const int b = b_;
  doc_.editContent(tr("Set icon positions to Start 1"), ChangedFlag::FlightGroup,
                   [=](model::Mission& m) { brf::setIconsToStart1(m, b); });
  preview_->invalidate();
  redrawPreview();
}

void BriefingWindow::makeBriefing() {
  if (prompter_.question(this, tr("Rewrite briefing - Are you sure?"),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  brf::AutoBriefOptions o;
  int ticks = 0;
  o.seconds = brf::parseSeconds(autoSeconds_->text().toStdString(), ticks) ? ticks / 20.0 : 0;
  o.boxNames = autoBox_->isChecked();
  if (autoCentre_->isChecked() && autoCentreOn_->currentIndex() >= 0)
    o.centreOn = autoCentreOn_->currentIndex();
  if (autoZoom_->isChecked())
    o.zoom = brf::ZoomPresets[std::clamp(autoZoomPreset_->currentIndex(), 0, 8)].zoom;
  const brf::AutoBriefResult r = brf::autoBrief(mission(), b_, o);
  if (!r.ok) {
    prompter_.information(this, fromFile(r.message));
    return;
  }
  pending_ = false;
  const int b = b_;
  doc_.editContent(tr("Auto-Brief"), ChangedFlag::Mission,
                   [=](model::Mission& m) { brf::applyAutoBrief(m, b, r); });
  if (!r.message.empty()) prompter_.information(this, fromFile(r.message));
}

void BriefingWindow::loadBrfFile() {
  const QString dir =
      env_.missionFile.empty()
          ? QString()
          : QString::fromStdString(std::filesystem::path(env_.missionFile).parent_path().string());
  const QString file = prompter_.openFileName(this, tr("Load matching Vortan .brf file"), dir,
                                              dialogFilter(tr("Vortan Briefing files|*.brf")), {});
  if (file.isEmpty()) return;
  if (inserting_) finishInsertion(false);
  pausePlayback();
  // Edits of another shown briefing go into the Mission first, as when changing briefing;
  // those of briefing 1 give way to the import, unless the file is refused.
  if (b_ != 0) encodePending();
  const bool wasPending = pending_;
  pending_ = false;
  std::string message;
  bool ok = false;
  const std::string path = file.toStdString();
  doc_.editContent(tr("Load .brf file"), ChangedFlag::Mission,
                   [&](model::Mission& m) { ok = editing::importBriefingFile(path, m, message); });
  if (ok) return;
  pending_ = wasPending;
  if (!message.empty()) prompter_.error(this, QString::fromStdString(message));
}

void BriefingWindow::saveMission() {
  encodePending();
  if (env_.save) env_.save();
}

// ---------------------------------------------------------------------------------------------
// Pages, keys, closing

void BriefingWindow::onPageChanged(int index) {
  if (inserting_ && index != PreviewPage) {
    pages_->blockSignals(true);
    pages_->setCurrentIndex(PreviewPage);
    pages_->blockSignals(false);
    return;
  }
  if (lastPage_ == PreviewPage || lastPage_ == StringsPage) rebuildList();
  if (index == PreviewPage) {
    player_.rewind();
    updatePlaybackLabels();
    redrawPreview();
  } else if (index == ListPage || index == StringsPage) {
    pausePlayback();
  }
  lastPage_ = index;
  updateActions();
}

void BriefingWindow::keyPressEvent(QKeyEvent* e) {
  if (e->modifiers() & Qt::ControlModifier) {
    if (e->key() == Qt::Key_S) {
      encodePending();
      if (env_.save) env_.save();
      return;
    }
    if (e->key() == Qt::Key_A) {
      encodePending();
      if (env_.saveAs) env_.saveAs();
      return;
    }
  }
  if (e->key() == Qt::Key_Space && pages_->currentIndex() == PreviewPage && !inserting_) {
    if (player_.playing())
      pausePlayback();
    else
      play();
    return;
  }
  if (e->key() == Qt::Key_Escape && inserting_) {
    finishInsertion(false);
    return;
  }
  QDialog::keyPressEvent(e);
}

void BriefingWindow::closeEvent(QCloseEvent* e) {
  if (inserting_) finishInsertion(false);
  setPlaying(false);
  encodePending();
  QDialog::closeEvent(e);
}

void BriefingWindow::reject() {
  if (inserting_) finishInsertion(false);
  setPlaying(false);
  encodePending();
  QDialog::reject();
}

// ---------------------------------------------------------------------------------------------
// Playback

void BriefingWindow::setPlaying(bool on) {
  if (on && !timer_->isActive()) timer_->start();
  if (!on) timer_->stop();
  updatePlaybackLabels();
}

void BriefingWindow::play() {
  if (inserting_) return;
  int ticks = 0;
  if (brf::parseSeconds(runningTime_->text().toStdString(), ticks)) player_.setRunningTime(ticks);
  switch (player_.play(mission().briefings[b_].get(rec::EventWordsUsed))) {
    case brf::PlayStart::NoInstructions:
      prompter_.information(this, QString::fromLatin1(brf::NoInstructionsMessage));
      return;
    case brf::PlayStart::ZeroRunningTime:
      prompter_.information(this, QString::fromLatin1(brf::ZeroTimeMessage));
      return;
    case brf::PlayStart::Started:
      setPlaying(true);
      return;
  }
}

void BriefingWindow::pausePlayback() {
  player_.pause();
  setPlaying(false);
  redrawPreview();
}

void BriefingWindow::rewindAndStop() {
  player_.rewindAndStop();
  setPlaying(false);
  redrawPreview();
}

void BriefingWindow::rewindAndPlay() {
  player_.rewind();
  play();
  redrawPreview();
}

void BriefingWindow::seekTo(int ticks) {
  if (player_.playing() || inserting_) return;
  player_.seek(ticks);
  redrawPreview();
}

void BriefingWindow::tick() {
  player_.tick();
  if (!player_.playing()) setPlaying(false);
  updatePlaybackLabels();
  if (player_.dirty) redrawPreview();
}

void BriefingWindow::updatePlaybackLabels() {
  const int t = player_.time();
  timeLabel_->setText(QStringLiteral(" Time: ") + twoDecimals(t / 20.0));
  const int cur = player_.current();
  QString label;
  if (cur >= 0 && cur < static_cast<int>(list_.size()))
    label = QString::fromStdString(brf::label(list_[cur].code));
  instructionLabel_->setText(QStringLiteral("Instruction #%1 :  ").arg(cur + 1) + label);
  if (!timeBar_->isSliderDown()) {
    timeBar_->blockSignals(true);
    timeBar_->setValue(t);
    timeBar_->blockSignals(false);
  }
}

void BriefingWindow::redrawPreview() {
  player_.dirty = false;
  updatePlaybackLabels();
  caption_->setText(briefingCaption(preview_->scene()));
  preview_->update();
}

// ---------------------------------------------------------------------------------------------
// Mouse on the map

int BriefingWindow::snapValue(int value, bool xAxis) const {
  const int step = snapChosen_ ? brf::snapStep((xAxis ? xSnap_ : ySnap_)->currentIndex()) : 1;
  return brf::snap(value, step);
}

void BriefingWindow::mapPressed(QPoint at) {
  const brf::DisplayState& v = player_.view();
  if (brf::isTag(inserting_) && insertAt_ >= 0) {
    brf::Command& c = list_[insertAt_];
    c.x = static_cast<std::int16_t>(brf::toMapX(v, at.x()));
    c.y = static_cast<std::int16_t>(brf::toMapY(v, at.y()));
    c.index = static_cast<std::uint16_t>(std::max(0, insertChoice_->currentIndex()));
    c.colour = static_cast<std::uint16_t>(std::max(0, insertColour_->currentIndex()));
    player_.execute(insertAt_);
    player_.finishMotions();
    redrawPreview();
    return;
  }
  if (player_.playing() || inserting_) return;
  dragGroup_ =
      brf::pickFlightGroup(mission(), b_, v, brf::toMapX(v, at.x()), brf::toMapY(v, at.y()));
  dragTag_ = dragGroup_ < 0 ? brf::pickTag(list_, v, at.x(), at.y()) : -1;
  ++dragSerial_;
  if (dragGroup_ >= 0) doc_.beginTransaction(QStringLiteral("brf-icon-drag-%1").arg(dragSerial_));
}

void BriefingWindow::mapMoved(QPoint at) {
  const brf::DisplayState& v = player_.view();
  const int mx = brf::toMapX(v, at.x()), my = brf::toMapY(v, at.y());
  mouseXLabel_->setText(QStringLiteral("X = ") + twoDecimals(mx / 160.0));
  mouseYLabel_->setText(QStringLiteral("Y = ") + twoDecimals(my / 160.0));
  const int sx = snapValue(mx, true), sy = snapValue(my, false);
  if (dragGroup_ >= 0 && dragGroup_ < static_cast<int>(mission().flightGroups.size())) {
    const std::size_t point = model::Briefing1 + b_;
    const QString key = QStringLiteral("brf-icon-drag-%1").arg(dragSerial_);
    writing_ = true;
    if (!lockX_->isChecked())
      doc_.patch(
          RecordKind::FlightGroup, {dragGroup_}, fg::WaypointX.at(point),
          {static_cast<std::uint8_t>(sx & 0xFF), static_cast<std::uint8_t>((sx >> 8) & 0xFF)}, key);
    if (!lockY_->isChecked())
      doc_.patch(
          RecordKind::FlightGroup, {dragGroup_}, fg::WaypointY.at(point),
          {static_cast<std::uint8_t>(sy & 0xFF), static_cast<std::uint8_t>((sy >> 8) & 0xFF)}, key);
    writing_ = false;
    preview_->invalidate();
    redrawPreview();
  } else if (dragTag_ >= 0 && dragTag_ < static_cast<int>(list_.size())) {
    if (!lockX_->isChecked()) list_[dragTag_].x = static_cast<std::int16_t>(sx);
    if (!lockY_->isChecked()) list_[dragTag_].y = static_cast<std::int16_t>(sy);
    redrawPreview();
  }
}

void BriefingWindow::mapReleased() {
  if (dragTag_ >= 0) {
    dragTag_ = -1;
    // The whole drag is one step.
    commitList(tr("Move map tag"));
  }
  if (dragGroup_ >= 0) doc_.commitTransaction();
  dragGroup_ = -1;
}

}  // namespace app
