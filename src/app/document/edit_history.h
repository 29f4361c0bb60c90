#pragma once
// The undo history of a document: its steps, each with its text ("Move 2 craft"), and the rules
// that join edits into one step.
//
// - An edit with a merge key (typing into one field) joins the step before it while it has the
//   same key, the same changed flag and patches the same records in the same order; a selection
//   change, an edit without the key, undo or redo end the burst, so typing that goes on after an
//   undo and a redo is a new step.
// - A gesture (begin ... commit: a drag, a placement followed by a drag) is one step whatever it
//   touches; it joins the history when it ends, so cancel takes it back and leaves the history
//   as it was, the steps to redo included.

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/document_state.h"
#include "model/mission_edit.h"

#include "app/document/selection_model.h"

namespace app {

class EditHistory : public QObject {
  Q_OBJECT
 public:
  // What the steps replay on: the document implements it.
  class Target {
   public:
    virtual model::Mission& content() = 0;
    virtual model::FlightGroup* copyBuffer() = 0;
    // `c` was just applied by a step (or, `first`, recorded while it applied); the changed flags
    // `marks` count and the selections become `lists`; on undo, `orderTexts` are the older
    // orders the step kept from before it (null when it kept none). `replay`: an undo or redo
    // of a step in the history (or of a gesture being cancelled), not the edit as it is made.
    virtual void replayed(const model::ChangeSet& c, const model::ChangedFlags& marks,
                          const SelectionModel::Lists& lists,
                          const std::vector<std::string>* orderTexts, bool replay) = 0;

   protected:
    ~Target() = default;
  };

  // An edit already applied to the content, as recorded.
  struct Edit {
    QString text;
    model::ChangedFlags marks;  // the changed flags it sets
    model::Delta delta;
    model::ChangeSet changes;
    SelectionModel::Lists before, after;
    // The older orders of an imported Mission before an edit of the flight-group list: its
    // undo gives them back, a deleted group's with it.
    std::optional<std::vector<std::string>> orderTextsBefore;
  };

  explicit EditHistory(Target& target, QObject* parent = nullptr);
  ~EditHistory() override;

  QUndoStack* stack() { return &stack_; }
  const QUndoStack* stack() const { return &stack_; }

  // Makes `e` a step (or joins it to the step before, see above) and announces it.
  void push(Edit e, const QString& mergeKey = {});

  // A gesture: the edits until commit are one step, with `text` when given (else the first
  // edit's text).
  void begin(const QString& key, const QString& text = {});
  void commit();
  void cancel();
  bool inTransaction() const { return !key_.isEmpty(); }
  bool inGesture() const { return gesture_; }
  // Ends a typing burst (the selection changed); a gesture goes on.
  void endBurst();
  // The content is the state the history calls clean (the one on disk): no gesture holds edits
  // the history does not have yet.
  bool isClean() const { return !gestureStep_ && stack_.isClean(); }

  // Forgets every step; `clean` says whether the state now is the one on disk.
  void clear(bool clean);

  // Bytes held by the steps (for the benchmark and the tests).
  std::size_t memory() const;

 signals:
  // Undo or redo (one step or several, as the history view goes back or forth); then `moved`.
  void travelled();
  // Undo, redo or a cancelled gesture moved through the history (not a push).
  void moved();

 private:
  void close();

  Target& target_;
  QUndoStack stack_;
  QString key_;  // of the open burst or gesture
  QString gestureText_;
  bool gesture_ = false;
  int serial_ = 0;  // of the open burst or gesture, 0 when none
  int nextSerial_ = 1;
  // The open gesture's edits as one step, applied and announced, not yet in the history.
  std::unique_ptr<QUndoCommand> gestureStep_;
  bool pushing_ = false;
};

}  // namespace app
