#include "app/document/edit_history.h"

#include <QUndoCommand>

namespace app {

namespace {

// One step of the history: the recorded steps of an edit, the changed flags it sets and the
// selections on either side.
class HistoryStep : public QUndoCommand {
 public:
  HistoryStep(EditHistory::Target& target, EditHistory::Edit e, const QString& key, int serial,
              bool gesture)
      : target_(target),
        marks_(e.marks),
        delta_(std::move(e.delta)),
        first_(std::move(e.changes)),
        before_(std::move(e.before)),
        after_(std::move(e.after)),
        orderTextsBefore_(std::move(e.orderTextsBefore)),
        key_(key),
        serial_(serial),
        gesture_(gesture) {
    setText(e.text);
  }

  int id() const override { return serial_ == 0 ? -1 : 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* o = dynamic_cast<const HistoryStep*>(other);
    if (!o || serial_ == 0 || o->serial_ != serial_ || o->key_ != key_) return false;
    if (gesture_) {
      // A gesture is one step whatever it touches.
      delta_.join(o->delta_, target_.content(), target_.copyBuffer());
      marks_.flightGroup |= o->marks_.flightGroup;
      marks_.message |= o->marks_.message;
      marks_.mission |= o->marks_.mission;
    } else {
      // Typing joins only the same field of the same records.
      if (!(o->marks_ == marks_) ||
          !delta_.mergeWith(o->delta_, target_.content(), target_.copyBuffer()))
        return false;
    }
    after_ = o->after_;
    if (!orderTextsBefore_) orderTextsBefore_ = o->orderTextsBefore_;
    // Typing back what was there leaves no step.
    if (delta_.isNoOp()) setObsolete(true);
    return true;
  }

  void redo() override {
    if (pending_) {
      // The edit was applied while it was recorded: announce it only.
      pending_ = false;
      target_.replayed(first_, marks_, after_, nullptr);
      first_ = {};
      return;
    }
    const model::ChangeSet c = delta_.apply(target_.content(), target_.copyBuffer());
    target_.replayed(c, marks_, after_, nullptr);
  }

  void undo() override {
    const model::ChangeSet c = delta_.revert(target_.content(), target_.copyBuffer());
    target_.replayed(c, marks_, before_, orderTextsBefore_ ? &*orderTextsBefore_ : nullptr);
    // A cancelled gesture leaves no step behind.
    if (drop_) setObsolete(true);
  }

  void dropOnUndo() { drop_ = true; }

  std::size_t memory() const { return sizeof(*this) + delta_.memory(); }

 private:
  EditHistory::Target& target_;
  model::ChangedFlags marks_;
  model::Delta delta_;
  model::ChangeSet first_;
  SelectionModel::Lists before_, after_;
  std::optional<std::vector<std::string>> orderTextsBefore_;
  QString key_;
  int serial_;
  bool gesture_;
  bool pending_ = true;
  bool drop_ = false;
};

}  // namespace

EditHistory::EditHistory(Target& target, QObject* parent) : QObject(parent), target_(target) {
  stack_.setUndoLimit(500);
  connect(&stack_, &QUndoStack::indexChanged, this, [this] {
    if (pushing_) return;
    // Undo and redo end a typing burst.
    if (!gesture_) close();
    emit moved();
  });
}

EditHistory::~EditHistory() {
  // The steps refer to the target: they go first.
  stack_.clear();
}

void EditHistory::push(Edit e, const QString& mergeKey) {
  if (e.delta.empty()) return;
  QString key = mergeKey;
  if (gesture_) {
    key = key_;
    if (!gestureText_.isEmpty()) e.text = gestureText_;
  } else if (key.isEmpty()) {
    close();
  } else if (key != key_) {
    close();
    key_ = key;
    serial_ = nextSerial_++;
  }
  pushing_ = true;
  stack_.push(new HistoryStep(target_, std::move(e), key, serial_, gesture_));
  pushing_ = false;
}

void EditHistory::begin(const QString& key, const QString& text) {
  close();
  key_ = key;
  gestureText_ = text;
  gesture_ = true;
  serial_ = nextSerial_++;
  gestureStart_ = stack_.index();
}

void EditHistory::commit() {
  close();
}

void EditHistory::cancel() {
  if (!gesture_) return;
  const int start = gestureStart_;
  close();
  // Every step of the gesture is taken back and dropped from the history.
  while (stack_.index() > start && stack_.index() > 0) {
    const int before = stack_.index();
    if (auto* step =
            dynamic_cast<HistoryStep*>(const_cast<QUndoCommand*>(stack_.command(before - 1))))
      step->dropOnUndo();
    stack_.undo();
    if (stack_.index() == before) break;
  }
}

void EditHistory::endBurst() {
  if (!gesture_) close();
}

void EditHistory::clear(bool clean) {
  close();
  stack_.clear();
  // A mission that is not on disk has no clean state to come back to.
  if (clean)
    stack_.setClean();
  else
    stack_.resetClean();
}

void EditHistory::close() {
  key_.clear();
  gestureText_.clear();
  gesture_ = false;
  serial_ = 0;
  gestureStart_ = -1;
}

std::size_t EditHistory::memory() const {
  std::size_t n = 0;
  for (int i = 0; i < stack_.count(); ++i)
    if (const auto* s = dynamic_cast<const HistoryStep*>(stack_.command(i))) n += s->memory();
  return n;
}

}  // namespace app
