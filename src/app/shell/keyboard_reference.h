#pragma once
// The handbook's keyboard reference, made from the action tables of the windows that have keys
// (the main window, the map, the briefing editor), so it always names the keys the editor has.
// The build writes it with zyned-keys into the handbook's "keyboard.md".

#include <string>
#include <vector>

#include "app/base/actions.h"
#include "shell/key_bindings.h"

namespace app {

struct KeyedAction {
  const char* window;  // "Main window", "Map", "Briefing editor"
  const char* group;   // its window's KeyGroup: "" (the main window), "MapForm", "BrfForm"
  const char* id;
  const char* text;  // menu text with its mnemonic
  const char* hint;
  ActionKeys keys;
};

// Every action that has keys, window by window in table order.
std::vector<KeyedAction> keyedActions();
// Every action of those windows, with keys or without (Preferences › Keyboard lists them all).
std::vector<KeyedAction> windowActions();

// The reference as Markdown: a table per window, a row per action with keys; with `chosen`, the
// keys in force (the table's, or those chosen on Preferences › Keyboard).
std::string keyboardReference(const shell::KeyBindings* chosen = nullptr);

}  // namespace app
