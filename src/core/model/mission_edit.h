#pragma once
// Records an edit of a Mission as it applies it: every change becomes small steps of a `Delta`
// (model/delta.h) that undo replays backward, and a `ChangeSet` (model/change_set.h) says what
// it touched.
//
// How to add an operation (no other file needs to change):
//   MissionEdit e(mission, &state.flightGroupBuffer);   // records as it applies
//   e.set(RecordKind::FlightGroup, 3, fg::CraftType, u8{4});  // a field of one record
//   e.modifyFlightGroup(3, [](FlightGroup& g) { ... });  // any change of one record, diffed
//   e.insertMessage(2, msg);  e.removeFlightGroup(0);  e.moveMessage(1, 4);
//   e.setTextBlock(TextBlockId::Description, block);  e.setSounds(list);  e.setFormat(12);
//   Delta d = e.take();   // d.apply / d.revert replay it; d.changes says what it touched
// The app's MissionDocument wraps a Delta in one undo step (MissionDocument::apply).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/change_set.h"
#include "model/delta.h"
#include "model/derived.h"
#include "model/mission.h"

namespace model {

class MissionEdit {
 public:
  explicit MissionEdit(Mission& m, FlightGroup* buffer = nullptr) : m_(m), buffer_(buffer) {}

  const Mission& mission() const { return m_; }
  FlightGroup* buffer() const { return buffer_; }

  // Writes `bytes` at `offset` of one record, recorded as one step when any byte differs.
  void patch(RecordKind kind, int index, std::size_t offset, CBytes bytes);
  // The same, recording only the range from the first to the last byte that differs (for whole
  // records rewritten by a rule).
  void patchDiff(RecordKind kind, int index, std::size_t offset, CBytes bytes);
  template <class T>
  void set(RecordKind kind, int index, Field<T> f, T value, std::size_t i = 0) {
    std::uint8_t b[sizeof(T)] = {};
    model::set(Bytes(b, sizeof(T)), Field<T>{f.name, 0}, value);
    patch(kind, index, f.at(i), CBytes(b, sizeof(T)));
  }
  void setText(RecordKind kind, int index, const TextField& f, std::string_view text);
  // Runs `fn` on a copy of the record and records the bytes (and auto-link flag) it changed.
  void modifyFlightGroup(int index, const std::function<void(FlightGroup&)>& fn);
  void modifyMessage(int index, const std::function<void(Message&)>& fn);
  void modifyBuffer(const std::function<void(FlightGroup&)>& fn);
  void setAutoLink(int index, bool on);

  void insertFlightGroup(int index, FlightGroup g);
  FlightGroup removeFlightGroup(int index);
  void moveFlightGroup(int from, int to);
  // A message brings its sound entry when the sound list reaches its position.
  void insertMessage(int index, Message msg, std::optional<std::string> sound = std::nullopt);
  Message removeMessage(int index);
  void moveMessage(int from, int to);

  void setTextBlock(TextBlockId id, const TextBlock& block);
  void setFormat(std::int16_t platformId);
  void setSounds(std::vector<std::string> sounds);
  void setBriefingText(int briefing, bool tags, int index, std::string text);

  // Everything `fn` does to a copy of the Mission, as steps: record patches, flags, texts; a
  // list whose length changed is replaced whole. For rare edits of many kinds at once.
  void modifyContent(const std::function<void(Mission&)>& fn);

  const ChangeSet& changes() const { return changes_; }
  // The recorded steps; the derived values are brought up to date and recording starts afresh.
  Delta take();

 private:
  void record(Step s);
  Mission& m_;
  FlightGroup* buffer_;
  Delta d_;
  ChangeSet changes_;
};

}  // namespace model
