#pragma once
// Opening a mission by its place in the game's own lists: the rows a list shows (headings,
// mission descriptions, blank separators) and the file each row loads.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/settings.h"

namespace lists {

// The text of a row that loads nothing.
inline constexpr const char* NoFileRow = "----";

struct ListRow {
  std::string text;                  // what the list shows
  std::string fileLine = NoFileRow;  // the mission line it loads, or "----"
  bool heading = false;              // drawn in bold
  bool operator==(const ListRow&) const = default;
};

// The rows of a list file's lines: "//" lines are blank rows, bracketed lines headings, a
// mission line shows the description on the line after it (its own text when no line follows);
// other lines are skipped. A blank first row that loads nothing is dropped.
std::vector<ListRow> listRows(const std::vector<std::string>& lines);
// Whether rows show nothing at all: every row blank and loading nothing (a list of comments).
bool listsNothing(const std::vector<ListRow>& rows);
// The mission file a row loads: the text after the last blank of its file line.
std::string rowFileName(std::string_view fileLine);

struct LoadTab {
  const char* caption;
  const char* subfolder;
  const char* listFile;
};
// "Rebel Train", "Imperial Train", "Combat", "Melee" with their folders and lists.
const std::vector<LoadTab>& loadTabs();

// The list file of a tab below the chosen directory (found in any letter case).
std::string tabListPath(const std::string& directory, const LoadTab& tab);
// The file a row loads: below the chosen directory, else below GameDirectory; nothing when it is
// in neither. `tried` gets the first path (for the " does not exist!" message).
std::optional<std::string> findListedMission(const shell::Settings& s, const std::string& directory,
                                             const LoadTab& tab, std::string_view fileName,
                                             std::string* tried);

}  // namespace lists
