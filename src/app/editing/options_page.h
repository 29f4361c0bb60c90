#pragma once
// The "Options" tab: the group's role for each team, the weapons and craft the player may
// choose instead of the group's own.

#include <array>

#include "app/editing/fg_widgets.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace app {

class OptionsPage : public FlightGroupTab {
  Q_OBJECT
 public:
  OptionsPage(const EditorContext& context, QWidget* parent = nullptr);

  // The optional-craft row being edited (0..9).
  int editedRow() const { return row_; }
  // Another flight group became current: back to the first row, the toggle back to "on".
  void groupChanged();

 protected:
  void doFill() override;

 private:
  QWidget* buildRolesGroup();
  QWidget* buildWeaponsGroup();
  QWidget* buildCraftGroup();
  void bindFields();
  void rolesChosen();
  void weaponsChosen(std::size_t list, const std::vector<bool>& selected);
  void allOptions();
  void rowClicked(int row);
  void rowCraftChosen(int type);
  void fillRows();

  std::array<QComboBox*, 4> cmd_{};
  std::array<QLabel*, 4> cmdLab_{};
  QComboBox* cmdAll_;
  std::array<QListWidget*, 3> weapons_{};  // warheads, beams, countermeasures
  QPushButton* allOptions_;
  bool allOn_ = true;  // what "All Options On/Off" does next
  QComboBox* category_;
  QListWidget* rows_;
  QComboBox* rowShip_;
  NumberSpin* rowCount_;
  NumberSpin* rowWaves_;
  int row_ = 0;
};

}  // namespace app
