#include "app/shell/keyboard_reference.h"

#include <cstring>

#include "app/briefing/briefing_window.h"
#include "app/map/map_window.h"
#include "app/shell/main_window.h"

namespace app {
namespace {

template <class W>
void addActions(std::vector<KeyedAction>& out, const char* window,
                const std::vector<ActionSpec<W>>& table) {
  for (const ActionSpec<W>& a : table)
    out.push_back({window, W::KeyGroup, a.id, a.text, a.hint, a.keys});
}

std::string withoutMnemonic(const char* text) {
  std::string out;
  for (const char* c = text; *c; ++c)
    if (*c != '&') out += *c;
  return out;
}

// "Ctrl+Y; Ctrl+Shift+Z" -> "`Ctrl+Y`, `Ctrl+Shift+Z`"; "Any+D" -> "`D` (with any modifier)".
std::string keyCells(const std::string& keys) {
  static const std::string any = "Any+";
  std::string out;
  std::size_t start = 0;
  while (start < keys.size()) {
    const auto end = keys.find("; ", start);
    const std::string key = keys.substr(start, end - start);
    if (!out.empty()) out += ", ";
    if (key.rfind(any, 0) == 0)
      out += '`' + key.substr(any.size()) + "` (with any modifier)";
    else
      out += '`' + key + '`';
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return out;
}

struct WindowKeys {
  const char* window;
  const char* intro;
  const char* list;    // where its List keys work
  const char* canvas;  // where its Canvas keys work
};

const WindowKeys KeyedWindows[] = {
    {"Main window", "The menus show the same keys beside their commands.", " (in the list)", ""},
    {"Map",
     "The map's keys work while the map window is active. The handbook is on Ctrl+F1 here, "
     "since F1 shows the X-Y plane.",
     "", ""},
    {"Briefing editor", "The pop-up menu of the preview shows the same commands.",
     " (in the instruction list)", " (on the preview's map or time bar)"},
};

}  // namespace

std::vector<KeyedAction> windowActions() {
  std::vector<KeyedAction> out;
  addActions(out, KeyedWindows[0].window, MainWindow::actionTable());
  addActions(out, KeyedWindows[1].window, MapWindow::actionTable());
  addActions(out, KeyedWindows[2].window, BriefingWindow::actionTable());
  return out;
}

std::vector<KeyedAction> keyedActions() {
  std::vector<KeyedAction> out;
  for (const KeyedAction& a : windowActions())
    if (a.keys.keys && *a.keys.keys) out.push_back(a);
  return out;
}

std::string keyboardReference(const shell::KeyBindings* chosen) {
  std::string out =
      "# Keyboard reference\n\n"
      "Every key of the editor, window by window, as the windows declare them. In a text field, "
      "the editing keys edit the text.\n\n"
      "Ctrl+A selects all in a text field, a list or a table (on the map: every flight group "
      "shown) and does nothing elsewhere. Save As is Ctrl+Shift+S: this is a change from the "
      "original key, Ctrl+A, with which a select-all typed where nothing could be selected "
      "saved the mission under a new name.\n\n";
  const std::vector<KeyedAction> actions = windowActions();
  for (const WindowKeys& w : KeyedWindows) {
    out += std::string("## ") + w.window + "\n\n" + w.intro +
           "\n\n| keys | command | what it does |\n|---|---|---|\n";
    for (const KeyedAction& a : actions) {
      if (std::strcmp(a.window, w.window) != 0) continue;
      std::string keys = a.keys.keys ? a.keys.keys : "";
      if (chosen) {
        const std::string name = *a.group ? std::string(a.group) + "/" + a.id : std::string(a.id);
        if (const auto k = chosen->keysOf(name)) keys = shell::joinKeys(*k);
      }
      if (keys.empty()) continue;
      const char* where = a.keys.scope == KeyScope::List     ? w.list
                          : a.keys.scope == KeyScope::Canvas ? w.canvas
                                                             : "";
      out += "| " + keyCells(keys) + " | " + withoutMnemonic(a.text) + where + " | " +
             withoutMnemonic(a.hint) + " |\n";
    }
    out += '\n';
  }
  out += "## Every other window\n\nF1 opens the handbook at the section about the window.\n";
  return out;
}

}  // namespace app
