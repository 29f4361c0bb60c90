#include "app/document/field_binding.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <map>

#include "app/document/view_updater.h"

// The records and conversions bindings are made with, and the bindings of a
// page together.

namespace app {

void showIndex(QComboBox* box, int index) {
  const QSignalBlocker block(box);
  const bool inTable = index >= 0 && index < box->count();
  box->setCurrentIndex(inTable ? index : -1);
  // A value the table has no entry for shows as its number and stays until the
  // user picks one.
  box->setPlaceholderText(inTable || index < 0 ? QString() : QString::number(index));
}

// ---- Records
// -------------------------------------------------------------------------------

BoundRecords selectedFlightGroups(const MissionDocument& doc) {
  BoundRecords r;
  r.kind = RecordKind::FlightGroup;
  r.written = [&doc] { return doc.selectedFlightGroups(); };
  r.shown = [&doc] {
    const int c = doc.currentFlightGroup();
    return c >= 0 && c < doc.recordCount(RecordKind::FlightGroup) ? c : -1;
  };
  return r;
}

BoundRecords selectedMessages(const MissionDocument& doc) {
  BoundRecords r;
  r.kind = RecordKind::Message;
  r.written = [&doc] { return doc.selectedMessages(); };
  r.shown = [&doc] {
    const int c = doc.currentMessage();
    return c >= 0 && c < doc.recordCount(RecordKind::Message) ? c : -1;
  };
  return r;
}

BoundRecords oneRecord(RecordKind kind, std::function<int()> which) {
  BoundRecords r;
  r.kind = kind;
  r.shown = std::move(which);
  r.written = [shown = r.shown] { return std::vector<int>{shown()}; };
  return r;
}

BoundRecords shownOnly(BoundRecords r) {
  r.written = [shown = r.shown] {
    const int i = shown();
    return i >= 0 ? std::vector<int>{i} : std::vector<int>{};
  };
  return r;
}

BoundRecords nestedAt(BoundRecords r, std::function<std::size_t()> base) {
  r.base = std::move(base);
  return r;
}

BoundRecords ofKind(BoundRecords r, RecordKind kind) {
  r.kind = kind;
  return r;
}

// ---- Conversions
// ---------------------------------------------------------------------------

Conversion scaled(int factor) {
  return {[factor](long long s) { return s * factor; },
          [factor](long long v) { return v / factor; }};
}

Conversion shifted(int by) {
  return {[by](long long s) { return s + by; }, [by](long long v) { return v - by; }};
}

// ---- Grid cells
// ----------------------------------------------------------------------------

namespace {

// The editors of a grid's bound cells: what is typed goes to the cell's
// binding, never into the cell itself, and a cell being typed into keeps its
// text while the binding fills the grid.
class BoundCells : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void add(FieldBinding::Cell c, FieldBinding* b) { cells_[{c.row, c.column}] = b; }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* w = QStyledItemDelegate::createEditor(parent, option, index);
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (FieldBinding* b = at(index); b && edit) b->cellEditorOpened(edit);
    return w;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (FieldBinding* b = at(index); b && b->typing()) return;
    QStyledItemDelegate::setEditorData(editor, index);
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (FieldBinding* b = at(index); b && edit)
      b->cellEdited(edit->text());
    else
      QStyledItemDelegate::setModelData(editor, model, index);
  }
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    FieldBinding* b = at(index);
    QStyledItemDelegate::destroyEditor(editor, index);
    if (b) b->cellEditorClosed();
  }

 private:
  FieldBinding* at(const QModelIndex& index) const {
    const auto it = cells_.find({index.row(), index.column()});
    return it == cells_.end() ? nullptr : it->second.data();
  }
  std::map<std::pair<int, int>, QPointer<FieldBinding>> cells_;
};

}  // namespace

// ---- FieldBindings
// -------------------------------------------------------------------------

FieldBindings::FieldBindings(QWidget* view, MissionDocument& doc, BoundRecords records,
                             bool deferWhileHidden)
    : QObject(view), doc_(doc), records_(std::move(records)) {
  new ViewUpdater(
      view, doc_, WholeMission, [this](Changes t, const ChangeSet& c) { onChanged(t, c); },
      deferWhileHidden);
}

FieldBindings::FieldBindings(QWidget* view, const EditorContext& context, BoundRecords records,
                             bool deferWhileHidden)
    : FieldBindings(view, context.document, std::move(records), deferWhileHidden) {}

FieldBinding& FieldBindings::add(FieldBinding::Control type, QWidget* control,
                                 FieldBinding::Number n) {
  return keep(std::make_unique<FieldBinding>(doc_, records_, type, control, std::move(n), this));
}

FieldBinding& FieldBindings::keep(std::unique_ptr<FieldBinding> b) {
  bindings_.push_back(b.release());  // owned by this object as its Qt child
  return *bindings_.back();
}

FieldBinding& FieldBindings::bind(QLineEdit* edit, const model::TextField& f) {
  return keep(
      std::make_unique<FieldBinding>(doc_, records_, FieldBinding::Control::Text, edit, f, this));
}

FieldBinding& FieldBindings::bindCell(QTableWidget* grid, int row, int column,
                                      const model::TextField& f) {
  return addCell(grid, std::make_unique<FieldBinding>(doc_, records_, grid,
                                                      FieldBinding::Cell{row, column}, f, this));
}

FieldBinding& FieldBindings::addCell(QTableWidget* grid, std::unique_ptr<FieldBinding> b) {
  auto* cells = dynamic_cast<BoundCells*>(grid->itemDelegate());
  if (!cells) {
    cells = new BoundCells(grid);
    grid->setItemDelegate(cells);
  }
  FieldBinding& kept = keep(std::move(b));
  cells->add(kept.cell(), &kept);
  return kept;
}

FieldBinding& FieldBindings::bind(QComboBox* box, const model::TextField& f) {
  return keep(std::make_unique<FieldBinding>(doc_, records_, FieldBinding::Control::ComboText, box,
                                             f, this));
}

FieldBinding& FieldBindings::bindMemo(QPlainTextEdit* memo, std::string_view name) {
  return keep(std::make_unique<FieldBinding>(doc_, records_, FieldBinding::Control::Memo, memo,
                                             model::TextField{name, 0, 0, 0}, this));
}

FieldBinding& FieldBindings::bindValue(QCheckBox* box, std::string_view name) {
  return add(FieldBinding::Control::Check, box, FieldBinding::Number{name, 0, 0, 1, 0, 1, {}, {}});
}

FieldBinding& FieldBindings::bindValue(QComboBox* box, std::string_view name) {
  return add(FieldBinding::Control::Combo, box,
             FieldBinding::Number{name, 0, 0, 1, 0, 0xFFFF, {}, {}});
}

void FieldBindings::refill() {
  for (FieldBinding* b : bindings_) b->refill();
}

void FieldBindings::refill(QWidget* control) {
  for (FieldBinding* b : bindings_)
    if (b->control() == control) b->refill();
}

std::vector<QWidget*> FieldBindings::controlsShowing(const ChangeSet& c) const {
  std::vector<QWidget*> out;
  for (const FieldBinding* b : bindings_)
    if (b->control() && b->showsChangeOf(c)) out.push_back(b->control());
  return out;
}

void FieldBindings::onChanged(Changes topics, const ChangeSet& c) {
  // Another record shown or another selection written to: every value again.
  const bool selection = topics & Selection;
  for (FieldBinding* b : bindings_) {
    if (b->concerns(c))
      b->refill(/*changed=*/true);
    else if (selection)
      b->refill();
  }
}

}  // namespace app
