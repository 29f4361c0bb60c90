#include "app/editing/flight_groups_page.h"

#include <QAction>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/base/colour.h"
#include "app/base/deferred_page.h"
#include "app/base/prompter.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/base/window_memory.h"
#include "app/document/deletes.h"
#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "app/document/view_updater.h"
#include "app/editing/arrival_page.h"
#include "app/editing/departure_page.h"
#include "app/editing/goals_page.h"
#include "app/editing/options_page.h"
#include "app/editing/orders_page.h"
#include "app/editing/other_page.h"
#include "app/editing/ship_list.h"
#include "app/editing/ship_page.h"
#include "editing/descriptions.h"
#include "editing/flight_group_ops.h"
#include "shell/error_check.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

namespace app {

namespace {

// Width of the property tabs: at least this, at most the second (on a wide window the fields
// keep a width to read them by and the list takes the rest of the page).
constexpr int PagesWidth = 424;
constexpr int PagesMaxWidth = 680;

// The property tabs, never narrower than PagesWidth nor than their pages need: a language with
// longer texts widens them.
class PropertyTabs : public QTabWidget {
 public:
  using QTabWidget::QTabWidget;
  QSize minimumSizeHint() const override {
    QSize s = QTabWidget::minimumSizeHint();
    s.setWidth(std::max(s.width(), PagesWidth));
    return s;
  }
};

// What the list lines and the property pages read; other changes leave them alone.
constexpr unsigned PageChanges = FlightGroupFields | FlightGroupList | Selection | TeamFields |
                                 HeaderFields | Format | FlightGroupBufferChange | Tables;

}  // namespace

FlightGroupsPage::FlightGroupsPage(const EditorContext& context, QWidget* parent)
    : QWidget(parent),
      ctx_(context),
      doc_(context.document),
      vocab_(context.vocabulary),
      settings_(context.settings),
      prompter_(context.prompter) {
  setObjectName(QStringLiteral("FlightGroupsPage"));
  QWidget* left = buildListColumn();
  buildPages();

  // The user sets the share of the list and the pages. Until then the list is as wide as its
  // lines and the pages take the rest.
  split_ = splitPage(this, QStringLiteral("FlightGroupSplitter"), left, pages_);
  fitSplitter(split_, [this, left](QSplitter* s) {
    const int room = s->width() - s->handleWidth();
    const int list = std::min(left->sizeHint().width(), room - pages_->minimumSizeHint().width());
    s->setSizes({list, room - list});
  });

  connectSignals();
  refresh();
}

// Left column: column labels, the list, the clipboard box and the status labels.
QWidget* FlightGroupsPage::buildListColumn() {
  auto* left = new QWidget(this);
  auto* lv = new QVBoxLayout(left);
  lv->setContentsMargins(0, 0, 0, 0);
  lv->setSpacing(2);
  list_ = new ShipList(left);
  {
    // The labels stand above the team and GG - GU columns of the list lines.
    auto* heads = new QWidget(left);
    auto* tm = new QLabel(tr("Tm"), heads);
    auto* gg = new QLabel(tr("GG - GU"), heads);
    tm->setObjectName(QStringLiteral("TmLab"));
    gg->setObjectName(QStringLiteral("GGGULab"));
    const QFontMetrics fm(list_->font());
    const int frame = list_->frameWidth();
    tm->move(frame + 2, 0);
    gg->move(frame + 2 + fm.horizontalAdvance(QStringLiteral("1    ")), 0);
    heads->setFixedHeight(std::max(tm->sizeHint().height(), gg->sizeHint().height()));
    lv->addWidget(heads);
  }
  lv->addWidget(list_, 1);
  {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Clipboard:"), left));
    bufEd_ = new QLineEdit(left);
    bufEd_->setObjectName(QStringLiteral("BufEd"));
    bufEd_->setReadOnly(true);
    bufEd_->setFocusPolicy(Qt::NoFocus);
    bufEd_->setMaximumWidth(PagesMaxWidth);
    row->addWidget(bufEd_, 1);
    row->addStretch(0);
    lv->addLayout(row);
  }
  fgInfo_ = new QLabel(left);
  fgInfo_->setObjectName(QStringLiteral("FGInfo"));
  craftLab_ = new QLabel(left);
  craftLab_->setObjectName(QStringLiteral("TotalFGsLab"));
  atStartLab_ = new QLabel(left);
  atStartLab_->setObjectName(QStringLiteral("TotalatStartLab"));
  objectsLab_ = new QLabel(left);
  objectsLab_->setObjectName(QStringLiteral("TotalObLab"));
  lv->addWidget(fgInfo_);
  {
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(craftLab_);
    row->addWidget(atStartLab_);
    row->addWidget(objectsLab_);
    row->addStretch();
    lv->addLayout(row);
  }
  return left;
}

// Right: the sub-tabs. The Ship tab is built at once, the others when they are first shown.
void FlightGroupsPage::buildPages() {
  pages_ = new PropertyTabs(this);
  DeferredPage::buildWhenChosen(pages_);
  pages_->setObjectName(QStringLiteral("FGPages"));
  ship_ = new ShipPage(ctx_, pages_);
  frames_.assign(8, nullptr);
  frames_[ShipTab] = ship_;
  // The other tabs are built when they are first shown.
  const auto later = [&](Tab tab, const char* name, DeferredPage::Build build) {
    frames_[tab] = new DeferredPage(QString::fromLatin1(name), std::move(build), pages_);
  };
  later(OptionsTab, "OptionsTab", [this](QWidget* frame) {
    options_ = new OptionsPage(ctx_, frame);
    options_->groupChanged();
    options_->fill();
    return options_;
  });
  later(ArrivalTab, "ArrivalTab", [this](QWidget* frame) { return new ArrivalPage(ctx_, frame); });
  later(DepartureTab, "DepartureTab",
        [this](QWidget* frame) { return new DeparturePage(ctx_, frame); });
  later(GoalsTab, "GoalsTab", [this](QWidget* frame) { return new GoalsPage(ctx_, frame); });
  later(OrdersTab, "OrdersTab", [this](QWidget* frame) {
    orders_ = new OrdersPage(ctx_, frame);
    orders_->onOrderUsed = [this] { list_->setFocus(); };
    return orders_;
  });
  // The WPs tab is made by the main window (setTabBuild).
  later(WPsTab, "WPsTab", [](QWidget* frame) { return new QWidget(frame); });
  later(OtherTab, "OtherTab", [this](QWidget* frame) {
    other_ = new OtherPage(ctx_, frame);
    other_->fill();
    return other_;
  });
  // Alt+letter mnemonics where the captions leave a letter free of the menus and pages.
  const QString titles[] = {tr("&Ship"),    tr("&Options"), tr("A&rrival"), tr("De&parture"),
                            tr("FG Goals"), tr("Orders"),   tr("&WPs"),     tr("Other")};
  for (int i = 0; i < 8; ++i) pages_->addTab(frames_[static_cast<std::size_t>(i)], titles[i]);

  // Eight tabs share the width beside the list: keep them compact so none scrolls away.
  pages_->tabBar()->setStyleSheet(QStringLiteral(
      "QTabBar::tab { padding: 3px 4px; margin-right: 1px; border: 1px solid palette(mid);"
      " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
      " background: palette(button); }"
      "QTabBar::tab:selected { background: palette(base); }"));
  pages_->setMaximumWidth(PagesMaxWidth);
}

void FlightGroupsPage::connectSignals() {
  // The list's own commands head its pop-up menu; the main window adds its file commands.
  QMenu* menu = list_->popupMenu();
  auto add = [&](const QString& text, void (FlightGroupsPage::*slot)()) {
    QAction* a = menu->addAction(text);
    connect(a, &QAction::triggered, this, slot);
    listActions_ << a;
  };
  add(tr("Add &FG"), &FlightGroupsPage::newFlightGroup);
  add(tr("&Delete"), &FlightGroupsPage::deleteSelected);
  add(tr("&Copy"), &FlightGroupsPage::copy);
  add(tr("&Paste"), &FlightGroupsPage::paste);
  add(tr("Move &up"), &FlightGroupsPage::moveUp);
  add(tr("&Move down"), &FlightGroupsPage::moveDown);

  connect(list_, &ShipList::selectionEdited, this, &FlightGroupsPage::onListSelection);
  connect(pages_, &QTabWidget::currentChanged, this, [this] { fillCurrentPage(); });
  new ViewUpdater(this, doc_, PageChanges,
                  [this](Changes t, const ChangeSet& c) { onChanged(t, c); });
}

FlightGroupsPage::~FlightGroupsPage() = default;

void FlightGroupsPage::setFileActions(const QList<QAction*>& actions) {
  QMenu* menu = list_->popupMenu();
  for (QAction* a : menu->actions())
    if (!listActions_.contains(a)) menu->removeAction(a);
  fileActions_ = actions;
  if (actions.isEmpty()) return;
  menu->addSeparator();
  menu->addActions(actions);
}

void FlightGroupsPage::setPopupActions(const QList<QAction*>& actions) {
  QMenu* menu = list_->popupMenu();
  for (QAction* a : menu->actions()) menu->removeAction(a);
  fileActions_ = actions;
  menu->addActions(actions);
}

void FlightGroupsPage::whenMissionSettingsArea(std::function<void(QWidget* area)> fill) {
  static_cast<DeferredPage*>(tabFrame(OtherTab))
      ->whenBuilt(
          [this, fill = std::move(fill)](QWidget*) { fill(other_->missionSettingsArea()); });
}

QWidget* FlightGroupsPage::tabFrame(Tab tab) const {
  return frames_.at(static_cast<std::size_t>(tab));
}

void FlightGroupsPage::setTabBuild(Tab tab, std::function<QWidget*(QWidget* frame)> build) {
  static_cast<DeferredPage*>(tabFrame(tab))->setBuild(std::move(build));
}

void FlightGroupsPage::refresh() {
  rebuildList();
  updateBuffer();
  updateStatus();
  fillCurrentPage();
}

void FlightGroupsPage::onChanged(Changes what, const ChangeSet& c) {
  const bool listMoved = what & FlightGroupList;
  if (listMoved || (what & (TeamFields | HeaderFields | Format | Tables))) {
    rebuildList();
  } else if (what & FlightGroupFields) {
    // A field edit redraws the lines of the groups it touched (and the craft numbers of their
    // units after them), nothing else.
    rebuildLines(editing::staleListLines(doc_.mission(), c));
  } else if (what & Selection) {
    list_->showSelection(doc_.selectedFlightGroups(), doc_.currentFlightGroup());
  }
  if (what & (FlightGroupBufferChange | FlightGroupList | Tables)) updateBuffer();
  // After a list operation the current index may name another group.
  if (listMoved) shownCurrent_ = -1;
  updateStatus();
  fillCurrentPage();
}

void FlightGroupsPage::rebuildList() {
  const model::Mission& m = doc_.mission();
  std::vector<QString> lines;
  std::vector<QColor> colours;
  for (const std::string& l : editing::listLines(m, vocab_, goalSummary_))
    lines.push_back(fromFile(l));
  for (const model::FlightGroup& g : m.flightGroups)
    colours.push_back(toQColor(editing::listColour(g)));
  list_->rebuild(lines, colours, doc_.selectedFlightGroups(), doc_.currentFlightGroup());
  refitSplitter(split_);
}

void FlightGroupsPage::rebuildLines(const std::vector<int>& rows) {
  const model::Mission& m = doc_.mission();
  std::vector<QString> lines;
  std::vector<QColor> colours;
  for (int r : rows) {
    const auto k = static_cast<std::size_t>(r);
    if (k >= m.flightGroups.size()) continue;
    lines.push_back(fromFile(editing::listLine(m, vocab_, k, goalSummary_)));
    colours.push_back(toQColor(editing::listColour(m.flightGroups[k])));
  }
  list_->updateLines(rows, lines, colours);
  refitSplitter(split_);
  list_->showSelection(doc_.selectedFlightGroups(), doc_.currentFlightGroup());
}

void FlightGroupsPage::updateBuffer() {
  const model::FlightGroup& b = doc_.state().flightGroupBuffer;
  bufEd_->setText(fromFile(editing::shortDescription(b, vocab_)));
  QPalette p = bufEd_->palette();
  p.setColor(QPalette::Text, toQColor(model::iffColour(b.get(model::fg::Iff))));
  p.setColor(QPalette::Base, Qt::black);
  bufEd_->setPalette(p);
}

void FlightGroupsPage::updateStatus() {
  const model::Mission& m = doc_.mission();
  fgInfo_->setText(m.flightGroups.empty()
                       ? tr("No flight groups")
                       : tr("Flight Group #") + QString::number(doc_.currentFlightGroup() + 1) +
                             tr(" of ") + QString::number(m.flightGroups.size()));
  const shell::MissionCounts c = shell::missionCounts(m);
  craftLab_->setText(coreText(shell::CraftMediumForm).arg(c.craftMedium));
  atStartLab_->setText(coreText(shell::CraftAtStartForm).arg(c.craftAtStart));
  objectsLab_->setText(
      coreText(c.objectCount == 1 ? shell::OneObjectForm : shell::ObjectsForm).arg(c.objectCount));
}

void FlightGroupsPage::fillCurrentPage() {
  if (doc_.currentFlightGroup() != shownCurrent_ || doc_.mission().flightGroups.empty()) {
    shownCurrent_ = doc_.currentFlightGroup();
    if (options_) options_->groupChanged();
  }
  QWidget* shown = pages_->currentWidget();
  if (shown == ship_)
    ship_->fill();
  else if (shown == tabFrame(OptionsTab) && options_)
    options_->fill();
  else if (shown == tabFrame(OtherTab) && other_)
    other_->fill();
}

void FlightGroupsPage::onListSelection(std::vector<int> rows, int current) {
  if (rows.empty()) {
    // Every line deselected: the current group stays selected.
    list_->showSelection(doc_.selectedFlightGroups(), doc_.currentFlightGroup());
    return;
  }
  // The line the user clicked or moved to is the current one.
  doc_.selectFlightGroups(std::move(rows), current);
}

void FlightGroupsPage::newFlightGroup() {
  syncDefaults();
  doc_.newFlightGroup();
}

void FlightGroupsPage::syncDefaults() {
  model::MissionDefaults d = doc_.defaults();
  d.autoLink = settings_.autoLink;
  d.enableWPs = settings_.enableWPs;
  doc_.setDefaults(d);
}

void FlightGroupsPage::deleteSelected() {
  deleteSelectedFlightGroups(ctx_, this);
}

void FlightGroupsPage::moveUp() {
  doc_.moveFlightGroupsUp();
}

void FlightGroupsPage::moveDown() {
  doc_.moveFlightGroupsDown();
}

void FlightGroupsPage::cut() {
  if (doc_.mission().flightGroups.empty()) return;
  if (prompter_.question(this, tr("Cut this Flight Group. Are You Sure?"),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  doc_.cutFlightGroups();
}

void FlightGroupsPage::copy() {
  doc_.copyFlightGroup();
}

void FlightGroupsPage::paste() {
  syncDefaults();
  doc_.pasteFlightGroup();
}

void FlightGroupsPage::toggleGoalSummary() {
  goalSummary_ = !goalSummary_;
  rebuildList();
}

}  // namespace app
