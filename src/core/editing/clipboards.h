#pragma once
// The condition and order clipboards: lists of triggers and of orders that the user keeps from
// one run of the editor to the next, each in its own file of the editor folder ("Conds.clp" and
// "Orders.clp": the records one after another, no header).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/fields.h"
#include "model/texts.h"

namespace editing {

inline constexpr const char* ConditionClipboardFile = "Conds.clp";
inline constexpr const char* OrderClipboardFile = "Orders.clp";

class Clipboard {
 public:
  using Entry = std::vector<std::uint8_t>;

  Clipboard(std::size_t recordSize, std::string fileName)
      : recordSize_(recordSize), fileName_(std::move(fileName)) {}
  static Clipboard conditions();
  static Clipboard orders();

  std::size_t recordSize() const { return recordSize_; }
  const std::string& fileName() const { return fileName_; }
  const std::vector<Entry>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  // Reads the file from the editor folder (its name in any letter case). A missing file gives an
  // empty list; bytes after the last whole record are ignored. A file that cannot be opened
  // keeps the list as it was; one that fails while being read keeps the entries read before the
  // fault. Either gives a message; an empty text on success.
  model::Text load(const std::string& editorDirectory);
  // Rewrites the whole file (through the safe save); a message when that fails. After a failed
  // load the file is left alone, so that the entries that could not be read survive.
  model::Text save(const std::string& editorDirectory) const;
  // The entries from a file's bytes: every whole record, in order; returns the number of bytes
  // after the last whole record, which are ignored.
  std::size_t takeBytes(model::CBytes data);
  // The file's bytes: the records one after another.
  std::vector<std::uint8_t> bytes() const;
  bool unreadable() const { return unreadable_; }

  // Appends the first recordSize() bytes of `record`.
  void add(model::CBytes record);
  // Exchanges entry i with its neighbour; returns the entry's new position.
  std::size_t moveUp(std::size_t i);
  std::size_t moveDown(std::size_t i);
  // Removes entry i; returns the line to select then (the same position or the last line), or
  // -1 when the list is empty.
  int remove(std::size_t i);

 private:
  std::size_t recordSize_;
  std::string fileName_;
  std::vector<Entry> entries_;
  bool unreadable_ = false;
};

}  // namespace editing
