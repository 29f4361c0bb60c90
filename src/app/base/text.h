#pragma once
// The widget boundary for text: files hold Windows-1252 bytes, widgets hold QString.

#include <QString>

#include <functional>
#include <string>

#include "model/cp1252.h"

class QLineEdit;
class QPlainTextEdit;

namespace app {

inline QString fromFile(const std::string& bytes) {
  return QString::fromStdString(model::cp1252ToUtf8(bytes));
}
inline std::string toFile(const QString& text) {
  return model::utf8ToCp1252(text.toStdString());
}
// Text the core made for the user (messages, paths), which is UTF-8.
inline QString qs(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// ---- Characters a file cannot hold ---------------------------------------------------------
// The game's files hold Windows-1252 characters only. Every text control keeps out what they
// cannot hold as it is typed, pasted or dropped, so that it shows what will be stored, and
// tells the user which characters were left out (`unstorableNotice`).

// Whether the game's files can hold the character (a Unicode code point).
bool storable(char32_t c);
// The characters of `text` a file cannot hold, each once, in the order met.
QString unstorableCharacters(const QString& text);
// `text` without them: what a file stores of it.
QString storableText(const QString& text);
// The message naming characters that were left out.
QString unstorableNotice(const QString& characters);

// A character a control refuses (beyond what no file can hold).
using RefusedCharacter = std::function<bool(char32_t)>;
// Leaves out of the control's text every character a file cannot hold or `refused` refuses,
// the cursor staying where the user is; returns the characters left out (empty: none).
QString leaveOutUnstorable(QLineEdit* edit, const RefusedCharacter& refused = {});
QString leaveOutUnstorable(QPlainTextEdit* memo, const RefusedCharacter& refused = {});

}  // namespace app
