#pragma once
// What an edit touched, so that views refresh only what concerns them: which records and bytes,
// how a list was rearranged, text blocks, format, sounds.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "model/fields.h"
#include "model/record_kind.h"

namespace model {

// How a list was rearranged: for each old position its new one (-1: removed), and the new
// positions that hold inserted records.
struct ListRemap {
  std::vector<int> oldToNew;
  std::vector<int> inserted;
  std::size_t newCount = 0;
  bool changed() const;
  // The new position of old record `i` (-1 when it was removed or never existed).
  int map(int i) const;
};

// Values kept beside a list, one per record, carried along a rearrangement: inserted records
// (and records beyond `values`) get `fill`.
template <class T>
std::vector<T> remapped(const std::vector<T>& values, const ListRemap& r, const T& fill = T{}) {
  std::vector<T> out(r.newCount, fill);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int j = r.map(static_cast<int>(i));
    if (j >= 0 && static_cast<std::size_t>(j) < out.size())
      out[static_cast<std::size_t>(j)] = values[i];
  }
  return out;
}

// What one applied edit touched; views refresh what concerns them.
struct ChangeSet {
  struct Records {
    std::vector<int> indices;        // ascending; positions after the edit
    std::size_t begin = 0, end = 0;  // union of the byte ranges patched
    bool any() const { return !indices.empty(); }
  };
  std::array<Records, RecordKindCount> records{};
  std::optional<ListRemap> flightGroupList, messageList;
  std::array<bool, 3> textBlocks{};
  bool format = false;
  bool sounds = false;
  bool autoLink = false;      // the in-memory auto-link flag of some flight groups
  bool briefingText = false;  // briefing tags or strings
  bool whole = false;         // load, new mission: everything
  bool changedState = false;  // the changed flags or the file name

  const Records& of(RecordKind k) const { return records[static_cast<std::size_t>(k)]; }
  Records& of(RecordKind k) { return records[static_cast<std::size_t>(k)]; }
  const std::optional<ListRemap>& of(ListKind l) const {
    return l == ListKind::FlightGroups ? flightGroupList : messageList;
  }
  // Any byte of `kind` patched (or any change at all for a whole-mission change).
  bool touches(RecordKind kind) const;
  // A patch of `kind` overlapping [offset, offset + width).
  bool touches(RecordKind kind, std::size_t offset, std::size_t width) const;
  // A patch of `kind` over field `f` (any of its elements).
  template <class T>
  bool touches(RecordKind kind, const Field<T>& f) const {
    return touches(kind, f.offset, f.bytes());
  }
  bool touches(RecordKind kind, const TextField& f) const {
    return touches(kind, f.offset, f.width);
  }
  bool touchesRecord(RecordKind kind, int index) const;
  bool listChanged(ListKind list) const;
  bool contentChanged() const;
  static ChangeSet wholeMission();
  // Adds what `o` touched (o applied after this one).
  void merge(const ChangeSet& o);

  // Recording. Bytes [offset, offset + width) of one record were written.
  void notePatch(RecordKind kind, int index, std::size_t offset, std::size_t width);
  // Something of one record other than its bytes changed (a flag, a briefing string).
  void noteRecord(RecordKind kind, int index);
  // `list` was rearranged from `countBefore` records to `countAfter`: `moved` maps a position
  // before to one after (-1: removed), `inserted` are the positions after that hold new records.
  // Positions noted earlier follow; a change of length notes the header's count of the list.
  void noteList(ListKind list, std::size_t countBefore, std::size_t countAfter,
                const std::function<int(int)>& moved, const std::vector<int>& inserted);
};

}  // namespace model
