#include "app/document/field_binding.h"

#include "app/document/step_text.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "app/base/refusal_note.h"
#include "app/base/text.h"
#include "editing/flight_group_rules.h"

namespace app {

namespace {

// A whole number as every number box reads one (editing::parseInteger); empty or a lone "-"
// is no value yet.
TypedValue parseWhole(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t == QLatin1String("-")) return {};
  const std::string typed = text.toStdString();
  if (const auto v = editing::parseInteger(typed)) return {TypedValue::Value, *v, {}};
  return {TypedValue::Refused, 0, QString::fromStdString(editing::notAnIntegerMessage(typed))};
}

}  // namespace

// ---- FieldBinding --------------------------------------------------------------------------

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

FieldBinding& FieldBinding::commitsWhileTyping() {
  live_ = true;
  return *this;
}

void FieldBinding::connectControl() {
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
    case Control::Cell:
      break;  // the grid's editors hand the typed text over (cellEditorOpened)
  }
}

void FieldBinding::fitSpinRange() {
  // Values of the page's own (`reads`) have no bytes to fit.
  if (type_ != Control::Spin || !control_ || number_.width == 0) return;
  auto* spin = static_cast<QSpinBox*>(control_.data());
  // The page's own range, before any narrowing (a conversion may come after the first).
  if (!spinRange_) spinRange_ = {spin->minimum(), spin->maximum()};
  const long long a = toShown(number_.min), b = toShown(number_.max);
  const long long lo = std::max<long long>(spinRange_->first, std::min(a, b));
  const long long hi = std::min<long long>(spinRange_->second, std::max(a, b));
  if (lo > hi) return;
  const QSignalBlocker block(spin);
  spin->setRange(static_cast<int>(lo), static_cast<int>(hi));
}

void FieldBinding::watchTyping(QWidget* w) {
  if (w) w->installEventFilter(this);
}

bool FieldBinding::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the control ends its typing: what is typed when the user comes back is another
  // undo step. A combo box's own drop-down list takes the focus without the user leaving.
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
    doc_.endTyping();
  const bool typed = type_ == Control::Spin || type_ == Control::NumberText ||
                     type_ == Control::Text || type_ == Control::ComboText ||
                     type_ == Control::Cell;
  if (type_ == Control::Spin && event->type() == QEvent::KeyPress &&
      spinKeyOutOfRange(*static_cast<QKeyEvent*>(event)))
    return true;
  if (typed && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    switch (key) {
      // Enter is no typing: the control's end of editing, which Enter brings, ends the typing
      // and shows what was stored.
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

bool FieldBinding::spinKeyOutOfRange(const QKeyEvent& key) {
  auto* spin = static_cast<QSpinBox*>(control_.data());
  QLineEdit* edit = spin ? spin->findChild<QLineEdit*>() : nullptr;
  const QString typed = key.text();
  if (!edit || typed.isEmpty() || !typed.at(0).isDigit()) return false;
  // The text the key would leave; a key the box takes is its business.
  QString text = edit->text();
  int at = edit->cursorPosition();
  if (edit->hasSelectedText()) {
    at = edit->selectionStart();
    text.remove(at, edit->selectedText().size());
  }
  text.insert(at, typed);
  int end = at + static_cast<int>(typed.size());
  if (static_cast<QAbstractSpinBox*>(spin)->validate(text, end) != QValidator::Invalid)
    return false;
  if (text.startsWith(spin->prefix())) text.remove(0, spin->prefix().size());
  if (text.endsWith(spin->suffix())) text.chop(spin->suffix().size());
  bool number = false;
  const long long v = text.trimmed().toLongLong(&number);
  if (!number || (v >= spin->minimum() && v <= spin->maximum())) return false;
  // The box would refuse the key without a word: the user hears its range.
  tell(tr("%1 takes %2 to %3: %4 is out of its range.")
           .arg(QString::fromStdString(model::fieldTitle(number_.name)))
           .arg(spin->minimum())
           .arg(spin->maximum())
           .arg(v));
  return true;
}

bool FieldBinding::typing() const {
  if (!typing_ || !control_) return false;
  const QWidget* f = QApplication::focusWidget();
  // A cell's typing goes on in its own editor.
  if (type_ == Control::Cell) return f && editor_ && (f == editor_ || editor_->isAncestorOf(f));
  return f && (f == control_ || control_->isAncestorOf(f));
}

// ---- Grid cells ------------------------------------------------------------------------------

QTableWidgetItem* FieldBinding::cellItem() const {
  auto* grid = static_cast<QTableWidget*>(control_.data());
  if (!grid) return nullptr;
  QTableWidgetItem* item = grid->item(cell_.row, cell_.column);
  if (!item) grid->setItem(cell_.row, cell_.column, item = new QTableWidgetItem);
  return item;
}

void FieldBinding::cellEditorOpened(QLineEdit* editor) {
  editor_ = editor;
  typing_ = false;
  watchTyping(editor);
  if (!live_) return;
  if (text_)
    connect(editor, &QLineEdit::textEdited, this, &FieldBinding::commitText);
  else
    connect(editor, &QLineEdit::textEdited, this, &FieldBinding::typedLive);
}

void FieldBinding::cellEdited(const QString& text) {
  typing_ = false;
  if (text_)
    commitText(text);
  else
    judgeTyped(text);
}

void FieldBinding::cellEditorClosed() {
  // Escape leaves the cell as it was before the typing.
  closeBurst(false);
  editor_ = nullptr;
  typing_ = false;
  refill();
}

void FieldBinding::openBurst() {
  if (burst_) return;
  burst_ = true;
  doc_.beginTransaction(mergeKey(), undoText_.isEmpty() ? defaultUndoText() : undoText_);
}

void FieldBinding::closeBurst(bool keep) {
  if (!burst_) return;
  burst_ = false;
  if (keep)
    doc_.commitTransaction();
  else
    doc_.cancelTransaction();
}

void FieldBinding::typedLive(const QString& typed) {
  const TypedValue t = parser_ ? parser_(typed) : parseWhole(typed);
  bool stores = t.kind == TypedValue::Value;
  if (stores) {
    const long long stored = conv_.store ? conv_.store(t.value) : t.value;
    stores = stored >= number_.min && stored <= number_.max;
  }
  // What is typed stays; a text that stores nothing says why on the editor until it does.
  if (editor_) {
    editor_->setToolTip(stores || t.kind == TypedValue::Nothing ? QString() : t.message);
    editor_->setStyleSheet(stores || t.kind == TypedValue::Nothing
                               ? QString()
                               : QStringLiteral("QLineEdit { color: #c00000; }"));
  }
  if (!stores) return;
  // Stored as it is typed, the burst a gesture until editing ends.
  openBurst();
  commitNumber(t.value);
}

void FieldBinding::editingEnded() {
  typing_ = false;
  doc_.endTyping();
  refill();
}

QLineEdit* FieldBinding::textEdit() const {
  if (!control_) return nullptr;
  if (type_ == Control::ComboText) return static_cast<QComboBox*>(control_.data())->lineEdit();
  if (type_ == Control::Text) return static_cast<QLineEdit*>(control_.data());
  if (type_ == Control::Cell && text_) return editor_;
  return nullptr;
}

std::optional<QString> FieldBinding::refuseTyped(const QString& typed, const QString& why) {
  tell(why);
  QLineEdit* edit = textEdit();
  const std::optional<std::string> stored = storedText();
  if (!edit || !stored) {
    refill(/*changed=*/true);
    return std::nullopt;
  }
  const QString before = showText_ ? showText_(*stored) : fromFile(*stored);
  // The keys just typed end at the cursor; what follows it is the text's end as it was.
  const int cursor = edit->cursorPosition();
  const QString tail = typed.mid(cursor);
  int from = 0;
  if (before.endsWith(tail)) {
    const qsizetype room = std::min<qsizetype>(cursor, before.size() - tail.size());
    while (from < room && typed.at(from) == before.at(from)) ++from;
  } else {
    from = cursor;  // no telling what changed: nothing is left out but the whole edit
  }
  const QString without = typed.left(from) + tail;
  const QSignalBlocker block(control_);
  if (from < cursor && checkText_(storeText_ ? storeText_(without) : toFile(without)).isEmpty()) {
    // Only the refused keys are left out (a selection they replaced stays replaced).
    edit->setText(without);
    edit->setCursorPosition(from);
    return without;
  }
  // The text was refused without a key typed into it (a deletion): as it was before.
  edit->setText(before);
  edit->setCursorPosition(
      std::clamp(cursor + static_cast<int>(std::max<qsizetype>(before.size() - typed.size(), 0)), 0,
                 static_cast<int>(before.size())));
  return std::nullopt;
}

void FieldBinding::tell(const QString& message) {
  if (refused_) return refused_(message);
  if (type_ == Control::Cell) {
    // The cell's editor may be gone (Enter closed it): the note stands under the cell.
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

std::optional<long long> FieldBinding::storedNumber() const {
  if (reads_) return reads_();
  const model::CBytes rec = shownBytes();
  if (rec.empty() || !number_.read) return std::nullopt;
  return number_.read(rec, at(element_ ? element_() : 0));
}

std::optional<std::string> FieldBinding::storedText() const {
  if (readsText_) return shownRecord() < 0 ? std::nullopt : readsText_();
  const model::CBytes rec = shownBytes();
  if (rec.empty()) return std::nullopt;
  model::TextField f = *text_;
  f.offset = at(0);
  return model::getText(rec, f);
}

long long FieldBinding::toShown(long long stored) const {
  return conv_.show ? conv_.show(stored) : stored;
}

QString FieldBinding::numberText(long long stored) const {
  return formats_ ? formats_(stored) : QString::number(toShown(stored));
}

QString FieldBinding::mergeKey() const {
  const QString name = control_ ? control_->objectName() : QString();
  const std::size_t first = text_ ? at(0) : at(element_ ? element_() : 0);
  const QString key = name + QLatin1Char('@') + QString::number(first);
  // Each cell of a grid is typed into on its own.
  return type_ == Control::Cell ? key + QStringLiteral("#%1,%2").arg(cell_.row).arg(cell_.column)
                                : key;
}

QString FieldBinding::defaultUndoText() const {
  // The control's caption as the page shows it, else the field's title.
  const QString caption = shownCaption(control_);
  return caption.isEmpty() ? editText(text_ ? text_->name : number_.name) : editText(caption);
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
  }
}

void FieldBinding::refill(bool changed) {
  QWidget* w = control_;
  if (!w) return;
  // The control shows the value being written from it.
  if (committing_) return;
  // The user is typing into this record's value: the text stays as typed until editing ends.
  if (!changed && typing() && shownRecord() == typingRecord_) return;
  typing_ = false;

  if (text_ && type_ == Control::Cell) {
    const std::optional<std::string> stored = storedText();
    if (!stored) return clearControl();
    QTableWidgetItem* item = cellItem();
    if ((storeText_ ? storeText_(item->text()) : toFile(item->text())) == *stored) return;
    item->setText(showText_ ? showText_(*stored) : fromFile(*stored));
    return;
  }

  if (text_) {
    const std::optional<std::string> stored = storedText();
    if (!stored) return clearControl();
    auto* box = type_ == Control::ComboText ? static_cast<QComboBox*>(w) : nullptr;
    const QString shownNow = box ? box->currentText() : static_cast<QLineEdit*>(w)->text();
    // A text that stores exactly what is stored stays as it is (with its cursor).
    if ((storeText_ ? storeText_(shownNow) : toFile(shownNow)) == *stored) return;
    const QString text = showText_ ? showText_(*stored) : fromFile(*stored);
    const QSignalBlocker block(w);
    // A stored text longer than what may be typed is shown whole.
    QLineEdit* edit = box ? box->lineEdit() : static_cast<QLineEdit*>(w);
    if (edit && edit->maxLength() < text.size()) edit->setMaxLength(static_cast<int>(text.size()));
    if (box)
      box->setEditText(text);
    else
      edit->setText(text);
    return;
  }

  if (type_ == Control::Flags) {
    auto* list = static_cast<QListWidget*>(w);
    std::vector<bool> on;
    if (readsFlags_) {
      const auto read = readsFlags_();
      if (!read) return clearControl();
      on = *read;
    } else {
      const model::CBytes bytes = shownBytes();
      if (bytes.empty()) return clearControl();
      for (std::size_t k = 0; k < number_.count; ++k) on.push_back(number_.read(bytes, at(k)) != 0);
    }
    const QSignalBlocker block(list);
    for (int i = 0; i < list->count(); ++i) {
      const auto k = static_cast<std::size_t>(i);
      list->item(i)->setSelected(k < on.size() && on[k]);
    }
    return;
  }

  const std::optional<long long> stored = storedNumber();
  if (!stored) return clearControl();
  const long long v = toShown(*stored);
  switch (type_) {
    case Control::Cell: {
      QTableWidgetItem* item = cellItem();
      const QString text = numberText(*stored);
      if (item->text() != text) item->setText(text);
      if (editor_) {
        editor_->setToolTip({});
        editor_->setStyleSheet({});
      }
      break;
    }
    case Control::Combo:
      showIndex(static_cast<QComboBox*>(w), static_cast<int>(v));
      break;
    case Control::Spin: {
      const QSignalBlocker block(w);
      static_cast<QSpinBox*>(w)->setValue(static_cast<int>(v));
      break;
    }
    case Control::Check: {
      const QSignalBlocker block(w);
      static_cast<QCheckBox*>(w)->setChecked(v != 0);
      break;
    }
    case Control::Choice: {
      if (buttons_.empty()) break;
      const auto i = static_cast<std::size_t>(
          std::clamp<long long>(v, 0, static_cast<long long>(buttons_.size()) - 1));
      std::vector<std::unique_ptr<QSignalBlocker>> blocks;
      for (QAbstractButton* b : buttons_) blocks.push_back(std::make_unique<QSignalBlocker>(b));
      buttons_[i]->setChecked(true);
      break;
    }
    case Control::NumberText: {
      auto* edit = static_cast<QLineEdit*>(w);
      const QString text = numberText(*stored);
      const QSignalBlocker block(edit);
      if (edit->text() != text) edit->setText(text);
      break;
    }
    default:
      break;
  }
}

void FieldBinding::commitNumber(long long shown) {
  const std::vector<int> records = writtenRecords();
  if (records.empty() || (!commit_ && !number_.write)) return;
  long long stored = conv_.store ? conv_.store(shown) : shown;
  // Into the field's declared range before anything reaches a byte: clamped, never wrapped.
  stored = std::clamp(stored, number_.min, number_.max);
  committing_ = true;
  if (commit_) {
    commit_(stored);
  } else {
    const std::size_t where = at(element_ ? element_() : 0);
    std::vector<MissionDocument::FieldWrite> writes;
    for (int r : records) writes.push_back(number_.write(records_.kind, r, where, stored));
    doc_.setFields(undoText_.isEmpty() ? defaultUndoText() : undoText_, writes, mergeKey());
  }
  committing_ = false;
  // Unless a key is being typed, the control shows what was stored (a value between the
  // steps, one held to the range).
  if (!typing_) refill();
}

void FieldBinding::commitText(const QString& typed) {
  const std::vector<int> records = writtenRecords();
  if (records.empty()) return;
  // What the file cannot hold is left out at once: the control shows what will be stored.
  QString text = typed;
  QString leftOut;
  if (QLineEdit* edit = textEdit()) {
    const QSignalBlocker block(control_);
    leftOut = leaveOutUnstorable(edit);
    if (!leftOut.isEmpty()) text = edit->text();
  }
  std::string stored = storeText_ ? storeText_(text) : toFile(text);
  if (checkText_) {
    if (const QString why = checkText_(stored); !why.isEmpty()) {
      const std::optional<QString> kept = refuseTyped(text, why);
      if (!kept) return;
      text = *kept;
      stored = storeText_ ? storeText_(text) : toFile(text);
    }
  }
  committing_ = true;
  if (commitText_) {
    commitText_(stored);
  } else {
    model::TextField f = *text_;
    f.offset = at(0);
    std::vector<MissionDocument::FieldWrite> writes;
    for (int r : records) writes.push_back(MissionDocument::textWrite(records_.kind, r, f, stored));
    doc_.setFields(undoText_.isEmpty() ? defaultUndoText() : undoText_, writes, mergeKey());
  }
  committing_ = false;
  if (!typing_) refill();
  if (!leftOut.isEmpty()) tell(unstorableNotice(leftOut));
}

void FieldBinding::commitFlags() {
  const std::vector<int> records = writtenRecords();
  if (records.empty()) return;
  auto* list = static_cast<QListWidget*>(control_.data());
  std::vector<bool> selected;
  for (int i = 0; i < list->count(); ++i) selected.push_back(list->item(i)->isSelected());
  committing_ = true;
  if (commitFlags_) {
    commitFlags_(selected);
  } else {
    std::vector<MissionDocument::FieldWrite> writes;
    for (int r : records)
      for (std::size_t i = 0; i < selected.size() && i < number_.count; ++i)
        writes.push_back(number_.write(records_.kind, r, at(i), selected[i] ? 1 : 0));
    doc_.setFields(undoText_.isEmpty() ? defaultUndoText() : undoText_, writes);
  }
  committing_ = false;
  refill();
}

void FieldBinding::commitTyped() {
  typing_ = false;
  judgeTyped(static_cast<QLineEdit*>(control_.data())->text());
}

void FieldBinding::judgeTyped(const QString& typed) {
  const TypedValue t = parser_ ? parser_(typed) : parseWhole(typed);
  if (t.kind == TypedValue::Value) {
    const long long stored = conv_.store ? conv_.store(t.value) : t.value;
    if (stored >= number_.min && stored <= number_.max) {
      commitNumber(t.value);
      closeBurst(true);
      // Each value typed and left is a step of its own.
      doc_.endTyping();
      return;
    }
  }
  // Nothing to store, or refused: what was stored while it was typed is taken back, and the
  // box shows the value from before the typing.
  closeBurst(false);
  refill();
  doc_.endTyping();
  if (t.kind == TypedValue::Nothing) return;
  tell(t.kind == TypedValue::Refused ? t.message
                                     : tr("%1 is not a value between %2 and %3")
                                           .arg(typed.trimmed())
                                           .arg(toShown(number_.min))
                                           .arg(toShown(number_.max)));
}

}  // namespace app
