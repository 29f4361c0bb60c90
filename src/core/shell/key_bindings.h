#pragma once
// The keys the user chose, as kept in the "Keys" section of "ZynED.ini": one line per changed
// action, its object name and its keys in portable text, several separated by "; ", an empty
// value for none ("SaveAsAction=F9", "MapForm/ZoomInAction=Ctrl+Up; +", "CutAction="). The main
// window's actions go by their bare name, the other windows' after their window's name and "/".
// An action without a line keeps the keys its window's table gives it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/settings_file.h"

namespace shell {

inline constexpr const char* KeysSection = "Keys";

// The keys of a value: "Ctrl+S; F9" -> {"Ctrl+S", "F9"}; blanks around each key go, empty
// pieces are skipped.
std::vector<std::string> splitKeys(std::string_view value);
std::string joinKeys(const std::vector<std::string>& keys);

// Why a key in portable text is no key ("Ctrl+" has no key, "Hyper+X" an unknown modifier),
// empty when it is one as far as its form goes: modifiers Ctrl, Shift, Alt and Meta (in any
// letter case), each once, then one key name ("Ctrl++" is Ctrl with "+").
std::string keyProblem(std::string_view key);

class KeyBindings {
 public:
  struct Line {
    std::string action;
    std::string keys;  // as the file holds them
  };

  KeyBindings() = default;
  // The section's lines as the file holds them; every line is kept, also those of actions the
  // editor does not know and those with bad keys, so that writing loses none of them.
  explicit KeyBindings(SectionValues lines);

  // The keys chosen for an action (matched in any letter case; the first line counts), without
  // the ones whose form is bad; nothing when the action keeps its table's keys, or when every
  // key of its line is bad.
  std::optional<std::vector<std::string>> keysOf(std::string_view action) const;
  // The bad keys of the section, one line each: `SaveAsAction=Ctrl+: "Ctrl+" has no key; it is
  // ignored`.
  std::vector<std::string> problems() const;

  // Chooses the keys of an action (an empty list: none), replacing its line.
  void set(std::string_view action, const std::vector<std::string>& keys);
  // The action goes back to its table's keys: its line goes.
  void reset(std::string_view action);
  bool changed(std::string_view action) const;

  const std::vector<Line>& lines() const { return lines_; }
  SectionValues section() const;
  bool operator==(const KeyBindings&) const;

 private:
  std::vector<Line> lines_;
};

// The section of INI text (a text without it: no line, every action keeps its keys).
KeyBindings keyBindingsOf(std::string_view iniText);
// The INI text with the section written from `bindings` (left out when there is no line, and
// the rest of the text untouched).
std::string mergeKeyBindings(std::string_view iniText, const KeyBindings& bindings);
// The same on the file, through readSectionFile and writeSectionFile.
KeyBindings readKeyBindings(const std::string& path);
bool writeKeyBindings(const std::string& path, const KeyBindings& bindings,
                      std::string* error = nullptr);

}  // namespace shell
