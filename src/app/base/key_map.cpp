#include "app/base/key_map.h"

#include "app/base/actions.h"

namespace app {

KeyMap& KeyMap::instance() {
  static KeyMap map;
  return map;
}

void KeyMap::setBindings(shell::KeyBindings bindings) {
  if (bindings == bindings_) return;
  bindings_ = std::move(bindings);
  emit changed();
}

std::optional<QKeySequence> portableKey(const QString& text) {
  if (!shell::keyProblem(text.toStdString()).empty()) return std::nullopt;
  const QKeySequence k(text, QKeySequence::PortableText);
  if (k.count() != 1 || k[0].key() == Qt::Key_unknown || k[0].key() == 0) return std::nullopt;
  return k;
}

QList<QKeySequence> KeyMap::keys(const QString& name, const char* tableKeys) const {
  return keysInForce(bindings_, name, tableKeys);
}

QList<QKeySequence> keysInForce(const shell::KeyBindings& bindings, const QString& name,
                                const char* tableKeys) {
  const auto chosen = bindings.keysOf(name.toStdString());
  if (!chosen) return parseKeys(tableKeys);
  QList<QKeySequence> out;
  for (const std::string& text : *chosen)
    if (const auto k = portableKey(QString::fromStdString(text)); k && !out.contains(*k)) out << *k;
  // Keys the toolkit does not know, and nothing else: the table's keys stay.
  if (out.isEmpty() && !chosen->empty()) return parseKeys(tableKeys);
  return out;
}

QStringList KeyMap::problems() const {
  QStringList out;
  for (const std::string& p : bindings_.problems()) out << QString::fromStdString(p);
  for (const auto& line : bindings_.lines())
    for (const std::string& text : shell::splitKeys(line.keys))
      if (shell::keyProblem(text).empty() && !portableKey(QString::fromStdString(text)))
        out << QString::fromStdString(line.action + "=" + line.keys + ": \"" + text +
                                      "\" is no key; it is ignored");
  return out;
}

QString keyName(const char* group, const char* id) {
  if (!group || !*group) return QLatin1String(id);
  return QLatin1String(group) + QLatin1Char('/') + QLatin1String(id);
}

std::vector<std::string> portableTexts(const QList<QKeySequence>& keys) {
  std::vector<std::string> out;
  for (const QKeySequence& k : keys)
    out.push_back(k.toString(QKeySequence::PortableText).toStdString());
  return out;
}

QString shownKeys(const QList<QKeySequence>& keys) {
  QStringList out;
  for (const QKeySequence& k : keys) out << k.toString(QKeySequence::NativeText);
  return out.join(QStringLiteral(", "));
}

}  // namespace app
