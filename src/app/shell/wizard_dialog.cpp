#include "app/shell/wizard_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/base/dialog_buttons.h"

namespace app {

namespace {

// A titled group of radio buttons named `name` + 0, 1, 2; the button ids are `ids`.
QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items, const std::array<int, 3>& ids, int checked,
                      QButtonGroup*& buttons) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* l = new QVBoxLayout(box);
  l->setContentsMargins(8, 4, 8, 4);
  buttons = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], box);
    b->setObjectName(QString::fromLatin1(name) + QString::number(i));
    buttons->addButton(b, ids[static_cast<std::size_t>(i)]);
    l->addWidget(b);
    if (i == checked) b->setChecked(true);
  }
  return box;
}

// A button of the mission's kind, one of `kinds`.
QRadioButton* kindButton(QButtonGroup* kinds, const char* name, const QString& text,
                         QWidget* parent) {
  auto* b = new QRadioButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  kinds->addButton(b);
  return b;
}

}  // namespace

WizardDialog::WizardDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("WizardForm"));
  setWindowTitle(tr("New Mission Wizard"));
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  top->addLayout(grid);

  auto* kinds = new QButtonGroup(this);
  addTrainingRows(grid, kinds);
  addCombatRows(grid, kinds);
  addMeleeRows(grid, kinds);

  defaultOrders_ = new QCheckBox(tr("&Set Default Craft Orders"), this);
  defaultOrders_->setObjectName(QStringLiteral("DefaultOrds"));
  defaultOrders_->setChecked(true);
  top->addWidget(defaultOrders_);
  top->addWidget(okCancelButtons(this));

  connect(kinds, &QButtonGroup::buttonToggled, this, [this] { updateEnabled(); });
  updateEnabled();
}

// Training: players and their side.
void WizardDialog::addTrainingRows(QGridLayout* grid, QButtonGroup* kinds) {
  const QStringList counts{QStringLiteral(" 1"), QStringLiteral(" 2"), QStringLiteral(" 8")};
  train_ = kindButton(kinds, "TrainBut", tr("(M/P) &Training"), this);
  train_->setChecked(true);
  grid->addWidget(train_, 0, 0, 1, 2);
  trainPlayers_ = radioGroup(this, "WizTrainPlr", tr("Number of Players:"), counts,
                             editing::TrainingPlayerChoices, 2, trainPlayerButtons_);
  trainIff_ = radioGroup(this, "WizIFF", tr("IFF of Players:"),
                         {QLatin1Char(' ') + tr("Rebel"), QLatin1Char(' ') + tr("Imperial")},
                         {1, 0, 0}, 0, iffButtons_);
  grid->addWidget(trainPlayers_, 1, 0);
  grid->addWidget(trainIff_, 1, 1, Qt::AlignTop);
}

// Combat: players, split between the two sides.
void WizardDialog::addCombatRows(QGridLayout* grid, QButtonGroup* kinds) {
  combat_ = kindButton(kinds, "CombatBut", tr("M/P Com&bat"), this);
  grid->addWidget(combat_, 2, 0, 1, 2);
  combatPlayers_ = radioGroup(this, "CombatPlrs", tr("Number of Players:"),
                              {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("8")},
                              editing::CombatPlayerChoices, 2, combatPlayerButtons_);
  grid->addWidget(combatPlayers_, 3, 0);
  auto* note = new QVBoxLayout;
  note->setSpacing(0);
  for (const QString& line : {tr("Combat Mission are intended for 8 "),
                              tr("players, but will work with at least "), tr("1 on each side")})
    note->addWidget(new QLabel(line, this));
  note->addStretch();
  grid->addLayout(note, 3, 1);
}

// Melee: teams of equal size.
void WizardDialog::addMeleeRows(QGridLayout* grid, QButtonGroup* kinds) {
  melee_ = kindButton(kinds, "MeleeBut", tr("&Melee"), this);
  grid->addWidget(melee_, 4, 0, 1, 2);
  meleeTeams_ = radioGroup(this, "WizMeleeTeams", tr("Number of Teams:"),
                           {QStringLiteral(" 2"), QStringLiteral(" 4"), QStringLiteral(" 8")},
                           editing::MeleeTeamChoices, 2, meleeTeamButtons_);
  grid->addWidget(meleeTeams_, 5, 0);
}

void WizardDialog::updateEnabled() {
  trainPlayers_->setEnabled(train_->isChecked());
  trainIff_->setEnabled(train_->isChecked());
  combatPlayers_->setEnabled(combat_->isChecked());
  meleeTeams_->setEnabled(melee_->isChecked());
}

editing::WizardChoices WizardDialog::choices() const {
  editing::WizardChoices c;
  c.kind = train_->isChecked()    ? editing::WizardKind::Training
           : combat_->isChecked() ? editing::WizardKind::Combat
                                  : editing::WizardKind::Melee;
  c.trainingPlayers = trainPlayerButtons_->checkedId();
  c.trainingRebel = iffButtons_->checkedId() == 1;
  c.combatPlayers = combatPlayerButtons_->checkedId();
  c.meleeTeams = meleeTeamButtons_->checkedId();
  c.defaultOrders = defaultOrders_->isChecked();
  return c;
}

}  // namespace app
