#pragma once
// Reading and writing "ZynED.ini", the values derived from the settings (the expansion's folder,
// the default model folder), and where the settings file lives.

#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/settings.h"

namespace shell {

inline constexpr const char* SettingsFileName = "ZynED.ini";

// One key of the settings file: its section and key in the form they are written, and the
// member of `Settings` that holds it (exactly one of the three pointers is set). A number read
// outside [low, high] is no value for its key.
struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string Settings::*text = nullptr;
  bool Settings::*flag = nullptr;
  int Settings::*number = nullptr;
  int low = INT_MIN;
  int high = INT_MAX;
};
// Every key, section by section ("Directories", "Options", "Map"), in the order they are written.
const std::vector<SettingKey>& settingKeys();

// The value of a key as it is written: text as is, booleans "1"/"0", numbers in decimal.
std::string settingValue(const Settings& s, const SettingKey& key);

// The settings held by INI text: keys and sections are matched in any letter case, the first
// occurrence counts; missing keys, broken lines, values that are no number and numbers out of
// their key's range give defaults.
Settings parseSettings(std::string_view iniText);
// `iniText` with every setting written into it. Keys and sections the editor does not know, and
// comments, stay where they are; known keys are rewritten in place in their written form, and
// missing ones are added at the end of their section.
std::string mergeSettings(std::string_view iniText, const Settings& s);

// What in INI text falls back to a default without saying so, one line per fault: lines that
// are neither a section, a key with a value nor a comment, and values of known keys that are
// no number or lie outside their key's range.
std::vector<std::string> settingsProblems(std::string_view iniText);

// Reads the file; a missing or unreadable file gives the defaults. `found` tells whether the
// file was there to read. UTF-16 files are decoded; a file that is there but cannot be read
// (broken UTF-16, no permission) also gives the defaults, and `error` says why. `problems`
// receives settingsProblems() of a file that was read.
Settings readSettings(const std::string& path, bool* found = nullptr, std::string* error = nullptr,
                      std::vector<std::string>* problems = nullptr);
// Writes every setting into the file (keeping what it holds besides, its line ends and its
// UTF-8 or UTF-16 form), through a temporary file that replaces the old one only when complete;
// creates the folder when needed. False with a message when the file cannot be read back or
// written.
bool writeSettings(const std::string& path, const Settings& s, std::string* error = nullptr);

// A section of the editor's own beside the settings (e.g. "Windows": window sizes), read and
// written without touching anything else in the file. Keys keep the order given; keys of the
// section not given are removed; a missing section is added at the end.
using SectionValues = std::vector<std::pair<std::string, std::string>>;
SectionValues readSection(std::string_view iniText, std::string_view section);
std::string mergeSection(std::string_view iniText, std::string_view section,
                         const SectionValues& values);
// The same on the file (a missing or unreadable file gives an empty section).
SectionValues readSectionFile(const std::string& path, std::string_view section);
// Writes the section into the file as writeSettings writes the settings.
bool writeSectionFile(const std::string& path, std::string_view section,
                      const SectionValues& values, std::string* error = nullptr);

// "IconZoomSmall" stays within 4..2000.
int clampIconZoomSmall(long long value);

// GameDirectory + the "Quelvane" folder (found in any letter case) when that folder exists,
// otherwise GameDirectory.
std::string expansionDirectory(const Settings& s);
// Whether the expansion's folder exists; looked up afresh on every call.
bool expansionInstalled(const Settings& s);
// Where the model files are when "OPT" is left empty: ExpansionDirectory + "ivfiles" + separator.
std::string defaultModelDirectory(const Settings& s);
// "OPT" when it is set, else the default above.
std::string effectiveModelDirectory(const Settings& s);
// Whether any of the five directories holds the short-name form "quelva~1" (in any case), which
// keeps some features from finding the expansion's files.
bool hasAbbreviatedDirectory(const Settings& s);

// The folder of the settings file: $ZYNED_CONFIG_DIR when set, else $XDG_CONFIG_HOME/ZynED, else
// ~/.config/ZynED.
std::string defaultConfigDir();
// Removes every "--config-dir DIR" (or "--config-dir=DIR") from the arguments, up to a "--",
// and returns the last DIR. A "--config-dir" without a folder after it is left in place.
std::optional<std::string> takeConfigDirOption(std::vector<std::string>& args);
// The folder named by "--config-dir" in `args` (which loses the option), else defaultConfigDir().
std::string configDirFromArgs(std::vector<std::string>& args);
// The settings file in a folder.
std::string settingsFilePath(const std::string& configDir);

}  // namespace shell
