#pragma once
// "New Mission Wizard": the kind of multiplayer mission to build and its few choices. The
// dialog only asks; the Mission is built by editing::buildWizardMission from choices().

#include <QDialog>

#include <array>

#include "editing/wizard.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QRadioButton;

namespace app {

class WizardDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WizardDialog(QWidget* parent = nullptr);

  editing::WizardChoices choices() const;

 private:
  void addTrainingRows(QGridLayout* grid, QButtonGroup* kinds);
  void addCombatRows(QGridLayout* grid, QButtonGroup* kinds);
  void addMeleeRows(QGridLayout* grid, QButtonGroup* kinds);
  void updateEnabled();

  QRadioButton* train_;
  QRadioButton* combat_;
  QRadioButton* melee_;
  QGroupBox* trainPlayers_;
  QGroupBox* trainIff_;
  QGroupBox* combatPlayers_;
  QGroupBox* meleeTeams_;
  QButtonGroup* trainPlayerButtons_;
  QButtonGroup* iffButtons_;
  QButtonGroup* combatPlayerButtons_;
  QButtonGroup* meleeTeamButtons_;
  QCheckBox* defaultOrders_;
};

}  // namespace app
