#include "app/document/edit_history.h"

#include <QUndoCommand>

#include <memory>

namespace app {

namespace {

// One step of the history: the recorded steps of an edit, the changed flags it sets and the
// selections on either side.
class HistoryStep : public QUndoCommand {
 public:
  HistoryStep(EditHistory::Target& target, EditHistory::Edit e, int serial, bool gesture)
      : target_(target),
        marks_(e.marks),
        delta_(std::move(e.delta)),
        first_(std::move(e.changes)),
        before_(std::move(e.before)),
        after_(std::move(e.after)),
        orderTextsBefore_(std::move(e.orderTextsBefore)),
        serial_(serial),
        gesture_(gesture) {
    setText(e.text);
  }

  int id() const override { return serial_ == 0 ? -1 : 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* o = dynamic_cast<const HistoryStep*>(other);
    // One burst or gesture: the same serial number (a new key starts a new one).
    if (!o || serial_ == 0 || o->serial_ != serial_) return false;
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
    // Typing back what was there leaves no step (a gesture may still move on).
    setObsolete(delta_.isNoOp());
    return true;
  }

  void redo() override {
    if (announced_) {
      // A gesture joins the history when it ends: its edits were applied and announced.
      announced_ = false;
      return;
    }
    if (pending_) {
      // The edit was applied while it was recorded: announce it only.
      pending_ = false;
      target_.replayed(first_, marks_, after_, nullptr, false);
      first_ = {};
      return;
    }
    const model::ChangeSet c = delta_.apply(target_.content(), target_.copyBuffer());
    target_.replayed(c, marks_, after_, nullptr, true);
  }

  void undo() override {
    const model::ChangeSet c = delta_.revert(target_.content(), target_.copyBuffer());
    target_.replayed(c, marks_, before_, orderTextsBefore_ ? &*orderTextsBefore_ : nullptr, true);
  }

  // The step's edits are applied and announced: joining the history announces nothing again.
  void markAnnounced() { announced_ = true; }

  std::size_t memory() const { return sizeof(*this) + delta_.memory(); }

 private:
  EditHistory::Target& target_;
  model::ChangedFlags marks_;
  model::Delta delta_;
  model::ChangeSet first_;
  SelectionModel::Lists before_, after_;
  std::optional<std::vector<std::string>> orderTextsBefore_;
  int serial_;
  bool gesture_;
  bool pending_ = true;
  bool announced_ = false;
};

}  // namespace

EditHistory::EditHistory(Target& target, QObject* parent) : QObject(parent), target_(target) {
  stack_.setUndoLimit(500);
  connect(&stack_, &QUndoStack::indexChanged, this, [this] {
    if (pushing_) return;
    // Undo and redo end a typing burst.
    if (!gesture_) close();
    emit travelled();
    emit moved();
  });
}

EditHistory::~EditHistory() {
  // The steps refer to the target: they go first.
  gestureStep_.reset();
  stack_.clear();
}

void EditHistory::push(Edit e, const QString& mergeKey) {
  if (e.delta.empty()) return;
  if (gesture_) {
    if (!gestureText_.isEmpty()) e.text = gestureText_;
  } else if (mergeKey.isEmpty()) {
    close();
  } else if (mergeKey != key_) {
    close();
    key_ = mergeKey;
    serial_ = nextSerial_++;
  }
  auto step = std::make_unique<HistoryStep>(target_, std::move(e), serial_, gesture_);
  if (gesture_) {
    // A gesture waits beside the history until it ends: a cancelled one leaves the history,
    // steps to redo included, as it was.
    step->redo();
    if (gestureStep_)
      gestureStep_->mergeWith(step.get());
    else
      gestureStep_ = std::move(step);
    return;
  }
  pushing_ = true;
  stack_.push(step.release());
  pushing_ = false;
}

void EditHistory::begin(const QString& key, const QString& text) {
  if (gesture_)
    commit();
  else
    close();
  key_ = key;
  gestureText_ = text;
  gesture_ = true;
  serial_ = nextSerial_++;
}

void EditHistory::commit() {
  std::unique_ptr<QUndoCommand> step = std::move(gestureStep_);
  close();
  if (!step) return;
  if (step->isObsolete()) {
    // The gesture ended where it began: no step, and the state may be the saved one again.
    emit moved();
    return;
  }
  static_cast<HistoryStep*>(step.get())->markAnnounced();
  pushing_ = true;
  stack_.push(step.release());
  pushing_ = false;
}

void EditHistory::cancel() {
  if (!gesture_) return;
  std::unique_ptr<QUndoCommand> step = std::move(gestureStep_);
  close();
  if (!step) return;
  step->undo();
  emit moved();
}

void EditHistory::endBurst() {
  if (!gesture_) close();
}

void EditHistory::clear(bool clean) {
  gestureStep_.reset();
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
}

std::size_t EditHistory::memory() const {
  std::size_t n = 0;
  for (int i = 0; i < stack_.count(); ++i)
    if (const auto* s = dynamic_cast<const HistoryStep*>(stack_.command(i))) n += s->memory();
  if (gestureStep_) n += static_cast<const HistoryStep*>(gestureStep_.get())->memory();
  return n;
}

}  // namespace app
