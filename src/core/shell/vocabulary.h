#pragma once
// The vocabulary tables: for every byte that selects from a list, the display text of each
// value. Built-in entries first; text files in the editor folder may replace them.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

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

  // Replaces tables from the files of the editor folder, in the game's order. A missing file
  // keeps the built-in entries; a fault while reading a file stops loading silently. Returns the
  // names of the tables that were replaced, in order.
  std::vector<std::string> loadTables(const std::string& editorDirectory);

  // The replacement files in the order they are read ("Teams.txt", "Ships.txt", …).
  static const std::vector<std::string_view>& fileOrder();

 private:
  std::map<std::string, std::vector<std::string>, std::less<>> tables_;
};

// Splits file content into entries: one per line, CR/LF removed, an empty line is an empty
// entry, a last line without a line end still counts.
std::vector<std::string> splitLines(std::string_view content);

}  // namespace shell
