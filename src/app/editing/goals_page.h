#pragma once
// The "FG Goals" tab: the eight goals of the current flight group, the editor of one goal and its
// three user strings.

#include <array>

#include "app/editing/fg_widgets.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

class QGroupBox;

namespace app {

// A typed number box whose empty text or lone "-" stores nothing and quietly shows the stored
// value again; other text is judged as in every number box.
class GoalNumberBox : public NumberSpin {
  Q_OBJECT
 public:
  using NumberSpin::NumberSpin;
  bool commit() override;
};

// Edits the goals of the selected flight groups, one goal at a time.
class GoalsPage : public FlightGroupTab {
  Q_OBJECT
 public:
  GoalsPage(const EditorContext& context, QWidget* parent = nullptr);

  // The goal being edited (0..7).
  int currentGoal() const { return goal_; }
  // Makes goal `g` current and shows it, as a click on its line does.
  void chooseGoal(int g);

 protected:
  void doFill() override;
  void showEvent(QShowEvent* e) override;

 private:
  void onChanged(unsigned what);
  QGroupBox* buildGoalBox();
  void buildGoalList(QGroupBox* goalBox);
  void buildGoalFields(QGroupBox* goalBox);
  QGroupBox* buildStringsBox();
  void bindFields();
  void fillList();
  void fillHeader();
  void choiceChosen();
  void teamChosen(int team);

  int goal_ = 0;
  int shownGroup_ = -1;
  QLineEdit* header_;
  QListWidget* list_;
  QComboBox* percent_;
  QComboBox* must_;
  QComboBox* cond_;
  QComboBox* team_;
  QCheckBox* unk_;
  GoalNumberBox* points_;
  GoalNumberBox* time_;
  std::array<QLineEdit*, 3> strings_{};
};

}  // namespace app
