#pragma once
// Every place of a Mission that holds a flight-group reference, in one table: triggers of every
// record kind, order targets, mother ships, the flight groups' own goals, the briefings' box
// instructions, map tags and texts. Each row says where its places lie and how they are read
// and rewritten; the renumbering on move and delete, the error check's dangling references,
// "Where is it used?" and the mission flow all walk it, so a new reference field is one row.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "editing/descriptions.h"
#include "editing/triggers.h"
#include "model/mission.h"
#include "model/record_kind.h"
#include "model/texts.h"
#include "shell/vocabulary.h"

namespace editing {

// Where something lies in the Mission: the page and tab a user opens to see it.
enum class PlaceKind {
  FlightGroup,          // record: the group
  ArrivalTrigger,       // record: group, part: trigger 1..4
  ArrivalMothership,    // record: group, part: 0 mother ship, 1 alternative
  DepartureTrigger,     // record: group, part: trigger 1..2
  DepartureMothership,  // record: group, part: 0 mother ship, 1 alternative
  JumpTrigger,          // record: group, part: trigger 1..2 (jump to order 4)
  OrderTarget,          // record: group, part: order 1..4, item: target 1..4
  FlightGroupGoal,      // record: group, part: goal 1..8
  Message,              // record: message
  MessageTrigger,       // record: message, part: trigger 1..4
  GlobalGoal,           // record: team 0..9, part: goal set 0 primary, 1 prevent, 2 secondary
  GlobalGoalTrigger,    // record: team, part: goal set, item: trigger 1..4
  BriefingBox,          // record: briefing 0..7, item: position in its instruction list
  BriefingTag,          // record: briefing, item: position in its instruction list
  BriefingText,         // record: briefing, item: text number 0..31
};
struct Place {
  PlaceKind kind = PlaceKind::FlightGroup;
  int record = 0;
  int part = 0;
  int item = 0;
  bool operator==(const Place&) const = default;
};

// How the places of a row hold their flight group.
enum class ReferenceKind : std::uint8_t {
  Trigger,       // a trigger: a flight group while its target type says so
  OrderTarget,   // an order's target: likewise
  Mothership,    // a flight-group number, in use while its via flag is set
  OwnGoal,       // a flight group's goal: it concerns its own group
  BriefingBox,   // a box instruction around a flight group
  BriefingTag,   // a map tag whose text is a flight group's name
  BriefingText,  // a briefing text naming flight groups in brackets, as Auto-Brief reads them
};

struct ReferenceRow {
  ReferenceKind kind;
  PlaceKind place;
  model::RecordKind record;  // FlightGroup, Message, GlobalGoal or Briefing
  int part = 0;            // the goal set of global-goal triggers; 1 for an alternative mother ship
  std::string_view words;  // "arrival trigger", "alternative arrival mother ship", "order"
  std::string_view checkWords;  // the error check's: "Arrival trigger", "Alternate … mother ship"
  TriggerSetPlace triggers{};   // Trigger rows
  model::Field<model::u8> via{}, number{};  // Mothership rows

  // Whether the row's places lie in the bytes of one record (triggers, targets, mother ships).
  bool inRecordBytes() const {
    return kind == ReferenceKind::Trigger || kind == ReferenceKind::OrderTarget ||
           kind == ReferenceKind::Mothership;
  }
};

// The table, flight-group rows in the order of their tabs (arrival, departure, orders, goals),
// then messages, global goals and briefings.
std::span<const ReferenceRow> referenceTable();
// The row of a place kind (and part: goal set, alternative mother ship).
const ReferenceRow& referenceRow(PlaceKind place, int part = 0);

// One place of a record that a byte row reaches, with what it holds.
struct Reference {
  const ReferenceRow* row = nullptr;
  Place place;
  int number = 0;                // trigger 1..4, order 1..4
  int condition = -1;            // triggers
  int type = TargetFlightGroup;  // triggers and order targets: the target type
  int value = 0;                 // the number stored
  // A trigger with a condition other than "always" and "never true", an order target with a
  // type, a mother ship whose via flag is set.
  bool inUse = true;
  std::size_t at = 0;  // the value's offset in the record
  bool namesFlightGroup() const { return type == TargetFlightGroup; }
};

// The places of one row in record `index` (its list position; the team for global goals).
template <class F>
void forEachPlace(const ReferenceRow& row, int index, model::CBytes record, F&& f);
// The places of every byte row of a record kind in one record, in table order.
template <class F>
void forEachReference(model::RecordKind kind, int index, model::CBytes record, F&& f) {
  for (const ReferenceRow& row : referenceTable())
    if (row.record == kind && row.inRecordBytes()) forEachPlace(row, index, record, f);
}
// Every byte place of the Mission: each flight group's, then each message's and each team's
// global goals'.
template <class F>
void forEachReference(const model::Mission& m, F&& f);

// What happens to flight group `a`: it moves up one line, down one line, or is deleted.
enum class Renumber { Up, Down, Delete };

// The value a reference to a deleted flight group takes. It names no group of any mission the
// game can hold references for, stays visible in the descriptions as "FG#255", and is left alone
// by later renumbering, so a trigger or order that pointed at a deleted group never silently
// starts naming another one.
inline constexpr std::uint8_t DeletedFlightGroup = 255;

// One reference `r` after flight group `a` of a list of `count` groups moves or is deleted.
// References past the end of the list name no group and are kept as they are.
std::uint8_t renumbered(std::uint8_t r, int a, Renumber code, std::size_t count);

// Rewrites every reference of one record (a flight group, the copy buffer, a message, a team's
// global goals, a briefing) for a move or delete of group `a` of `count`: triggers and order
// targets where their type names a flight group, the mother-ship fields whatever their via flags
// say (a deleted one becomes `DeletedFlightGroup` where its flag is set and 0, the unused
// default, where it is not), the box instructions of a briefing. Goals concern their own group;
// tags and texts name groups by name.
void renumberRecord(model::RecordKind kind, model::Bytes record, int a, Renumber code,
                    std::size_t count);

// The words a place is shown with, without what it holds: "#3 Heavy Fighter Gold, arrival
// trigger 2", "Message #1 \"Go\", trigger 1", "Team 1 primary goal, trigger 3", "#3 …, order 1
// target 2", "#3 …, alternative arrival mother ship", "Briefing 2, instruction 4".
std::string placeText(const model::Mission& m, const shell::Vocabulary& v, const Place& p);
// The same with the flight groups' labels ("#3 Heavy Fighter Gold") made beforehand.
std::string placeText(const model::Mission& m, const std::vector<std::string>& groupLabels,
                      const Place& p);
// Both as a form for the editor to show in the user's language.
model::Text placeForm(const model::Mission& m, const shell::Vocabulary& v, const Place& p);
model::Text placeForm(const model::Mission& m, const std::vector<std::string>& groupLabels,
                      const Place& p);
// "primary", "prevent", "secondary".
std::string_view goalSetWord(int goalSet);

// --- the walk of a row's places ---

template <class F>
void forEachPlace(const ReferenceRow& row, int index, model::CBytes record, F&& f) {
  Reference r;
  r.row = &row;
  switch (row.kind) {
    case ReferenceKind::Trigger:
      for (int n = 1; n <= row.triggers.count; ++n) {
        const std::size_t at = row.triggers.triggerOffset(n);
        r.condition = record[at + model::trigger::Condition.offset];
        r.type = record[at + model::trigger::VariableType.offset];
        r.at = at + model::trigger::Variable.offset;
        r.value = record[r.at];
        r.inUse = r.condition != AlwaysTrueCondition && r.condition != NeverTrueCondition;
        r.number = n;
        r.place = row.place == PlaceKind::GlobalGoalTrigger ? Place{row.place, index, row.part, n}
                                                            : Place{row.place, index, n, 0};
        f(r);
      }
      break;
    case ReferenceKind::OrderTarget:
      for (std::size_t k = 0; k < model::fg::OrderCount; ++k)
        for (std::size_t t = 0; t < model::order::Target.size(); ++t) {
          const std::size_t base = model::fg::orderAt(k);
          r.type = record[base + model::order::TargetType[t].offset];
          r.at = base + model::order::Target[t].offset;
          r.value = record[r.at];
          r.inUse = r.type != TargetNone;
          r.number = static_cast<int>(k) + 1;
          r.place = {row.place, index, static_cast<int>(k) + 1, static_cast<int>(t) + 1};
          f(r);
        }
      break;
    case ReferenceKind::Mothership:
      r.at = row.number.offset;
      r.value = record[r.at];
      r.inUse = model::get(record, row.via) != 0;
      r.place = {row.place, index, row.part, 0};
      f(r);
      break;
    default:
      break;
  }
}

template <class F>
void forEachReference(const model::Mission& m, F&& f) {
  for (std::size_t g = 0; g < m.flightGroups.size(); ++g)
    forEachReference(model::RecordKind::FlightGroup, static_cast<int>(g), m.flightGroups[g].span(),
                     f);
  for (std::size_t i = 0; i < m.messages.size(); ++i)
    forEachReference(model::RecordKind::Message, static_cast<int>(i), m.messages[i].span(), f);
  for (std::size_t t = 0; t < m.globalGoals.size(); ++t)
    forEachReference(model::RecordKind::GlobalGoal, static_cast<int>(t), m.globalGoals[t].span(),
                     f);
}

}  // namespace editing
