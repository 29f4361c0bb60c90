#pragma once
// The widget boundary for text: files hold Windows-1252 bytes, widgets hold QString.

#include <QString>

#include <string>

#include "model/cp1252.h"

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

}  // namespace app
