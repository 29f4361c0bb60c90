#pragma once
// The flight-group library: whole flight-group records kept apart from any Mission, in ".fgp"
// files (the 1378-byte records one after another, no header; goal strings and the auto-link flag
// are not part of them).

#include <cstddef>
#include <string>
#include <vector>

#include "model/mission.h"
#include "model/texts.h"
#include "shell/vocabulary.h"

namespace editing {

inline constexpr const char* LibraryUnnamed = "none";
inline constexpr const char* LibraryFilter = "Flight Group Library (*.fgp)";
inline constexpr const char* LibraryExtension = "fgp";

struct LibraryLoad {
  model::Text error;            // the file could not be read; the library is unchanged
  std::size_t trailingBytes{};  // bytes after the last whole record, ignored
  bool ok() const { return error.empty(); }
};

class Library {
 public:
  const std::vector<model::FlightGroup>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  // The file path, or "none" while the library has no file.
  const std::string& fileName() const { return fileName_; }
  bool named() const { return fileName_ != LibraryUnnamed; }
  bool changed() const { return changed_; }

  // "Flight Group Library - [name.fgp]" or "Flight Group Library - [none]".
  std::string caption() const;
  // The same as the editor shows it: the file's name is UTF-8 data.
  model::Text captionText() const;

  // Empty and unnamed, not changed.
  void clear();
  // Reads a library file: every whole record; the library then names that file and is
  // unchanged. On failure nothing changes.
  LibraryLoad load(const std::string& path);
  // The same from the file's bytes, read elsewhere; the library then names `path`.
  LibraryLoad loadBytes(model::CBytes data, const std::string& path);
  // Writes every record to path (through the safe save); on success names that file and clears
  // the changed flag. A message on failure.
  model::Text save(const std::string& path);
  // The file's bytes: the records one after another.
  std::vector<std::uint8_t> bytes() const;

  // Appends copies of the records of these flight groups of the Mission.
  void add(const model::Mission& m, const std::vector<int>& flightGroups);
  // Exchanges entry i with its neighbour; returns its new position.
  std::size_t moveUp(std::size_t i);
  std::size_t moveDown(std::size_t i);
  // Removes entry i; returns the line to select then, or -1 when the library is empty.
  int remove(std::size_t i);

 private:
  std::vector<model::FlightGroup> entries_;
  std::string fileName_ = LibraryUnnamed;
  bool changed_ = false;
};

// The lines of the library list, in the flight-group list's format.
std::vector<std::string> libraryLines(const Library& lib, const shell::Vocabulary& v);

// Library entry i as a new flight group of a Mission: the record, empty goal strings, the
// auto-link flag given and the heading computed from its points.
model::FlightGroup flightGroupFromLibrary(const Library& lib, std::size_t i, bool autoLink);

// The notice after loading a file whose size is not a whole number of records.
std::string trailingBytesNotice(std::size_t records, std::size_t trailingBytes);
model::Text trailingBytesText(std::size_t records, std::size_t trailingBytes);

}  // namespace editing
