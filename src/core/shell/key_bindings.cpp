#include "shell/key_bindings.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "shell/paths.h"

namespace shell {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A key name: one printable character, or letters, digits and inner blanks ("F9", "PgUp",
// "Media Play").
bool isKeyName(std::string_view name) {
  if (name.size() == 1) return std::isgraph(static_cast<unsigned char>(name[0])) != 0;
  if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == ' ' || c == '_';
  });
}

}  // namespace

std::vector<std::string> splitKeys(std::string_view value) {
  // Split at "; " only: "Ctrl+;" and ";" are the semicolon key.
  std::vector<std::string> out;
  while (true) {
    const auto end = value.find("; ");
    const std::string_view piece = trimmed(value.substr(0, end));
    if (!piece.empty()) out.emplace_back(piece);
    if (end == std::string_view::npos) break;
    value.remove_prefix(end + 2);
  }
  return out;
}

std::string joinKeys(const std::vector<std::string>& keys) {
  std::string out;
  for (const std::string& k : keys) {
    if (!out.empty()) out += "; ";
    out += k;
  }
  return out;
}

std::string keyProblem(std::string_view key) {
  const std::string quoted = "\"" + std::string(key) + "\"";
  if (key.empty()) return "an empty key";
  std::string_view mods, name;
  if (key.back() == '+' && key.size() > 1) {
    // "Ctrl++" is Ctrl with the "+" key; "Ctrl+" names no key.
    if (key[key.size() - 2] != '+') return quoted + " has no key";
    name = "+";
    mods = key.substr(0, key.size() - 2);
    if (mods.empty()) return quoted + " has no key";
  } else if (const auto plus = key.rfind('+'); plus != std::string_view::npos && key.size() > 1) {
    name = key.substr(plus + 1);
    mods = key.substr(0, plus);
    if (mods.empty()) return quoted + " has no modifier before \"+\"";
  } else {
    name = key;
  }
  if (name.find(", ") != std::string_view::npos || key.find(", ") != std::string_view::npos)
    return quoted + " is more than one key";
  if (!isKeyName(name)) return quoted + " names no key";
  static constexpr std::array<std::string_view, 4> Modifiers = {"Ctrl", "Shift", "Alt", "Meta"};
  std::array<bool, 4> seen{};
  while (!mods.empty()) {
    const auto plus = mods.find('+');
    const std::string_view mod = mods.substr(0, plus);
    const auto it = std::find_if(Modifiers.begin(), Modifiers.end(),
                                 [&](std::string_view m) { return equalsNoCase(m, mod); });
    if (it == Modifiers.end())
      return quoted + " has \"" + std::string(mod) + "\", which is no modifier";
    auto& was = seen[static_cast<std::size_t>(it - Modifiers.begin())];
    if (was) return quoted + " names " + std::string(*it) + " twice";
    was = true;
    if (plus == std::string_view::npos) break;
    mods.remove_prefix(plus + 1);
    if (mods.empty()) return quoted + " has an empty modifier";
  }
  return {};
}

KeyBindings::KeyBindings(SectionValues lines) {
  lines_.reserve(lines.size());
  for (auto& [action, keys] : lines) lines_.push_back({std::move(action), std::move(keys)});
}

std::optional<std::vector<std::string>> KeyBindings::keysOf(std::string_view action) const {
  for (const Line& line : lines_) {
    if (!equalsNoCase(line.action, action)) continue;
    const std::vector<std::string> all = splitKeys(line.keys);
    std::vector<std::string> good;
    for (const std::string& k : all)
      if (keyProblem(k).empty()) good.push_back(k);
    // A line of bad keys only says nothing the editor can use: the table's keys stay.
    if (good.empty() && !all.empty()) return std::nullopt;
    return good;
  }
  return std::nullopt;
}

std::vector<std::string> KeyBindings::problems() const {
  std::vector<std::string> out;
  for (const Line& line : lines_)
    for (const std::string& k : splitKeys(line.keys))
      if (const std::string why = keyProblem(k); !why.empty())
        out.push_back(line.action + "=" + line.keys + ": " + why + "; it is ignored");
  return out;
}

void KeyBindings::set(std::string_view action, const std::vector<std::string>& keys) {
  const std::string value = joinKeys(keys);
  bool written = false;
  for (auto it = lines_.begin(); it != lines_.end();) {
    if (!equalsNoCase(it->action, action)) {
      ++it;
    } else if (!written) {
      it->keys = value;
      written = true;
      ++it;
    } else {
      // Later lines of the action are never read; they go so the file says one thing.
      it = lines_.erase(it);
    }
  }
  if (!written) lines_.push_back({std::string(action), value});
}

void KeyBindings::reset(std::string_view action) {
  std::erase_if(lines_, [&](const Line& l) { return equalsNoCase(l.action, action); });
}

bool KeyBindings::changed(std::string_view action) const {
  return std::any_of(lines_.begin(), lines_.end(),
                     [&](const Line& l) { return equalsNoCase(l.action, action); });
}

SectionValues KeyBindings::section() const {
  SectionValues out;
  out.reserve(lines_.size());
  for (const Line& l : lines_) out.emplace_back(l.action, l.keys);
  return out;
}

bool KeyBindings::operator==(const KeyBindings& other) const {
  return section() == other.section();
}

KeyBindings keyBindingsOf(std::string_view iniText) {
  return KeyBindings(readSection(iniText, KeysSection));
}

std::string mergeKeyBindings(std::string_view iniText, const KeyBindings& bindings) {
  // A file that never had a line keeps its text as it is.
  if (bindings.lines().empty() && readSection(iniText, KeysSection).empty())
    return std::string(iniText);
  return mergeSection(iniText, KeysSection, bindings.section());
}

KeyBindings readKeyBindings(const std::string& path) {
  return KeyBindings(readSectionFile(path, KeysSection));
}

bool writeKeyBindings(const std::string& path, const KeyBindings& bindings, std::string* error) {
  if (bindings.lines().empty() && readKeyBindings(path).lines().empty()) return true;
  return writeSectionFile(path, KeysSection, bindings.section(), error);
}

}  // namespace shell
