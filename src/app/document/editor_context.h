#pragma once
// What every page, window and dialog of the editor works with: the document, the vocabulary,
// the settings, the prompter and the settings file. The main window owns one and hands it to
// everything it builds; nothing looks these up through the widget tree.

#include <string>

namespace shell {
struct Settings;
class Vocabulary;
}  // namespace shell

namespace app {

class MissionDocument;
class Prompter;

struct EditorContext {
  MissionDocument& document;
  const shell::Vocabulary& vocabulary;
  // Folders and options; the main window rewrites it when Preferences are accepted.
  shell::Settings& settings;
  Prompter& prompter;
  // Full path of "ZynED.ini" (for window sizes and our own sections).
  std::string iniPath;
};

}  // namespace app
