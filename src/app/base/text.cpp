#include "app/base/text.h"

#include <QLineEdit>
#include <QObject>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>

#include <vector>

namespace app {

namespace {

// Each code point of `text` with where it starts and how many UTF-16 units it takes.
struct CodePoint {
  char32_t value;
  qsizetype at, size;
};

std::vector<CodePoint> codePoints(const QString& text) {
  std::vector<CodePoint> out;
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out.push_back({QChar::surrogateToUcs4(c, text.at(i + 1)), i, 2});
      i += 2;
    } else {
      out.push_back({c.unicode(), i, 1});
      ++i;
    }
  }
  return out;
}

QString characterText(char32_t c) {
  return QString::fromUcs4(&c, 1);
}

bool keptIn(char32_t c, const RefusedCharacter& refused) {
  return storable(c) && !(refused && refused(c));
}

// The characters of `text` to leave out, each once, and `text` without them.
QString leftOut(const QString& text, const RefusedCharacter& refused, QString* kept) {
  QString out;
  for (const CodePoint& p : codePoints(text)) {
    if (keptIn(p.value, refused)) {
      if (kept) *kept += text.mid(p.at, p.size);
      continue;
    }
    const QString c = characterText(p.value);
    if (!out.contains(c)) out += c;
  }
  return out;
}

}  // namespace

bool storable(char32_t c) {
  // A lone surrogate is no character at all.
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  const QString text = characterText(c);
  return fromFile(toFile(text)) == text;
}

QString unstorableCharacters(const QString& text) {
  return leftOut(text, {}, nullptr);
}

QString storableText(const QString& text) {
  QString kept;
  leftOut(text, {}, &kept);
  return kept;
}

QString unstorableNotice(const QString& characters) {
  QStringList quoted;
  for (const CodePoint& p : codePoints(characters))
    quoted << QStringLiteral("\"%1\"").arg(characters.mid(p.at, p.size));
  const bool several = quoted.size() > 1;
  QString list = quoted.join(QStringLiteral(", "));
  if (several) {
    const QString last = quoted.takeLast();
    list = QObject::tr("%1 and %2").arg(quoted.join(QStringLiteral(", ")), last);
  }
  return several ? QObject::tr(
                       "%1 cannot be stored: the game's files hold "
                       "Windows-1252 characters only. They were left out.")
                       .arg(list)
                 : QObject::tr(
                       "%1 cannot be stored: the game's files hold "
                       "Windows-1252 characters only. It was left out.")
                       .arg(list);
}

QString leaveOutUnstorable(QLineEdit* edit, const RefusedCharacter& refused) {
  const QString text = edit->text();
  QString kept;
  const QString out = leftOut(text, refused, &kept);
  if (out.isEmpty()) return out;
  // The cursor stays behind what the user typed before it.
  QString before;
  leftOut(text.left(edit->cursorPosition()), refused, &before);
  edit->setText(kept);
  edit->setCursorPosition(static_cast<int>(before.size()));
  return out;
}

QString leaveOutUnstorable(QPlainTextEdit* memo, const RefusedCharacter& refused) {
  QTextDocument* document = memo->document();
  const QString text = document->toPlainText();
  const QString out = leftOut(text, refused, nullptr);
  if (out.isEmpty()) return out;
  // Removed from the end backwards, so that every earlier position stays valid; the memo keeps
  // its cursor and scroll position.
  const std::vector<CodePoint> points = codePoints(text);
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  for (auto p = points.rbegin(); p != points.rend(); ++p) {
    if (keptIn(p->value, refused)) continue;
    cursor.setPosition(static_cast<int>(p->at));
    cursor.setPosition(static_cast<int>(p->at + p->size), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  cursor.endEditBlock();
  return out;
}

}  // namespace app
