#include "app/document/field_binding.h"

#include <QSignalBlocker>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>

#include "app/base/text.h"

// Texts: line edits and editable combo boxes, through the file's codec; what a
// file cannot hold and the keys a field refuses are left out where they were
// typed.

namespace app {

namespace {

// A memo's text as it holds it: toPlainText() gives a no-break space, a
// character of the file's own, as a plain one.
QString memoTextAsHeld(const QPlainTextEdit& memo) {
  QString text = memo.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace

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
  // The keys just typed end at the cursor; what follows it is the text's end as
  // it was.
  const int cursor = edit->cursorPosition();
  const QString tail = typed.mid(cursor);
  int from = 0;
  if (before.endsWith(tail)) {
    const qsizetype room = std::min<qsizetype>(cursor, before.size() - tail.size());
    while (from < room && typed.at(from) == before.at(from)) ++from;
  } else {
    from = cursor;  // no telling what changed: nothing is left out but the whole
                    // edit
  }
  const QString without = typed.left(from) + tail;
  const QSignalBlocker block(control_);
  if (from < cursor && checkText_(storeText_ ? storeText_(without) : toFile(without)).isEmpty()) {
    // Only the refused keys are left out (a selection they replaced stays
    // replaced).
    edit->setText(without);
    edit->setCursorPosition(from);
    return without;
  }
  // The text was refused without a key typed into it (a deletion): as it was
  // before.
  edit->setText(before);
  edit->setCursorPosition(
      std::clamp(cursor + static_cast<int>(std::max<qsizetype>(before.size() - typed.size(), 0)), 0,
                 static_cast<int>(before.size())));
  return std::nullopt;
}

std::optional<std::string> FieldBinding::storedText() const {
  if (readsText_) return shownRecord() < 0 ? std::nullopt : readsText_();
  const model::CBytes rec = shownBytes();
  if (rec.empty()) return std::nullopt;
  model::TextField f = *text_;
  f.offset = at(0);
  return model::getText(rec, f);
}

void FieldBinding::refillText() {
  QWidget* w = control_;
  const std::optional<std::string> stored = storedText();
  if (!stored) return clearControl();
  if (type_ == Control::Memo) {
    auto* memo = static_cast<QPlainTextEdit*>(w);
    const QString text = showText_ ? showText_(*stored) : fromFile(*stored);
    // A memo showing the stored text stays as it is, with its cursor and scroll
    // position.
    if (memoTextAsHeld(*memo) == text) return;
    const QSignalBlocker block(memo);
    memo->setPlainText(text);
    return;
  }
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
}

void FieldBinding::commitText(const QString& typed) {
  const std::vector<int> records = writtenRecords();
  if (records.empty()) return;
  // What the file cannot hold is left out at once: the control shows what will
  // be stored.
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
    doc_.setFields(undoStepText(), writes, mergeKey());
  }
  committing_ = false;
  if (!typing_) refill();
  if (!leftOut.isEmpty()) tell(unstorableNotice(leftOut));
}

void FieldBinding::commitMemo() {
  auto* memo = static_cast<QPlainTextEdit*>(control_.data());
  if (!memo || writtenRecords().empty()) return;
  // What the text cannot hold is left out at once, where it was typed, pasted
  // or dropped.
  QString leftOut;
  {
    const QSignalBlocker block(memo);
    leftOut = leaveOutUnstorable(memo, leavesOut_);
  }
  const QString text = memoTextAsHeld(*memo);
  const std::optional<std::string> stored = storedText();
  // A memo showing the text as stored has nothing to write: a text whose line
  // ends the memo shows as "\n" keeps its own bytes.
  if (!stored || text != (showText_ ? showText_(*stored) : fromFile(*stored))) {
    committing_ = true;
    if (commitText_) commitText_(storeText_ ? storeText_(text) : toFile(text));
    committing_ = false;
  }
  bool refusedHere = false;
  QString others;
  for (const QChar c : leftOut) {
    if (leavesOut_ && leavesOut_(c.unicode()))
      refusedHere = true;
    else
      others += c;
  }
  QStringList why;
  if (refusedHere) why << leavesOutWhy_;
  if (!others.isEmpty()) why << unstorableNotice(others);
  if (!why.isEmpty()) tell(why.join(QLatin1Char('\n')));
}

}  // namespace app
