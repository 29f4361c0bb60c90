#pragma once
// Reading and writing "ZynED.ini", the values derived from the settings (the expansion's folder,
// the default model folder), and where the settings file lives.

#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/mission.h"
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

// Whether two settings hold the same value for every key, as they are written; the first key
// that differs goes to `difference` ("Directories.Zyn \"a\" would read back as \"b\"").
bool sameSettings(const Settings& a, const Settings& b, std::string* difference = nullptr);

// The settings held by the bytes of a settings file: UTF-8 (byte order marks in front are
// skipped) or UTF-16. Nothing, with the reason, when they are broken UTF-16. `problems` as
// for readSettings.
std::optional<Settings> settingsFromBytes(std::string_view bytes, std::string* why = nullptr,
                                          std::vector<std::string>* problems = nullptr);
// The bytes writeSettings saves: the file's bytes (empty for a new file) with every setting
// written into them, in the file's own form (UTF-8 or UTF-16, byte order marks as they were,
// line ends). Nothing, with the reason, when the old bytes are broken UTF-16.
std::optional<std::string> settingsFileBytes(std::string_view fileBytes, const Settings& s,
                                             std::string* why = nullptr);

// Reads the file; a missing or unreadable file gives the defaults. `found` tells whether the
// file was there to read. UTF-16 files are decoded; a file that is there but cannot be read
// (broken UTF-16, no permission) also gives the defaults, and `error` says why. `problems`
// receives settingsProblems() of a file that was read.
Settings readSettings(const std::string& path, bool* found = nullptr, std::string* error = nullptr,
                      std::vector<std::string>* problems = nullptr);
// Writes every setting into the file (keeping what it holds besides, its line ends, its UTF-8 or
// UTF-16 form and its byte order marks) with the safe save; creates the folder when needed. The
// saved bytes are read back before they replace the old file: when they would not give the same
// settings, the old file is kept. False with a message when the old file cannot be read, the
// new one would not read back the same, or it cannot be written.
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
// Writes the section into the file as writeSettings writes the settings; the section must read
// back as given and the settings as they were.
bool writeSectionFile(const std::string& path, std::string_view section,
                      const SectionValues& values, std::string* error = nullptr);

// Sets one key, named "Section.Key" in any letter case, from a value as the file holds it:
// text without line breaks, booleans "1" or "0", whole numbers within what the reader keeps.
// Empty on success, else the refusal naming the key and the value.
std::string setSetting(Settings& s, std::string_view name, std::string_view value);

// "IconZoomSmall" stays within 4..2000.
int clampIconZoomSmall(long long value);

// GameDirectory + the "Quelvane" folder (found in any letter case) when that folder exists,
// otherwise GameDirectory.
std::string expansionDirectory(const Settings& s);
// What new flight groups are made from: the auto-link and waypoint options, the default craft
// type and AI rank.
model::MissionDefaults missionDefaults(const Settings& s);
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
