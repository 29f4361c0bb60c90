#include "app/editing/global_goals_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/base/colour.h"
#include "app/base/input_policy.h"
#include "app/base/palette_colours.h"
#include "app/base/text.h"
#include "app/base/translations.h"
#include "app/document/field_binding.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "app/editing/fg_widgets.h"
#include "app/editing/trigger_editor.h"
#include "editing/descriptions.h"
#include "editing/teams.h"
#include "editing/triggers.h"

namespace app {

namespace {

// The widest the page grows.
constexpr int MaxPageWidth = 1100;

constexpr int PointsStep = 250;
namespace ggs = model::ggstrings;

QColor tintColour(editing::GoalStringRow::Tint t) {
  switch (t) {
    case editing::GoalStringRow::Green:
      return QColor(0, 160, 0);
    case editing::GoalStringRow::Red:
      return QColor(220, 0, 0);
    default:
      return {};
  }
}

}  // namespace

GlobalGoalsPage::GlobalGoalsPage(const EditorContext& context, QWidget* parent)
    : QWidget(parent), ctx_(context), doc_(context.document) {
  setObjectName(QStringLiteral("GlobalGoalsPage"));
  // On a wide window the fields keep a width to read them by.
  setMaximumWidth(MaxPageWidth);
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(6, 4, 6, 4);
  top->setSpacing(4);
  buildChoosers(top);
  buildTriggers(top);
  buildPoints(top);
  buildStrings(top);
  top->addStretch(1);

  // The team box and the set tabs choose what is shown; showing them changes nothing else.
  connect(teamBox_, &QComboBox::currentIndexChanged, this, &GlobalGoalsPage::setTeam);
  connect(sets_, &QTabBar::currentChanged, this, &GlobalGoalsPage::setGoalSet);
  bindFields();
  // A background tab refills once when it is shown, not on every keystroke elsewhere.
  new ViewUpdater(
      this, doc_, GlobalGoalFields | TeamFields | FlightGroupList,
      [this](Changes, const ChangeSet& c) {
        // Another mission (a load, a new one) is shown from team 1's primary goals.
        if (c.whole) showFirstGoals();
        fill();
      },
      /*deferWhileHidden=*/true);
  fill();
  bindings_->refill();
}

// The team box, the goal-set tabs and the note of the prevent set.
void GlobalGoalsPage::buildChoosers(QVBoxLayout* top) {
  {
    auto* row = new QHBoxLayout;
    teamBox_ = new QComboBox(this);
    teamBox_->setObjectName(QStringLiteral("GGTeamBox"));
    row->addWidget(captionFor(teamBox_, tr("Global Goals for Team:"), this));
    teamBox_->setMinimumContentsLength(18);
    row->addWidget(teamBox_);
    row->addStretch(1);
    top->addLayout(row);
  }
  sets_ = new QTabBar(this);
  sets_->setObjectName(QStringLiteral("GGPages"));
  sets_->addTab(tr("Primary"));
  sets_->addTab(tr("Prevent"));
  sets_->addTab(tr("Secondary"));
  sets_->setExpanding(false);
  top->addWidget(sets_);

  preventNote_ = new QLabel(tr("The Prevent goal must specify the OPPOSITE of the Team's "
                               "objectives\ne.g. if you want a craft to survive, the condition "
                               "here should be \n\"must be destroyed\""),
                            this);
  preventNote_->setObjectName(QStringLiteral("PreventNote"));
  top->addWidget(preventNote_);
}

void GlobalGoalsPage::buildTriggers(QVBoxLayout* top) {
  top->addWidget(new QLabel(tr("Click on text to edit (double-click for clipboard)"), this));
  TriggerSource src;
  src.kind = RecordKind::GlobalGoal;
  src.place = editing::globalGoalTriggers(0);
  src.records = [this] { return std::vector<int>{team_}; };
  src.shown = [this] { return team_; };
  src.undoText = editText(tr("Global Goal Trigger"));
  editor_ = new TriggerEditor(doc_, ctx_.vocabulary, src, this);
  top->addWidget(editor_);
}

void GlobalGoalsPage::buildPoints(QVBoxLayout* top) {
  {
    auto* row = new QHBoxLayout;
    points_ = new QSpinBox(this);
    points_->setObjectName(QStringLiteral("GGPointsED"));
    row->addWidget(captionFor(points_, tr("Points:"), this));
    points_->setRange(-32000, 31750);
    points_->setSingleStep(PointsStep);
    row->addWidget(points_);
    unknown_ = new QLabel(this);
    unknown_->setObjectName(QStringLiteral("Label77"));
    unknown_->hide();
    row->addWidget(unknown_);
    row->addStretch(1);
    top->addLayout(row);
  }
}

// The twelve user strings: a row per condition, a column per outcome.
void GlobalGoalsPage::buildStrings(QVBoxLayout* top) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  for (int k = 0; k < 3; ++k) {
    captions_[static_cast<std::size_t>(k)] = new QLabel(this);
    grid->addWidget(captions_[static_cast<std::size_t>(k)], 0, k + 1);
    grid->setColumnStretch(k + 1, 1);
  }
  const char kinds[] = {'i', 's', 'f'};
  for (int t = 0; t < 4; ++t) {
    grid->addWidget(new QLabel(tr("Condition %1").arg(t + 1), this), t + 1, 0);
    for (int k = 0; k < 3; ++k) {
      auto* e = new QLineEdit(this);
      e->setObjectName(QStringLiteral("GGCond%1%2").arg(t + 1).arg(QLatin1Char(kinds[k])));
      e->setMaxLength(63);
      strings_[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)] = e;
      grid->addWidget(e, t + 1, k + 1);
    }
  }
  top->addLayout(grid);
}

void GlobalGoalsPage::bindFields() {
  // The shown team's shown goal set, and the strings of that set.
  const auto team = [this] { return team_; };
  bindings_ = new FieldBindings(
      this, ctx_,
      nestedAt(oneRecord(RecordKind::GlobalGoal, team),
               [this] { return model::globalgoal::EntryAt[static_cast<std::size_t>(set_)]; }),
      /*deferWhileHidden=*/true);
  bindings_->bind(points_, model::ggentry::Points).convert(scaled(PointsStep));
  const BoundRecords strings = nestedAt(oneRecord(RecordKind::GlobalGoalStrings, team), [this] {
    return ggs::goalAt(static_cast<std::size_t>(set_));
  });
  for (std::size_t t = 0; t < 4; ++t)
    for (std::size_t k = 0; k < 3; ++k)
      bindings_->bind(strings_[t][k], ggs::text(0, t, k))
          .records(strings)
          .undoText(editText(tr("Goal String")));
}

void GlobalGoalsPage::setTeam(int team) {
  if (team < 0 || team == team_) return;
  team_ = team;
  editor_->restart();
  fill();
  bindings_->refill();
}

void GlobalGoalsPage::showFirstGoals() {
  if (team_ == 0 && set_ == 0) return;
  team_ = 0;
  set_ = 0;
  editor_->setPlace(editing::globalGoalTriggers(0));
  editor_->restart();
  bindings_->refill();
}

void GlobalGoalsPage::setGoalSet(int set) {
  if (set < 0 || set == set_) return;
  set_ = set;
  editor_->setPlace(editing::globalGoalTriggers(static_cast<std::size_t>(set)));
  fill();
  bindings_->refill();
}

void GlobalGoalsPage::fill() {
  const model::Mission& m = doc_.mission();
  const auto team = static_cast<std::size_t>(team_);
  setItems(teamBox_, editing::teamNameList(m));
  showIndex(teamBox_, team_);
  {
    QPalette p = teamBox_->palette();
    p.setColor(QPalette::Text, toQColor(editing::teamColour(m, team)));
    p.setColor(QPalette::ButtonText, toQColor(editing::teamColour(m, team)));
    teamBox_->setPalette(p);
  }
  sets_->setCurrentIndex(set_);
  const auto set = static_cast<editing::GoalSet>(set_);
  preventNote_->setVisible(set == editing::PreventGoals);
  unknown_->setText(fromFile(
      editing::goalUnknownText(m.globalGoals[team].entry(static_cast<std::size_t>(set_)))));

  const auto rows = editing::goalStringRows(set);
  for (std::size_t k = 0; k < 3; ++k) {
    captions_[k]->setText(coreText(rows[k].caption));
    captions_[k]->setVisible(rows[k].visible);
    QPalette p = captions_[k]->palette();
    const QColor tint = tintColour(rows[k].tint);
    p.setColor(QPalette::WindowText, tint.isValid()
                                         ? readableOn(tint, palette().color(QPalette::Window))
                                         : palette().color(QPalette::WindowText));
    captions_[k]->setPalette(p);
    for (std::size_t t = 0; t < 4; ++t) {
      strings_[t][k]->setVisible(rows[k].visible);
      // Named by its row and column: "Condition 1, <caption>".
      strings_[t][k]->setAccessibleName(tr("Condition %1").arg(t + 1) + QStringLiteral(", ") +
                                        captions_[k]->text());
    }
  }
  editor_->refresh();
}

}  // namespace app
