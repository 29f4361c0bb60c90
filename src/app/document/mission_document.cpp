#include "app/document/mission_document.h"

#include "app/document/step_text.h"

#include <algorithm>
#include <utility>

#include "app/base/text.h"
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

model::ChangedFlags marksOf(ChangedFlag flag) {
  model::ChangedFlags f;
  model::mark(f, flag);
  return f;
}

}  // namespace

MissionDocument::MissionDocument(QObject* parent) : QObject(parent) {
  connect(&history_, &EditHistory::travelled, this, [this] {
    const ChangeSet c = std::exchange(travel_, {});
    if (c.contentChanged()) emit travelled(c);
  });
  connect(&history_, &EditHistory::moved, this, &MissionDocument::afterHistoryMoved);
  mission_.newMission(state_.defaults);
  state_.flightGroupBuffer = newFlightGroupTemplate();
}

MissionDocument::~MissionDocument() = default;

// ---- Life cycle ---------------------------------------------------------------------------

void MissionDocument::replaceMission(model::Mission m, const std::string& fileName, bool named,
                                     bool unsaved, std::vector<std::string> orderTexts) {
  history_.commit();
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
  // A mission that is not on disk has no clean state to come back to. The old flags go first:
  // clearing the old history reports a clean stack, which would announce cleared flags before
  // the new content.
  state_.changed = {};
  history_.clear(!unsaved);
  state_.changed.mission = unsaved;
  emit changed(ChangeSet::wholeMission());
  emit selectionChanged();
}

void MissionDocument::markSaved(const std::string& fileName) {
  state_.fileName = fileName;
  state_.named = true;
  state_.changed = {};
  history_.stack()->setClean();
  ChangeSet c;
  c.changedState = true;
  emit changed(c);
}

void MissionDocument::markUnsaved() {
  if (state_.changed.mission) return;
  state_.changed.mission = true;
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
  history_.endBurst();
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

void MissionDocument::record(
    const QString& text, const model::ChangedFlags& marks, ListKind list,
    const std::function<std::optional<model::Selection>(model::MissionEdit&)>& fn,
    const QString& mergeKey) {
  EditHistory::Edit edit{text, marks, {}, {}, sel_.lists(), {}, {}};
  model::MissionEdit e(mission_, &state_.flightGroupBuffer);
  std::optional<model::Selection> chosen = fn(e);
  edit.changes = e.changes();
  edit.delta = e.take();
  if (edit.delta.empty()) return;
  if (edit.changes.flightGroupList && !state_.importedOrderTexts.empty())
    edit.orderTextsBefore = state_.importedOrderTexts;
  // Selections follow inserted, removed and moved records, unless the operation chose one.
  sel_.follow(edit.changes);
  if (chosen) sel_.select(list, std::move(*chosen), countOf(mission_, list));
  edit.after = sel_.lists();
  history_.push(std::move(edit), mergeKey);
  afterHistoryMoved();
}

void MissionDocument::apply(const QString& text, ChangedFlag flag,
                            const std::function<void(model::MissionEdit&)>& fn,
                            const QString& mergeKey) {
  record(
      text, marksOf(flag), ListKind::FlightGroups,
      [&](model::MissionEdit& e) -> std::optional<model::Selection> {
        fn(e);
        return std::nullopt;
      },
      mergeKey);
}

void MissionDocument::applyListOp(const QString& text, ChangedFlag flag, ListKind list,
                                  const std::function<model::Selection(model::MissionEdit&)>& fn) {
  record(text, marksOf(flag), list,
         [&](model::MissionEdit& e) -> std::optional<model::Selection> { return fn(e); }, {});
}

void MissionDocument::editContent(const QString& text, ChangedFlag flag,
                                  const std::function<void(model::Mission&)>& fn,
                                  const QString& mergeKey) {
  apply(
      text, flag, [&](model::MissionEdit& e) { e.modifyContent(fn); }, mergeKey);
}

void MissionDocument::replayed(const ChangeSet& c, const model::ChangedFlags& marks,
                               const SelectionModel::Lists& lists,
                               const std::vector<std::string>* orderTexts, bool replay) {
  state_.changed.flightGroup |= marks.flightGroup;
  state_.changed.message |= marks.message;
  state_.changed.mission |= marks.mission;
  // The older orders of an imported Mission stay with their flight groups; undoing an edit of
  // the list gives back the ones it kept.
  if (orderTexts)
    state_.importedOrderTexts = *orderTexts;
  else if (c.flightGroupList && !state_.importedOrderTexts.empty())
    state_.importedOrderTexts = model::remapped(state_.importedOrderTexts, *c.flightGroupList);
  const bool selectionMoved = sel_.restore(lists, countOf(mission_, ListKind::FlightGroups),
                                           countOf(mission_, ListKind::Messages));
  ChangeSet out = c;
  out.changedState = true;
  if (replay) travel_.merge(c);
  emit changed(out);
  if (selectionMoved) emit selectionChanged();
}

void MissionDocument::afterHistoryMoved() {
  travel_ = {};
  // Back at the state on disk: nothing counts as changed.
  if (history_.isClean() && state_.changed.any()) {
    state_.changed = {};
    ChangeSet c;
    c.changedState = true;
    emit changed(c);
  }
}

// ---- Field edits --------------------------------------------------------------------------

void MissionDocument::write(std::string_view name, RecordKind kind, const std::vector<int>& indices,
                            std::size_t offset, const std::vector<std::uint8_t>& bytes,
                            const QString& mergeKey) {
  std::vector<FieldWrite> list;
  for (int i : indices) list.push_back({kind, i, offset, bytes});
  setFields(editText(name), list, mergeKey);
}

MissionDocument::FieldWrite MissionDocument::textWrite(RecordKind kind, int record,
                                                       const model::TextField& f,
                                                       std::string_view text) {
  const std::string enc = model::encodeText(f, text);
  return {kind, record, f.offset, {enc.begin(), enc.end()}};
}

void MissionDocument::setFields(const QString& text, const std::vector<FieldWrite>& list,
                                const QString& mergeKey) {
  auto exists = [&](const FieldWrite& p) {
    return p.index >= 0 && p.index < recordCount(p.kind) && !p.bytes.empty();
  };
  // The copy buffer is no part of the Mission.
  model::ChangedFlags marks;
  for (const FieldWrite& p : list) {
    if (!exists(p)) continue;
    if (p.offset + p.bytes.size() > recordBytes(p.kind, p.index).size()) return;
    switch (p.kind) {
      case RecordKind::FlightGroup:
      case RecordKind::FlightGroupGoalStrings:
        model::mark(marks, ChangedFlag::FlightGroup);
        break;
      case RecordKind::Message:
        model::mark(marks, ChangedFlag::Message);
        break;
      case RecordKind::FlightGroupBuffer:
        break;
      default:
        model::mark(marks, ChangedFlag::Mission);
        break;
    }
  }
  record(
      text, marks, ListKind::FlightGroups,
      [&](model::MissionEdit& e) -> std::optional<model::Selection> {
        for (const FieldWrite& p : list)
          if (exists(p)) e.patch(p.kind, p.index, p.offset, p.bytes);
        return std::nullopt;
      },
      mergeKey);
}

void MissionDocument::setFlightGroupText(const model::TextField& f, const std::string& text,
                                         const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  write(f.name, RecordKind::FlightGroup, selectedFlightGroups(), f.offset, {enc.begin(), enc.end()},
        mergeKey);
}

void MissionDocument::setMessageText(const model::TextField& f, const std::string& text,
                                     const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  write(f.name, RecordKind::Message, selectedMessages(), f.offset, {enc.begin(), enc.end()},
        mergeKey);
}

void MissionDocument::setText(RecordKind kind, int record, const model::TextField& f,
                              const std::string& text, const QString& mergeKey) {
  const std::string enc = model::encodeText(f, text);
  write(f.name, kind, {record}, f.offset, {enc.begin(), enc.end()}, mergeKey);
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
  static const char* const blocks[] = {QT_TR_NOOP("Description"), QT_TR_NOOP("Success Debrief"),
                                       QT_TR_NOOP("Failure Debrief")};
  apply(
      editText(tr(blocks[static_cast<std::size_t>(block)])), ChangedFlag::Mission,
      [&](model::MissionEdit& e) { e.setTextBlock(block, next); },
      QStringLiteral("textblock%1").arg(static_cast<int>(block)));
}

void MissionDocument::setFormat(std::int16_t platformId) {
  apply(stepText(Verb::Change, tr("format")), ChangedFlag::Mission,
        [&](model::MissionEdit& e) { e.setFormat(platformId); });
}

void MissionDocument::setSounds(std::vector<std::string> sounds, const QString& text) {
  // The sound list is a file of its own (it knows when it differs from what it holds): the
  // Mission does not count as changed.
  apply(text.isEmpty() ? editText(tr("Message Sounds")) : text, ChangedFlag::None,
        [&](model::MissionEdit& e) { e.setSounds(std::move(sounds)); });
}

void MissionDocument::setAutoLinkAll(bool on) {
  // Not in the file: the Mission does not count as changed.
  apply(stepText(on ? Verb::AutoLink : Verb::Unlink, Records::FlightGroup, Every),
        ChangedFlag::None, [&](model::MissionEdit& e) {
          for (std::size_t i = 0; i < mission_.flightGroups.size(); ++i)
            e.setAutoLink(static_cast<int>(i), on);
        });
}

// ---- Flight-group list --------------------------------------------------------------------

void MissionDocument::newFlightGroup() {
  const model::FlightGroup tmpl = newFlightGroupTemplate();
  applyListOp(stepText(Verb::New, Records::FlightGroup, 1), ChangedFlag::FlightGroup,
              ListKind::FlightGroups, [&](model::MissionEdit& e) {
                return editing::newFlightGroup(e, tmpl, state_.defaults);
              });
}

void MissionDocument::deleteFlightGroups() {
  if (mission_.flightGroups.empty()) return;
  const model::FlightGroup tmpl = newFlightGroupTemplate();
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  applyListOp(stepText(Verb::Delete, flightGroups(mission_, sel.selected)), ChangedFlag::Mission,
              ListKind::FlightGroups,
              [&](model::MissionEdit& e) { return editing::deleteFlightGroups(e, sel, tmpl); });
}

void MissionDocument::moveFlightGroupsUp() {
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  if (!editing::canMoveUp(mission_, sel)) return;
  applyListOp(stepText(Verb::MoveUp, flightGroups(mission_, sel.selected)), ChangedFlag::Mission,
              ListKind::FlightGroups,
              [&](model::MissionEdit& e) { return editing::moveUp(e, sel); });
}

void MissionDocument::moveFlightGroupsDown() {
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  if (!editing::canMoveDown(mission_, sel)) return;
  applyListOp(stepText(Verb::MoveDown, flightGroups(mission_, sel.selected)), ChangedFlag::Mission,
              ListKind::FlightGroups,
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
  applyListOp(stepText(Verb::Cut, flightGroups(mission_, sel.selected)), ChangedFlag::Mission,
              ListKind::FlightGroups,
              [&](model::MissionEdit& e) { return editing::deleteFlightGroups(e, sel, tmpl); });
}

void MissionDocument::pasteFlightGroup() {
  const model::FlightGroup buffer = state_.flightGroupBuffer;
  const model::Selection sel = sel_.of(ListKind::FlightGroups);
  applyListOp(stepText(Verb::Paste, Records::FlightGroup, 1, fromFile(buffer.name())),
              ChangedFlag::FlightGroup, ListKind::FlightGroups, [&](model::MissionEdit& e) {
                return editing::pasteFlightGroup(e, sel, buffer, state_.defaults);
              });
}

// ---- Transactions -------------------------------------------------------------------------

void MissionDocument::beginTransaction(const QString& key, const QString& text) {
  emit transactionBeginning();
  history_.begin(key, text);
}

void MissionDocument::commitTransaction() {
  history_.commit();
}

void MissionDocument::cancelTransaction() {
  history_.cancel();
}

}  // namespace app
