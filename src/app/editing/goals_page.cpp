#include "app/editing/goals_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/base/colour.h"
#include "app/base/coloured_list.h"
#include "app/base/refusal_note.h"
#include "app/base/text.h"
#include "app/document/mission_document.h"
#include "app/document/step_text.h"
#include "app/document/view_updater.h"
#include "app/editing/ship_list.h"
#include "editing/descriptions.h"
#include "editing/goals.h"
#include "model/colours.h"
#include "shell/vocabulary.h"

namespace app {

namespace gl = model::goal;
using model::u8;

namespace {

// What the goal lines, the editor and the header read.
constexpr unsigned GoalChanges =
    FlightGroupFields | FlightGroupList | Selection | TeamFields | WholeMission;

// Light IFF colours need the dark ground the flight-group list has.
void darkGround(QWidget* w, QColor text) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, Qt::black);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Highlight, QColor(72, 72, 72));
  p.setColor(QPalette::HighlightedText, Qt::white);
  w->setPalette(p);
}

}  // namespace

bool GoalNumberBox::commit() {
  if (editing::readTypedNumber(lineEdit()->text().toStdString()).kind ==
      editing::TypedNumber::Nothing) {
    lineEdit()->setText(textFromValue(value()));
    return true;
  }
  return NumberSpin::commit();
}

GoalsPage::GoalsPage(const EditorContext& context, QWidget* parent)
    : FlightGroupTab(context, parent) {
  setObjectName(QStringLiteral("GoalsPage"));
  QGroupBox* goalBox = buildGoalBox();
  QGroupBox* strBox = buildStringsBox();
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(4, 4, 4, 4);
  top->setSpacing(6);
  top->addWidget(goalBox);
  top->addWidget(strBox);
  top->addStretch(1);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (quiet() || row < 0 || row == goal_) return;
    chooseGoal(row);
  });
  bindFields();
  new ViewUpdater(this, doc_, GoalChanges, [this](Changes t, const ChangeSet&) { onChanged(t); });
}

// The goals of the current flight group in a list of eight lines.
void GoalsPage::buildGoalList(QGroupBox* goalBox) {
  header_ = new QLineEdit(goalBox);
  header_->setObjectName(QStringLiteral("FGgoalFG"));
  header_->setReadOnly(true);
  header_->setFocusPolicy(Qt::NoFocus);

  list_ = new QListWidget(goalBox);
  list_->setObjectName(QStringLiteral("FGgoalList"));
  list_->setItemDelegate(new ColouredListDelegate(list_));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformItemSizes(true);
  // The lines have no columns to align: a proportional face keeps the longest ones in view.
  QFont f = list_->font();
  f.setPointSize(8);
  list_->setFont(f);
  const QFontMetrics fm(f);
  // Eight lines exactly, so none hides behind a scroll bar.
  list_->setFixedHeight(8 * (fm.height() + 2) + 2 * list_->frameWidth() +
                        list_->horizontalScrollBar()->sizeHint().height());
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  darkGround(list_, Qt::white);
}

// The fields of the goal chosen in the list.
void GoalsPage::buildGoalFields(QGroupBox* goalBox) {
  percent_ = combo("FGGoalPercent");
  must_ = combo("FGMustBox");
  cond_ = combo("FGGoalCond");
  team_ = combo("FGGoalTeamBox");
  unk_ = new QCheckBox(tr("?"), this);
  unk_->setObjectName(QStringLiteral("FGGoalUnk"));
  points_ = new GoalNumberBox(editing::MinGoalPoints, editing::MaxGoalPoints, this);
  points_->setObjectName(QStringLiteral("FGGoalPointsSpin"));
  points_->setSingleStep(editing::GoalPointsStep);
  time_ = new GoalNumberBox(0, 255, this);
  time_->setObjectName(QStringLiteral("FGGoalTimeSpin"));
  time_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  for (GoalNumberBox* b : {points_, time_}) {
    b->onBadText = [b](const QString& m) { showRefusal(b, m); };
  }
  const QFontMetrics fm(points_->font());
  points_->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("-32000")) + 40);
  time_->setFixedWidth(fm.horizontalAdvance(QStringLiteral("2555")) + 16);
  for (QComboBox* c : {percent_, must_, cond_, team_}) c->setParent(goalBox);
  for (QWidget* w :
       {static_cast<QWidget*>(unk_), static_cast<QWidget*>(points_), static_cast<QWidget*>(time_)})
    w->setParent(goalBox);
}

QGroupBox* GoalsPage::buildGoalBox() {
  auto* goalBox = new QGroupBox(tr("Flight Group Goal"), this);
  goalBox->setObjectName(QStringLiteral("FGGoalGroup"));
  buildGoalList(goalBox);
  buildGoalFields(goalBox);
  auto* gv = new QGridLayout(goalBox);
  gv->setContentsMargins(4, 4, 4, 4);
  gv->setHorizontalSpacing(6);
  gv->setVerticalSpacing(3);
  gv->setColumnStretch(1, 1);
  gv->setColumnStretch(3, 1);
  int row = 0;
  gv->addWidget(header_, row++, 0, 1, 4);
  gv->addWidget(list_, row++, 0, 1, 4);
  gv->addWidget(percent_, row, 0, 1, 2);
  gv->addWidget(new QLabel(tr("of it"), goalBox), row, 2);
  gv->addWidget(must_, row++, 3);
  gv->addWidget(cond_, row++, 0, 1, 4);
  gv->addWidget(new QLabel(tr("Applies to Team:"), goalBox), row, 0);
  gv->addWidget(team_, row, 1, 1, 2);
  gv->addWidget(unk_, row++, 3);
  {
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    line->addWidget(points_);
    line->addWidget(new QLabel(tr("Points"), goalBox));
    line->addStretch(1);
    line->addWidget(new QLabel(tr("Time?"), goalBox));
    line->addWidget(time_);
    gv->addLayout(line, row++, 0, 1, 4);
  }
  return goalBox;
}

QGroupBox* GoalsPage::buildStringsBox() {
  auto* strBox = new QGroupBox(tr("User Strings"), this);
  strBox->setObjectName(QStringLiteral("FGGoalStringsGroup"));
  auto* sg = new QGridLayout(strBox);
  sg->setContentsMargins(4, 4, 4, 4);
  sg->setHorizontalSpacing(6);
  sg->setVerticalSpacing(3);
  const char* names[] = {"FGStrIncomp", "FGStrSucc", "FGStrFail"};
  const QString captions[] = {tr("Incomplete"), tr("Success"), tr("Fail")};
  for (std::size_t k = 0; k < strings_.size(); ++k) {
    auto* e = new QLineEdit(strBox);
    e->setObjectName(QString::fromLatin1(names[k]));
    // The whole field: a 64-character text read from a file stays whole when shown and edited.
    e->setMaxLength(static_cast<int>(editing::goalStringMax()));
    strings_[k] = e;
    sg->addWidget(new QLabel(captions[k], strBox), static_cast<int>(k), 0);
    sg->addWidget(e, static_cast<int>(k), 1);
  }
  return strBox;
}

void GoalsPage::bindFields() {
  // The current goal of every selected flight group.
  const BoundRecords goal = nestedAt(
      bindings_->records(), [this] { return model::fg::goalAt(static_cast<std::size_t>(goal_)); });
  FieldBindings& b = *bindings_;
  for (auto [box, field] : {std::pair{percent_, gl::Amount}, std::pair{must_, gl::Argument},
                            std::pair{cond_, gl::Condition}})
    b.bind(box, field).records(goal).onCommit([this](long long) { choiceChosen(); });
  b.bind(team_, gl::Team).records(goal).onCommit([this](long long t) { teamChosen(int(t)); });
  b.bind(unk_, gl::GoalFlag).records(goal).undoText(editText(tr("Goal Flag")));
  // Points count in steps of 250; one between the steps is stored truncated and shown so.
  b.bind(static_cast<QSpinBox*>(points_), gl::Points)
      .records(goal)
      .convert(scaled(editing::GoalPointsStep))
      .undoText(editText(tr("Goal Points")));
  b.bind(static_cast<QSpinBox*>(time_), gl::GoalTime)
      .records(goal)
      .undoText(editText(tr("Goal Time")));
  // The user strings belong to the current flight group alone, whatever else is selected.
  const BoundRecords strings =
      nestedAt(ofKind(shownOnly(bindings_->records()), RecordKind::FlightGroupGoalStrings),
               [this] { return model::fggoalstrings::goalAt(static_cast<std::size_t>(goal_)); });
  for (std::size_t k = 0; k < strings_.size(); ++k)
    b.bind(strings_[k], model::fggoalstrings::text(0, k))
        .records(strings)
        .undoText(editText(tr("Goal String")));
}

void GoalsPage::showEvent(QShowEvent* e) {
  FlightGroupTab::showEvent(e);
  // Coming to the tab starts at the first goal; the window coming back from the task bar does
  // not.
  if (!e->spontaneous()) goal_ = 0;
  fill();
  bindings_->refill();
}

void GoalsPage::onChanged(unsigned what) {
  if (!(what & GoalChanges)) return;
  // After a list operation the current index may name another group.
  if (what & FlightGroupList) shownGroup_ = -1;
  if (isVisible()) fill();
}

void GoalsPage::chooseGoal(int g) {
  if (g < 0 || g >= static_cast<int>(model::fg::GoalCount)) return;
  goal_ = g;
  fill();
  bindings_->refill();
}

void GoalsPage::doFill() {
  if (doc_.currentFlightGroup() != shownGroup_) {
    shownGroup_ = doc_.currentFlightGroup();
    goal_ = 0;
    bindings_->refill();
  }
  setBoundItems(team_, editing::teamNameList(doc_.mission()));
  setBoundTable(percent_, shell::tables::Percents);
  setBoundTable(must_, shell::tables::Musts);
  setBoundTable(cond_, shell::tables::Conds);
  fillList();
  fillHeader();
}

void GoalsPage::fillList() {
  const model::Mission& m = doc_.mission();
  const model::FlightGroup& g = current();
  const auto lines = editing::goalLines(m, vocab_, g);
  // The list's current row follows the edited goal; its handler leaves the same goal alone.
  while (list_->count() < static_cast<int>(lines.size())) list_->addItem(new QListWidgetItem);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    QListWidgetItem* it = list_->item(static_cast<int>(i));
    const QString text = fromFile(lines[i]);
    if (it->text() != text) {
      it->setText(text);
      it->setToolTip(text);
    }
    const QColor c = toQColor(editing::goalColour(m, g.goalBytes(i)));
    if (it->foreground().color() != c) it->setForeground(c);
  }
  list_->setCurrentRow(goal_);
}

void GoalsPage::fillHeader() {
  const model::FlightGroup& g = current();
  header_->setText(fromFile(editing::shortDescription(g, vocab_)));
  darkGround(header_, toQColor(model::iffColour(g.get(model::fg::Iff))));
}

void GoalsPage::choiceChosen() {
  // A box that shows no entry (a byte beyond its list) keeps the current goal's own byte rather
  // than storing -1.
  const model::CBytes b = current().goalBytes(static_cast<std::size_t>(goal_));
  auto pick = [](QComboBox* box, int own) {
    return static_cast<u8>(box->currentIndex() >= 0 ? box->currentIndex() : own);
  };
  const editing::GoalChoice c{
      pick(percent_, model::get(b, gl::Amount)), pick(must_, model::get(b, gl::Argument)),
      pick(cond_, model::get(b, gl::Condition)), pick(team_, model::get(b, gl::Team))};
  const std::size_t goal = static_cast<std::size_t>(goal_);
  editGroups(editText(tr("Goal")), [c, goal](const model::Mission&, model::FlightGroup& g) {
    editing::setGoalChoice(g.goalBytes(goal), c);
  });
}

void GoalsPage::teamChosen(int team) {
  const std::size_t goal = static_cast<std::size_t>(goal_);
  editGroups(editText(tr("Goal Team")), [team, goal](const model::Mission&, model::FlightGroup& g) {
    editing::setGoalTeam(g.goalBytes(goal), static_cast<u8>(team));
  });
}

}  // namespace app
