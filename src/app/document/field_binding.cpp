#include "app/document/field_binding.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "app/base/refusal_note.h"
#include "app/base/text.h"
#include "app/document/step_text.h"

// The recipe itself: a binding made, set, connected to its control, told of
// typing and of changes, and refilled; what each kind of control stores is in
// field_binding_numbers.cpp, field_binding_texts.cpp, field_binding_flags.cpp
// and field_binding_cells.cpp.

namespace app {

// ---- FieldBinding
// --------------------------------------------------------------------------

FieldBinding::FieldBinding(MissionDocument& doc, BoundRecords records, Control type,
                           QWidget* control, Number field, QObject* parent)
    : QObject(parent),
      doc_(doc),
      records_(std::move(records)),
      type_(type),
      control_(control),
      number_(std::move(field)) {
  connectControl();
}

FieldBinding::FieldBinding(MissionDocument& doc, BoundRecords records, Control type,
                           QWidget* control, const model::TextField& field, QObject* parent)
    : QObject(parent),
      doc_(doc),
      records_(std::move(records)),
      type_(type),
      control_(control),
      text_(field) {
  connectControl();
}

FieldBinding::FieldBinding(MissionDocument& doc, BoundRecords records,
                           std::vector<QAbstractButton*> buttons, Number field, QObject* parent)
    : QObject(parent),
      doc_(doc),
      records_(std::move(records)),
      type_(Control::Choice),
      control_(buttons.empty() ? nullptr : buttons.front()),
      buttons_(std::move(buttons)),
      number_(std::move(field)) {
  connectControl();
}

FieldBinding::FieldBinding(MissionDocument& doc, BoundRecords records, QTableWidget* grid,
                           Cell cell, Number field, QObject* parent)
    : QObject(parent),
      doc_(doc),
      records_(std::move(records)),
      type_(Control::Cell),
      control_(grid),
      number_(std::move(field)),
      cell_(cell) {}

FieldBinding::FieldBinding(MissionDocument& doc, BoundRecords records, QTableWidget* grid,
                           Cell cell, const model::TextField& field, QObject* parent)
    : QObject(parent),
      doc_(doc),
      records_(std::move(records)),
      type_(Control::Cell),
      control_(grid),
      text_(field),
      cell_(cell) {}

FieldBinding& FieldBinding::element(std::function<std::size_t()> index) {
  element_ = std::move(index);
  return *this;
}

FieldBinding& FieldBinding::element(std::size_t index) {
  return element([index] { return index; });
}

FieldBinding& FieldBinding::convert(Conversion c) {
  conv_ = std::move(c);
  fitSpinRange();
  return *this;
}

FieldBinding& FieldBinding::records(BoundRecords r) {
  records_ = std::move(r);
  return *this;
}

FieldBinding& FieldBinding::undoText(const QString& text) {
  undoText_ = text;
  return *this;
}

FieldBinding& FieldBinding::onCommit(std::function<void(long long)> fn) {
  commit_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::onCommitText(std::function<void(const std::string&)> fn) {
  commitText_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::reads(std::function<std::optional<long long>()> fn) {
  reads_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::readsFlags(std::function<std::optional<std::vector<bool>>()> fn) {
  readsFlags_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::onCommitFlags(std::function<void(const std::vector<bool>&)> fn) {
  commitFlags_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::showsText(std::function<QString(const std::string&)> fn) {
  showText_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::storesText(std::function<std::string(const QString&)> fn) {
  storeText_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::parses(TextParser parser) {
  parser_ = std::move(parser);
  return *this;
}

FieldBinding& FieldBinding::onRefused(std::function<void(const QString&)> fn) {
  refused_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::alsoWhen(std::function<bool(const ChangeSet&)> fn) {
  alsoWhen_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::checksText(std::function<QString(const std::string&)> fn) {
  checkText_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::formats(std::function<QString(long long)> fn) {
  formats_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::readsText(std::function<std::optional<std::string>()> fn) {
  readsText_ = std::move(fn);
  return *this;
}

FieldBinding& FieldBinding::leavesOut(std::function<bool(char32_t)> refused, const QString& why) {
  leavesOut_ = std::move(refused);
  leavesOutWhy_ = why;
  return *this;
}

FieldBinding& FieldBinding::commitsWhileTyping() {
  live_ = true;
  return *this;
}

void FieldBinding::connectControl() {
  switch (type_) {
    case Control::Text:
    case Control::ComboText:
    case Control::Memo:
      connectTextControl();
      break;
    case Control::Cell:
      break;  // the grid's editors hand the typed text over (cellEditorOpened)
    default:
      connectNumberControl();
      break;
  }
}

// The controls that hold a number, a choice or flags: a change commits at once.
void FieldBinding::connectNumberControl() {
  switch (type_) {
    case Control::Combo: {
      auto* box = static_cast<QComboBox*>(control_.data());
      connect(box, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) commitNumber(i);
      });
      watchTyping(box);
      break;
    }
    case Control::Spin: {
      auto* spin = static_cast<QSpinBox*>(control_.data());
      connect(spin, &QSpinBox::valueChanged, this, [this](int v) { commitNumber(v); });
      connect(spin, &QAbstractSpinBox::editingFinished, this, &FieldBinding::editingEnded);
      watchTyping(spin);
      watchTyping(spin->findChild<QLineEdit*>());
      fitSpinRange();
      break;
    }
    case Control::Check:
      connect(static_cast<QCheckBox*>(control_.data()), &QCheckBox::toggled, this,
              [this](bool on) { commitNumber(on ? 1 : 0); });
      watchTyping(control_);
      break;
    case Control::Choice:
      for (std::size_t i = 0; i < buttons_.size(); ++i) {
        connect(buttons_[i], &QAbstractButton::toggled, this, [this, i](bool on) {
          if (on) commitNumber(static_cast<long long>(i));
        });
        watchTyping(buttons_[i]);
      }
      break;
    case Control::Flags:
      connect(static_cast<QListWidget*>(control_.data()), &QListWidget::itemSelectionChanged, this,
              &FieldBinding::commitFlags);
      watchTyping(control_);
      break;
    case Control::NumberText: {
      auto* edit = static_cast<QLineEdit*>(control_.data());
      connect(edit, &QLineEdit::editingFinished, this, &FieldBinding::commitTyped);
      watchTyping(edit);
      break;
    }
    default:
      break;
  }
}

// The controls that hold a text, committed as it is typed.
void FieldBinding::connectTextControl() {
  switch (type_) {
    case Control::Text: {
      auto* edit = static_cast<QLineEdit*>(control_.data());
      connect(edit, &QLineEdit::textEdited, this, &FieldBinding::commitText);
      connect(edit, &QLineEdit::editingFinished, this, &FieldBinding::editingEnded);
      watchTyping(edit);
      break;
    }
    case Control::ComboText: {
      auto* box = static_cast<QComboBox*>(control_.data());
      connect(box, &QComboBox::editTextChanged, this, &FieldBinding::commitText);
      if (QLineEdit* edit = box->lineEdit()) {
        connect(edit, &QLineEdit::editingFinished, this, &FieldBinding::editingEnded);
        watchTyping(edit);
      }
      break;
    }
    case Control::Memo: {
      auto* memo = static_cast<QPlainTextEdit*>(control_.data());
      connect(memo, &QPlainTextEdit::textChanged, this, &FieldBinding::commitMemo);
      watchTyping(memo);
      break;
    }
    default:
      break;
  }
}

void FieldBinding::watchTyping(QWidget* w) {
  if (w) w->installEventFilter(this);
}

bool FieldBinding::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the control ends its typing: what is typed when the user comes back
  // is another undo step. A combo box's own drop-down list takes the focus
  // without the user leaving.
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    doc_.endTyping();
  const bool typed = type_ == Control::Spin || type_ == Control::NumberText ||
                     type_ == Control::Text || type_ == Control::ComboText ||
                     type_ == Control::Cell || type_ == Control::Memo;
  if (type_ == Control::Spin && event->type() == QEvent::KeyPress &&
      spinKeyOutOfRange(*static_cast<QKeyEvent*>(event)))
    return true;
  if (typed && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    switch (key) {
      // Enter is no typing: the control's end of editing, which Enter brings,
      // ends the typing and shows what was stored.
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_Escape:
      case Qt::Key_Shift:
      case Qt::Key_Control:
      case Qt::Key_Alt:
      case Qt::Key_Meta:
        break;
      default:
        if (!typing_) typingRecord_ = shownRecord();
        typing_ = true;
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

bool FieldBinding::typing() const {
  if (!typing_ || !control_) return false;
  const QWidget* f = QApplication::focusWidget();
  // A cell's typing goes on in its own editor.
  if (type_ == Control::Cell) return f && editor_ && (f == editor_ || editor_->isAncestorOf(f));
  return f && (f == control_ || control_->isAncestorOf(f));
}

void FieldBinding::editingEnded() {
  typing_ = false;
  doc_.endTyping();
  refill();
}

void FieldBinding::tell(const QString& message) {
  if (refused_) return refused_(message);
  if (type_ == Control::Cell) {
    // The cell's editor may be gone (Enter closed it): the note stands under
    // the cell.
    auto* grid = static_cast<QTableWidget*>(control_.data());
    if (QTableWidgetItem* item = grid ? cellItem() : nullptr)
      showRefusal(grid->viewport(), message, grid->visualItemRect(item));
    return;
  }
  QLineEdit* edit = textEdit();
  showRefusal(edit ? static_cast<QWidget*>(edit) : control_.data(), message);
}

int FieldBinding::shownRecord() const {
  const int i = records_.shown ? records_.shown() : -1;
  return i >= 0 && i < doc_.recordCount(records_.kind) ? i : -1;
}

model::CBytes FieldBinding::shownBytes() const {
  const int i = shownRecord();
  if (i >= 0) return doc_.recordBytes(records_.kind, i);
  if (records_.fallback) return records_.fallback();
  return {};
}

std::size_t FieldBinding::at(std::size_t element) const {
  const std::size_t base = records_.base ? records_.base() : 0;
  if (text_) return base + text_->offset;
  return base + number_.offset + element * number_.width;
}

std::vector<int> FieldBinding::writtenRecords() const {
  if (shownRecord() < 0 || !records_.written) return {};
  return records_.written();
}

QString FieldBinding::mergeKey() const {
  const QString name = control_ ? control_->objectName() : QString();
  const std::size_t first = text_ ? at(0) : at(element_ ? element_() : 0);
  const QString key = name + QLatin1Char('@') + QString::number(first);
  // Each cell of a grid is typed into on its own.
  return type_ == Control::Cell ? key + QStringLiteral("#%1,%2").arg(cell_.row).arg(cell_.column)
                                : key;
}

QString FieldBinding::undoStepText() const {
  return undoText_.isEmpty() ? defaultUndoText() : undoText_;
}

QString FieldBinding::defaultUndoText() const {
  // The control's caption as the page shows it, else the field's title.
  const QString caption = shownCaption(control_);
  return caption.isEmpty() ? editText(text_ ? text_->name : number_.name) : editText(caption);
}

QString FieldBinding::shownName() const {
  const QString caption = shownCaption(control_);
  return caption.isEmpty()
             ? QString::fromStdString(model::fieldTitle(text_ ? text_->name : number_.name))
             : caption;
}

bool FieldBinding::concerns(const ChangeSet& c) const {
  if (c.whole || (alsoWhen_ && alsoWhen_(c))) return true;
  const RecordKind kind = records_.kind;
  if ((kind == RecordKind::FlightGroup || kind == RecordKind::FlightGroupGoalStrings) &&
      c.listChanged(ListKind::FlightGroups))
    return true;
  if (kind == RecordKind::Message && c.listChanged(ListKind::Messages)) return true;
  return showsChangeOf(c);
}

bool FieldBinding::showsChangeOf(const ChangeSet& c) const {
  const RecordKind kind = records_.kind;
  const int rec = shownRecord();
  if (rec < 0) return false;
  std::size_t from = 0, width = 0;
  if (text_) {
    from = at(0);
    width = text_->width;
  } else if (type_ == Control::Flags) {
    from = at(0);
    width = number_.width * number_.count;
  } else {
    from = at(element_ ? element_() : 0);
    width = number_.width;
  }
  if (width == 0) return false;
  return c.touches(kind, from, width) && c.touchesRecord(kind, rec);
}

void FieldBinding::clearControl() {
  QWidget* w = control_;
  if (!w) return;
  const QSignalBlocker block(w);
  switch (type_) {
    case Control::Combo:
      showIndex(static_cast<QComboBox*>(w), -1);
      break;
    case Control::Spin:
      static_cast<QSpinBox*>(w)->clear();
      break;
    case Control::Check:
      static_cast<QCheckBox*>(w)->setChecked(false);
      break;
    case Control::Choice:
      for (QAbstractButton* b : buttons_) {
        const QSignalBlocker bb(b);
        const bool exclusive = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(exclusive);
      }
      break;
    case Control::Flags:
      static_cast<QListWidget*>(w)->clearSelection();
      break;
    case Control::NumberText:
    case Control::Text:
      static_cast<QLineEdit*>(w)->clear();
      break;
    case Control::ComboText:
      static_cast<QComboBox*>(w)->setEditText({});
      break;
    case Control::Cell:
      if (QTableWidgetItem* item = cellItem()) item->setText({});
      break;
    case Control::Memo:
      static_cast<QPlainTextEdit*>(w)->clear();
      break;
  }
}

void FieldBinding::refill(bool changed) {
  QWidget* w = control_;
  if (!w) return;
  // The control shows the value being written from it.
  if (committing_) return;
  // The user is typing into this record's value: the text stays as typed until
  // editing ends.
  if (!changed && typing() && shownRecord() == typingRecord_) return;
  typing_ = false;

  if (type_ == Control::Cell) return refillCell();
  if (text_) return refillText();
  if (type_ == Control::Flags) return refillFlags();
  refillNumber();
}

}  // namespace app
