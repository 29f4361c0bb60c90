#pragma once
// The open document: owns the mission content, the editor state (file name, changed flags,
// defaults, copy buffer), the selections (app/document/selection_model.h) and the undo history
// (app/document/edit_history.h). It is the only writer of the content: views read through
// `mission()` (const) and change it only through the operations below. Every operation is one
// undo step with a text ("Edit Delay", "Delete flight groups") holding only what changed
// (model/mission_edit.h); an edit that changes no byte is no step and sets no flag.
//
// Edit flow: control -> document operation -> MissionEdit records steps -> Delta in one step of
// the EditHistory -> content -> refreshDerived -> changed(ChangeSet) -> views.
//
// Adding an operation elsewhere (no edit of this file needed):
//   doc.apply(stepText(Verb::Delete, messages(rows)), ChangedFlag::Message,
//             [&](model::MissionEdit& e) {
//     editing::renumberSomething(e, ...);   // patches of any records
//     e.removeMessage(i);                   // list steps carry the sound entry
//   });
// For field edits use setField()/setFields()/setText() or editFlightGroups()/editMessages();
// for drags and typing wrap the edits in a transaction (beginTransaction/commitTransaction).

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document_state.h"
#include "model/mission.h"
#include "model/mission_edit.h"
#include "model/selection.h"

#include "app/document/edit_history.h"
#include "app/document/selection_model.h"

namespace app {

using model::ChangedFlag;
using model::ChangeSet;
using model::ListKind;
using model::RecordKind;

// Topics of a change, for views that only need to know whether something they show changed.
enum Change : unsigned {
  NoChange = 0,
  FlightGroupFields = 1u << 0,  // bytes of flight-group records
  FlightGroupList = 1u << 1,    // flight groups added, removed or reordered
  MessageFields = 1u << 2,
  MessageList = 1u << 3,
  GlobalGoalFields = 1u << 4,
  TeamFields = 1u << 5,  // team records and team colours
  BriefingFields = 1u << 6,
  HeaderFields = 1u << 7,  // mission type, time limit, raw header bytes
  TextBlocks = 1u << 8,    // description and debriefings
  Format = 1u << 9,
  Selection = 1u << 10,     // the selected records or the current point
  ChangedState = 1u << 11,  // the changed flags, the file name
  FlightGroupBufferChange = 1u << 12,
  Sounds = 1u << 13,
  Tables = 1u << 14,       // the vocabulary tables were replaced (tablesChanged)
  WholeMission = 0xFFFFu,  // load, new mission
};
using Changes = unsigned;
// The topics a change set touches.
Changes topicsOf(const ChangeSet& c);

class MissionDocument : public QObject, private EditHistory::Target {
  Q_OBJECT
 public:
  explicit MissionDocument(QObject* parent = nullptr);
  ~MissionDocument() override;

  const model::Mission& mission() const { return mission_; }
  const model::DocumentState& state() const { return state_; }
  // The undo history's stack (for Undo/Redo actions and the "Undo History" view).
  QUndoStack* undoStack() { return history_.stack(); }

  // ---- Life cycle -----------------------------------------------------------------------
  // Load, New Mission, import: the content is replaced, the undo history forgotten, the changed
  // flags cleared (or the mission flag set: a wizard's or an imported mission is not on disk)
  // and the first records selected.
  // An imported older mission brings the older order of each flight group (`orderTexts`, shown
  // on the Orders tab while it stays open); any other replacement forgets them.
  void replaceMission(model::Mission m, const std::string& fileName = model::UnnamedFile,
                      bool named = false, bool unsaved = false,
                      std::vector<std::string> orderTexts = {});
  // After a successful save to `fileName`: this state is the one on disk.
  void markSaved(const std::string& fileName);
  // The file behind the Mission went away: the Mission counts as changed (no undo step), so
  // the save question and Save write it back.
  void markUnsaved();
  const std::string& fileName() const { return state_.fileName; }
  bool named() const { return state_.named; }
  bool isChanged() const { return state_.changed.any(); }
  const model::ChangedFlags& changedFlags() const { return state_.changed; }
  // The settings new records are made from (editor state: no undo step, no flag).
  void setDefaults(const model::MissionDefaults& d) { state_.defaults = d; }
  const model::MissionDefaults& defaults() const { return state_.defaults; }
  model::FlightGroup newFlightGroupTemplate() const;
  model::Message newMessageTemplate() const;

  // ---- Selection --------------------------------------------------------------------------
  // One selection per list; `current` is the line the user clicked or moved the focus to.
  const model::Selection& selection(ListKind list) const;
  // Selects `indices`; `current` (-1: keep it if still selected, else the first) is the line
  // with the focus.
  void select(ListKind list, std::vector<int> indices, int current = -1);
  const SelectionModel& selections() const { return sel_; }
  const std::vector<int>& selectedFlightGroups() const {
    return sel_.lists().flightGroups.selected;
  }
  void selectFlightGroups(std::vector<int> indices, int current = -1) {
    select(ListKind::FlightGroups, std::move(indices), current);
  }
  int currentFlightGroup() const { return sel_.lists().flightGroups.current; }
  const std::vector<int>& selectedMessages() const { return sel_.lists().messages.selected; }
  void selectMessages(std::vector<int> indices, int current = -1) {
    select(ListKind::Messages, std::move(indices), current);
  }
  int currentMessage() const { return sel_.lists().messages.current; }
  // The point of the current flight group the map works on (0..21; Start 1 until one is set).
  int currentPoint() const { return sel_.currentPoint(); }
  void setCurrentPoint(int point);

  // ---- Reading records --------------------------------------------------------------------
  model::CBytes recordBytes(RecordKind kind, int index) const;
  int recordCount(RecordKind kind) const;

  // ---- Field edits ------------------------------------------------------------------------
  // One typed write into one record, made by fieldWrite or textWrite and handed to setFields:
  // what it holds is the document's business.
  class FieldWrite {
   private:
    friend class MissionDocument;
    FieldWrite(RecordKind kind, int index, std::size_t offset, std::vector<std::uint8_t> bytes)
        : kind(kind), index(index), offset(offset), bytes(std::move(bytes)) {}
    RecordKind kind;
    int index;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
  };

  // Typed field edits. `value` is brought into the field's declared range before it reaches a
  // byte (an out-of-range number is clamped, never wrapped); `index` picks the element of an
  // array field. One undo step named after the field ("Edit Delay"); with a `mergeKey` it joins
  // the previous edit of the same key.
  template <class T>
  void setField(RecordKind kind, const std::vector<int>& records, model::Field<T> f,
                long long value, std::size_t index = 0, const QString& mergeKey = {}) {
    write(f.name, kind, records, f.at(index), encode(f.clamp(value)), mergeKey);
  }
  template <class T>
  void setField(RecordKind kind, int record, model::Field<T> f, long long value,
                std::size_t index = 0, const QString& mergeKey = {}) {
    setField(kind, std::vector<int>{record}, f, value, index, mergeKey);
  }
  // Into every selected flight group / message.
  template <class T>
  void setFlightGroupField(model::Field<T> f, long long value, std::size_t index = 0,
                           const QString& mergeKey = {}) {
    setField(RecordKind::FlightGroup, selectedFlightGroups(), f, value, index, mergeKey);
  }
  template <class T>
  void setMessageField(model::Field<T> f, long long value, std::size_t index = 0,
                       const QString& mergeKey = {}) {
    setField(RecordKind::Message, selectedMessages(), f, value, index, mergeKey);
  }
  void setFlightGroupText(const model::TextField& f, const std::string& text,
                          const QString& mergeKey = {});
  void setMessageText(const model::TextField& f, const std::string& text,
                      const QString& mergeKey = {});
  // Several typed writes, each record its own value, as one undo step (a drag moving X and Y of
  // eight craft, step_text.h): `setFields(stepText(Verb::Move, Records::Craft, 8),
  // {fieldWrite(kind, 3, fg::X, x), ...}, key)`.
  template <class T>
  static FieldWrite fieldWrite(RecordKind kind, int record, model::Field<T> f, long long value,
                               std::size_t index = 0) {
    return {kind, record, f.at(index), encode(f.clamp(value))};
  }
  // A text field, cut to the field's width and zero-filled.
  static FieldWrite textWrite(RecordKind kind, int record, const model::TextField& f,
                              std::string_view text);
  // The writes of records that do not exist are left out; a write past the end of its record
  // refuses the whole edit. Each record kind written sets its own changed flag.
  void setFields(const QString& text, const std::vector<FieldWrite>& writes,
                 const QString& mergeKey = {});
  void setText(RecordKind kind, int record, const model::TextField& f, const std::string& text,
               const QString& mergeKey = {});

  // One undo step that runs `fn` on a copy of every selected flight group (message) and keeps
  // the bytes and flags it changed.
  void editFlightGroups(const QString& text,
                        const std::function<void(const model::Mission&, model::FlightGroup&)>& fn,
                        const QString& mergeKey = {});
  void editMessages(const QString& text,
                    const std::function<void(const model::Mission&, model::Message&)>& fn,
                    const QString& mergeKey = {});

  // Description and debriefings, as memo text.
  using Block = model::TextBlockId;
  void setTextBlock(Block block, const std::string& memo);
  // The format switch (12 or 14): no record changes, the writer follows PlatformId.
  void setFormat(std::int16_t platformId);
  // The per-mission message sound list.
  void setSounds(std::vector<std::string> sounds, const QString& text = {});
  // The in-memory auto-link flag of every flight group (not in the file: sets no flag).
  void setAutoLinkAll(bool on);

  // ---- Any other operation ----------------------------------------------------------------
  // Runs `fn` with a recorder on the content and the copy buffer; what it records becomes one
  // undo step setting `flag`. Selections follow inserted, removed and moved records; undo and
  // redo give back the selection of their side. Nothing recorded: no step.
  void apply(const QString& text, ChangedFlag flag,
             const std::function<void(model::MissionEdit&)>& fn, const QString& mergeKey = {});
  // The same for a list operation that decides the selection of `list` afterwards.
  void applyListOp(const QString& text, ChangedFlag flag, ListKind list,
                   const std::function<model::Selection(model::MissionEdit&)>& fn);
  // Rare edits of many kinds at once: `fn` changes a copy of the content, the difference is
  // recorded (lists whose length changed are stored whole).
  void editContent(const QString& text, ChangedFlag flag,
                   const std::function<void(model::Mission&)>& fn, const QString& mergeKey = {});

  // ---- Flight-group list ------------------------------------------------------------------
  void newFlightGroup();
  void deleteFlightGroups();
  void moveFlightGroupsUp();
  void moveFlightGroupsDown();
  // Copies the current flight group into the copy buffer (not an undo step).
  void copyFlightGroup();
  void cutFlightGroups();
  void pasteFlightGroup();

  // ---- Transactions -----------------------------------------------------------------------
  // A gesture (a drag, a placement and its drag): every edit between begin and commit is one
  // undo step, named `text` when given (else by its first edit); cancel takes it all back and
  // leaves no step. Typing into one field joins edits without a transaction: give each the
  // same merge key (see EditHistory for the rules).
  void beginTransaction(const QString& key, const QString& text = {});
  // Typing ends (its control lost the focus, Enter was pressed): the next edit is a step of its
  // own even with the same merge key. A gesture goes on.
  void endTyping() { history_.endBurst(); }
  void commitTransaction();
  void cancelTransaction();
  bool inTransaction() const { return history_.inTransaction(); }
  // A gesture under way (a drag, a cell being typed into): its changes are half made until it
  // ends. A burst of typing is none: each of its keys leaves a whole state.
  bool inGesture() const { return history_.inGesture(); }

  // Bytes held by the undo history (for the benchmark and the tests).
  std::size_t undoMemory() const { return history_.memory(); }

  // The vocabulary tables were replaced (the editor folder's files read, craft names
  // rewritten): every view that shows a table takes its entries again. No undo step.
  void tablesReplaced() { emit tablesChanged(); }

 signals:
  void changed(const app::ChangeSet& what);
  // After an undo or redo (after its `changed`): what it changed, so that the windows bring the
  // page or tab that shows it to the front.
  void travelled(const app::ChangeSet& what);
  void selectionChanged();
  void tablesChanged();
  // A step of many parts (a gesture, a burst of typing) is about to take its first change: the
  // content is whole now, and stays half made until the step ends.
  void transactionBeginning();

 private:
  // The bytes a field of type T holds for `value` (model::set writes the same).
  template <class T>
  static std::vector<std::uint8_t> encode(T value) {
    const auto bytes = model::fieldBytes(value);
    return {bytes.begin(), bytes.end()};
  }
  // Writes `bytes` into each listed record as one step named after the field `name`.
  void write(std::string_view name, RecordKind kind, const std::vector<int>& indices,
             std::size_t offset, const std::vector<std::uint8_t>& bytes, const QString& mergeKey);
  // Records what `fn` does as one step setting `marks`; `list` takes the selection `fn` returns,
  // if any.
  void record(const QString& text, const model::ChangedFlags& marks, ListKind list,
              const std::function<std::optional<model::Selection>(model::MissionEdit&)>& fn,
              const QString& mergeKey);
  void afterHistoryMoved();

  // EditHistory::Target
  model::Mission& content() override { return mission_; }
  model::FlightGroup* copyBuffer() override { return &state_.flightGroupBuffer; }
  void replayed(const ChangeSet& c, const model::ChangedFlags& marks,
                const SelectionModel::Lists& lists, const std::vector<std::string>* orderTexts,
                bool replay) override;

  model::Mission mission_;
  model::DocumentState state_;
  // What the undo or redo under way changed, until the history says it moved.
  ChangeSet travel_;
  SelectionModel sel_;
  // Last: its steps refer to the members above and go first.
  EditHistory history_{*this};

  // Test set-up writes the content directly, as no view may (tests/gui/editor_fixture.h).
  friend struct DocumentTestAccess;
};

}  // namespace app
