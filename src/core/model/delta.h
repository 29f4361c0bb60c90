#pragma once
// An edit as data: a list of small steps (byte patches of single records, inserted/removed/moved
// records, text blocks, format, sound list) that replays forward and backward. An undo step
// holds only these steps, so its size follows the edit, not the mission. `MissionEdit`
// (model/mission_edit.h) records them.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/change_set.h"

namespace model {

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
  // Replays the steps forward / backward and brings the derived values up to date; returns what
  // they touched. `buffer` is the copy buffer (its patches apply only while it still holds what
  // they expect).
  ChangeSet apply(Mission& m, FlightGroup* buffer = nullptr) const;
  ChangeSet revert(Mission& m, FlightGroup* buffer = nullptr) const;
  // Applies one step forward (recording, see MissionEdit) and notes it in `c`.
  static void applyStep(Mission& m, FlightGroup* buffer, const Step& step, ChangeSet& c);
  // Bytes held by the steps (for the undo history's size).
  std::size_t memory() const;
  // Joins `later` (applied just after this delta; `now` is the content after both) into this
  // delta when both patch the same records in the same order (or set the same text block,
  // flag or briefing text): the earliest before and the latest after. False otherwise: merges
  // never cross records.
  bool mergeWith(const Delta& later, const Mission& now, const FlightGroup* buffer = nullptr);
  // Takes in `later` (applied just after this delta; `now` as above) whatever it holds: merged
  // into the last steps when they patch the same records in the same order, else appended.
  void join(Delta later, const Mission& now, const FlightGroup* buffer = nullptr);
  // True when applying changes nothing (every patch's after equals its before).
  bool isNoOp() const;

 private:
  // Merges `later` into the steps from `start` on (as many as `later` has).
  bool mergeAt(std::size_t start, const Delta& later, const Mission& now,
               const FlightGroup* buffer);
};

}  // namespace model
