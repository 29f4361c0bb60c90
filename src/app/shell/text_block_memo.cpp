#include "app/shell/text_block_memo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include "app/base/refusal_note.h"
#include "app/base/text.h"
#include "app/document/editor_context.h"
#include "app/document/view_updater.h"

namespace app {

namespace {

// The memo's text as it holds it: toPlainText() gives a no-break space, a character of the
// file's own, as a plain one.
QString memoTextAsHeld(const QPlainTextEdit& memo) {
  QString text = memo.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace

TextBlockMemo::TextBlockMemo(const EditorContext& context, MissionDocument::Block block,
                             QWidget* parent)
    : QPlainTextEdit(parent), doc_(context.document), block_(block) {
  // Undo belongs to the document, so that the memo and the Mission never disagree.
  setUndoRedoEnabled(false);
  // Tab moves on to the next control, as in the editor's other boxes.
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, &TextBlockMemo::write);
  new ViewUpdater(this, doc_, TextBlocks | Format,
                  [this](Changes t, const ChangeSet&) { onChanged(t); });
  refresh();
}

QString TextBlockMemo::toMemo(const std::string& blockText) {
  QString text = fromFile(blockText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

std::string TextBlockMemo::toBlock(const QString& memoText) {
  QString text = memoText;
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return toFile(text);
}

int TextBlockMemo::storedLength() const {
  const QString text = toPlainText();
  return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

int TextBlockMemo::room() const {
  const QString selected = textCursor().selectedText();
  // A selection is replaced by what is typed: its characters come free.
  const int freed = static_cast<int>(selected.size() + selected.count(QChar::ParagraphSeparator));
  return limit_ - storedLength() + freed;
}

void TextBlockMemo::focusOutEvent(QFocusEvent* event) {
  // Typing ends here: what is typed when the user comes back is another undo step.
  doc_.endTyping();
  QPlainTextEdit::focusOutEvent(event);
}

void TextBlockMemo::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly()) {
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const int needed = lineBreak ? 2 : (printable ? static_cast<int>(typed.size()) : 0);
    if (needed > 0 && needed > room()) {
      event->accept();
      return;
    }
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TextBlockMemo::inputMethodEvent(QInputMethodEvent* event) {
  // Text composed through an input method counts against the block's room like typed text.
  const QString commit = event->commitString();
  const int left = std::max(0, room());
  if (isReadOnly() || commit.size() <= left) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent cut(event->preeditString(), event->attributes());
  cut.setCommitString(commit.left(left), event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&cut);
  event->accept();
}

void TextBlockMemo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  QString text = source->text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  int left = std::max(0, room());
  qsizetype take = 0;
  while (take < text.size()) {
    const int cost = text.at(take) == QLatin1Char('\n') ? 2 : 1;
    if (cost > left) break;
    left -= cost;
    ++take;
  }
  if (take > 0) textCursor().insertText(text.left(take));
}

std::string TextBlockMemo::blockText() const {
  const model::Mission& m = doc_.mission();
  switch (block_) {
    case MissionDocument::Block::SuccessDebrief:
      return m.successDebrief.text();
    case MissionDocument::Block::FailureDebrief:
      return m.failureDebrief.text();
    case MissionDocument::Block::Description:
      break;
  }
  return m.description.text();
}

void TextBlockMemo::onChanged(unsigned what) {
  if (what & (TextBlocks | Format)) refresh();
}

void TextBlockMemo::refresh() {
  // The memo's own writing leaves it as typed, with its cursor.
  if (writing_) return;
  const QString text = toMemo(blockText());
  if (text == memoTextAsHeld(*this)) return;
  setPlainText(text);
}

void TextBlockMemo::write() {
  if (writing_) return;
  writing_ = true;
  // What the block cannot hold is left out at once, where it was typed, pasted or dropped.
  const QString leftOut = leaveOutUnstorable(this, [](char32_t c) { return c == U'$'; });
  // A memo showing the block as stored has nothing to write (it was just refreshed): a block
  // whose line ends the memo shows as "\n" keeps its own bytes.
  const QString shown = memoTextAsHeld(*this);
  if (shown != toMemo(blockText())) doc_.setTextBlock(block_, toBlock(shown));
  writing_ = false;
  // Told beside the memo: a box would take the keys typed after the refused one.
  QStringList why;
  if (leftOut.contains(QLatin1Char('$')))
    why << tr(
        "A \"$\" cannot be stored here: the game stores every line end as \"$\", so it "
        "would read back as a line break. It was left out.");
  if (const QString others = QString(leftOut).remove(QLatin1Char('$')); !others.isEmpty())
    why << unstorableNotice(others);
  if (!why.isEmpty()) showRefusal(this, why.join(QLatin1Char('\n')));
}

}  // namespace app
