#include "app/flow/mission_flow_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/base/window_memory.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/flow/flow_graph_view.h"
#include "app/flow/flow_timeline.h"
#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/references.h"
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
QString shownTime(const flow::Time& t) {
  return shownText(flow::timeText(t)).replace(QStringLiteral(">="), QStringLiteral("\u2265"));
}
QString arrivalTime(const flow::Arrival& a, flow::Difficulty d) {
  return shownText(flow::arrivalText(a, d)).replace(QStringLiteral(">="), QStringLiteral("\u2265"));
}

// "1:30" at one level shown, "Easy 1:30 · Medium ≥ 1:30 · Hard not at Hard" at several.
template <class TimeAt>
QString levelTimes(const flow::Result& r, flow::Levels shown, TimeAt timeAt) {
  QStringList parts;
  for (const flow::LevelResult& l : r.levels) {
    if (!shown.has(l.difficulty)) continue;
    parts << (shown == flow::Levels::only(l.difficulty)
                  ? timeAt(l)
                  : levelName(l.difficulty) + QLatin1Char(' ') + timeAt(l));
  }
  return parts.join(QStringLiteral(" \u00b7 "));
}

const char* const KindTitles[] = {
    QT_TRANSLATE_NOOP("MissionFlowWindow", "Never arrive"),
    QT_TRANSLATE_NOOP("MissionFlowWindow", "Never sent"),
    QT_TRANSLATE_NOOP("MissionFlowWindow", "Goals never met"),
    QT_TRANSLATE_NOOP("MissionFlowWindow", "Name nothing"),
    QT_TRANSLATE_NOOP("MissionFlowWindow", "On a group not at the level"),
    QT_TRANSLATE_NOOP("MissionFlowWindow", "On craft none of which is at the level"),
    QT_TRANSLATE_NOOP("MissionFlowWindow", "Conditions of no known meaning"),
    QT_TRANSLATE_NOOP("MissionFlowWindow", "Mother ships not at the level"),
};

}  // namespace

MissionFlowWindow::MissionFlowWindow(const EditorContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(context), doc_(context.document) {
  setObjectName(QStringLiteral("MissionFlowWindow"));
  setWindowTitle(tr("Mission Flow"));
  buildControls();
  connectSignals();
  resize(1100, 640);
}

MissionFlowWindow::~MissionFlowWindow() = default;

void MissionFlowWindow::buildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* levelLabel = new QLabel(tr("&Difficulty:"), this);
  difficultyBox_ = new QComboBox(this);
  difficultyBox_->setObjectName(QStringLiteral("FlowDifficultyBox"));
  difficultyBox_->addItems({tr("Every level"), tr("Easy"), tr("Medium"), tr("Hard")});
  levelLabel->setBuddy(difficultyBox_);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("FlowSummary"));
  summary_->setWordWrap(true);
  top->addWidget(levelLabel);
  top->addWidget(difficultyBox_);
  top->addSpacing(12);
  top->addWidget(summary_, 1);
  layout->addLayout(top);

  split_ = new QSplitter(Qt::Horizontal, this);
  split_->setObjectName(QStringLiteral("FlowSplitter"));
  tabs_ = new QTabWidget(split_);
  tabs_->setObjectName(QStringLiteral("FlowTabs"));
  timelineScroll_ = new QScrollArea(tabs_);
  timelineScroll_->setObjectName(QStringLiteral("FlowTimelineScroll"));
  timelineScroll_->setWidgetResizable(true);
  timeline_ = new FlowTimeline(timelineScroll_);
  timelineScroll_->setWidget(timeline_);
  tabs_->addTab(timelineScroll_, tr("&Timeline"));
  graph_ = new FlowGraphView(
      ctx_.prompter,
      [this] {
        return QByteArray::fromStdString(
            flow::flowDot(doc_.mission(), ctx_.vocabulary, result_.at(mainLevel())));
      },
      tabs_);
  tabs_->addTab(graph_, tr("&Graph"));
  split_->addWidget(tabs_);
  split_->addWidget(buildSide());
  split_->setStretchFactor(0, 3);
  split_->setStretchFactor(1, 2);
  split_->setSizes({700, 400});
  layout->addWidget(split_, 1);
}

namespace {

QListWidget* lineList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QLatin1String(name));
  // Each line wraps in the list instead of being cut.
  list->setWordWrap(true);
  list->setResizeMode(QListView::Adjust);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setSpacing(1);
  return list;
}

}  // namespace

QWidget* MissionFlowWindow::buildSide() {
  side_ = new QSplitter(Qt::Vertical, split_);
  side_->setObjectName(QStringLiteral("FlowSideSplitter"));
  auto* findingsBox = new QGroupBox(tr("Findings"), side_);
  auto* fl = new QVBoxLayout(findingsBox);
  findings_ = lineList(findingsBox, "FlowFindings");
  fl->addWidget(findings_);

  auto* advisoriesBox = new QGroupBox(tr("Advisories: where the game decides"), side_);
  auto* al = new QVBoxLayout(advisoriesBox);
  showAdvisories_ = new QCheckBox(tr("&Show advisories"), advisoriesBox);
  showAdvisories_->setObjectName(QStringLiteral("FlowShowAdvisories"));
  showAdvisories_->setChecked(true);
  advisories_ = lineList(advisoriesBox, "FlowAdvisories");
  al->addWidget(showAdvisories_);
  al->addWidget(advisories_, 1);

  auto* currentBox = new QGroupBox(tr("Current flight group"), side_);
  currentBox->setObjectName(QStringLiteral("FlowCurrentBox"));
  auto* cl = new QVBoxLayout(currentBox);
  current_ = new QLabel(currentBox);
  current_->setObjectName(QStringLiteral("FlowCurrentLabel"));
  current_->setWordWrap(true);
  current_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  waitsOn_ = new QListWidget(currentBox);
  waitsOn_->setObjectName(QStringLiteral("FlowWaitsOn"));
  waitsOn_->setAccessibleName(tr("Waits on:"));
  waitedBy_ = new QListWidget(currentBox);
  waitedBy_->setObjectName(QStringLiteral("FlowWaitedBy"));
  waitedBy_->setAccessibleName(tr("Waited on by:"));
  for (QListWidget* list : {waitsOn_, waitedBy_}) {
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideMiddle);
  }
  cl->addWidget(current_);
  cl->addWidget(new QLabel(tr("Waits on:"), currentBox));
  cl->addWidget(waitsOn_, 1);
  cl->addWidget(new QLabel(tr("Waited on by:"), currentBox));
  cl->addWidget(waitedBy_, 1);
  // The findings first; the advisories, quieter, take less.
  side_->setStretchFactor(0, 3);
  side_->setStretchFactor(1, 2);
  side_->setStretchFactor(2, 3);
  side_->setSizes({260, 150, 260});
  return side_;
}

void MissionFlowWindow::connectSignals() {
  connect(difficultyBox_, &QComboBox::currentIndexChanged, this, [this](int i) {
    showLevels(i <= 0 ? flow::Levels::all()
                      : flow::Levels::only(static_cast<flow::Difficulty>(std::min(i, 3) - 1)));
  });
  connect(showAdvisories_, &QCheckBox::toggled, advisories_, &QWidget::setVisible);
  connect(timeline_, &FlowTimeline::groupClicked, this, [this](int g) {
    emit placeChosen({flow::PlaceKind::FlightGroup, g, 0, 0});
  });
  connect(timeline_, &FlowTimeline::messageClicked, this, [this](int i) {
    emit placeChosen({flow::PlaceKind::Message, i, 0, 0});
  });
  for (QListWidget* list : {findings_, advisories_, waitsOn_, waitedBy_})
    connect(list, &QListWidget::itemClicked, this, &MissionFlowWindow::chooseListItem);
  // Every edit at once (the analysis takes well under a millisecond); the selection only
  // moves the current group.
  auto edited = [this] {
    stale_ = true;
    if (isVisible()) analyse();
  };
  connect(&doc_, &MissionDocument::changed, this, [this, edited](const model::ChangeSet& c) {
    // Another mission: its timeline from the start, the ruler and the first rows in view.
    if (c.whole)
      for (QScrollBar* bar :
           {timelineScroll_->horizontalScrollBar(), timelineScroll_->verticalScrollBar()})
        bar->setValue(0);
    edited();
  });
  connect(&doc_, &MissionDocument::tablesChanged, this, edited);
  connect(&doc_, &MissionDocument::selectionChanged, this, &MissionFlowWindow::showCurrent);
}

void MissionFlowWindow::showLevels(flow::Levels levels) {
  const int index = levels == flow::Levels::all()
                        ? 0
                        : 1 + static_cast<int>(levels.has(flow::Difficulty::Medium)) +
                              2 * static_cast<int>(levels.has(flow::Difficulty::Hard));
  if (difficultyBox_->currentIndex() != index) {
    difficultyBox_->setCurrentIndex(index);  // comes back here
    return;
  }
  shown_ = levels;
  if (stale_)
    analyse();
  else
    refreshView();
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

flow::Difficulty MissionFlowWindow::mainLevel() const {
  for (flow::Difficulty d : flow::AllDifficulties)
    if (shown_ == flow::Levels::only(d)) return d;
  return flow::Difficulty::Medium;
}

void MissionFlowWindow::analyse() {
  stale_ = false;
  result_ = flow::analyse(doc_.mission(), ctx_.vocabulary);
  refreshView();
}

void MissionFlowWindow::refreshView() {
  timeline_->setContent(timelineContent(doc_.mission(), ctx_.vocabulary, result_, shown_));
  showSummary();
  fillFindings(findings_, result_.findings, tr("Nothing that can never happen."));
  fillFindings(advisories_, result_.advisories, tr("Nothing the game decides."));
  showCurrent();
  graph_->refresh();
}

void MissionFlowWindow::showSummary() {
  QStringList levels;
  for (const flow::LevelResult& l : result_.levels) {
    if (!shown_.has(l.difficulty)) continue;
    int arrive = 0, exact = 0, never = 0;
    for (const flow::Arrival& a : l.flightGroups) {
      arrive += a.arrives() ? 1 : 0;
      exact += a.arrives() && a.time.exact ? 1 : 0;
      never += !a.absent && a.time.never ? 1 : 0;
    }
    levels << tr("At %1: %2 of %3 flight groups arrive (%4 at a known time, %5 no earlier than "
                 "shown), %6 never.")
                  .arg(levelName(l.difficulty))
                  .arg(arrive)
                  .arg(l.flightGroups.size())
                  .arg(exact)
                  .arg(arrive - exact)
                  .arg(never);
  }
  auto shownCount = [this](const std::vector<flow::Finding>& items) {
    return std::count_if(items.begin(), items.end(), [this](const flow::Finding& f) {
      return (f.levels.bits & shown_.bits) != 0;
    });
  };
  const auto found = shownCount(result_.findings), advised = shownCount(result_.advisories);
  levels << (found == 1 ? tr("1 finding,") : tr("%1 findings,").arg(found))
         << (advised == 1 ? tr("1 advisory.") : tr("%1 advisories.").arg(advised));
  summary_->setText(levels.join(QLatin1Char(' ')));
}

void MissionFlowWindow::fillFindings(QListWidget* list, const std::vector<flow::Finding>& items,
                                     const QString& none) {
  list->clear();
  QFont bold = list->font();
  bold.setBold(true);
  // By kind, each under a heading with its count; each finding followed by the steps of its
  // chain, each a link to its place.
  for (std::size_t k = 0; k < std::size(KindTitles); ++k) {
    std::vector<const flow::Finding*> of;
    for (const flow::Finding& f : items)
      if (static_cast<std::size_t>(f.kind) == k && (f.levels.bits & shown_.bits) != 0)
        of.push_back(&f);
    if (of.empty()) continue;
    auto* heading = new QListWidgetItem(
        QStringLiteral("%1 (%2)")
            .arg(QCoreApplication::translate("MissionFlowWindow", KindTitles[k]))
            .arg(of.size()),
        list);
    heading->setFont(bold);
    heading->setFlags(Qt::ItemIsEnabled);
    for (const flow::Finding* f : of) {
      auto* item = new QListWidgetItem(shownText(f->text), list);
      item->setToolTip(item->text());
      putPlace(item, f->place);
      if (f->chain.size() < 2 && f->kind == flow::FindingKind::NamesNothing) continue;
      for (const flow::Step& step : f->chain) {
        auto* line =
            new QListWidgetItem(QStringLiteral("    \u21b3 ") + shownText(step.text), list);
        line->setToolTip(shownText(step.text));
        line->setForeground(list->palette().color(QPalette::PlaceholderText));
        putPlace(line, step.place);
      }
    }
  }
  if (list->count() == 0) (new QListWidgetItem(none, list))->setFlags(Qt::ItemIsEnabled);
}

void MissionFlowWindow::showCurrent() {
  const int g = currentGroup();
  timeline_->setCurrentGroup(g);
  waitsOn_->clear();
  waitedBy_->clear();
  const model::Mission& m = doc_.mission();
  if (g < 0 || result_.levels.empty() ||
      static_cast<std::size_t>(g) >= result_.levels.front().flightGroups.size()) {
    current_->setText(tr("No flight group is current."));
    return;
  }
  const auto gi = static_cast<std::size_t>(g);
  const shell::Vocabulary& v = ctx_.vocabulary;
  QString text = QStringLiteral("<b>%1</b>: %2")
                     .arg(groupText(m, v, g).toHtmlEscaped(),
                          levelTimes(result_, shown_, [gi](const flow::LevelResult& l) {
                            return arrivalTime(l.flightGroups[gi], l.difficulty);
                          }).toHtmlEscaped());
  const flow::Arrival& a = result_.at(mainLevel()).flightGroups[gi];
  if (a.onlyIfHuman) text += tr(", only if a human flies it");
  if (!a.reason.empty()) text += QStringLiteral("<br>") + shownText(a.reason).toHtmlEscaped();
  current_->setText(text);
  showWaits(g);
}

namespace {

void addLine(QListWidget* list, const QString& line, const flow::Place& place, bool leads) {
  auto* item = new QListWidgetItem(line, list);
  item->setToolTip(line);
  if (leads) putPlace(item, place);
}

}  // namespace

QString MissionFlowWindow::groupTimes(int g) const {
  const auto gi = static_cast<std::size_t>(g);
  return levelTimes(result_, shown_, [gi](const flow::LevelResult& l) {
    return arrivalTime(l.flightGroups[gi], l.difficulty);
  });
}

void MissionFlowWindow::showWaits(int g) {
  const model::Mission& m = doc_.mission();
  const shell::Vocabulary& v = ctx_.vocabulary;
  const int count = static_cast<int>(m.flightGroups.size());
  const model::FlightGroup& group = m.flightGroups[static_cast<std::size_t>(g)];
  const editing::ReferenceRow& arrival = editing::referenceRow(flow::PlaceKind::ArrivalTrigger);
  editing::forEachPlace(arrival, g, group.span(), [&](const editing::Reference& r) {
    if (r.condition == editing::AlwaysTrueCondition) return;
    const auto t = editing::readTrigger(group.span(), arrival.triggers, r.number);
    QString line = tr("Trigger %1: %2")
                       .arg(r.number)
                       .arg(fromFile(editing::describeTrigger(m, v, model::CBytes(t))));
    const bool named = r.namesFlightGroup() && r.value < count;
    if (named) line += QStringLiteral("  (%1)").arg(groupTimes(r.value));
    addLine(waitsOn_, line,
            named ? flow::Place{flow::PlaceKind::FlightGroup, r.value, 0, 0} : r.place, true);
  });
  const int delay =
      group.get(model::fg::ArrivalDelayMinutes) * 60 + group.get(model::fg::ArrivalDelaySeconds);
  if (delay > 0)
    addLine(waitsOn_, tr("Then a delay of %1").arg(qs(flow::clockText(delay))),
            {flow::PlaceKind::ArrivalTrigger, g, 1, 0}, true);
  const editing::ReferenceRow& ship = editing::referenceRow(flow::PlaceKind::ArrivalMothership);
  editing::forEachPlace(ship, g, group.span(), [&](const editing::Reference& r) {
    if (!r.inUse) return;
    const bool there = r.value < count;
    addLine(
        waitsOn_,
        there
            ? tr("Mother ship: %1  (%2)").arg(groupText(m, v, r.value), groupTimes(r.value))
            : tr("Mother ship: flight group %1, which the mission does not have").arg(r.value + 1),
        there ? flow::Place{flow::PlaceKind::FlightGroup, r.value, 0, 0} : r.place, true);
  });
  if (waitsOn_->count() == 0)
    addLine(waitsOn_, tr("Nothing: it is there when the mission starts."), {}, false);
  showWaitedBy(g);
}

void MissionFlowWindow::showWaitedBy(int g) {
  const model::Mission& m = doc_.mission();
  const shell::Vocabulary& v = ctx_.vocabulary;
  const flow::LevelResult& level = result_.at(mainLevel());
  for (int w : level.waitingFor(g))
    addLine(waitedBy_, QStringLiteral("%1  (%2)").arg(groupText(m, v, w), groupTimes(w)),
            {flow::PlaceKind::FlightGroup, w, 0, 0}, true);
  for (int i : level.messagesWaitingFor(g))
    addLine(
        waitedBy_,
        QStringLiteral("%1  (%2)")
            .arg(messageText(m, i), shownTime(level.messages[static_cast<std::size_t>(i)].time)),
        {flow::PlaceKind::Message, i, 0, 0}, true);
  for (const flow::GlobalGoalTime& goal : level.globalGoals)
    if (std::find(goal.waitsOn.begin(), goal.waitsOn.end(), g) != goal.waitsOn.end())
      addLine(waitedBy_,
              tr("Team %1 %2 goal  (%3)")
                  .arg(goal.team + 1)
                  .arg(qs(std::string(flow::goalSetWord(goal.goalSet))), shownTime(goal.time)),
              {flow::PlaceKind::GlobalGoal, goal.team, goal.goalSet, 0}, true);
  if (waitedBy_->count() == 0) addLine(waitedBy_, tr("Nothing waits on it."), {}, false);
}

void MissionFlowWindow::chooseListItem(QListWidgetItem* item) {
  if (!item || !item->data(PlaceKindRole).isValid()) return;
  emit placeChosen(placeFrom([item](int role) { return item->data(role); }));
}

}  // namespace app
