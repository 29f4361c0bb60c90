#pragma once
// One way to bind a control to a field of the current records.
//
// A page makes one `FieldBindings` for the records it edits (the selected
// flight groups, the selected messages, one team, the header, …) and binds each
// control to a field once:
//
//   bindings_.bind(delay_, msg::Delay).convert(scaled(5));   // seconds shown,
//   seconds / 5 stored bindings_.bind(ai_, fg::AiRank); // raw number when
//   outside the table bindings_.bind(cargo_, fg::Cargo); // text through the
//   file's codec
//
// The binding then
//  - commits on the control's own signal: the value is brought into the field's
//  declared range
//    (a spin box offers no more than that range) and written into every edited
//    record as one undo step named after the field ("Edit Delay"); typing into
//    one control is one step (its merge key is the control's name);
//  - shows the field of the shown record through the conversion; a combo box
//  shows a value
//    outside its table as the raw number (`showIndex`);
//  - refills its control only when a change touches its field of the shown
//  record, when the
//    selection or the whole mission changed, or when the page asks (another
//    order, goal or team is shown); never while the user types in it: what the
//    control writes while a key is typed leaves it as typed, and the page's
//    refills leave it alone until editing ends (Enter, focus out); then it
//    shows what was stored. Only a change of the value from elsewhere (an undo,
//    another window) or another record shown ends the typing;
//  - ends the typing when the control loses the focus or Enter is pressed: what
//  is typed after
//    that is an undo step of its own;
//  - keeps out of a text what the game's files cannot hold, as it is typed (the
//  control shows
//    what will be stored), and tells the user which characters were left out;
//    keys that make a text the field refuses (`checksText`) are left out, the
//    cursor where they would have gone and every other key where it was typed,
//    and the user hears why;
//  - tells every refusal beside the control (`showRefusal`), never in a box:
//  the keys typed
//    after it land where they were typed.
// A value that is not one field (the role boxes, the auto-link flag) keeps the
// refill and focus rules with a reading and a commit of the page's own
// (`reads`, `onCommit`). A grid cell is bound like a control (`bindCell`): the
// grid's editor hands what is typed to the cell's binding, and the binding
// fills the cell; filling a cell is never an edit. A number cell that stores
// while it is typed holds its typing as one gesture: a value refused when
// editing ends (or Escape) takes the whole burst back and leaves no undo step.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSpinBox>
#include <QString>
#include <QTableWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/document/editor_context.h"
#include "app/document/mission_document.h"
#include "model/fields.h"

namespace app {

// Selects `index` of a combo box without signals. A value the box has no entry
// for shows as its number (the placeholder) and stays until the user picks an
// entry; -1 shows nothing.
void showIndex(QComboBox* box, int index);

// The records a binding shows and writes, and where in them its field is
// counted from.
struct BoundRecords {
  RecordKind kind = RecordKind::FlightGroup;
  // The records a commit writes into.
  std::function<std::vector<int>()> written;
  // The record the control shows; -1: none (the control shows nothing and
  // commits nothing).
  std::function<int()> shown;
  // Offset of the nested record the field is counted in (an order, a goal, a
  // goal set).
  std::function<std::size_t()> base;
  // Bytes shown while there is no record (a new record's defaults); none: the
  // control is empty.
  std::function<model::CBytes()> fallback;
};
// Every selected flight group, shown from the current one.
BoundRecords selectedFlightGroups(const MissionDocument& doc);
// Every selected message, shown from the current one.
BoundRecords selectedMessages(const MissionDocument& doc);
// One record of `kind` (a team, the header: record 0).
BoundRecords oneRecord(RecordKind kind, std::function<int()> which);
// The same records, writing only the shown one (a message's text, a goal's user
// strings).
BoundRecords shownOnly(BoundRecords r);
// The same records with the fields counted from `base` (an order, a goal, a
// goal set).
BoundRecords nestedAt(BoundRecords r, std::function<std::size_t()> base);
// The same selection in a record kind that follows it (a flight group's goal
// strings).
BoundRecords ofKind(BoundRecords r, RecordKind kind);

// How a stored number is shown and how a shown one is stored.
struct Conversion {
  std::function<long long(long long stored)> show;
  std::function<long long(long long shown)> store;
};
// Shown = stored x factor; stored = shown / factor, the fraction dropped toward
// zero.
Conversion scaled(int factor);
// Shown = stored + by ("waves of:" shows the count and stores count - 1).
Conversion shifted(int by);

// A number typed as plain text: nothing (empty, "-"), a value, or refused with
// a message.
struct TypedValue {
  enum Kind { Nothing, Value, Refused } kind = Nothing;
  long long value = 0;
  QString message;
};
using TextParser = std::function<TypedValue(const QString& text)>;

class FieldBinding : public QObject {
  Q_OBJECT
 public:
  enum class Control { Combo, Spin, Check, Choice, Flags, NumberText, Text, ComboText, Cell, Memo };
  // A cell of a grid, with a number or a text field.
  struct Cell {
    int row = 0, column = 0;
  };

  // ---- Settings (each returns the binding)
  // ------------------------------------------------- The element of an array
  // field (an optional-craft row, a team's IFF).
  FieldBinding& element(std::function<std::size_t()> index);
  FieldBinding& element(std::size_t index);
  FieldBinding& convert(Conversion c);
  // Other records than the page's (a message's text goes to the current message
  // only).
  FieldBinding& records(BoundRecords r);
  // The undo text of a commit; by default "Edit" and the field's name ("Edit
  // Delay").
  FieldBinding& undoText(const QString& text);
  // A commit of the page's own instead of the plain write (rules that touch
  // more fields). It gets the stored value, already brought into the field's
  // range.
  FieldBinding& onCommit(std::function<void(long long stored)> fn);
  FieldBinding& onCommitText(std::function<void(const std::string& stored)> fn);
  // A reading of the page's own: the value shown from the shown record (empty:
  // nothing shown).
  FieldBinding& reads(std::function<std::optional<long long>()> fn);
  // A list's selection of the page's own (packed lists): read and written as a
  // whole.
  FieldBinding& readsFlags(std::function<std::optional<std::vector<bool>>()> fn);
  FieldBinding& onCommitFlags(std::function<void(const std::vector<bool>& selected)> fn);
  // Text shown for a stored text and stored for a typed one (default: the
  // file's codec).
  FieldBinding& showsText(std::function<QString(const std::string& stored)> fn);
  FieldBinding& storesText(std::function<std::string(const QString& typed)> fn);
  // Numbers typed as text: how the text is read, and who hears of a refused
  // one.
  FieldBinding& parses(TextParser parser);
  FieldBinding& onRefused(std::function<void(const QString& message)> fn);
  // Also refill when `fn` says a change concerns the value (a reading of the
  // page's own).
  FieldBinding& alsoWhen(std::function<bool(const ChangeSet&)> fn);
  // Why a text as it would be stored cannot be taken (empty: it can). A refused
  // text is not stored; the control shows the stored text again and the user
  // hears why.
  FieldBinding& checksText(std::function<QString(const std::string& stored)> fn);
  // How a stored number reads as text (a plain edit box, a grid cell); default:
  // the number.
  FieldBinding& formats(std::function<QString(long long stored)> fn);
  // A text of the page's own (a briefing string): the text shown (empty:
  // nothing shown).
  FieldBinding& readsText(std::function<std::optional<std::string>()> fn);
  // Characters the control leaves out beyond those a file cannot hold (a text
  // block's "$", its line end), and why.
  FieldBinding& leavesOut(std::function<bool(char32_t)> refused, const QString& why);
  // A grid cell: every keystroke is stored at once (one undo step for the
  // typing), a text as typed, a number when it reads as one (a text that does
  // not is marked on the editor and judged when editing ends).
  FieldBinding& commitsWhileTyping();

  // Shows the stored value now, unless the user is typing in the control;
  // `changed`: the stored value itself changed from elsewhere (an undo, another
  // window), shown even then.
  void refill(bool changed = false);
  // True while the user types in the control: it has the focus and a key went
  // to it since the editing last ended.
  bool typing() const;
  QWidget* control() const { return control_; }
  // The undo text of a plain commit: the one set, else "Edit" and the caption shown.
  QString undoStepText() const;
  Cell cell() const { return cell_; }
  QString mergeKey() const;

  // ---- For FieldBindings
  // -------------------------------------------------------------------
  struct Number {
    std::string_view name;
    std::size_t offset = 0, width = 0, count = 1;
    long long min = 0, max = 0;
    std::function<long long(model::CBytes record, std::size_t at)> read;
    std::function<MissionDocument::FieldWrite(RecordKind, int record, std::size_t at, long long)>
        write;
  };
  template <class T>
  static Number number(model::Field<T> f) {
    Number n{f.name, f.offset, sizeof(T), f.count, f.min, f.max, {}, {}};
    n.read = [](model::CBytes rec, std::size_t at) {
      return static_cast<long long>(model::get(rec, model::Field<T>{"", at}));
    };
    n.write = [f](RecordKind kind, int record, std::size_t at, long long v) {
      model::Field<T> g = f;
      g.offset = at;
      return MissionDocument::fieldWrite(kind, record, g, v);
    };
    return n;
  }
  FieldBinding(MissionDocument& doc, BoundRecords records, Control type, QWidget* control,
               Number field, QObject* parent);
  FieldBinding(MissionDocument& doc, BoundRecords records, Control type, QWidget* control,
               const model::TextField& field, QObject* parent);
  FieldBinding(MissionDocument& doc, BoundRecords records, std::vector<QAbstractButton*> buttons,
               Number field, QObject* parent);
  FieldBinding(MissionDocument& doc, BoundRecords records, QTableWidget* grid, Cell cell,
               Number field, QObject* parent);
  FieldBinding(MissionDocument& doc, BoundRecords records, QTableWidget* grid, Cell cell,
               const model::TextField& field, QObject* parent);
  // For the grid's editors: a cell editor opened, the text it holds when
  // editing ends, closed.
  void cellEditorOpened(QLineEdit* editor);
  void cellEdited(const QString& text);
  void cellEditorClosed();
  // Whether `c` concerns the shown value.
  bool concerns(const ChangeSet& c) const;
  // Whether `c` wrote the bytes of the field of the shown record.
  bool showsChangeOf(const ChangeSet& c) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectControl();
  void connectNumberControl();
  void connectTextControl();
  // A spin box offers no value its field cannot hold: its range is narrowed to
  // the field's range as shown.
  void fitSpinRange();
  void watchTyping(QWidget* w);
  // A digit that would take a spin box past its range: the user is told the
  // range, and the key goes nowhere (the box would refuse it without a word).
  bool spinKeyOutOfRange(const QKeyEvent& key);
  void editingEnded();
  int shownRecord() const;
  model::CBytes shownBytes() const;
  std::size_t at(std::size_t element) const;
  std::optional<long long> storedNumber() const;
  std::optional<std::string> storedText() const;
  long long toShown(long long stored) const;
  void commitNumber(long long shown);
  void commitText(const QString& typed);
  void commitMemo();
  void commitFlags();
  void commitTyped();
  void judgeTyped(const QString& typed);
  void typedLive(const QString& typed);
  QString numberText(long long stored) const;
  // A number as typed: `parses`, else a whole number.
  TypedValue parsed(const QString& typed) const;
  // Shows the stored value, by the kind of control.
  void refillCell();
  void refillText();
  void refillFlags();
  void refillNumber();
  QTableWidgetItem* cellItem() const;
  void clearControl();
  // The line edit a text is typed into (the combo box's own for an editable
  // one).
  QLineEdit* textEdit() const;
  // A text the field refuses (`why`): the keys just typed left out when what
  // remains is taken, else the text shown before them again; the cursor where
  // the keys went. Returns the text to store (none: nothing).
  std::optional<QString> refuseTyped(const QString& typed, const QString& why);
  // The typing of a number cell that stores as it is typed: one gesture, kept
  // or taken back.
  void openBurst();
  void closeBurst(bool keep);
  // Tells `message` to `onRefused`, else beside the control.
  void tell(const QString& message);
  QString defaultUndoText() const;
  // What the control is called where the user reads it: its caption, else the field's title.
  QString shownName() const;
  std::vector<int> writtenRecords() const;

  MissionDocument& doc_;
  BoundRecords records_;
  Control type_;
  QPointer<QWidget> control_;
  std::vector<QAbstractButton*> buttons_;
  Number number_;
  std::optional<model::TextField> text_;
  std::function<std::size_t()> element_;
  Conversion conv_;
  QString undoText_;
  std::function<void(long long)> commit_;
  std::function<void(const std::string&)> commitText_;
  std::function<std::optional<long long>()> reads_;
  std::function<std::optional<std::vector<bool>>()> readsFlags_;
  std::function<void(const std::vector<bool>&)> commitFlags_;
  std::function<QString(const std::string&)> showText_;
  std::function<std::string(const QString&)> storeText_;
  TextParser parser_;
  std::function<void(const QString&)> refused_;
  std::function<bool(const ChangeSet&)> alsoWhen_;
  std::function<QString(const std::string&)> checkText_;
  std::function<QString(long long)> formats_;
  std::function<std::optional<std::string>()> readsText_;
  std::function<bool(char32_t)> leavesOut_;
  QString leavesOutWhy_;
  Cell cell_;
  bool live_ = false;
  QPointer<QLineEdit> editor_;
  std::optional<std::pair<int, int>> spinRange_;
  bool typing_ = false;
  int typingRecord_ = -1;
  // A number cell's typing is open as a gesture of the document.
  bool burst_ = false;
  // While the control's own value is being written: the control already shows
  // it.
  bool committing_ = false;
};

// The bindings of one page: made against the records the page edits, refilled
// together.
class FieldBindings : public QObject {
  Q_OBJECT
 public:
  // `view` is the page; with `deferWhileHidden`, while it is hidden inside a
  // shown window (a background tab) changes are gathered and shown once when it
  // comes into view. What a binding does not store (characters a file cannot
  // hold, a refused text) is told beside its control.
  FieldBindings(QWidget* view, const EditorContext& context, BoundRecords records,
                bool deferWhileHidden = false);
  FieldBindings(QWidget* view, MissionDocument& doc, BoundRecords records,
                bool deferWhileHidden = false);

  template <class T>
  FieldBinding& bind(QComboBox* box, model::Field<T> f) {
    return add(FieldBinding::Control::Combo, box, FieldBinding::number(f));
  }
  template <class T>
  FieldBinding& bind(QSpinBox* spin, model::Field<T> f) {
    return add(FieldBinding::Control::Spin, spin, FieldBinding::number(f));
  }
  template <class T>
  FieldBinding& bind(QCheckBox* box, model::Field<T> f) {
    return add(FieldBinding::Control::Check, box, FieldBinding::number(f));
  }
  // Item i of a multi-selection list selected <-> element i of the field not 0;
  // a commit writes every item's element.
  template <class T>
  FieldBinding& bind(QListWidget* list, model::Field<T> flags) {
    return add(FieldBinding::Control::Flags, list, FieldBinding::number(flags));
  }
  // Radio buttons: button i checked <-> value i (a larger value checks the last
  // button).
  template <class T>
  FieldBinding& bindChoice(std::vector<QAbstractButton*> buttons, model::Field<T> f) {
    return keep(std::make_unique<FieldBinding>(doc_, records_, std::move(buttons),
                                               FieldBinding::number(f), this));
  }
  // A plain edit box holding a number, judged when editing ends.
  template <class T>
  FieldBinding& bindNumberText(QLineEdit* edit, model::Field<T> f) {
    return add(FieldBinding::Control::NumberText, edit, FieldBinding::number(f));
  }
  FieldBinding& bind(QLineEdit* edit, const model::TextField& f);
  // A grid cell holding element `row` of a number field, or a text; the grid
  // gets the editors that hand typed text to the cells' bindings.
  template <class T>
  FieldBinding& bindCell(QTableWidget* grid, int row, int column, model::Field<T> f) {
    return addCell(
        grid, std::make_unique<FieldBinding>(doc_, records_, grid, FieldBinding::Cell{row, column},
                                             FieldBinding::number(f), this));
  }
  FieldBinding& bindCell(QTableWidget* grid, int row, int column, const model::TextField& f);
  // A value that is no field of the records (the in-memory auto-link flag): the
  // binding shows what `reads` gives, writes through `onCommit` and refills
  // when `alsoWhen` says so.
  FieldBinding& bindValue(QCheckBox* box, std::string_view name);
  FieldBinding& bindValue(QComboBox* box, std::string_view name);
  // An editable combo box (a name with suggestions).
  FieldBinding& bind(QComboBox* box, const model::TextField& f);
  // A memo holding a text of the page's own (`readsText`, `onCommitText`: a
  // text block), written as it is typed; `name` names its undo steps' merge
  // key.
  FieldBinding& bindMemo(QPlainTextEdit* memo, std::string_view name);

  BoundRecords& records() { return records_; }
  // Shows every bound value again (the page shows another order, goal or team).
  void refill();
  // Shows the value of the control's binding again (its combo box got new
  // items).
  void refill(QWidget* control);
  // The controls that show a field `c` wrote.
  std::vector<QWidget*> controlsShowing(const ChangeSet& c) const;

 private:
  FieldBinding& add(FieldBinding::Control type, QWidget* control, FieldBinding::Number n);
  FieldBinding& keep(std::unique_ptr<FieldBinding> b);
  FieldBinding& addCell(QTableWidget* grid, std::unique_ptr<FieldBinding> b);
  void onChanged(Changes topics, const ChangeSet& c);

  MissionDocument& doc_;
  BoundRecords records_;
  std::vector<FieldBinding*> bindings_;
};

}  // namespace app
