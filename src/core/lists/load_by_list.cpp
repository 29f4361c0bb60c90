#include "lists/load_by_list.h"

#include "lists/game_lists.h"
#include "lists/text_file.h"

namespace lists {

std::vector<ListRow> listRows(const std::vector<std::string>& lines) {
  std::vector<ListRow> rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (isSeparator(line)) {
      rows.push_back({});
    } else if (isHeading(line)) {
      rows.push_back({line, NoFileRow, true});
    } else if (isMissionLine(line)) {
      // A mission line at the very end has no description: it shows its own text.
      const bool described = i + 1 < lines.size();
      rows.push_back({described ? lines[i + 1] : line, line, false});
      if (described) ++i;
    }
  }
  // A blank first row is dropped; a first mission without a description stays loadable.
  if (!rows.empty() && rows.front().text.empty() && rows.front().fileLine == NoFileRow)
    rows.erase(rows.begin());
  return rows;
}

bool listsNothing(const std::vector<ListRow>& rows) {
  for (const ListRow& row : rows)
    if (!row.text.empty() || row.fileLine != NoFileRow) return false;
  return true;
}

std::string rowFileName(std::string_view fileLine) {
  const std::size_t blank = fileLine.rfind(' ');
  return std::string(blank == std::string_view::npos ? fileLine : fileLine.substr(blank + 1));
}

const std::vector<LoadTab>& loadTabs() {
  static const std::vector<LoadTab> tabs{{"Rebel Train", "Train", "Rebel.lst"},
                                         {"Imperial Train", "Train", "Imperial.lst"},
                                         {"Combat", "Combat", "Mission.lst"},
                                         {"Melee", "Melee", "Mission.lst"}};
  return tabs;
}

std::string tabListPath(const std::string& directory, const LoadTab& tab) {
  return findPath(directory, std::string(tab.subfolder) + "\\" + tab.listFile);
}

std::optional<std::string> findListedMission(const shell::Settings& s, const std::string& directory,
                                             const LoadTab& tab, std::string_view fileName,
                                             std::string* tried) {
  const std::string relative = std::string(tab.subfolder) + "\\" + std::string(fileName);
  const std::string first = findPath(directory, relative);
  if (tried) *tried = first;
  if (isFile(first)) return first;
  const std::string second = findPath(s.gameDirectory, relative);
  if (isFile(second)) return second;
  return std::nullopt;
}

}  // namespace lists
