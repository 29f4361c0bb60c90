#pragma once
// The keys in force: each action's keys from its window's table, unless the user chose others on
// Preferences › Keyboard (the "Keys" section of "ZynED.ini", shell/key_bindings.h). One map for
// the whole program: the main window reads it from the settings file at start, the Preferences
// dialog replaces it, and every `ActionSet` follows it, so menus, tool tips and pop-up menus show
// the keys that work.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "shell/key_bindings.h"

namespace app {

class KeyMap : public QObject {
  Q_OBJECT
 public:
  static KeyMap& instance();

  const shell::KeyBindings& bindings() const { return bindings_; }
  // Replaces the chosen keys; every action set takes them at once.
  void setBindings(shell::KeyBindings bindings);

  // The keys of an action: the chosen ones, else its table's (`tableKeys` as the table spells
  // them, "Any+D" included).
  QList<QKeySequence> keys(const QString& name, const char* tableKeys) const;
  // The bad keys of the chosen ones, one line each: those whose form is wrong and those the
  // toolkit knows no key for; they are ignored.
  QStringList problems() const;

 signals:
  void changed();

 private:
  shell::KeyBindings bindings_;
};

// The keys of an action under `bindings` (KeyMap::keys without the map).
QList<QKeySequence> keysInForce(const shell::KeyBindings& bindings, const QString& name,
                                const char* tableKeys);

// The name an action goes by in the "Keys" section: the main window's by its object name, the
// other windows' after their window's name ("MapForm/ZoomInAction"); `group` is empty for the
// main window.
QString keyName(const char* group, const char* id);

// A key in portable text ("Ctrl+S"), or nothing when the toolkit knows no such single key.
std::optional<QKeySequence> portableKey(const QString& text);
// Keys as the "Keys" section holds them (portable text, "; " between them) and as a menu shows
// them (the desktop's names, ", " between them).
std::vector<std::string> portableTexts(const QList<QKeySequence>& keys);
QString shownKeys(const QList<QKeySequence>& keys);

}  // namespace app
