#pragma once
// Edits of a Mission as data: every change is a list of small steps (byte patches of single
// records, inserted/removed/moved records, text blocks, format, sound list) that can be applied
// and taken back. An undo step holds only these steps, so its size follows the edit, not the
// mission.
//
// How to add an operation (no other file needs to change):
//   MissionEdit e(mission, &state.flightGroupBuffer);   // records as it applies
//   e.patch(RecordKind::FlightGroup, 3, fg::CraftType.offset, bytes);  // a byte patch
//   e.modifyFlightGroup(3, [](FlightGroup& g) { ... });  // any change of one record, diffed
//   e.insertMessage(2, msg);  e.removeFlightGroup(0);  e.moveMessage(1, 4);
//   e.setTextBlock(TextBlockId::Description, block);  e.setSounds(list);  e.setFormat(12);
//   Delta d = e.take();   // d.apply / d.revert replay it; d.changes says what it touched
// The app's MissionDocument wraps a Delta in one undo command (MissionDocument::apply).

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/mission.h"

namespace model {

// Which list of records a byte patch addresses. FlightGroupBuffer is the copy buffer (editor
// state), TeamIff the ten team colours seen as one 10-byte record.
enum class RecordKind {
  Header,
  FlightGroup,
  FlightGroupGoalStrings,
  Message,
  GlobalGoal,
  Team,
  Briefing,
  GlobalGoalStrings,
  TeamIff,
  FlightGroupBuffer,
};
inline constexpr std::size_t RecordKindCount = 10;

// The two lists whose length changes.
enum class ListKind { FlightGroups, Messages };

enum class TextBlockId { Description, SuccessDebrief, FailureDebrief };

Bytes recordBytes(Mission& m, RecordKind kind, int index, FlightGroup* buffer = nullptr);
CBytes recordBytes(const Mission& m, RecordKind kind, int index,
                   const FlightGroup* buffer = nullptr);
int recordCount(const Mission& m, RecordKind kind);
TextBlock& textBlock(Mission& m, TextBlockId id);
const TextBlock& textBlock(const Mission& m, TextBlockId id);

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
  // Any byte of `kind` patched (or any change at all for a whole-mission change).
  bool touches(RecordKind kind) const;
  // A patch of `kind` overlapping [offset, offset + width).
  bool touches(RecordKind kind, std::size_t offset, std::size_t width) const;
  bool touchesRecord(RecordKind kind, int index) const;
  bool listChanged(ListKind list) const;
  bool contentChanged() const;
  static ChangeSet wholeMission();
  // Adds what `o` touched (o applied after this one).
  void merge(const ChangeSet& o);
};

// One record's bytes before and after.
struct PatchStep {
  RecordKind kind;
  int index;
  std::uint32_t offset;
  std::vector<std::uint8_t> before, after;
};
// A flight group's in-memory auto-link flag.
struct AutoLinkStep {
  int index;
  bool before, after;
};
// A record inserted at (or, taken back, removed from) `index`; a message brings its sound entry.
struct InsertStep {
  ListKind list;
  int index;
  std::shared_ptr<const FlightGroup> group;  // for ListKind::FlightGroups
  std::shared_ptr<const Message> message;    // for ListKind::Messages
  std::optional<std::string> sound;
  bool insert;  // false: the step removes the record
};
struct MoveStep {
  ListKind list;
  int from, to;
};
struct TextBlockStep {
  TextBlockId block;
  TextBlock before, after;
};
struct FormatStep {
  std::int16_t before, after;
};
struct SoundsStep {
  std::vector<std::string> before, after;
};
// One briefing tag (tags) or string.
struct BriefingTextStep {
  int briefing;
  bool tags;
  int index;
  std::string before, after;
};
// A whole list replaced (the fallback for an edit that changed a list's length in ways no
// insert/remove describes).
struct ListReplaceStep {
  std::vector<FlightGroup> beforeGroups, afterGroups;
  std::vector<Message> beforeMessages, afterMessages;
  ListKind list;
};

using Step = std::variant<PatchStep, AutoLinkStep, InsertStep, MoveStep, TextBlockStep, FormatStep,
                          SoundsStep, BriefingTextStep, ListReplaceStep>;

struct Delta {
  std::vector<Step> steps;
  bool empty() const { return steps.empty(); }
  // Replays the steps forward / backward; returns what they touched. `buffer` is the copy buffer
  // (its patches apply only while it still holds what they expect).
  ChangeSet apply(Mission& m, FlightGroup* buffer = nullptr) const;
  ChangeSet revert(Mission& m, FlightGroup* buffer = nullptr) const;
  // Bytes held by the steps (for the undo history's size).
  std::size_t memory() const;
  // Joins `later` (applied just after this delta; `now` is the content after both) into this
  // delta when both patch the same records in the same order (or set the same text block,
  // flag or briefing text): the earliest before and the latest after. False otherwise.
  bool mergeWith(const Delta& later, const Mission& now, const FlightGroup* buffer = nullptr);
  // True when applying changes nothing (every patch's after equals its before).
  bool isNoOp() const;
};

// Records the steps of an edit while applying them to the Mission.
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
    std::uint8_t b[2] = {};
    const auto v = static_cast<std::uint16_t>(value);
    b[0] = static_cast<std::uint8_t>(v & 0xFF);
    b[1] = static_cast<std::uint8_t>(v >> 8);
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
  Delta take();

 private:
  void record(Step s);
  Mission& m_;
  FlightGroup* buffer_;
  Delta d_;
  ChangeSet changes_;
};

// Brings the derived values up to date after an edit: headings and last route points of the
// flight groups whose points changed or that were inserted, the map box, the sent-to-any-team flags
// of changed messages, the header counts. Whole-mission changes refresh everything (team colours
// too).
void refreshDerived(Mission& m, const ChangeSet& c);

}  // namespace model
