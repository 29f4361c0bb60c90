#pragma once
// The vocabulary tables: for every byte that selects from a list, the display text of each
// value. Built-in entries first; text files in the editor folder may replace them.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Table names, as used by `Vocabulary::table` (the replacement file name without ".txt").
namespace tables {
inline constexpr std::string_view Teams = "Teams";
inline constexpr std::string_view Ships = "Ships";
inline constexpr std::string_view FGNames = "FGNames";
inline constexpr std::string_view OpShips = "OpShips";
inline constexpr std::string_view Appear = "Appear";
inline constexpr std::string_view Short = "Short";
inline constexpr std::string_view EDHistry = "EDHistry";
inline constexpr std::string_view OrdDesc = "OrdDesc";
inline constexpr std::string_view Orders = "Orders";
inline constexpr std::string_view Conds = "Conds";
inline constexpr std::string_view Percents = "Percents";
inline constexpr std::string_view Class = "Class";
inline constexpr std::string_view CMD = "CMD";
inline constexpr std::string_view Planets = "Planets";
inline constexpr std::string_view Musts = "Musts";
inline constexpr std::string_view Players = "Players";
inline constexpr std::string_view Status = "Status";
inline constexpr std::string_view AI = "AI";
inline constexpr std::string_view IFF = "IFF";
inline constexpr std::string_view Radio = "Radio";
inline constexpr std::string_view Form = "Form";
inline constexpr std::string_view Missiles = "Missiles";
inline constexpr std::string_view Counters = "Counters";
inline constexpr std::string_view Beams = "Beams";
inline constexpr std::string_view ObjCats = "ObjCats";
inline constexpr std::string_view ShipCats = "ShipCats";
inline constexpr std::string_view WPEnable = "WPEnable";
inline constexpr std::string_view When = "When";
inline constexpr std::string_view DepWhen = "DepWhen";
inline constexpr std::string_view OrdTexts = "OrdTexts";
inline constexpr std::string_view Colors = "Colors";
// Built by the editor, no replacement file.
inline constexpr std::string_view Orientation = "Orientation";
}  // namespace tables

class Vocabulary {
 public:
  // Every table with its built-in entries.
  Vocabulary();

  // A table by the name of its replacement file without ".txt" ("Ships", "Conds", "Musts", …);
  // "Orientation" is the 256-entry table of object orientations. Unknown names give an empty
  // table. Entries are single-byte (Windows-1252) text.
  const std::vector<std::string>& table(std::string_view name) const;
  // The entry for a stored value, or `beyond` when the table is shorter (never changes the value).
  std::string text(std::string_view name, int value, std::string_view beyond = {}) const;
  void setTable(std::string_view name, std::vector<std::string> entries);

  // Replaces tables from the files of the editor folder, in the game's order. A missing file, or
  // one that is not text, keeps the built-in entries; a fault while reading a file stops loading
  // silently. Returns the names of the tables that were replaced, in order.
  std::vector<std::string> loadTables(const std::string& editorDirectory);

  // The replacement files in the order they are read ("Teams.txt", "Ships.txt", …).
  static const std::vector<std::string_view>& fileOrder();
  // The built-in entries of a table (empty for unknown names), whatever files were loaded since.
  static const std::vector<std::string>& builtIn(std::string_view name);
  // Every table name: the file tables in file order, then "Orientation".
  static const std::vector<std::string_view>& tableNames();

 private:
  std::map<std::string, std::vector<std::string>, std::less<>> tables_;
};

// Whether file content can be a table: text has no zero bytes (binary data and two-byte
// encodings do).
bool isText(std::string_view content);

// Splits file content into entries: one per line, CR/LF removed, an empty line is an empty
// entry, a last line without a line end still counts. Content that starts with a UTF-8 byte
// order mark is taken as UTF-8 and converted to Windows-1252; any other content is kept byte
// for byte.
std::vector<std::string> splitLines(std::string_view content);

// The file form of a table: every entry followed by CR LF, as the editor ships them.
std::string joinLines(const std::vector<std::string>& entries);

}  // namespace shell
