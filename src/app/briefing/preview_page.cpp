#include "app/briefing/preview_page.h"
#include "app/base/input_policy.h"

#include <QCoreApplication>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/base/accessible_value.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/briefing/accessories_page.h"
#include "app/briefing/briefing_painter.h"
#include "app/briefing/briefing_preview.h"
#include "app/briefing/briefing_session.h"
#include "app/briefing/playback_controller.h"
#include "app/briefing/strings_page.h"
#include "app/document/editor_context.h"
#include "app/document/field_binding.h"
#include "app/document/step_text.h"
#include "briefing/preview.h"
#include "editing/descriptions.h"

namespace app {

namespace brf = briefing;
namespace rec = model::briefing;

namespace {

QString twoDecimals(double v) {
  return QString::number(v, 'f', 2);
}

// "Total Running Time (sec):" as typed: seconds, stored in ticks (0..32767).
TypedValue typedRunningTime(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return {};
  int ticks = 0;
  if (!brf::parseSeconds(t.toStdString(), ticks))
    return {TypedValue::Refused, 0,
            QCoreApplication::translate("PreviewPage", "'%1' is not a number of seconds.").arg(t)};
  if (ticks < 0 || ticks > rec::RunningTime.max)
    return {TypedValue::Refused, 0,
            QCoreApplication::translate("PreviewPage", "The running time is %1 seconds at most.")
                .arg(QString::fromStdString(brf::seconds(rec::RunningTime.max)))};
  return {TypedValue::Value, ticks, {}};
}

}  // namespace

PreviewPage::PreviewPage(const EditorContext& context, BriefingSession& session,
                         PlaybackController& playback, QWidget* parent)
    : QWidget(parent),
      ctx_(context),
      session_(session),
      playback_(playback),
      icons_(session, *this),
      tags_(session, *this),
      place_(session, *this) {
  auto* row = new QHBoxLayout(this);
  row->addWidget(buildMapColumn());
  sideColumn_ = buildSideColumn();
  row->addWidget(sideColumn_);
  placeGroup_ = buildPlacementGroup();
  placeGroup_->hide();
  row->addWidget(placeGroup_);

  connect(&playback_, &PlaybackController::frame, this, [this] {
    updateLabels();
    if (!playback_.player().dirty) return;
    redraw(false);
  });
  connect(&playback_, &PlaybackController::notice, this,
          [this](const QString& text) { ctx_.prompter.information(this, text); });
  connect(&session_, &BriefingSession::placementChanged, this, &PreviewPage::onPlacementChanged);
  // A screen reader hears the current instruction as the preview's value.
  const auto tellCurrent = [this] {
    const model::Briefing& brief = session_.record();
    const std::vector<std::string> names = editing::nameList(session_.mission(), ctx_.vocabulary);
    const brf::LineContext lc{&brief.strings, &brief.tags, &names};
    const auto& list = session_.instructions();
    const int at = session_.selected();
    setAccessibleValue(map_, at >= 0 && at < static_cast<int>(list.size())
                                 ? fromFile(brf::describe(list[static_cast<std::size_t>(at)], lc))
                                 : QString());
  };
  connect(&session_, &BriefingSession::selectionChanged, this, tellCurrent);
  connect(&session_, &BriefingSession::listChanged, this, tellCurrent);
  connect(&session_, &BriefingSession::shown, this, tellCurrent);
  connect(&session_, &BriefingSession::shown, this, &PreviewPage::followRecord);
  connect(&session_, &BriefingSession::recordChanged, this, &PreviewPage::followRecord);
  bindRecord();
  fillEntries();
  followRecord();
}

void PreviewPage::bindRecord() {
  bindings_ =
      new FieldBindings(this, session_.document(),
                        oneRecord(RecordKind::Briefing, [s = &session_] { return s->briefing(); }));
  bindings_->bind(seenBy_, rec::TeamVisible).undoText(editText(tr("Seen by")));
  bindings_->bindNumberText(runningTime_, rec::RunningTime)
      .parses(typedRunningTime)
      .formats([](long long ticks) {
        return QString::fromStdString(brf::seconds(static_cast<int>(ticks)));
      })
      .undoText(editText(tr("Running Time")));
  connect(&session_, &BriefingSession::shown, bindings_, [b = bindings_] { b->refill(); });
}

PreviewPage::~PreviewPage() = default;

QWidget* PreviewPage::buildMapColumn() {
  auto* column = new QWidget(this);
  auto* col = new QVBoxLayout(column);
  col->setContentsMargins(0, 0, 0, 0);
  buildMap(column);
  col->addWidget(description_);
  col->addWidget(map_);
  col->addWidget(caption_);
  col->addWidget(buildPlaybackRow(column));
  col->addWidget(buildTimeBar(column));
  col->addLayout(buildPlayLabels(column));
  col->addStretch(1);
  return column;
}

// The map between the description strip above it and the caption strip below it.
void PreviewPage::buildMap(QWidget* column) {
  description_ = new BriefingStrip(false, column);
  description_->setObjectName(QStringLiteral("DescriptionStrip"));
  map_ = new BriefingPreview(column);
  setAccessibleValue(map_, {});
  map_->setObjectName(QStringLiteral("BriefingMap"));
  map_->setAccessibleName(tr("Briefing preview"));
  map_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(map_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { emit popupRequested(map_, at); });
  caption_ = new BriefingStrip(true, column);
  caption_->setObjectName(QStringLiteral("CaptionStrip"));
  map_->scene = [this] {
    BriefingScene s;
    s.mission = &session_.mission();
    s.briefing = session_.briefing();
    s.view = &playback_.player().view();
    s.commands = &session_.instructions();
    s.showNames = showNames_ && showNames_->isChecked();
    s.icon = craftIcons();
    return s;
  };
  // Placing takes the map; while playing nothing is dragged; else an icon, or else a tag.
  map_->tools = [this]() -> std::vector<CanvasTool*> {
    if (session_.placing()) return {&place_};
    if (playback_.playing()) return {};
    return {&icons_, &tags_};
  };
  map_->hovered = [this](QPoint at) { hovered(at); };
  connect(map_, &BriefingPreview::gestureChanged, this, &PreviewPage::gestureChanged);
}

// The player's buttons.
QWidget* PreviewPage::buildPlaybackRow(QWidget* column) {
  playbackRow_ = new QWidget(column);
  auto* buttons = new QHBoxLayout(playbackRow_);
  buttons->setContentsMargins(0, 0, 0, 0);
  // Each button runs what it says on the player or the page.
  auto button = [&](const char* name, const QString& text, const QString& hint, auto* receiver,
                    auto slot) {
    auto* b = new QToolButton(playbackRow_);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    buttons->addWidget(b);
    connect(b, &QToolButton::clicked, receiver, slot);
  };
  using P = PlaybackController;
  PlaybackController* p = &playback_;
  button("RewindPlayBtn", QStringLiteral("|\u25C0\u25B6"), tr("Rewind and Play"), this, [this] {
    playback_.rewind();
    play();
  });
  button("RewindStopBtn", QStringLiteral("|\u25C0\u25A0"), tr("Rewind and Stop"), p,
         &P::rewindAndStop);
  button("PauseBtn", QStringLiteral("\u2016"), tr("Pause"), p, &P::pause);
  button("PrevInstructionBtn", QStringLiteral("\u25C0|"), tr("Previous Instruction"), p,
         &P::previousInstruction);
  button("PlayBtn", QStringLiteral("\u25B6"), tr("Play"), this, &PreviewPage::play);
  button("StepTickBtn", QStringLiteral("+.05"), tr("Advance 0.05 seconds"), p, &P::stepTick);
  button("NextInstructionBtn", QStringLiteral("|\u25B6"), tr("Advance to next Instruction"), p,
         &P::nextInstruction);
  button("NextStopBtn", QStringLiteral("\u25B6\u25B6|"), tr("Advance to next Stop point"), p,
         &P::nextStopPoint);
  buttons->addStretch(1);
  return playbackRow_;
}

QSlider* PreviewPage::buildTimeBar(QWidget* column) {
  timeBar_ = new QSlider(Qt::Horizontal, column);
  timeBar_->setObjectName(QStringLiteral("TimeBar"));
  timeBar_->setAccessibleName(tr("Briefing time"));
  connect(timeBar_, &QSlider::sliderMoved, this, [this](int t) {
    if (!session_.placing()) playback_.seek(t);
  });
  connect(timeBar_, &QSlider::actionTriggered, this, [this](int action) {
    if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction)
      QTimer::singleShot(0, this, [this] {
        if (!session_.placing()) playback_.seek(timeBar_->value());
      });
  });
  return timeBar_;
}

// The time played, the instruction and the map position under the mouse.
QHBoxLayout* PreviewPage::buildPlayLabels(QWidget* column) {
  auto* labels = new QHBoxLayout;
  timeLabel_ = new QLabel(column);
  timeLabel_->setObjectName(QStringLiteral("PlayTimeLabel"));
  instructionLabel_ = new QLabel(column);
  instructionLabel_->setObjectName(QStringLiteral("InstructionLabel"));
  mouseXLabel_ = new QLabel(QStringLiteral("X = "), column);
  mouseXLabel_->setObjectName(QStringLiteral("MouseXLabel"));
  mouseYLabel_ = new QLabel(QStringLiteral("Y = "), column);
  mouseYLabel_->setObjectName(QStringLiteral("MouseYLabel"));
  labels->addWidget(timeLabel_);
  labels->addWidget(instructionLabel_, 1);
  labels->addWidget(mouseXLabel_);
  labels->addWidget(mouseYLabel_);
  return labels;
}

QWidget* PreviewPage::buildSideColumn() {
  auto* column = new QWidget(this);
  auto* side = new QVBoxLayout(column);
  side->setContentsMargins(0, 0, 0, 0);
  pauseAtStops_ = new QCheckBox(tr("Pause at Stop points"), column);
  pauseAtStops_->setObjectName(QStringLiteral("PauseAtStopsCheck"));
  connect(pauseAtStops_, &QCheckBox::toggled, this,
          [this](bool on) { playback_.player().setPauseAtStops(on); });
  showNames_ = new QCheckBox(tr("Show names"), column);
  showNames_->setObjectName(QStringLiteral("ShowNamesCheck"));
  showNames_->setChecked(true);
  connect(showNames_, &QCheckBox::toggled, this, [this] { redraw(false); });
  side->addWidget(pauseAtStops_);
  side->addWidget(showNames_);
  auto* snaps = new QGridLayout;
  const QStringList snapChoices{tr("Off"), QStringLiteral("0.1"), QStringLiteral("0.2"),
                                QStringLiteral("0.5")};
  auto snapBox = [&](const char* name) {
    auto* c = new QComboBox(column);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(snapChoices);
    // Until a snap is first chosen, drags move in single map units.
    connect(c, &QComboBox::activated, this, [this] { snapChosen_ = true; });
    return c;
  };
  auto lockButton = [&](const char* name, const QString& text) {
    auto* b = new QToolButton(column);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setCheckable(true);
    return b;
  };
  xSnap_ = snapBox("XSnapBox");
  ySnap_ = snapBox("YSnapBox");
  lockX_ = lockButton("LockXBtn", tr("lock X"));
  lockY_ = lockButton("LockYBtn", tr("lock Y"));
  snaps->addWidget(captionFor(xSnap_, tr("X Snap"), column), 0, 0);
  snaps->addWidget(xSnap_, 0, 1);
  snaps->addWidget(lockX_, 0, 2);
  snaps->addWidget(captionFor(ySnap_, tr("Y Snap"), column), 1, 0);
  snaps->addWidget(ySnap_, 1, 1);
  snaps->addWidget(lockY_, 1, 2);
  side->addLayout(snaps);
  seenBy_ = new QListWidget(column);
  seenBy_->setObjectName(QStringLiteral("SeenByList"));
  side->addWidget(captionFor(seenBy_, tr("Seen by:"), column));
  seenBy_->setSelectionMode(QAbstractItemView::MultiSelection);
  // The eight team entries; their texts follow the teams' names.
  for (int i = 0; i < 8; ++i) seenBy_->addItem(QString());
  side->addWidget(seenBy_);
  runningTime_ = new QLineEdit(column);
  runningTime_->setObjectName(QStringLiteral("RunningTimeEdit"));
  side->addWidget(captionFor(runningTime_, tr("Total Running Time (sec):"), column));
  side->addWidget(runningTime_);
  side->addStretch(1);
  return column;
}

QGroupBox* PreviewPage::buildPlacementGroup() {
  auto* group = new QGroupBox(this);
  group->setObjectName(QStringLiteral("InsertGroup"));
  auto* ig = new QVBoxLayout(group);
  buildZoomRow(group);
  buildMoveRow(group);
  choice_ = new QComboBox(group);
  choice_->setObjectName(QStringLiteral("InsertChoiceBox"));
  choice_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  choice_->setMinimumContentsLength(24);
  colour_ = new QComboBox(group);
  colour_->setObjectName(QStringLiteral("InsertColourBox"));
  for (int c = 0; c < brf::ColourCount; ++c)
    colour_->addItem(QString::fromStdString(brf::colourName(c)));
  for (QComboBox* box : {choice_, colour_})
    connect(box, &QComboBox::activated, this, &PreviewPage::choosePlaced);
  auto* done = new QPushButton(tr("Done"), group);
  done->setObjectName(QStringLiteral("InsertDoneBtn"));
  auto* cancel = new QPushButton(tr("Cancel"), group);
  cancel->setObjectName(QStringLiteral("InsertCancelBtn"));
  connect(done, &QPushButton::clicked, this, [this] { place_.done(); });
  connect(cancel, &QPushButton::clicked, this, [this] { place_.cancel(); });
  ig->addWidget(zoomRow_);
  ig->addWidget(moveRow_);
  ig->addWidget(choice_);
  ig->addWidget(colour_);
  auto* dr = new QHBoxLayout;
  dr->addWidget(done);
  dr->addWidget(cancel);
  ig->addLayout(dr);
  ig->addStretch(1);
  return group;
}

// The zoom of the map while an instruction is placed, with its caption.
void PreviewPage::buildZoomRow(QWidget* group) {
  zoomRow_ = new QWidget(group);
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
    zoomLabel_->setText(tr("Zoom: %1").arg(z));
    place_.zoomTo(z);
  });
}

// The bars that scroll the map while an instruction is placed.
void PreviewPage::buildMoveRow(QWidget* group) {
  moveRow_ = new QWidget(group);
  auto* mr = new QVBoxLayout(moveRow_);
  mr->setContentsMargins(0, 0, 0, 0);
  moveX_ = new QScrollBar(Qt::Horizontal, moveRow_);
  moveX_->setObjectName(QStringLiteral("MoveXBar"));
  moveY_ = new QScrollBar(Qt::Horizontal, moveRow_);
  moveY_->setObjectName(QStringLiteral("MoveYBar"));
  for (QScrollBar* s : {moveX_, moveY_}) {
    s->setRange(-5000, 5000);
    mr->addWidget(s);
  }
  // Each bar scrolls its own axis; the other stays where the view is, so a bar set to follow
  // the view changes nothing.
  connect(moveX_, &QScrollBar::valueChanged, this,
          [this](int x) { place_.scrollTo(x, -playback_.player().view().oy); });
  connect(moveY_, &QScrollBar::valueChanged, this,
          [this](int y) { place_.scrollTo(-playback_.player().view().ox, y); });
}

// ---------------------------------------------------------------------------------------------

void PreviewPage::setDescription(const QString& text) {
  description_->setText(text);
}

void PreviewPage::fillEntries() {
  for (int i = 0; i < seenBy_->count(); ++i)
    seenBy_->item(i)->setText(briefingTeamEntry(session_.mission(), i));
}

void PreviewPage::followRecord() {
  const int running = session_.record().get(rec::RunningTime);
  playback_.reset();
  timeBar_->setRange(0, std::max(0, running));
  map_->invalidate();
  redraw(false);
}

void PreviewPage::play() {
  if (session_.placing()) return;
  int ticks = 0;
  if (!brf::parseSeconds(runningTime_->text().toStdString(), ticks))
    ticks = playback_.player().runningTime();
  playback_.play(ticks);
}

void PreviewPage::insert(int code) {
  // The clears leave playback as it was; everything else stops it first.
  if (code != brf::ClearBoxes && code != brf::ClearTags) playback_.pause();
  place_.begin(code);
}

bool PreviewPage::gestureActive() const {
  return map_->activeTool() || session_.placing();
}

void PreviewPage::cancelGesture() {
  if (map_->activeTool())
    map_->cancelGesture();
  else
    place_.cancel();
}

void PreviewPage::onPlacementChanged() {
  const int code = session_.placement().code;
  const bool on = session_.placing();
  placeGroup_->setVisible(on);
  playbackRow_->setEnabled(!on);
  timeBar_->setEnabled(!on);
  sideColumn_->setVisible(!on);
  caption_->setEnabled(!on);
  description_->setEnabled(!on);
  emit gestureChanged();
  if (!on) return;
  const model::Briefing& brief = session_.record();
  const brf::DisplayState& v = playback_.player().view();
  zoomRow_->setVisible(code == brf::ZoomMap);
  moveRow_->setVisible(code == brf::MoveMap);
  choice_->setVisible(code == brf::BriefingText || brf::isBox(code) || brf::isTag(code));
  colour_->setVisible(brf::isTag(code));
  // The bars follow the view (their handlers change nothing then); the choices are the user's
  // (`activated`), filled here with the first entry taken.
  choice_->clear();
  if (code == brf::ZoomMap) {
    placeGroup_->setTitle(tr("Adjust Zoom"));
    zoomBar_->setValue(std::clamp(v.zoom, 3, 500));
    zoomLabel_->setText(tr("Zoom: %1").arg(zoomBar_->value()));
  } else if (code == brf::MoveMap) {
    placeGroup_->setTitle(tr("Move Map"));
    moveX_->setValue(-v.ox);
    moveY_->setValue(-v.oy);
  } else if (code == brf::BriefingText) {
    placeGroup_->setTitle(tr("Briefing Text:"));
    fillStringPicker(choice_, brief.strings, -1);
  } else if (brf::isBox(code)) {
    placeGroup_->setTitle(tr("Box Flight Group:"));
    int i = 0;
    for (const std::string& s : editing::nameList(session_.mission(), ctx_.vocabulary))
      choice_->addItem(fromFile(s), i++);
  } else {
    placeGroup_->setTitle(tr("Click on map to place Tag:"));
    fillStringPicker(choice_, brief.tags, -1);
    colour_->setCurrentIndex(0);
  }
  if (choice_->count() > 0) {
    choice_->setCurrentIndex(0);
    choosePlaced();
  }
}

void PreviewPage::choosePlaced() {
  place_.choose(std::max(0, pickedRow(choice_, choice_->currentIndex())), colour_->currentIndex());
}

// ---------------------------------------------------------------------------------------------
// The map

brf::Player& PreviewPage::player() {
  return playback_.player();
}

int PreviewPage::snap(int value, bool xAxis) const {
  const int step = snapChosen_ ? brf::snapStep((xAxis ? xSnap_ : ySnap_)->currentIndex()) : 1;
  return brf::snap(value, step);
}

bool PreviewPage::locked(bool xAxis) const {
  return (xAxis ? lockX_ : lockY_)->isChecked();
}

void PreviewPage::redraw(bool layer) {
  if (layer) map_->invalidate();
  playback_.player().dirty = false;
  updateLabels();
  caption_->setText(briefingCaption(map_->scene()));
  if (session_.placing() && session_.placement().code == brf::MoveMap) {
    // A drag of the map moves the bars with it.
    moveX_->setValue(-playback_.player().view().ox);
    moveY_->setValue(-playback_.player().view().oy);
  }
  map_->update();
}

void PreviewPage::hovered(QPoint at) {
  const brf::DisplayState& v = playback_.player().view();
  mouseXLabel_->setText(QStringLiteral("X = ") + twoDecimals(brf::toMapX(v, at.x()) / 160.0));
  mouseYLabel_->setText(QStringLiteral("Y = ") + twoDecimals(brf::toMapY(v, at.y()) / 160.0));
}

void PreviewPage::updateLabels() {
  const brf::Player& p = playback_.player();
  const int t = p.time();
  timeLabel_->setText(tr(" Time: ") + twoDecimals(t / 20.0));
  const int cur = p.current();
  const brf::CommandList& list = session_.instructions();
  QString label;
  if (cur >= 0 && cur < static_cast<int>(list.size()))
    label = QString::fromStdString(brf::label(list[cur].code));
  instructionLabel_->setText(tr("Instruction #%1 :  ").arg(cur + 1) + label);
  // The bar's own handlers hear only the user.
  if (!timeBar_->isSliderDown()) timeBar_->setValue(t);
}

}  // namespace app
