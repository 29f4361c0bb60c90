#pragma once
// The "Teams" tab: one team at a time, its name, the IFF the auto-link gives its flight groups,
// its allies, the six end-of-mission strings, and the radio link of its flight groups.

#include <QWidget>

#include <array>

#include "app/document/editor_context.h"
#include "app/document/mission_document.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace app {

class FieldBindings;

class TeamsPage : public QWidget {
  Q_OBJECT
 public:
  explicit TeamsPage(const EditorContext& context, QWidget* parent = nullptr);

  int team() const { return team_; }
  void setTeam(int team);

 private:
  QGridLayout* buildHead();
  QVBoxLayout* buildAllies();
  void buildStrings(QVBoxLayout* top);
  void bindFields();
  // What the bindings do not show: the caption, the buttons, the colours and the team names.
  void fill();
  void iffChosen(int iff);
  void linkByRadio();

  const EditorContext& ctx_;
  MissionDocument& doc_;
  int team_ = 0;
  FieldBindings* bindings_;
  QPushButton* prev_;
  QPushButton* next_;
  QLabel* nameLabel_;
  QComboBox* name_;
  QComboBox* iff_;
  QListWidget* friends_;
  QPushButton* radio_;
  std::array<QLineEdit*, 6> strings_{};
};

}  // namespace app
