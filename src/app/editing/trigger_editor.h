#pragma once
// The trigger editor: condition labels with their And/Or radios (panel `AndOrs`) and the four
// boxes that make up one trigger (panel `Selectors`). It edits one trigger set of whatever
// records a page names: arrival and departure of flight groups, the order-4 jump, messages and
// global goals.

#include <QColor>
#include <QFrame>
#include <QString>

#include <array>
#include <functional>
#include <vector>

#include "app/document/mission_document.h"
#include "editing/triggers.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace shell {
class Vocabulary;
}

namespace app {

class ConditionLabel;
class FieldBindings;

// The records a trigger editor edits and where in them its trigger set lies.
struct TriggerSource {
  RecordKind kind = RecordKind::FlightGroup;
  editing::TriggerSetPlace place;
  // The records a change writes into (every selected flight group or message, one team's
  // global goals, …). Called at each change.
  std::function<std::vector<int>()> records;
  // The record whose values are shown; -1 when there is none (the editor is then disabled).
  std::function<int()> shown;
  // Runs before a change is stored; may make the record to store into (a first message).
  std::function<void()> beforeStore;
  // Undo text of a change ("Arrival trigger").
  QString undoText;
};

// A flight-group trigger set: the document's selected groups, shown from the current one.
TriggerSource flightGroupTriggers(MissionDocument& doc, const editing::TriggerSetPlace& place,
                                  const QString& undoText);

class TriggerEditor : public QFrame {
  Q_OBJECT
 public:
  TriggerEditor(MissionDocument& doc, const shell::Vocabulary& vocab, TriggerSource source,
                QWidget* parent = nullptr);

  // Trigger 1 becomes the edited one and is shown in the boxes. The editor does this by itself
  // when the shown record changes, the record list changes or the editor comes into view.
  void restart() {
    restartPending_ = true;
    refresh();
  }
  // Redraws labels, radios and boxes from the shown record, keeping the edited trigger.
  void refresh();
  // Trigger n (1..count) becomes the edited one and is shown in the boxes; labels redrawn.
  void setEditedTrigger(int n);
  // Another trigger set of the same size in the same records (the global-goal sets); the
  // edited trigger becomes 1.
  void setPlace(const editing::TriggerSetPlace& place);
  int editedTrigger() const { return edited_; }
  int triggerCount() const { return source_.place.count; }

  // The two panels, for pages that place them apart.
  QFrame* andOrs() const { return andOrs_; }
  QFrame* selectors() const { return selectors_; }
  QLabel* conditionLabel(int n) const;
  QComboBox* percentBox() const { return percentBox_; }
  QComboBox* classBox() const { return classBox_; }
  QComboBox* indexBox() const { return indexBox_; }
  QComboBox* condBox() const { return condBox_; }

  // The trigger the boxes make up now, in record byte order.
  editing::TriggerBytes readBoxes() const;
  // Selects the four boxes for a trigger (the target list follows the type) without storing.
  void showTrigger(const editing::TriggerBytes& t);
  // Stores `t` into the edited trigger of every record, as one undo step, and shows it: what a
  // box change does, and what the condition clipboard's "Use" will do.
  void storeTrigger(const editing::TriggerBytes& t);

 signals:
  // Double-click on condition label n (1..count): the condition clipboard's way in.
  void labelDoubleClicked(int n);

 private:
  void build();
  QFrame* buildAndOrs();
  void addAndOr(QVBoxLayout* av, editing::OrFlag f, const char* andName, const char* orName);
  QFrame* buildSelectors();
  void onBoxChanged();
  void onClassChanged(int type);
  void fillTargets(int type);
  void drawLabels();
  // The condition clipboard for trigger n: "&Use" stores the chosen entry as a box change would.
  void useClipboard(int n);
  void onDocumentChanged(Changes what);
  // Whether a box change may be stored: a record is shown, or the source makes one.
  bool storable() const;
  // The shown record's bytes; empty when there is none.
  model::CBytes shownRecord() const;
  int shownIndex() const;
  void showEvent(QShowEvent* e) override;

  MissionDocument& doc_;
  const shell::Vocabulary& vocab_;
  TriggerSource source_;
  int edited_ = 1;
  int lastShown_ = -1;
  bool restartPending_ = false;
  // The And/Or radios, bound to the flags of the shown record.
  FieldBindings* bindings_ = nullptr;
  QFrame* andOrs_ = nullptr;
  QFrame* selectors_ = nullptr;
  std::array<ConditionLabel*, 4> labels_{};
  // "And" and "Or" of each flag (OrFlag order); null where the set has no such flag.
  std::array<std::array<QRadioButton*, 2>, 3> radios_{};
  QComboBox* percentBox_ = nullptr;
  QComboBox* classBox_ = nullptr;
  QComboBox* indexBox_ = nullptr;
  QComboBox* condBox_ = nullptr;
  QPushButton* addToClip_ = nullptr;
};

}  // namespace app
