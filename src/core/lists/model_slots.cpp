#include "lists/model_slots.h"

#include <algorithm>
#include <utility>

#include "lists/text_file.h"
#include "shell/paths.h"
#include "shell/settings_file.h"
#include "shell/vocabulary.h"

namespace lists {

namespace {

// Craft type -> list (0 spec640, 1 spec2640, 2 spec3640) and line; line 0: no line.
constexpr std::array<SlotLine, CraftSlotCount + 1> SlotTable = [] {
  std::array<SlotLine, CraftSlotCount + 1> t{};
  constexpr int A = 0, B = 1, C = 2;
  const std::pair<int, SlotLine> rows[] = {
      {1, {A, 1}},   {2, {A, 2}},   {3, {A, 3}},   {4, {A, 4}},   {5, {A, 5}},   {6, {A, 6}},
      {7, {A, 7}},   {8, {A, 8}},   {9, {A, 9}},   {12, {B, 16}}, {13, {B, 10}}, {14, {A, 10}},
      {15, {B, 11}}, {16, {A, 11}}, {17, {A, 12}}, {18, {A, 13}}, {19, {A, 14}}, {20, {B, 14}},
      {21, {A, 15}}, {22, {A, 16}}, {23, {B, 8}},  {24, {A, 17}}, {25, {B, 15}}, {26, {A, 18}},
      {27, {A, 19}}, {28, {A, 20}}, {29, {A, 21}}, {30, {A, 22}}, {32, {A, 23}}, {33, {A, 24}},
      {34, {A, 25}}, {35, {A, 75}}, {36, {A, 89}}, {37, {B, 12}}, {38, {A, 26}}, {40, {A, 27}},
      {41, {A, 28}}, {42, {A, 29}}, {43, {A, 74}}, {44, {B, 13}}, {45, {B, 5}},  {46, {B, 6}},
      {47, {A, 30}}, {48, {B, 7}},  {49, {A, 72}}, {50, {A, 73}}, {51, {A, 31}}, {52, {A, 71}},
      {53, {A, 70}}, {54, {A, 88}}, {55, {A, 76}}, {56, {B, 1}},  {57, {B, 2}},  {58, {B, 3}},
      {59, {B, 4}},  {60, {A, 78}}, {61, {A, 32}}, {62, {A, 79}}, {63, {A, 82}}, {64, {A, 83}},
      {65, {A, 84}}, {66, {C, 1}},  {67, {C, 2}},  {68, {C, 3}},  {69, {B, 9}},  {70, {A, 33}},
      {71, {A, 33}}, {75, {A, 34}}, {76, {A, 35}}, {77, {A, 77}}, {78, {A, 92}}, {80, {A, 36}},
      {81, {A, 36}}, {83, {A, 37}}, {84, {A, 37}}, {86, {A, 38}}, {90, {A, 90}}, {91, {A, 91}},
      {92, {A, 93}},
  };
  for (const auto& [craft, line] : rows) t[static_cast<std::size_t>(craft)] = line;
  return t;
}();

// Slots with a line that the game does not use.
constexpr std::array<bool, CraftSlotCount + 1> NotFunctional = [] {
  std::array<bool, CraftSlotCount + 1> t{};
  for (const int craft : {10, 11, 31, 39, 72, 73, 74, 79, 82, 85, 88, 89})
    t[static_cast<std::size_t>(craft)] = true;
  return t;
}();

const SlotLine* tableEntry(int craft) {
  if (craft < 1 || craft > CraftSlotCount) return nullptr;
  const SlotLine& l = SlotTable[static_cast<std::size_t>(craft)];
  return l.line > 0 ? &l : nullptr;
}

}  // namespace

std::optional<SlotLine> slotLine(int craft) {
  if (const SlotLine* l = tableEntry(craft)) return *l;
  return std::nullopt;
}

bool isFunctionalSlot(int craft) {
  return tableEntry(craft) != nullptr && !NotFunctional[static_cast<std::size_t>(craft)];
}

int slotPartner(int craft) {
  switch (craft) {
    case 70:
      return 71;
    case 71:
      return 70;
    case 80:
      return 81;
    case 81:
      return 80;
    case 83:
      return 84;
    case 84:
      return 83;
    default:
      return 0;
  }
}

namespace {

// The model each slot starts with, named after the craft's short name; made once.
const std::vector<std::string>& defaultModels() {
  static const std::vector<std::string> models = [] {
    const auto& shortNames = shell::Vocabulary::builtIn(shell::tables::Short);
    std::vector<std::string> out(CraftSlotCount + 1);
    for (int c = 0; c <= CraftSlotCount; ++c) {
      if (!isFunctionalSlot(c) || static_cast<std::size_t>(c) >= shortNames.size()) continue;
      std::string name;
      for (const char ch : shortNames[static_cast<std::size_t>(c)])
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9'))
          name += ch;
      out[static_cast<std::size_t>(c)] = upperAscii(name) + ".OPT";
    }
    return out;
  }();
  return models;
}

// The slot's line as it stands in its list (empty when the list is shorter).
std::string_view lineOf(const SlotLists& lists, int craft) {
  const auto slot = slotLine(craft);
  if (!slot) return {};
  const auto& list = lists.lines[static_cast<std::size_t>(slot->list)];
  const auto index = static_cast<std::size_t>(slot->line - 1);
  return index < list.size() ? std::string_view(list[index]) : std::string_view();
}

constexpr std::string_view ModelFolderPrefix = "IVFILES\\";

}  // namespace

std::string defaultModel(int craft) {
  if (craft < 0 || craft > CraftSlotCount) return {};
  return defaultModels()[static_cast<std::size_t>(craft)];
}

std::string SlotLists::line(int craft) const {
  return std::string(lineOf(*this, craft));
}

bool SlotLists::setLine(int craft, std::string value) {
  const auto slot = slotLine(craft);
  if (!slot) return false;
  auto& list = lines[static_cast<std::size_t>(slot->list)];
  const auto index = static_cast<std::size_t>(slot->line - 1);
  if (list.size() <= index) list.resize(index + 1);
  list[index] = std::move(value);
  return true;
}

std::array<std::string, 3> slotListSources(const shell::Settings& s) {
  const std::string game = findPath(s.gameDirectory, "ivfiles");
  if (!shell::expansionInstalled(s)) return {game, game, game};
  const std::string expansion = findPath(shell::expansionDirectory(s), "ivfiles");
  const bool ownSecond = isFile(findPath(expansion, SlotListNames[1]));
  return {expansion, ownSecond ? expansion : game, expansion};
}

bool loadSlotLists(const shell::Settings& s, SlotLists& out, std::string& error) {
  const auto sources = slotListSources(s);
  SlotLists lists;
  for (std::size_t i = 0; i < 3; ++i) {
    lists.paths[i] = findPath(sources[i], SlotListNames[i]);
    if (pathExists(lists.paths[i]) && !readLines(lists.paths[i], lists.lines[i], error))
      return false;
  }
  out = std::move(lists);
  return true;
}

std::vector<std::string> slotListTargets(const shell::Settings& s, bool baseToo) {
  const std::string game = findPath(s.gameDirectory, "ivfiles");
  if (!shell::expansionInstalled(s)) return {game};
  std::vector<std::string> out{findPath(shell::expansionDirectory(s), "ivfiles")};
  if (baseToo) out.push_back(game);
  return out;
}

std::string slotMarker(const SlotLists& lists, int craft) {
  if (!isFunctionalSlot(craft) || craft == PlanetSlot) return "  ";
  // Compared in place: the window asks this for every slot whenever a list changes.
  const std::string_view line = lineOf(lists, craft);
  const std::string_view folder = line.substr(0, ModelFolderPrefix.size());
  const bool restored = shell::equalsNoCase(folder, ModelFolderPrefix) &&
                        shell::equalsNoCase(line.substr(folder.size()),
                                            defaultModels()[static_cast<std::size_t>(craft)]);
  return restored ? "  " : "* ";
}

std::string slotRow(const SlotLists& lists, int craft, std::string_view craftName) {
  return slotMarker(lists, craft) + std::string(craftName);
}

std::string slotStatus(const shell::Settings& s, const SlotLists& lists, int craft) {
  if (craft == PlanetSlot) return opttext::Planet;
  if (!isFunctionalSlot(craft)) return opttext::NotFunctional;
  const std::string line = lists.line(craft);
  std::string status = opttext::AssignedTo + (line.size() > 8 ? line.substr(8) : std::string());
  const bool present = !line.empty() && (isFile(findPath(s.gameDirectory, line)) ||
                                         isFile(findPath(shell::expansionDirectory(s), line)));
  if (!present) status += opttext::Available;
  return status;
}

std::optional<std::string> assignedLine(const std::string& directory, std::string_view file) {
  std::string folder = findPath(directory, "ivfiles");
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  if (file.size() <= folder.size() + 1 ||
      !shell::equalsNoCase(file.substr(0, folder.size()), folder) ||
      (file[folder.size()] != '/' && file[folder.size()] != '\\'))
    return std::nullopt;
  std::string rest = shell::lowerAscii(file.substr(folder.size() + 1));
  std::replace(rest.begin(), rest.end(), '/', '\\');
  return "ivfiles\\" + rest;
}

std::string restoredLine(int craft) {
  return std::string(ModelFolderPrefix) + defaultModel(craft);
}

std::vector<std::string> modelFolders(const shell::Settings& s) {
  std::vector<std::string> out;
  for (const std::string& dir : {s.gameDirectory, shell::expansionDirectory(s)}) {
    std::string folder = findPath(dir, "ivfiles");
    if (std::find(out.begin(), out.end(), folder) == out.end()) out.push_back(std::move(folder));
  }
  return out;
}

bool defaultModelPresent(const shell::Settings& s, int craft) {
  const std::string model = defaultModel(craft);
  if (model.empty()) return false;
  for (const std::string& folder : modelFolders(s))
    if (isFile(findPath(folder, model))) return true;
  return false;
}

bool writeSlotFiles(const SlotLists& lists, const std::vector<std::string>& targetFolders,
                    const std::vector<std::string>* craftNames, const std::string& editorFolder,
                    std::string& error) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const std::string& folder : targetFolders)
    for (std::size_t i = 0; i < 3; ++i) {
      const std::string path = findPath(folder, SlotListNames[i]);
      // A list without a single line is not made where the game has none.
      if (lists.lines[i].empty() && !pathExists(path)) continue;
      files.emplace_back(path, joinCrLf(lists.lines[i]));
    }
  if (craftNames)
    files.emplace_back(findPath(editorFolder, "Ships.txt"), shell::joinLines(*craftNames));
  return writeTextFiles(files, error);
}

namespace opttext {
std::string missingDirectory(std::string_view directory) {
  return model::fillText(MissingDirectoryForm, {std::string(directory)});
}
std::string outsideFolder(std::string_view file, std::string_view folder) {
  return model::fillText(OutsideFolderForm, {std::string(file), std::string(folder)});
}
std::string defaultMissing(const shell::Settings& s, int craft) {
  const std::vector<std::string> folders = modelFolders(s);
  return model::fillText(
      DefaultMissingForm,
      {defaultModel(craft), model::joinedList(folders, model::OrWord, model::OrWord)});
}
}  // namespace opttext

}  // namespace lists
