#pragma once
// The "Instruction List" page: the instruction lines of the open briefing, the word count, the
// "Current Instruction" form of the selected one and the three uninterpreted words. It shows
// the session and hands every edit to it.

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace app {

struct EditorContext;
class BriefingSession;

class InstructionsPage : public QWidget {
  Q_OBJECT
 public:
  InstructionsPage(const EditorContext& context, BriefingSession& session,
                   QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }

  // The lines again from the session's list (the list was sorted, edited or read again).
  void rebuild();
  // The form from the selected instruction.
  void fillCurrent();

 signals:
  void popupRequested(QWidget* from, QPoint at);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void buildForm(QWidget* group);
  void buildCommandControls(QWidget* group);
  void buildPlaceControls(QWidget* group);
  void layOutForm(QGridLayout* g, QWidget* group);
  void onTimeStep(int value);
  void onCommandChosen(int index);
  void onParameterChosen(int index);
  void onXEdited();
  void onYEdited();
  void showFields(bool parameter, bool x, bool y, bool colour);
  void fillParameter(const std::vector<std::string>& items, int at);
  std::vector<std::string> flightGroupNames() const;

  const EditorContext& ctx_;
  BriefingSession& session_;
  QListWidget* list_ = nullptr;
  QLabel* wordCount_ = nullptr;
  QSpinBox* time_ = nullptr;
  QLabel* timeCaption_ = nullptr;
  QComboBox* command_ = nullptr;
  QLabel* parameterCaption_ = nullptr;
  QComboBox* parameter_ = nullptr;
  QLabel* xCaption_ = nullptr;
  QLineEdit* x_ = nullptr;
  QLabel* yCaption_ = nullptr;
  QLineEdit* y_ = nullptr;
  QLabel* colourCaption_ = nullptr;
  QComboBox* colour_ = nullptr;
  QComboBox* increment_ = nullptr;
  QCheckBox* adjustFollowing_ = nullptr;
  std::array<QLineEdit*, 3> unknowns_{};
  // The lines are rebuilt when the page is shown after changes made while it was hidden (a
  // drag on the preview changes flight groups at every mouse move).
  bool stale_ = false;
};

}  // namespace app
