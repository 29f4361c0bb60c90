#include "app/document/mission_document.h"

#include <QUndoCommand>

#include <algorithm>
#include <optional>

#include "editing/flight_group_ops.h"

namespace app {

Changes topicsOf(const ChangeSet& c) {
  if (c.whole) return WholeMission;
  Changes t = NoChange;
  if (c.touches(RecordKind::FlightGroup) || c.touches(RecordKind::FlightGroupGoalStrings) ||
      c.autoLink)
    t |= FlightGroupFields;
  if (c.listChanged(ListKind::FlightGroups)) t |= FlightGroupList | FlightGroupFields;
  if (c.touches(RecordKind::Message)) t |= MessageFields;
  if (c.listChanged(ListKind::Messages)) t |= MessageList | MessageFields;
  if (c.touches(RecordKind::GlobalGoal) || c.touches(RecordKind::GlobalGoalStrings))
    t |= GlobalGoalFields;
  if (c.touches(RecordKind::Team) || c.touches(RecordKind::TeamIff)) t |= TeamFields;
  if (c.touches(RecordKind::Briefing) || c.briefingText) t |= BriefingFields;
  if (c.touches(RecordKind::Header)) t |= HeaderFields;
  if (c.textBlocks[0] || c.textBlocks[1] || c.textBlocks[2]) t |= TextBlocks;
  if (c.format) t |= Format;
  if (c.sounds) t |= Sounds;
  if (c.changedState) t |= ChangedState;
  if (c.touches(RecordKind::FlightGroupBuffer)) t |= FlightGroupBufferChange;
  return t;
}

namespace {

int countOf(const model::Mission& m, ListKind list) {
  return static_cast<int>(list == ListKind::FlightGroups ? m.flightGroups.size()
                                                         : m.messages.size());
}

// Appends `later` (done just after `d`) to `d`. A patch of the very bytes an earlier patch of
// `d` wrote, with no list step or overlapping patch of that record in between, only moves that
// one's `after` on, so a drag of many moves keeps one patch per field.
void fold(model::Delta& d, const model::Delta& later) {
  for (const model::Step& step : later.steps) {
    const auto* p = std::get_if<model::PatchStep>(&step);
    bool folded = false;
    for (auto it = d.steps.rbegin(); p && it != d.steps.rend(); ++it) {
      auto* q = std::get_if<model::PatchStep>(&*it);
      if (!q) break;  // a list step may have moved the records
      if (q->kind != p->kind || q->index != p->index) continue;
      if (q->offset == p->offset && q->after.size() == p->after.size()) {
        q->after = p->after;
        folded = true;
        break;
      }
      if (q->offset < p->offset + p->after.size() && p->offset < q->offset + q->after.size()) break;
    }
    if (!folded) d.steps.push_back(step);
  }
}

// One undo step: the recorded steps of an edit, the changed flag it sets and the selections on
// either side.
class DocumentCommand : public QUndoCommand {
 public:
  DocumentCommand(MissionDocument& doc, const QString& text, ChangedFlag flag, model::Delta d,
                  ChangeSet first, model::Selection fgBefore, model::Selection msgBefore,
                  const QString& mergeKey, bool gesture)
      : doc_(doc),
        flag_(flag),
        delta_(std::move(d)),
        first_(std::move(first)),
        fgBefore_(std::move(fgBefore)),
        msgBefore_(std::move(msgBefore)),
        fgAfter_(doc.selection(ListKind::FlightGroups)),
        msgAfter_(doc.selection(ListKind::Messages)),
        mergeKey_(mergeKey),
        serial_(mergeKey.isEmpty() ? 0 : doc.transactionSerial()),
        gesture_(gesture) {
    setText(text);
    // The older orders of an imported Mission as they were: undoing a delete brings the
    // removed groups' orders back with them.
    if (first_.flightGroupList) orderTextsBefore_ = doc.state().importedOrderTexts;
  }

  int id() const override { return serial_ == 0 ? -1 : 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* o = dynamic_cast<const DocumentCommand*>(other);
    if (!o || o->serial_ != serial_ || serial_ == 0 || o->mergeKey_ != mergeKey_ ||
        (o->flag_ != flag_ && !gesture_))
      return false;
    if (!delta_.mergeWith(o->delta_, doc_.mission(), &doc_.state().flightGroupBuffer)) {
      // An explicit transaction (a drag, a placement and its drag) is one step whatever it
      // edits: the later steps follow these.
      if (!gesture_) return false;
      fold(delta_, o->delta_);
    }
    if (o->flag_ != flag_) flag_ = ChangedFlag::Mission;
    if (!orderTextsBefore_) orderTextsBefore_ = o->orderTextsBefore_;
    fgAfter_ = o->fgAfter_;
    msgAfter_ = o->msgAfter_;
    // Typing back what was there leaves no step.
    if (delta_.isNoOp()) setObsolete(true);
    return true;
  }

  void redo() override {
    if (pending_) {
      // The edit was applied while it was recorded: announce it only.
      pending_ = false;
      doc_.applied(first_, flag_, fgAfter_, msgAfter_);
      first_ = {};
      return;
    }
    const ChangeSet c = delta_.apply(doc_.contentForCommands(), doc_.bufferForCommands());
    doc_.applied(c, flag_, fgAfter_, msgAfter_);
  }

  void undo() override {
    const ChangeSet c = delta_.revert(doc_.contentForCommands(), doc_.bufferForCommands());
    doc_.applied(c, flag_, fgBefore_, msgBefore_,
                 orderTextsBefore_ ? &*orderTextsBefore_ : nullptr);
    // A cancelled transaction leaves no step behind.
    if (drop_) setObsolete(true);
  }

  void dropOnUndo() { drop_ = true; }

  std::size_t memory() const { return sizeof(*this) + delta_.memory(); }

 private:
  MissionDocument& doc_;
  ChangedFlag flag_;
  model::Delta delta_;
  ChangeSet first_;
  bool pending_ = true;
  bool drop_ = false;
  model::Selection fgBefore_, msgBefore_, fgAfter_, msgAfter_;
  std::optional<std::vector<std::string>> orderTextsBefore_;
  QString mergeKey_;
  int serial_;
  bool gesture_;  // pushed inside an explicit transaction
};

}  // namespace

MissionDocument::MissionDocument(QObject* parent) : QObject(parent) {
  undo_.setUndoLimit(500);
  connect(&undo_, &QUndoStack::indexChanged, this, [this] {
    // Undo and redo end a typing burst.
    if (!pushing_ && !txExplicit_) closeTransaction();
    afterIndexChange();
  });
  mission_.newMission(state_.defaults);
  state_.flightGroupBuffer = newFlightGroupTemplate();
}

MissionDocument::~MissionDocument() {
  // The commands refer to this document: they go before its members.
  undo_.clear();
}

// ---- Life cycle ---------------------------------------------------------------------------

void MissionDocument::replaceMission(model::Mission m, const std::string& fileName, bool named,
                                     bool unsaved, std::vector<std::string> orderTexts) {
  closeTransaction();
  mission_ = std::move(m);
  model::refreshDerived(mission_, ChangeSet::wholeMission());
  state_.fileName = fileName;
  state_.named = named;
  state_.importedOrderTexts = std::move(orderTexts);
  // The copy buffer outlives the Mission it was copied from; until something is copied it
  // holds the new-group template.
  if (!state_.bufferFilled) state_.flightGroupBuffer = newFlightGroupTemplate();
  // The selection fits the new content before anything is announced: clearing the old history
  // already tells the views, which then read the new records.
  sel_.reset(static_cast<int>(mission_.flightGroups.size()),
             static_cast<int>(mission_.messages.size()));
  undo_.clear();
  // A mission that is not on disk has no clean state to come back to.
  if (unsaved)
    undo_.resetClean();
  else
    undo_.setClean();
  // Only now: clearing the old history reports a clean stack, which clears the flags.
  state_.changed = {};
  state_.changed.mission = unsaved;
  emit changed(ChangeSet::wholeMission());
  emit selectionChanged();
}

void MissionDocument::markSaved(const std::string& fileName) {
  state_.fileName = fileName;
  state_.named = true;
  state_.changed = {};
  undo_.setClean();
  ChangeSet c;
  c.changedState = true;
  emit changed(c);
}

model::FlightGroup MissionDocument::newFlightGroupTemplate() const {
  return mission_.newFlightGroupTemplate(state_.defaults);
}

model::Message MissionDocument::newMessageTemplate() const {
  return model::newMessageTemplate();
}

// ---- Selection ----------------------------------------------------------------------------

const model::Selection& MissionDocument::selection(ListKind list) const {
  return sel_.of(list);
}

void MissionDocument::select(ListKind list, std::vector<int> indices, int current) {
  const int before = sel_.of(list).current;
  const int count = countOf(mission_, list);
  if (!sel_.select(list, {std::move(indices), current >= 0 ? current : before}, count)) return;
  if (!txExplicit_) closeTransaction();
  // Leaving a changed flight group makes the whole Mission count as changed.
  if (list == ListKind::FlightGroups && sel_.of(list).current != before &&
      state_.changed.flightGroup) {
    state_.changed.mission = true;
    state_.changed.flightGroup = false;
  }
  emit selectionChanged();
}

void MissionDocument::setCurrentPoint(int point) {
  if (sel_.setCurrentPoint(point)) emit selectionChanged();
}

// ---- Reading ------------------------------------------------------------------------------

model::CBytes MissionDocument::recordBytes(RecordKind kind, int index) const {
  return model::recordBytes(mission_, kind, index, &state_.flightGroupBuffer);
}

int MissionDocument::recordCount(RecordKind kind) const {
  return model::recordCount(mission_, kind);
}

// ---- Recording and pushing ----------------------------------------------------------------

void MissionDocument::push(const QString& text, ChangedFlag flag, model::Delta d,
                           const ChangeSet& c, const model::Selection& fgBefore,
                           const model::Selection& msgBefore, const QString& mergeKey) {
  if (d.empty()) return;
  QString key = mergeKey;
  if (txExplicit_ && key.isEmpty()) key = txKey_;
  if (!key.isEmpty() && key != txKey_) {
    closeTransaction();
    txKey_ = key;
    txSerial_ = nextSerial_++;
  } else if (key.isEmpty() && !txExplicit_) {
    closeTransaction();
  }
  pushing_ = true;
  undo_.push(new DocumentCommand(*this, text, flag, std::move(d), c, fgBefore, msgBefore, key,
                                 txExplicit_));
  pushing_ = false;
  afterIndexChange();
}

void MissionDocument::apply(const QString& text, ChangedFlag flag,
                            const std::function<void(model::MissionEdit&)>& fn,
                            const QString& mergeKey) {
  const model::Selection fgBefore = sel_.of(ListKind::FlightGroups),
                         msgBefore = sel_.of(ListKind::Messages);
  model::MissionEdit e(mission_, &state_.flightGroupBuffer);
  fn(e);
  const ChangeSet c = e.changes();
  model::Delta d = e.take();
  if (d.empty()) return;
  sel_.follow(c);
  push(text, flag, std::move(d), c, fgBefore, msgBefore, mergeKey);
}

void MissionDocument::applyListOp(const QString& text, ChangedFlag flag, ListKind list,
                                  const std::function<model::Selection(model::MissionEdit&)>& fn) {
  const model::Selection fgBefore = sel_.of(ListKind::FlightGroups),
                         msgBefore = sel_.of(ListKind::Messages);
  model::MissionEdit e(mission_, &state_.flightGroupBuffer);
  model::Selection after = fn(e);
  const ChangeSet c = e.changes();
  model::Delta d = e.take();
  if (d.empty()) return;
  sel_.follow(c);
  sel_.select(list, std::move(after), countOf(mission_, list));
  push(text, flag, std::move(d), c, fgBefore, msgBefore, {});
}

void MissionDocument::editContent(const QString& text, ChangedFlag flag,
                                  const std::function<void(model::Mission&)>& fn,
                                  const QString& mergeKey) {
  apply(
      text, flag, [&](model::MissionEdit& e) { e.modifyContent(fn); }, mergeKey);
}

void MissionDocument::applied(const ChangeSet& c, ChangedFlag flag, const model::Selection& fg,
                              const model::Selection& msg,
                              const std::vector<std::string>* orderTexts) {
  model::mark(state_.changed, flag);
  // The older orders of an imported Mission stay with their flight groups.
  if (orderTexts)
    state_.importedOrderTexts = *orderTexts;
  else if (c.flightGroupList && !state_.importedOrderTexts.empty())
    state_.importedOrderTexts = model::remapped(state_.importedOrderTexts, *c.flightGroupList);
  const bool selectionMoved =
      sel_.restore({fg, msg}, static_cast<int>(mission_.flightGroups.size()),
                   static_cast<int>(mission_.messages.size()));
  ChangeSet out = c;
  out.changedState = true;
  emit changed(out);
  if (selectionMoved) emit selectionChanged();
}

void MissionDocument::afterIndexChange() {
  if (pushing_) return;
  if (undo_.isClean() && state_.changed.any()) {
    state_.changed = {};
    ChangeSet c;
    c.changedState = true;
    emit changed(c);
  }
}

// ---- Field edits --------------------------------------------------------------------------

void MissionDocument::patch(RecordKind kind, const std::vector<int>& indices, std::size_t offset,
                            const std::vector<std::uint8_t>& bytes, const QString& mergeKey) {
  std::vector<PatchSpec> list;
  for (int i : indices) list.push_back({kind, i, offset, bytes});
  patches(tr("Edit"), list, mergeKey);
}

void MissionDocument::patches(const QString& text, const std::vector<PatchSpec>& list,
                              const QString& mergeKey) {
  ChangedFlag flag = ChangedFlag::None;
  for (const PatchSpec& p : list) {
    const int count = recordCount(p.kind);
    if (p.index < 0 || p.index >= count || p.bytes.empty()) continue;
    if (p.offset + p.bytes.size() > recordBytes(p.kind, p.index).size()) return;
    switch (p.kind) {
      case RecordKind::FlightGroup:
      case RecordKind::FlightGroupGoalStrings:
        if (flag == ChangedFlag::None) flag = ChangedFlag::FlightGroup;
        break;
      case RecordKind::Message:
        if (flag != ChangedFlag::Mission) flag = ChangedFlag::Message;
        break;
      case RecordKind::FlightGroupBuffer:
        break;
      default:
        flag = ChangedFlag::Mission;
        break;
    }
  }
  apply(
      text, flag,
      [&](model::MissionEdit& e) {
        for (const PatchSpec& p : list) {
          if (p.index < 0 || p.index >= recordCount(p.kind) || p.bytes.empty()) continue;
          e.patch(p.kind, p.index, p.offset, p.bytes);
        }
      },
      mergeKey);
}

void MissionDocument::setFlightGroupText(const model::TextField& f, const std::string& text,
                                         const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  patch(RecordKind::FlightGroup, selectedFlightGroups(), f.offset, {enc.begin(), enc.end()},
        mergeKey);
}

void MissionDocument::setMessageText(const model::TextField& f, const std::string& text,
                                     const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  patch(RecordKind::Message, selectedMessages(), f.offset, {enc.begin(), enc.end()}, mergeKey);
}

void MissionDocument::setText(RecordKind kind, int record, const model::TextField& f,
                              const std::string& text, const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  patch(kind, {record}, f.offset, {enc.begin(), enc.end()}, mergeKey);
}

void MissionDocument::editFlightGroups(
    const QString& text, const std::function<void(const model::Mission&, model::FlightGroup&)>& fn,
    const QString& mergeKey) {
  const std::vector<int> sel = selectedFlightGroups();
  apply(
      text, ChangedFlag::FlightGroup,
      [&](model::MissionEdit& e) {
        for (int i : sel)
          if (i >= 0 && i < static_cast<int>(mission_.flightGroups.size()))
            e.modifyFlightGroup(i, [&](model::FlightGroup& g) { fn(e.mission(), g); });
      },
      mergeKey);
}

void MissionDocument::editMessages(
    const QString& text, const std::function<void(const model::Mission&, model::Message&)>& fn,
    const QString& mergeKey) {
  const std::vector<int> sel = selectedMessages();
  apply(
      text, ChangedFlag::Message,
      [&](model::MissionEdit& e) {
        for (int i : sel)
          if (i >= 0 && i < static_cast<int>(mission_.messages.size()))
            e.modifyMessage(i, [&](model::Message& m) { fn(e.mission(), m); });
      },
      mergeKey);
}

void MissionDocument::setTextBlock(Block block, const std::string& memo) {
  const model::TextBlock& now = model::textBlock(mission_, block);
  if (now.text() == memo) return;
  // The description keeps the size of the current format's block; debriefings are 4096.
  const std::size_t size = block == Block::Description ? mission_.descriptionSize() : 4096;
  model::TextBlock next = now;
  next.setText(memo, std::max(size, now.size()));
  apply(
      tr("Edit text"), ChangedFlag::Mission,
      [&](model::MissionEdit& e) { e.setTextBlock(block, next); },
      QStringLiteral("textblock%1").arg(static_cast<int>(block)));
}

void MissionDocument::setFormat(std::int16_t platformId) {
  apply(tr("Change format"), ChangedFlag::Mission,
        [&](model::MissionEdit& e) { e.setFormat(platformId); });
}

void MissionDocument::setSounds(std::vector<std::string> sounds, const QString& text) {
  apply(text.isEmpty() ? tr("Message sounds") : text, ChangedFlag::Mission,
        [&](model::MissionEdit& e) { e.setSounds(std::move(sounds)); });
}

void MissionDocument::setAutoLinkAll(bool on) {
  // Not in the file: the Mission does not count as changed.
  apply(tr("Auto-link every flight group"), ChangedFlag::None, [&](model::MissionEdit& e) {
    for (std::size_t i = 0; i < mission_.flightGroups.size(); ++i)
      e.setAutoLink(static_cast<int>(i), on);
  });
}

// ---- Flight-group list --------------------------------------------------------------------

void MissionDocument::newFlightGroup() {
  const model::FlightGroup tmpl = newFlightGroupTemplate();
  applyListOp(
      tr("New flight group"), ChangedFlag::FlightGroup, ListKind::FlightGroups,
      [&](model::MissionEdit& e) { return editing::newFlightGroup(e, tmpl, state_.defaults); });
}

void MissionDocument::deleteFlightGroups() {
  if (mission_.flightGroups.empty()) return;
  const model::FlightGroup tmpl = newFlightGroupTemplate();
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  applyListOp(tr("Delete flight groups"), ChangedFlag::Mission, ListKind::FlightGroups,
              [&](model::MissionEdit& e) { return editing::deleteFlightGroups(e, sel, tmpl); });
}

void MissionDocument::moveFlightGroupsUp() {
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  if (!editing::canMoveUp(mission_, sel)) return;
  applyListOp(tr("Move up"), ChangedFlag::Mission, ListKind::FlightGroups,
              [&](model::MissionEdit& e) { return editing::moveUp(e, sel); });
}

void MissionDocument::moveFlightGroupsDown() {
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  if (!editing::canMoveDown(mission_, sel)) return;
  applyListOp(tr("Move down"), ChangedFlag::Mission, ListKind::FlightGroups,
              [&](model::MissionEdit& e) { return editing::moveDown(e, sel); });
}

void MissionDocument::copyFlightGroup() {
  if (!editing::copyFlightGroup(mission_, sel_.of(ListKind::FlightGroups),
                                state_.flightGroupBuffer))
    return;
  state_.bufferFilled = true;
  ChangeSet c;
  c.of(RecordKind::FlightGroupBuffer).indices = {0};
  c.of(RecordKind::FlightGroupBuffer).end = model::fg::Size;
  emit changed(c);
}

void MissionDocument::cutFlightGroups() {
  if (mission_.flightGroups.empty()) return;
  // The copy is not part of the undo step; the renumbering of the buffer's references is.
  copyFlightGroup();
  const model::FlightGroup tmpl = newFlightGroupTemplate();
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  applyListOp(tr("Cut flight groups"), ChangedFlag::Mission, ListKind::FlightGroups,
              [&](model::MissionEdit& e) { return editing::deleteFlightGroups(e, sel, tmpl); });
}

void MissionDocument::pasteFlightGroup() {
  const model::FlightGroup buffer = state_.flightGroupBuffer;
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  applyListOp(tr("Paste flight group"), ChangedFlag::FlightGroup, ListKind::FlightGroups,
              [&](model::MissionEdit& e) {
                return editing::pasteFlightGroup(e, sel, buffer, state_.defaults);
              });
}

// ---- Transactions -------------------------------------------------------------------------

void MissionDocument::beginTransaction(const QString& key) {
  closeTransaction();
  txKey_ = key;
  txExplicit_ = true;
  txSerial_ = nextSerial_++;
  txStart_ = undo_.index();
}

void MissionDocument::commitTransaction() {
  closeTransaction();
}

void MissionDocument::cancelTransaction() {
  if (!txExplicit_) return;
  const int start = txStart_;
  closeTransaction();
  // Every step of the transaction is taken back and dropped from the history.
  while (undo_.index() > start && undo_.index() > 0) {
    const int before = undo_.index();
    if (auto* cmd = dynamic_cast<DocumentCommand*>(
            const_cast<QUndoCommand*>(undo_.command(undo_.index() - 1))))
      cmd->dropOnUndo();
    undo_.undo();
    if (undo_.index() == before) break;
  }
}

void MissionDocument::closeTransaction() {
  txKey_.clear();
  txExplicit_ = false;
  txSerial_ = 0;
  txStart_ = -1;
}

std::size_t MissionDocument::undoMemory() const {
  std::size_t n = 0;
  for (int i = 0; i < undo_.count(); ++i)
    if (const auto* c = dynamic_cast<const DocumentCommand*>(undo_.command(i))) n += c->memory();
  return n;
}

}  // namespace app
