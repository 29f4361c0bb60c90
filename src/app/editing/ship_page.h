#pragma once
// The "Ship" tab: craft type, name, size, team, player, IFF and the other plain attributes of
// the selected flight groups.

#include "app/editing/fg_widgets.h"
#include "model/layouts.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class ShipPage : public FlightGroupTab {
  Q_OBJECT
 public:
  ShipPage(const EditorContext& context, QWidget* parent = nullptr);

 protected:
  void doFill() override;

 private:
  // The constructor's steps: the controls, their places, their fields, their handlers.
  void buildControls();
  void layOutControls();
  int layOutNameRows(QGridLayout* grid, int row);
  int layOutPairs(QGridLayout* grid, int row);
  int layOutLowerRows(QGridLayout* grid, int row);
  void bindFields();
  void connectSignals();
  void nameEdited(const std::string& name);
  void craftTypeChosen(int type);
  void countChosen(int count);
  void teamChosen(int team);
  void playerChosen();
  void autoLinkToggled(bool on);
  void showSpecialCargo();
  // "Flight Group Formations": "&Use" puts the shown formation into the selected groups.
  void viewFormations();

  QComboBox* name_;
  QComboBox* ship_;
  QCheckBox* autoLink_;
  NumberSpin* size_;
  NumberSpin* waves_;
  QComboBox* team_;
  QComboBox* iff_;
  QComboBox* player_;
  QComboBox* plrPos_;
  QComboBox* ai_;
  QComboBox* colour_;
  QComboBox* radio_;
  QComboBox* form_;
  QPushButton* formBtn_;
  NumberSpin* spacing_;
  QLabel* statusLab_;
  QComboBox* status_;
  QComboBox* status2_;
  QComboBox* missile_;
  QComboBox* beam_;
  QComboBox* counter_;
  QLineEdit* cargo_;
  QLineEdit* specCargo_;
  QLabel* specialLab_;
  QLabel* shipNoLab_;
  NumberSpin* special_;
  QCheckBox* random_;
  QLabel* notInFg_;
  QComboBox* appear_;
  NumberSpin* gg_;
  NumberSpin* gu_;
  std::string iniPath_;  // the formation viewer keeps its place there
};

}  // namespace app
