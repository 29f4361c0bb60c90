#include "app/flow/mission_flow_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/base/text.h"
#include "app/base/window_memory.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/flow/flow_graph_view.h"
#include "app/flow/flow_timeline.h"
#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/triggers.h"
#include "flow/report.h"

namespace app {

namespace {

// What a line of the findings and of the current group's lists leads to.
enum ItemRole { PlaceKindRole = Qt::UserRole, PlaceRecordRole, PlacePartRole, PlaceItemRole };

void putPlace(QListWidgetItem* item, const flow::Place& p) {
  item->setData(PlaceKindRole, static_cast<int>(p.kind));
  item->setData(PlaceRecordRole, p.record);
  item->setData(PlacePartRole, p.part);
  item->setData(PlaceItemRole, p.item);
}
template <class Get>
flow::Place placeFrom(Get get) {
  return {static_cast<flow::PlaceKind>(get(PlaceKindRole).toInt()), get(PlaceRecordRole).toInt(),
          get(PlacePartRole).toInt(), get(PlaceItemRole).toInt()};
}

QString groupText(const model::Mission& m, const shell::Vocabulary& v, int g) {
  return QStringLiteral("#%1 ").arg(g + 1) +
         fromFile(editing::nameListEntry(m, v, static_cast<std::size_t>(g)));
}
QString messageText(const model::Mission& m, int i) {
  return QObject::tr("Message #%1 \"%2\"")
      .arg(i + 1)
      .arg(fromFile(editing::trimmed(
          editing::shownMessageText(m.messages[static_cast<std::size_t>(i)].textValue()))));
}
QString timeText(const flow::Time& t) {
  return qs(flow::formatTime(t)).replace(QStringLiteral(">="), QStringLiteral("\u2265"));
}

const char* const KindTitles[] = {QT_TRANSLATE_NOOP("MissionFlowWindow", "Never arrive"),
                                  QT_TRANSLATE_NOOP("MissionFlowWindow", "Never sent"),
                                  QT_TRANSLATE_NOOP("MissionFlowWindow", "Goals never met"),
                                  QT_TRANSLATE_NOOP("MissionFlowWindow", "Name nothing")};

}  // namespace

MissionFlowWindow::MissionFlowWindow(const EditorContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(context), doc_(context.document) {
  setObjectName(QStringLiteral("MissionFlowWindow"));
  setWindowTitle(tr("Mission Flow"));

  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* levelLabel = new QLabel(tr("&Difficulty:"), this);
  difficultyBox_ = new QComboBox(this);
  difficultyBox_->setObjectName(QStringLiteral("FlowDifficultyBox"));
  difficultyBox_->addItems({tr("Easy"), tr("Medium"), tr("Hard")});
  difficultyBox_->setCurrentIndex(static_cast<int>(flow::Difficulty::Medium));
  levelLabel->setBuddy(difficultyBox_);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("FlowSummary"));
  top->addWidget(levelLabel);
  top->addWidget(difficultyBox_);
  top->addSpacing(12);
  top->addWidget(summary_, 1);
  layout->addLayout(top);

  split_ = new QSplitter(Qt::Horizontal, this);
  split_->setObjectName(QStringLiteral("FlowSplitter"));
  tabs_ = new QTabWidget(split_);
  tabs_->setObjectName(QStringLiteral("FlowTabs"));
  auto* scroll = new QScrollArea(tabs_);
  scroll->setObjectName(QStringLiteral("FlowTimelineScroll"));
  scroll->setWidgetResizable(true);
  timeline_ = new FlowTimeline(scroll);
  scroll->setWidget(timeline_);
  tabs_->addTab(scroll, tr("&Timeline"));
  graph_ = new FlowGraphView(
      ctx_.prompter,
      [this] {
        return QByteArray::fromStdString(flow::flowDot(doc_.mission(), ctx_.vocabulary, result_));
      },
      tabs_);
  tabs_->addTab(graph_, tr("&Graph"));

  side_ = new QSplitter(Qt::Vertical, split_);
  side_->setObjectName(QStringLiteral("FlowSideSplitter"));
  auto* findingsBox = new QGroupBox(tr("Findings"), side_);
  auto* fl = new QVBoxLayout(findingsBox);
  findings_ = new QListWidget(findingsBox);
  findings_->setObjectName(QStringLiteral("FlowFindings"));
  // Each finding is one line of text: it wraps in the list instead of being cut.
  findings_->setWordWrap(true);
  findings_->setResizeMode(QListView::Adjust);
  findings_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  findings_->setSpacing(1);
  fl->addWidget(findings_);

  auto* currentBox = new QGroupBox(tr("Current flight group"), side_);
  currentBox->setObjectName(QStringLiteral("FlowCurrentBox"));
  auto* cl = new QVBoxLayout(currentBox);
  current_ = new QLabel(currentBox);
  current_->setObjectName(QStringLiteral("FlowCurrentLabel"));
  current_->setWordWrap(true);
  current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  waitsOn_ = new QListWidget(currentBox);
  waitsOn_->setObjectName(QStringLiteral("FlowWaitsOn"));
  waitedBy_ = new QListWidget(currentBox);
  waitedBy_->setObjectName(QStringLiteral("FlowWaitedBy"));
  for (QListWidget* list : {waitsOn_, waitedBy_}) {
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideMiddle);
  }
  cl->addWidget(current_);
  cl->addWidget(new QLabel(tr("Waits on:"), currentBox));
  cl->addWidget(waitsOn_, 1);
  cl->addWidget(new QLabel(tr("Waited on by:"), currentBox));
  cl->addWidget(waitedBy_, 1);
  side_->setStretchFactor(0, 1);
  side_->setStretchFactor(1, 1);
  split_->addWidget(tabs_);
  split_->addWidget(side_);
  split_->setStretchFactor(0, 3);
  split_->setStretchFactor(1, 2);
  split_->setSizes({700, 400});
  layout->addWidget(split_, 1);

  connect(difficultyBox_, &QComboBox::currentIndexChanged, this,
          [this](int i) { setDifficulty(static_cast<flow::Difficulty>(std::clamp(i, 0, 2))); });
  connect(timeline_, &FlowTimeline::groupClicked, this, [this](int g) {
    emit placeChosen({flow::PlaceKind::FlightGroup, g, 0, 0});
  });
  connect(timeline_, &FlowTimeline::messageClicked, this, [this](int i) {
    emit placeChosen({flow::PlaceKind::Message, i, 0, 0});
  });
  connect(findings_, &QListWidget::itemClicked, this, &MissionFlowWindow::chooseListItem);
  connect(waitsOn_, &QListWidget::itemClicked, this, &MissionFlowWindow::chooseListItem);
  connect(waitedBy_, &QListWidget::itemClicked, this, &MissionFlowWindow::chooseListItem);
  // Every edit at once (the analysis takes well under a millisecond); the selection only
  // moves the current group.
  connect(&doc_, &MissionDocument::changed, this, [this] {
    stale_ = true;
    if (isVisible()) analyse();
  });
  connect(&doc_, &MissionDocument::tablesChanged, this, [this] {
    stale_ = true;
    if (isVisible()) analyse();
  });
  connect(&doc_, &MissionDocument::selectionChanged, this, &MissionFlowWindow::showCurrent);
  resize(1100, 640);
}

MissionFlowWindow::~MissionFlowWindow() = default;

void MissionFlowWindow::setDifficulty(flow::Difficulty d) {
  if (difficultyBox_->currentIndex() != static_cast<int>(d))
    difficultyBox_->setCurrentIndex(static_cast<int>(d));  // comes back here
  if (difficulty_ == d && !stale_) return;
  difficulty_ = d;
  analyse();
}

void MissionFlowWindow::showEvent(QShowEvent* e) {
  if (!placed_) {
    placed_ = true;
    WindowMemory(ctx_.iniPath).place(this, 0, {split_, side_});
  }
  if (stale_) analyse();
  QWidget::showEvent(e);
}

void MissionFlowWindow::hideEvent(QHideEvent* e) {
  WindowMemory(ctx_.iniPath).remember(this, {split_, side_});
  QWidget::hideEvent(e);
}

int MissionFlowWindow::currentGroup() const {
  const model::Selection& s = doc_.selection(ListKind::FlightGroups);
  const int count = static_cast<int>(doc_.mission().flightGroups.size());
  return s.current >= 0 && s.current < count ? s.current : -1;
}

void MissionFlowWindow::analyse() {
  stale_ = false;
  const model::Mission& m = doc_.mission();
  result_ = flow::analyse(m, ctx_.vocabulary, difficulty_);
  timeline_->setContent(timelineContent(m, ctx_.vocabulary, result_));

  int arrive = 0, exact = 0;
  for (const flow::Arrival& a : result_.flightGroups) {
    arrive += a.time.never ? 0 : 1;
    exact += !a.time.never && a.time.exact ? 1 : 0;
  }
  const int count = static_cast<int>(result_.flightGroups.size());
  const int found = static_cast<int>(result_.findings.size());
  summary_->setText(
      tr("At %1: %2 of %3 flight groups arrive (%4 at a known time, %5 no earlier than shown), "
         "%6 never. ")
          .append(found == 0   ? tr("Nothing that can never happen.")
                  : found == 1 ? tr("1 finding.")
                               : tr("%1 findings.").arg(found))
          .arg(qs(std::string(flow::difficultyName(difficulty_))))
          .arg(arrive)
          .arg(count)
          .arg(exact)
          .arg(arrive - exact)
          .arg(count - arrive));
  fillFindings();
  showCurrent();
  graph_->refresh();
}

void MissionFlowWindow::fillFindings() {
  findings_->clear();
  // By kind, each under a heading with its count.
  for (std::size_t k = 0; k < std::size(KindTitles); ++k) {
    std::vector<const flow::Finding*> of;
    for (const flow::Finding& f : result_.findings)
      if (static_cast<std::size_t>(f.kind) == k) of.push_back(&f);
    if (of.empty()) continue;
    auto* heading = new QListWidgetItem(
        QStringLiteral("%1 (%2)").arg(tr(KindTitles[k])).arg(of.size()), findings_);
    QFont bold = findings_->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setFlags(Qt::ItemIsEnabled);
    for (const flow::Finding* f : of) {
      auto* item = new QListWidgetItem(fromFile(f->text), findings_);
      item->setToolTip(item->text());
      putPlace(item, f->place);
    }
  }
  if (result_.findings.empty()) {
    auto* none = new QListWidgetItem(tr("Nothing that can never happen."), findings_);
    none->setFlags(Qt::ItemIsEnabled);
  }
}

void MissionFlowWindow::showCurrent() {
  const int g = currentGroup();
  timeline_->setCurrentGroup(g);
  waitsOn_->clear();
  waitedBy_->clear();
  const model::Mission& m = doc_.mission();
  if (g < 0 || static_cast<std::size_t>(g) >= result_.flightGroups.size()) {
    current_->setText(tr("No flight group is current."));
    return;
  }
  const shell::Vocabulary& v = ctx_.vocabulary;
  const flow::Arrival& a = result_.flightGroups[static_cast<std::size_t>(g)];
  QString text =
      QStringLiteral("<b>%1</b>: %2").arg(groupText(m, v, g).toHtmlEscaped(), timeText(a.time));
  if (a.onlyIfHuman) text += tr(", only if a human flies it");
  if (!a.reason.empty()) text += QStringLiteral("<br>") + fromFile(a.reason).toHtmlEscaped();
  current_->setText(text);

  auto add = [](QListWidget* list, const QString& line, const flow::Place& place, bool leads) {
    auto* item = new QListWidgetItem(line, list);
    item->setToolTip(line);
    if (leads) putPlace(item, place);
  };
  const model::FlightGroup& group = m.flightGroups[static_cast<std::size_t>(g)];
  const editing::TriggerSetPlace place = editing::arrivalTriggers();
  const int count = static_cast<int>(m.flightGroups.size());
  for (int n = 1; n <= place.count; ++n) {
    const auto t = editing::readTrigger(group.span(), place, n);
    const model::CBytes bytes(t);
    if (model::get(bytes, model::trigger::Condition) == 0) continue;
    QString line = tr("Trigger %1: %2").arg(n).arg(fromFile(editing::describeTrigger(m, v, bytes)));
    const int type = model::get(bytes, model::trigger::VariableType);
    const int target = model::get(bytes, model::trigger::Variable);
    const bool named = type == editing::TargetFlightGroup && target < count;
    if (named)
      line += QStringLiteral("  (%1)").arg(
          timeText(result_.flightGroups[static_cast<std::size_t>(target)].time));
    add(waitsOn_, line,
        named ? flow::Place{flow::PlaceKind::FlightGroup, target, 0, 0}
              : flow::Place{flow::PlaceKind::ArrivalTrigger, g, n, 0},
        true);
  }
  const int delay =
      group.get(model::fg::ArrivalDelayMinutes) * 60 + group.get(model::fg::ArrivalDelaySeconds);
  if (delay > 0)
    add(waitsOn_, tr("Then a delay of %1").arg(qs(flow::clockText(delay))),
        {flow::PlaceKind::ArrivalTrigger, g, 1, 0}, true);
  if (group.get(model::fg::ArriveViaMothership) != 0) {
    const int ship = group.get(model::fg::ArrivalMothership);
    add(waitsOn_,
        ship < count
            ? tr("Mother ship: %1  (%2)")
                  .arg(groupText(m, v, ship),
                       timeText(result_.flightGroups[static_cast<std::size_t>(ship)].time))
            : tr("Mother ship: flight group %1, which the mission does not have").arg(ship + 1),
        ship < count ? flow::Place{flow::PlaceKind::FlightGroup, ship, 0, 0}
                     : flow::Place{flow::PlaceKind::ArrivalMothership, g, 0, 0},
        true);
  }
  if (waitsOn_->count() == 0)
    add(waitsOn_, tr("Nothing: it is there when the mission starts."), {}, false);

  for (int w : result_.waitingFor(g))
    add(waitedBy_,
        QStringLiteral("%1  (%2)")
            .arg(groupText(m, v, w),
                 timeText(result_.flightGroups[static_cast<std::size_t>(w)].time)),
        {flow::PlaceKind::FlightGroup, w, 0, 0}, true);
  for (int i : result_.messagesWaitingFor(g))
    add(waitedBy_,
        QStringLiteral("%1  (%2)")
            .arg(messageText(m, i), timeText(result_.messages[static_cast<std::size_t>(i)].time)),
        {flow::PlaceKind::Message, i, 0, 0}, true);
  for (const flow::GlobalGoalTime& goal : result_.globalGoals)
    if (std::find(goal.waitsOn.begin(), goal.waitsOn.end(), g) != goal.waitsOn.end())
      add(waitedBy_,
          tr("Team %1 %2 goal  (%3)")
              .arg(goal.team + 1)
              .arg(qs(std::string(flow::goalSetWord(goal.goalSet))), timeText(goal.time)),
          {flow::PlaceKind::GlobalGoal, goal.team, goal.goalSet, 0}, true);
  if (waitedBy_->count() == 0) add(waitedBy_, tr("Nothing waits on it."), {}, false);
}

void MissionFlowWindow::chooseListItem(QListWidgetItem* item) {
  if (!item || !item->data(PlaceKindRole).isValid()) return;
  emit placeChosen(placeFrom([item](int role) { return item->data(role); }));
}

}  // namespace app
