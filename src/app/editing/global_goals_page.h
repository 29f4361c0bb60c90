#pragma once
// The "Global Goals" tab: for one team, its three goal sets ("Primary", "Prevent",
// "Secondary"): four triggers with their And/Or flags, the points, and the strings the game
// shows for each trigger.

#include <QWidget>

#include <array>

#include "app/document/editor_context.h"
#include "app/document/mission_document.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabBar;
class QVBoxLayout;

namespace app {

class FieldBindings;
class TriggerEditor;

class GlobalGoalsPage : public QWidget {
  Q_OBJECT
 public:
  explicit GlobalGoalsPage(const EditorContext& context, QWidget* parent = nullptr);

  int team() const { return team_; }
  int goalSet() const { return set_; }
  TriggerEditor* triggerEditor() const { return editor_; }

 private:
  void buildChoosers(QVBoxLayout* top);
  void buildTriggers(QVBoxLayout* top);
  void buildPoints(QVBoxLayout* top);
  void buildStrings(QVBoxLayout* top);
  void bindFields();
  // What the bindings do not show: the team box, the set, the captions and their colours.
  void fill();
  void setTeam(int team);
  void setGoalSet(int set);
  // Team 1 and its primary goals, as every mission is first shown.
  void showFirstGoals();

  const EditorContext& ctx_;
  MissionDocument& doc_;
  int team_ = 0;
  int set_ = 0;
  FieldBindings* bindings_;
  QComboBox* teamBox_;
  QTabBar* sets_;
  QLabel* preventNote_;
  TriggerEditor* editor_;
  QSpinBox* points_;
  QLabel* unknown_;
  // Captions of the three rows (incomplete, success, failed) and their boxes per trigger.
  std::array<QLabel*, 3> captions_{};
  std::array<std::array<QLineEdit*, 3>, 4> strings_{};
};

}  // namespace app
