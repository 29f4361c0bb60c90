#include "app/shell/text_block_memo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include "app/base/text.h"
#include "app/document/editor_context.h"
#include "app/document/field_binding.h"

namespace app {

TextBlockMemo::TextBlockMemo(const EditorContext& context, MissionDocument::Block block,
                             QWidget* parent)
    : QPlainTextEdit(parent), doc_(context.document), block_(block) {
  // Undo belongs to the document, so that the memo and the Mission never
  // disagree.
  setUndoRedoEnabled(false);
  // Tab moves on to the next control, as in the editor's other boxes.
  setTabChangesFocus(true);
  // Bound as every control is: written as it is typed, shown again only when
  // the block changes from elsewhere (an undo, a load, the format), never by
  // its own writing.
  static const char* const names[] = {"Description", "SuccessDebrief", "FailureDebrief"};
  auto* bindings = new FieldBindings(this, doc_, oneRecord(RecordKind::Header, [] { return 0; }));
  bindings->bindMemo(this, names[static_cast<std::size_t>(block)])
      .readsText([this] { return std::optional<std::string>(blockText()); })
      .showsText(&TextBlockMemo::toMemo)
      .storesText(&TextBlockMemo::toBlock)
      .onCommitText([this](const std::string& text) { doc_.setTextBlock(block_, text); })
      .leavesOut([](char32_t c) { return c == U'$'; },
                 tr("A \"$\" cannot be stored here: the game stores every line "
                    "end as \"$\", so it "
                    "would read back as a line break. It was left out."))
      .alsoWhen([block](const ChangeSet& c) {
        return c.format || c.textBlocks[static_cast<std::size_t>(block)];
      });
  bindings->refill();
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
  // Text composed through an input method counts against the block's room like
  // typed text.
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

}  // namespace app
