// Writes the handbook's keyboard reference at build time from the windows' action tables, so it
// always names the keys the editor has. Argument: the Markdown file to write.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/base/actions.h"
#include "app/briefing/briefing_window.h"
#include "app/map/map_actions.h"

namespace {

std::string plain(const char* text) {
  std::string out;
  for (const char* c = text; *c; ++c)
    if (*c != '&') out += *c;
  return out;
}

std::string keys(const char* shortcuts) {
  std::string out, s = shortcuts;
  std::size_t start = 0;
  while (start < s.size()) {
    const auto end = s.find("; ", start);
    if (!out.empty()) out += ", ";
    out += '`' + s.substr(start, end - start) + '`';
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return out;
}

void table(std::ostream& out, const char* title, const char* intro,
           const std::vector<app::ActionSpec>& actions) {
  out << "## " << title << "\n\n"
      << intro << "\n\n| keys | command | what it does |\n|---|---|---|\n";
  for (const app::ActionSpec& a : actions) {
    if (!a.shortcuts || !*a.shortcuts) continue;
    std::string where = a.scope == app::KeyScope::List ? " (in the list)" : "";
    out << "| " << keys(a.shortcuts) << " | " << plain(a.text) << where << " | " << a.hint
        << " |\n";
  }
  out << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zyned-keys OUT.md\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << "# Keyboard reference\n\n"
         "Every key of the editor, window by window, as the windows declare them. In a text "
         "field, Ctrl+A selects the text and the editing keys edit it.\n\n";
  table(out, "Main window", "The menus show the same keys beside their commands.",
        app::actionTable());
  table(out, "Map",
        "The map's keys work while the map window is active; the letters also work with Shift "
        "held. The handbook is on Shift+F1 here, since F1 shows the X-Y plane.",
        app::mapActionTable());
  table(out, "Briefing editor", "Space plays and pauses on the preview page.",
        app::briefingActions());
  out << "## Every other window\n\n"
         "F1 opens the handbook at the section about the window.\n";
  if (!out.flush()) {
    std::cerr << "zyned-keys: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
