#include "app/document/field_binding.h"

#include "app/base/palette_colours.h"
#include "app/base/text.h"

// Grid cells: the grid's editor hands what is typed to the cell's binding; a
// number cell that stores while it is typed holds its typing as one gesture of
// the document.

namespace app {

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
  doc_.beginTransaction(mergeKey(), undoStepText());
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
  const TypedValue t = parsed(typed);
  bool stores = t.kind == TypedValue::Value;
  if (stores) {
    const long long stored = conv_.store ? conv_.store(t.value) : t.value;
    stores = stored >= number_.min && stored <= number_.max;
  }
  // What is typed stays; a text that stores nothing says why on the editor
  // until it does.
  if (editor_) {
    editor_->setToolTip(stores || t.kind == TypedValue::Nothing ? QString() : t.message);
    const QColor red = refusedColour(editor_->palette().color(QPalette::Base));
    editor_->setStyleSheet(stores || t.kind == TypedValue::Nothing
                               ? QString()
                               : QStringLiteral("QLineEdit { color: %1; }").arg(red.name()));
  }
  if (!stores) return;
  // Stored as it is typed, the burst a gesture until editing ends.
  openBurst();
  commitNumber(t.value);
}

void FieldBinding::refillCell() {
  if (text_) {
    const std::optional<std::string> stored = storedText();
    if (!stored) return clearControl();
    QTableWidgetItem* item = cellItem();
    if ((storeText_ ? storeText_(item->text()) : toFile(item->text())) == *stored) return;
    item->setText(showText_ ? showText_(*stored) : fromFile(*stored));
    return;
  }
  const std::optional<long long> stored = storedNumber();
  if (!stored) return clearControl();
  QTableWidgetItem* item = cellItem();
  const QString text = numberText(*stored);
  if (item->text() != text) item->setText(text);
  if (editor_) {
    editor_->setToolTip({});
    editor_->setStyleSheet({});
  }
}

}  // namespace app
