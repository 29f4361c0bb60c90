#include "shell/settings_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

#include "model/mission_file.h"
#include "shell/paths.h"
#include "shell/unicode_text.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Blanks = " \t";
constexpr std::string_view ExpansionFolder = "Quelvane";
constexpr std::string_view ModelFolder = "ivfiles";
constexpr std::string_view AbbreviatedExpansion = "quelva~1";

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(Blanks);
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(Blanks);
  return s.substr(first, last - first + 1);
}

// One line of an INI file, kept as read so that it can be written back unchanged.
struct IniLine {
  enum Kind { Other, Section, Key };
  std::string raw;
  Kind kind = Other;
  std::string name;   // section or key name
  std::string value;  // key value, trimmed, surrounding quotes removed
};

IniLine parseLine(std::string raw) {
  IniLine line;
  line.raw = std::move(raw);
  const std::string_view t = trim(line.raw);
  if (t.empty() || t.front() == ';' || t.front() == '#') return line;
  if (t.front() == '[') {
    const auto close = t.find(']');
    if (close == std::string_view::npos) return line;
    line.kind = IniLine::Section;
    line.name = std::string(trim(t.substr(1, close - 1)));
    return line;
  }
  const auto eq = t.find('=');
  if (eq == std::string_view::npos || eq == 0) return line;
  line.kind = IniLine::Key;
  line.name = std::string(trim(t.substr(0, eq)));
  std::string_view value = trim(t.substr(eq + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  line.value = std::string(value);
  return line;
}

struct IniText {
  std::vector<IniLine> lines;
  std::string eol = "\n";  // the file's own line end, used when it is written back
};

// Lines end in CR LF, LF or a lone CR (older editors); all three may even be mixed.
IniText parseIni(std::string_view text) {
  IniText ini;
  // Editors that save as UTF-8 may put a byte order mark (or, added twice, two) before the
  // first section header.
  while (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const std::vector<LineSpan> spans = lineSpans(text);
  if (!spans.empty() && spans.front().end < text.size())
    ini.eol = std::string(text.substr(spans.front().end, spans.front().next - spans.front().end));
  ini.lines.reserve(spans.size());
  for (const LineSpan& l : spans)
    ini.lines.push_back(parseLine(std::string(text.substr(l.start, l.end - l.start))));
  return ini;
}

// The lines of the first section of that name: [header, end), or nothing.
struct Region {
  std::size_t header = 0, end = 0;
};
std::optional<Region> findSection(const IniText& ini, std::string_view section) {
  for (std::size_t i = 0; i < ini.lines.size(); ++i) {
    if (ini.lines[i].kind != IniLine::Section || !equalsNoCase(ini.lines[i].name, section))
      continue;
    std::size_t end = i + 1;
    while (end < ini.lines.size() && ini.lines[end].kind != IniLine::Section) ++end;
    return Region{i, end};
  }
  return std::nullopt;
}

// The keys come section by section: each section is looked for once.
struct SectionCache {
  std::string_view name;
  std::optional<Region> region;
  const std::optional<Region>& find(const IniText& ini, std::string_view section) {
    if (name.data() == nullptr || name != section) {
      name = section;
      region = findSection(ini, section);
    }
    return region;
  }
};

std::optional<std::string> findValue(const IniText& ini, const Region& r, std::string_view key) {
  for (std::size_t i = r.header + 1; i < r.end; ++i)
    if (ini.lines[i].kind == IniLine::Key && equalsNoCase(ini.lines[i].name, key))
      return ini.lines[i].value;
  return std::nullopt;
}

// A whole number as the settings file holds it: decimal with an optional sign, or hexadecimal
// after "$" or "0x". One sign at most, and only in front: "--5" and "$-5" are no numbers.
std::optional<int> parseInteger(std::string_view s) {
  s = trim(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.starts_with('$')) {
    base = 16;
    s.remove_prefix(1);
  } else if (s.starts_with("0x") || s.starts_with("0X")) {
    base = 16;
    s.remove_prefix(2);
  }
  // Parsed without a sign, so the magnitude is never negated past the type's range.
  unsigned long long magnitude = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  constexpr auto Limit = static_cast<unsigned long long>(INT_MAX);
  if (magnitude > Limit + (negative ? 1 : 0)) return std::nullopt;
  return negative ? static_cast<int>(-static_cast<long long>(magnitude))
                  : static_cast<int>(magnitude);
}

// A value written so that reading it back gives the same text: a line end would start a new
// line, and surrounding blanks or quotes would be lost, so those are guarded.
std::string writtenValue(std::string value) {
  std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
  if (!value.empty() && (trim(value).size() != value.size() || value.front() == '"'))
    value = "\"" + value + "\"";
  return value;
}

std::string keyLine(const Settings& s, const SettingKey& key) {
  return std::string(key.key) + "=" + writtenValue(settingValue(s, key));
}

const std::vector<std::string_view>& sectionNames() {
  static const std::vector<std::string_view> names = {"Directories", "Options", "Map"};
  return names;
}

std::string homeDirectory() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return ".";
}

}  // namespace

const std::vector<SettingKey>& settingKeys() {
  using S = Settings;
  static const std::vector<SettingKey> keys = {
      {"Directories", "Missions", &S::missionsDirectory},
      {"Directories", "Zyn", &S::gameDirectory},
      {"Directories", "ZynED", &S::editorDirectory},
      {"Directories", "Wave", &S::waveDirectory},
      {"Directories", "OPT", &S::modelDirectory},
      {"Options", "AutoLink", nullptr, &S::autoLink},
      {"Options", "CheckPlayable", nullptr, &S::checkPlayable},
      {"Options", "ConfirmDeletes", nullptr, &S::confirmDeletes},
      {"Options", "EnableWPs", nullptr, &S::enableWPs},
      {"Options", "LinkColor", nullptr, &S::linkColor},
      {"Options", "AdjustForRes", nullptr, &S::adjustForRes},
      {"Options", "UseWiz", nullptr, &S::useWiz},
      {"Options", "DefaultFormat", nullptr, nullptr, &S::defaultFormat},
      {"Options", "OpenProgWith", nullptr, nullptr, &S::openProgWith},
      {"Options", "DirInReopen", nullptr, &S::dirInReopen},
      {"Options", "DoBackups", nullptr, &S::doBackups},
      // Both go into a byte of every new flight group.
      {"Options", "DefaultShip", nullptr, nullptr, &S::defaultShip, 0, 255},
      {"Options", "DefaultAI", nullptr, nullptr, &S::defaultAI, 0, 255},
      {"Options", "KeepRecovery", nullptr, &S::keepRecovery},
      {"Options", "FileSavedMsg", nullptr, &S::fileSavedMsg},
      {"Options", "Language", &S::language},
      {"Map", "Centre", nullptr, &S::centre},
      {"Map", "ConfirmClose", nullptr, &S::confirmClose},
      {"Map", "GhostText", nullptr, &S::ghostText},
      {"Map", "DefaultWPs", nullptr, nullptr, &S::defaultWPs},
      {"Map", "AutoCtr", nullptr, nullptr, &S::autoCtr},
      // The map's hold-to-zoom step divides by 20 - ZoomSpeed.
      {"Map", "ZoomSpeed", nullptr, nullptr, &S::zoomSpeed, 5, 18},
      {"Map", "DblClickLink", nullptr, nullptr, &S::dblClickLink},
      {"Map", "DefaultName", nullptr, &S::defaultName},
      {"Map", "DefaultWPtime", nullptr, &S::defaultWPtime},
      {"Map", "DefaultWPdist", nullptr, &S::defaultWPdist},
      {"Map", "DefaultPallet", nullptr, &S::defaultPallet},
      {"Map", "DefaultFGList", nullptr, &S::defaultFGList},
      {"Map", "DefaultHyp", nullptr, &S::defaultHyp},
      {"Map", "DefaultOptions", nullptr, &S::defaultOptions},
      {"Map", "LimitShrink", nullptr, &S::limitShrink},
      {"Map", "GhostGrid", nullptr, &S::ghostGrid},
      {"Map", "OnlyXY", nullptr, &S::onlyXY},
      {"Map", "IconZoomSmall", nullptr, nullptr, &S::iconZoomSmall},
  };
  return keys;
}

std::string settingValue(const Settings& s, const SettingKey& key) {
  if (key.text) return s.*key.text;
  if (key.flag) return s.*key.flag ? "1" : "0";
  return std::to_string(s.*key.number);
}

namespace {

Settings settingsOf(const IniText& ini) {
  SectionCache sections;
  Settings s;
  for (const SettingKey& key : settingKeys()) {
    const auto region = sections.find(ini, key.section);
    if (!region) continue;
    const auto value = findValue(ini, *region, key.key);
    if (!value) continue;
    if (key.text) {
      s.*key.text = *value;
    } else if (const auto n = parseInteger(*value)) {
      if (*n < key.low || *n > key.high) continue;
      if (key.flag)
        s.*key.flag = *n != 0;
      else
        s.*key.number = *n;
    }
  }
  s.iconZoomSmall = clampIconZoomSmall(s.iconZoomSmall);
  return s;
}

std::vector<std::string> problemsOf(const IniText& ini) {
  SectionCache sections;
  std::vector<std::string> out;
  for (std::size_t i = 0; i < ini.lines.size(); ++i) {
    const IniLine& line = ini.lines[i];
    const std::string_view t = trim(line.raw);
    if (line.kind == IniLine::Other && !t.empty() && t.front() != ';' && t.front() != '#')
      out.push_back("line " + std::to_string(i + 1) + " \"" + std::string(t) +
                    "\" is not a setting");
  }
  for (const SettingKey& key : settingKeys()) {
    if (key.text) continue;
    const auto region = sections.find(ini, key.section);
    if (!region) continue;
    const auto value = findValue(ini, *region, key.key);
    if (!value) continue;
    const auto n = parseInteger(*value);
    if (n && *n >= key.low && *n <= key.high) continue;
    std::string what =
        std::string(key.key) + "=" + *value + " in [" + std::string(key.section) + "] is ";
    if (!n)
      what += "no number";
    else
      what += "outside " + std::to_string(key.low) + " to " + std::to_string(key.high);
    out.push_back(what + "; its default is used");
  }
  return out;
}

}  // namespace

Settings parseSettings(std::string_view iniText) {
  return settingsOf(parseIni(iniText));
}

std::vector<std::string> settingsProblems(std::string_view iniText) {
  return problemsOf(parseIni(iniText));
}

std::string mergeSettings(std::string_view iniText, const Settings& settings) {
  Settings s = settings;
  s.iconZoomSmall = clampIconZoomSmall(s.iconZoomSmall);
  IniText ini = parseIni(iniText);
  // Room for every key and for the sections with their blank lines, should all be missing.
  ini.lines.reserve(ini.lines.size() + settingKeys().size() + 2 * sectionNames().size());
  for (const std::string_view section : sectionNames()) {
    auto region = findSection(ini, section);
    if (!region) {
      if (!ini.lines.empty() && !trim(ini.lines.back().raw).empty())
        ini.lines.push_back(parseLine(""));
      ini.lines.push_back(parseLine("[" + std::string(section) + "]"));
      for (const SettingKey& key : settingKeys())
        if (key.section == section) ini.lines.push_back(parseLine(keyLine(s, key)));
      continue;
    }
    ini.lines[region->header].raw = "[" + std::string(section) + "]";
    for (const SettingKey& key : settingKeys()) {
      if (key.section != section) continue;
      bool written = false;
      for (std::size_t i = region->header + 1; i < region->end;) {
        IniLine& line = ini.lines[i];
        if (line.kind != IniLine::Key || !equalsNoCase(line.name, key.key)) {
          ++i;
          continue;
        }
        if (!written) {
          line = parseLine(keyLine(s, key));
          written = true;
          ++i;
        } else {
          // Later copies of a key are never read; they go so the file says one thing.
          ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(i));
          --region->end;
        }
      }
      if (written) continue;
      // A missing key goes after the section's last non-blank line.
      std::size_t at = region->end;
      while (at > region->header + 1 && trim(ini.lines[at - 1].raw).empty()) --at;
      ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(at),
                       parseLine(keyLine(s, key)));
      ++region->end;
    }
  }
  std::string out;
  for (const IniLine& line : ini.lines) {
    out += line.raw;
    out += ini.eol;
  }
  return out;
}

bool sameSettings(const Settings& a, const Settings& b, std::string* difference) {
  for (const SettingKey& key : settingKeys()) {
    const std::string va = settingValue(a, key), vb = settingValue(b, key);
    if (va == vb) continue;
    if (difference)
      *difference = std::string(key.section) + "." + std::string(key.key) + " \"" + va +
                    "\" would read back as \"" + vb + "\"";
    return false;
  }
  return true;
}

namespace {

// The file's text as UTF-8 and the shape to write it back in; nothing, with the reason, when
// the bytes are broken UTF-16.
std::optional<std::string> decodeSettings(std::string_view bytes, TextShape& shape,
                                          std::string& why) {
  shape = detectTextShape(bytes);
  return decodeText(bytes, shape, &why);
}

// Reads the file (in its own form), lets `merge` rewrite its UTF-8 text and saves it back in
// that form. `verify` looks at the text as it reads back from the saved bytes; when it finds
// something else than what was meant, the old file is kept.
template <class Merge, class Verify>
bool rewriteIniFile(const std::string& path, Merge merge, Verify verify, std::string* error) {
  std::error_code ec;
  std::string current;
  TextShape shape;
  if (fs::exists(fs::symlink_status(path, ec))) {
    std::vector<std::uint8_t> bytes;
    std::string why;
    // Writing over a file that cannot be read would lose the keys it holds besides ours.
    if (!model::readWholeFile(path, bytes, why)) {
      if (error) *error = why;
      return false;
    }
    const auto text =
        decodeSettings({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, shape, why);
    if (!text) {
      if (error) *error = "\"" + path + "\" cannot be read: " + why + ".";
      return false;
    }
    current = *text;
  }
  const fs::path parent = fs::path(path).parent_path();
  if (!parent.empty()) fs::create_directories(parent, ec);
  const std::string merged = encodeText(merge(current), shape);
  const auto check = [&](const std::vector<std::uint8_t>& written, std::string& why) {
    TextShape again;
    const auto text =
        decodeSettings({reinterpret_cast<const char*>(written.data()), written.size()}, again, why);
    std::string difference;
    if (text && verify(*text, difference)) return true;
    why = "the saved file would not read back the same (" + (text ? difference : why) +
          "); the old file is kept.";
    return false;
  };
  const auto result =
      model::saveFile(path, std::vector<std::uint8_t>(merged.begin(), merged.end()), check);
  if (!result.ok && error) *error = result.error;
  return result.ok;
}

}  // namespace

std::optional<Settings> settingsFromBytes(std::string_view bytes, std::string* why,
                                          std::vector<std::string>* problems) {
  TextShape shape;
  std::string reason;
  const auto text = decodeSettings(bytes, shape, reason);
  if (!text) {
    if (why) *why = reason;
    return std::nullopt;
  }
  const IniText ini = parseIni(*text);
  if (problems) *problems = problemsOf(ini);
  return settingsOf(ini);
}

std::optional<std::string> settingsFileBytes(std::string_view fileBytes, const Settings& s,
                                             std::string* why) {
  TextShape shape;
  std::string reason;
  const auto text = decodeSettings(fileBytes, shape, reason);
  if (!text) {
    if (why) *why = reason;
    return std::nullopt;
  }
  return encodeText(mergeSettings(*text, s), shape);
}

Settings readSettings(const std::string& path, bool* found, std::string* error,
                      std::vector<std::string>* problems) {
  std::error_code ec;
  const bool there = fs::is_regular_file(path, ec);
  if (found) *found = there;
  std::vector<std::uint8_t> bytes;
  std::string why;
  if (!model::readWholeFile(path, bytes, why)) {
    if (error && there) *error = why + " Every setting keeps its default.";
    return Settings{};
  }
  const auto settings = settingsFromBytes(
      {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, &why, problems);
  if (!settings) {
    if (error)
      *error = "\"" + path + "\" cannot be read: " + why + ". Every setting keeps its default.";
    return Settings{};
  }
  return *settings;
}

bool writeSettings(const std::string& path, const Settings& s, std::string* error) {
  Settings meant = s;
  meant.iconZoomSmall = clampIconZoomSmall(meant.iconZoomSmall);
  return rewriteIniFile(
      path, [&](const std::string& text) { return mergeSettings(text, s); },
      [&](const std::string& text, std::string& difference) {
        return sameSettings(meant, parseSettings(text), &difference);
      },
      error);
}

SectionValues readSection(std::string_view iniText, std::string_view section) {
  const IniText ini = parseIni(iniText);
  SectionValues values;
  if (const auto region = findSection(ini, section))
    for (std::size_t i = region->header + 1; i < region->end; ++i)
      if (ini.lines[i].kind == IniLine::Key)
        values.emplace_back(ini.lines[i].name, ini.lines[i].value);
  return values;
}

std::string mergeSection(std::string_view iniText, std::string_view section,
                         const SectionValues& values) {
  IniText ini = parseIni(iniText);
  std::vector<IniLine> lines;
  lines.push_back(parseLine("[" + std::string(section) + "]"));
  for (const auto& [key, value] : values)
    lines.push_back(parseLine(key + "=" + writtenValue(value)));
  auto at = ini.lines.end();
  if (const auto region = findSection(ini, section)) {
    // Blank lines that close the section stay.
    std::size_t end = region->end;
    while (end > region->header + 1 && trim(ini.lines[end - 1].raw).empty()) --end;
    at = ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(region->header),
                         ini.lines.begin() + static_cast<std::ptrdiff_t>(end));
  } else if (!ini.lines.empty() && !trim(ini.lines.back().raw).empty()) {
    ini.lines.push_back(parseLine(""));
    at = ini.lines.end();
  }
  ini.lines.insert(at, lines.begin(), lines.end());
  std::string out;
  for (const IniLine& line : ini.lines) {
    out += line.raw;
    out += ini.eol;
  }
  return out;
}

SectionValues readSectionFile(const std::string& path, std::string_view section) {
  std::vector<std::uint8_t> bytes;
  std::string why;
  TextShape shape;
  if (!model::readWholeFile(path, bytes, why)) return {};
  const auto text =
      decodeSettings({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, shape, why);
  return text ? readSection(*text, section) : SectionValues{};
}

bool writeSectionFile(const std::string& path, std::string_view section,
                      const SectionValues& values, std::string* error) {
  Settings before;
  return rewriteIniFile(
      path,
      [&](const std::string& text) {
        before = parseSettings(text);
        return mergeSection(text, section, values);
      },
      // The section reads back as given, and the settings stay as they were.
      [&](const std::string& text, std::string& difference) {
        if (readSection(text, section) != values) {
          difference = "section [" + std::string(section) + "]";
          return false;
        }
        return sameSettings(before, parseSettings(text), &difference);
      },
      error);
}

std::string setSetting(Settings& s, std::string_view name, std::string_view value) {
  const auto dot = name.find('.');
  const SettingKey* key = nullptr;
  if (dot != std::string_view::npos)
    for (const SettingKey& k : settingKeys())
      if (equalsNoCase(k.section, name.substr(0, dot)) && equalsNoCase(k.key, name.substr(dot + 1)))
        key = &k;
  if (!key) return "\"" + std::string(name) + "\" is no setting.";
  const std::string named =
      std::string(key->section) + "." + std::string(key->key) + "=" + std::string(value) + ": ";
  if (key->text) {
    // A line break would end the value early and start a line of its own in the file.
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
      return named + "the value holds a line break.";
    s.*key->text = std::string(value);
    return {};
  }
  if (key->flag) {
    if (value != "0" && value != "1") return named + "the value is neither 1 nor 0.";
    s.*key->flag = value == "1";
    return {};
  }
  const auto n = parseInteger(value);
  if (!n) return named + "the value is no whole number.";
  int low = key->low, high = key->high;
  if (key->number == &Settings::iconZoomSmall) {
    low = clampIconZoomSmall(INT_MIN);
    high = clampIconZoomSmall(INT_MAX);
  }
  if (*n < low || *n > high)
    return named + "the value is outside " + std::to_string(low) + " to " + std::to_string(high) +
           ".";
  s.*key->number = *n;
  return {};
}

int clampIconZoomSmall(long long value) {
  return static_cast<int>(std::clamp<long long>(value, 4, 2000));
}

model::MissionDefaults missionDefaults(const Settings& s) {
  model::MissionDefaults d;
  d.autoLink = s.autoLink;
  d.enableWPs = s.enableWPs;
  d.defaultShip = s.defaultShip;
  d.defaultAI = s.defaultAI;
  return d;
}

std::string expansionDirectory(const Settings& s) {
  if (const auto found = findEntryNoCase(s.gameDirectory, ExpansionFolder);
      found && isDirectory(*found))
    return *found;
  return s.gameDirectory;
}

bool expansionInstalled(const Settings& s) {
  const auto found = findEntryNoCase(s.gameDirectory, ExpansionFolder);
  return found && isDirectory(*found);
}

std::string defaultModelDirectory(const Settings& s) {
  const std::string base = expansionDirectory(s);
  const auto found = findEntryNoCase(base, ModelFolder);
  std::string dir = found && isDirectory(*found) ? *found : joinPath(base, ModelFolder);
  dir += fs::path::preferred_separator;
  return dir;
}

std::string effectiveModelDirectory(const Settings& s) {
  return s.modelDirectory.empty() ? defaultModelDirectory(s) : s.modelDirectory;
}

bool hasAbbreviatedDirectory(const Settings& s) {
  for (const std::string* dir : {&s.missionsDirectory, &s.waveDirectory, &s.editorDirectory,
                                 &s.modelDirectory, &s.gameDirectory})
    if (lowerAscii(*dir).find(AbbreviatedExpansion) != std::string::npos) return true;
  return false;
}

std::string defaultConfigDir() {
  if (const char* dir = std::getenv("ZYNED_CONFIG_DIR"); dir && *dir) return dir;
  // A relative XDG_CONFIG_HOME is invalid and ignored.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
    return joinPath(xdg, "ZynED");
  return joinPath(joinPath(homeDirectory(), ".config"), "ZynED");
}

std::optional<std::string> takeConfigDirOption(std::vector<std::string>& args) {
  constexpr std::string_view Option = "--config-dir";
  std::optional<std::string> dir;
  for (std::size_t i = 0; i < args.size();) {
    const std::string& a = args[i];
    if (a == "--") break;
    if (a == Option && i + 1 < args.size()) {
      dir = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i + 2));
    } else if (a.size() > Option.size() && a.starts_with(Option) && a[Option.size()] == '=') {
      dir = a.substr(Option.size() + 1);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  return dir;
}

std::string configDirFromArgs(std::vector<std::string>& args) {
  const auto dir = takeConfigDirOption(args);
  return dir && !dir->empty() ? *dir : defaultConfigDir();
}

std::string settingsFilePath(const std::string& configDir) {
  return joinPath(configDir, SettingsFileName);
}

}  // namespace shell
