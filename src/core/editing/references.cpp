#include "editing/references.h"

#include <array>
#include <stdexcept>

#include "briefing/commands.h"
#include "editing/messages.h"
#include "model/texts.h"

namespace editing {

namespace fg = model::fg;
using model::RecordKind;
using RK = ReferenceKind;
using PK = PlaceKind;

namespace {

ReferenceRow triggerRow(PlaceKind place, RecordKind record, std::string_view words,
                        std::string_view checkWords, TriggerSetPlace triggers, int part = 0) {
  return {RK::Trigger, place, record, part, words, checkWords, triggers, {}, {}};
}

ReferenceRow motherRow(PlaceKind place, int part, std::string_view words,
                       std::string_view checkWords, model::Field<model::u8> via,
                       model::Field<model::u8> number) {
  return {RK::Mothership, place, RecordKind::FlightGroup, part, words, checkWords, {}, via, number};
}

ReferenceRow otherRow(ReferenceKind kind, PlaceKind place, RecordKind record,
                      std::string_view words) {
  return {kind, place, record, 0, words, words, {}, {}, {}};
}

std::array<ReferenceRow, 16> makeTable() {
  return {{
      triggerRow(PK::ArrivalTrigger, RecordKind::FlightGroup, ZYNED_TEXT("core", "arrival trigger"),
                 ZYNED_TEXT("core", "Arrival trigger"), arrivalTriggers()),
      motherRow(PK::ArrivalMothership, 0, ZYNED_TEXT("core", "arrival mother ship"),
                ZYNED_TEXT("core", "Arrival mother ship"), fg::ArriveViaMothership,
                fg::ArrivalMothership),
      motherRow(PK::ArrivalMothership, 1, ZYNED_TEXT("core", "alternative arrival mother ship"),
                ZYNED_TEXT("core", "Alternate arrival mother ship"), fg::AltArriveViaMothership,
                fg::AltArrivalMothership),
      triggerRow(PK::DepartureTrigger, RecordKind::FlightGroup,
                 ZYNED_TEXT("core", "departure trigger"), ZYNED_TEXT("core", "Departure trigger"),
                 departureTriggers()),
      triggerRow(PK::JumpTrigger, RecordKind::FlightGroup,
                 ZYNED_TEXT("core", "jump to order 4 trigger"),
                 ZYNED_TEXT("core", "Jump to order 4 trigger"), jumpTriggers()),
      {RK::OrderTarget,
       PK::OrderTarget,
       RecordKind::FlightGroup,
       0,
       ZYNED_TEXT("core", "order"),
       ZYNED_TEXT("core", "Order"),
       {},
       {},
       {}},
      motherRow(PK::DepartureMothership, 0, ZYNED_TEXT("core", "departure mother ship"),
                ZYNED_TEXT("core", "Departure mother ship"), fg::DepartViaMothership,
                fg::DepartureMothership),
      motherRow(PK::DepartureMothership, 1, ZYNED_TEXT("core", "alternative departure mother ship"),
                ZYNED_TEXT("core", "Alternate departure mother ship"), fg::AltDepartViaMothership,
                fg::AltDepartureMothership),
      otherRow(RK::OwnGoal, PK::FlightGroupGoal, RecordKind::FlightGroup,
               ZYNED_TEXT("core", "goal")),
      triggerRow(PK::MessageTrigger, RecordKind::Message, "trigger", ZYNED_TEXT("core", "trigger"),
                 messageTriggers()),
      triggerRow(PK::GlobalGoalTrigger, RecordKind::GlobalGoal, "trigger",
                 ZYNED_TEXT("core", "trigger"), globalGoalTriggers(0), 0),
      triggerRow(PK::GlobalGoalTrigger, RecordKind::GlobalGoal, "trigger",
                 ZYNED_TEXT("core", "trigger"), globalGoalTriggers(1), 1),
      triggerRow(PK::GlobalGoalTrigger, RecordKind::GlobalGoal, "trigger",
                 ZYNED_TEXT("core", "trigger"), globalGoalTriggers(2), 2),
      otherRow(RK::BriefingBox, PK::BriefingBox, RecordKind::Briefing,
               ZYNED_TEXT("core", "instruction")),
      otherRow(RK::BriefingTag, PK::BriefingTag, RecordKind::Briefing,
               ZYNED_TEXT("core", "instruction")),
      otherRow(RK::BriefingText, PK::BriefingText, RecordKind::Briefing,
               ZYNED_TEXT("core", "text")),
  }};
}

void renumberByte(model::Bytes record, std::size_t at, int a, Renumber code, std::size_t count) {
  record[at] = renumbered(record[at], a, code, count);
}

void renumberBoxes(model::Bytes briefing, int a, Renumber code, std::size_t count) {
  namespace rec = model::briefing;
  for (int w : briefing::boxGroupWords(briefing)) {
    const auto word = static_cast<std::size_t>(w);
    const auto value = static_cast<std::uint16_t>(model::get(briefing, rec::Events, word));
    if (value > 0xFF) continue;  // names no flight group
    const std::uint8_t next = renumbered(static_cast<std::uint8_t>(value), a, code, count);
    model::set(briefing, rec::Events, static_cast<model::i16>(next), word);
  }
}

}  // namespace

std::span<const ReferenceRow> referenceTable() {
  static const std::array<ReferenceRow, 16> table = makeTable();
  return table;
}

const ReferenceRow& referenceRow(PlaceKind place, int part) {
  for (const ReferenceRow& row : referenceTable())
    if (row.place == place && row.part == part) return row;
  throw std::out_of_range("no reference row for this place");
}

std::uint8_t renumbered(std::uint8_t r, int a, Renumber code, std::size_t count) {
  if (static_cast<std::size_t>(r) >= count || a < 0) return r;
  switch (code) {
    case Renumber::Down:
      if (r == a) return static_cast<std::uint8_t>(a + 1);
      if (r == a + 1) return static_cast<std::uint8_t>(a);
      return r;
    case Renumber::Up:
      if (r == a) return static_cast<std::uint8_t>(a - 1);
      if (r == a - 1) return static_cast<std::uint8_t>(a);
      return r;
    case Renumber::Delete:
      if (r == a) return DeletedFlightGroup;
      if (r > a) return static_cast<std::uint8_t>(r - 1);
      return r;
  }
  return r;
}

void renumberRecord(RecordKind kind, model::Bytes record, int a, Renumber code, std::size_t count) {
  if (kind == RecordKind::FlightGroupBuffer) kind = RecordKind::FlightGroup;
  if (kind == RecordKind::Briefing) {
    renumberBoxes(record, a, code, count);
    return;
  }
  forEachReference(kind, 0, record, [&](const Reference& r) {
    if (r.row->kind != ReferenceKind::Mothership) {
      if (r.namesFlightGroup()) renumberByte(record, r.at, a, code, count);
      return;
    }
    const auto old = static_cast<std::uint8_t>(r.value);
    std::uint8_t next = renumbered(old, a, code, count);
    if (next == DeletedFlightGroup && old != DeletedFlightGroup && !r.inUse) next = 0;
    record[r.at] = next;
  });
}

std::string_view goalSetWord(int goalSet) {
  switch (goalSet) {
    case 0:
      return "primary";
    case 1:
      return "prevent";
    default:
      return "secondary";
  }
}

namespace {

model::Text groupLabel(const std::vector<std::string>& labels, int g) {
  if (g < 0 || static_cast<std::size_t>(g) >= labels.size() ||
      labels[static_cast<std::size_t>(g)].empty())
    return model::Text(ZYNED_TEXT("core", "flight group %1"), std::to_string(g + 1));
  return labels[static_cast<std::size_t>(g)];
}

bool isFlightGroupPlace(PlaceKind k) {
  switch (k) {
    case PlaceKind::FlightGroup:
    case PlaceKind::ArrivalTrigger:
    case PlaceKind::DepartureTrigger:
    case PlaceKind::JumpTrigger:
    case PlaceKind::ArrivalMothership:
    case PlaceKind::DepartureMothership:
    case PlaceKind::OrderTarget:
    case PlaceKind::FlightGroupGoal:
      return true;
    default:
      return false;
  }
}

model::Text messageLabel(const model::Mission& m, int i) {
  std::string text;
  if (i >= 0 && static_cast<std::size_t>(i) < m.messages.size())
    text = trimmed(shownMessageText(m.messages[static_cast<std::size_t>(i)].textValue()));
  return model::Text(ZYNED_TEXT("core", "Message #%1 \"%2\""), std::to_string(i + 1),
                     std::move(text));
}

model::Text teamGoalLabel(int team, int goalSet) {
  const char* form = goalSet == 0   ? ZYNED_TEXT("core", "Team %1 primary goal")
                     : goalSet == 1 ? ZYNED_TEXT("core", "Team %1 prevent goal")
                                    : ZYNED_TEXT("core", "Team %1 secondary goal");
  return model::Text(form, std::to_string(team + 1));
}

}  // namespace

model::Text placeForm(const model::Mission& m, const shell::Vocabulary& v, const Place& p) {
  std::vector<std::string> labels;
  if (isFlightGroupPlace(p.kind) && p.record >= 0 &&
      static_cast<std::size_t>(p.record) < m.flightGroups.size()) {
    labels.resize(m.flightGroups.size());
    labels[static_cast<std::size_t>(p.record)] =
        "#" + std::to_string(p.record + 1) + " " +
        nameListEntry(m, v, static_cast<std::size_t>(p.record));
  }
  return placeForm(m, labels, p);
}

model::Text placeForm(const model::Mission& m, const std::vector<std::string>& groupLabels,
                      const Place& p) {
  const std::string n = std::to_string(p.part);
  auto words = [&](int part) { return model::text(referenceRow(p.kind, part).words.data()); };
  switch (p.kind) {
    case PK::FlightGroup:
      return groupLabel(groupLabels, p.record);
    case PK::ArrivalTrigger:
    case PK::DepartureTrigger:
    case PK::JumpTrigger:
      return model::Text("%1, %2 %3", groupLabel(groupLabels, p.record), words(0), n);
    case PK::ArrivalMothership:
    case PK::DepartureMothership:
      return model::Text("%1, %2", groupLabel(groupLabels, p.record), words(p.part));
    case PK::OrderTarget:
      return model::Text(ZYNED_TEXT("core", "%1, order %2 target %3"),
                         groupLabel(groupLabels, p.record), n, std::to_string(p.item));
    case PK::FlightGroupGoal:
      return model::Text(ZYNED_TEXT("core", "%1, goal %2"), groupLabel(groupLabels, p.record), n);
    case PK::Message:
      return messageLabel(m, p.record);
    case PK::MessageTrigger:
      return model::Text(ZYNED_TEXT("core", "%1, trigger %2"), messageLabel(m, p.record), n);
    case PK::GlobalGoal:
      return teamGoalLabel(p.record, p.part);
    case PK::GlobalGoalTrigger:
      return model::Text(ZYNED_TEXT("core", "%1, trigger %2"), teamGoalLabel(p.record, p.part),
                         std::to_string(p.item));
    case PK::BriefingBox:
    case PK::BriefingTag:
      return model::Text(ZYNED_TEXT("core", "Briefing %1, instruction %2"),
                         std::to_string(p.record + 1), std::to_string(p.item + 1));
    case PK::BriefingText:
      return model::Text(ZYNED_TEXT("core", "Briefing %1, text #%2"), std::to_string(p.record + 1),
                         std::to_string(p.item));
  }
  return {};
}

std::string placeText(const model::Mission& m, const shell::Vocabulary& v, const Place& p) {
  return placeForm(m, v, p).english();
}

std::string placeText(const model::Mission& m, const std::vector<std::string>& groupLabels,
                      const Place& p) {
  return placeForm(m, groupLabels, p).english();
}

}  // namespace editing
