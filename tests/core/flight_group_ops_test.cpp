#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>

#include "editing/descriptions.h"
#include "editing/flight_group_ops.h"

using namespace editing;
using model::u8;
namespace fg = model::fg;
namespace tr = model::trigger;
namespace od = model::order;

namespace {

constexpr u8 Deleted = DeletedFlightGroup;

model::Mission missionWith(int groups) {
  model::Mission m;
  m.newMission();
  m.flightGroups.clear();
  for (int i = 0; i < groups; ++i) {
    model::FlightGroup g = m.newFlightGroupTemplate({});
    g.setText(fg::Name, "G" + std::to_string(i));
    m.flightGroups.push_back(g);
  }
  m.syncCounts();
  return m;
}

std::vector<std::string> names(const model::Mission& m) {
  std::vector<std::string> out;
  for (const auto& g : m.flightGroups) out.push_back(g.name());
  return out;
}

// Every place a flight group is named, as byte offsets inside its record: the trigger variables
// (with their type byte just before), the order targets (with their type fields) and the four
// mother-ship fields.
struct Slot {
  std::size_t value;
  std::optional<std::size_t> type;  // no type: a mother-ship field
};

std::vector<Slot> flightGroupSlots() {
  std::vector<Slot> slots;
  for (std::size_t t : model::triggerset::TriggerAt)
    slots.push_back({fg::ArrivalTriggers + t + 2, fg::ArrivalTriggers + t + 1});
  for (std::size_t at :
       {fg::DepartureTrigger1, fg::DepartureTrigger2, fg::SkipTrigger1, fg::SkipTrigger2})
    slots.push_back({at + 2, at + 1});
  for (std::size_t n = 0; n < fg::OrderCount; ++n)
    for (std::size_t t = 0; t < 4; ++t)
      slots.push_back(
          {fg::orderAt(n) + od::Target[t].offset, fg::orderAt(n) + od::TargetType[t].offset});
  for (auto f : {fg::ArrivalMothership, fg::AltArrivalMothership, fg::DepartureMothership,
                 fg::AltDepartureMothership})
    slots.push_back({f.offset, std::nullopt});
  return slots;
}

std::vector<std::size_t> triggerSetSlots(std::size_t setOffset) {
  std::vector<std::size_t> v;
  for (std::size_t t : model::triggerset::TriggerAt) v.push_back(setOffset + t + 2);
  return v;
}

// Makes every reference of record `g` name flight group `target` (type 1 where a type applies).
void pointAll(model::FlightGroup& g, u8 target, u8 type = TargetFlightGroup) {
  for (const Slot& s : flightGroupSlots()) {
    g.bytes[s.value] = target;
    if (s.type) g.bytes[*s.type] = type;
  }
}

void pointMessage(model::Message& msg, u8 target, u8 type = TargetFlightGroup) {
  for (std::size_t at : triggerSetSlots(model::message::Triggers)) {
    msg.bytes[at] = target;
    msg.bytes[at - 1] = type;
  }
}

void pointGlobalGoal(model::GlobalGoal& gg, std::size_t entry, u8 target) {
  for (std::size_t at : triggerSetSlots(model::globalgoal::EntryAt[entry])) {
    gg.bytes[at] = target;
    gg.bytes[at - 1] = TargetFlightGroup;
  }
}

// The values of every reference slot of `g`.
std::vector<u8> refs(const model::FlightGroup& g) {
  std::vector<u8> v;
  for (const Slot& s : flightGroupSlots()) v.push_back(g.bytes[s.value]);
  return v;
}
std::vector<u8> refs(const model::Message& msg) {
  std::vector<u8> v;
  for (std::size_t at : triggerSetSlots(model::message::Triggers)) v.push_back(msg.bytes[at]);
  return v;
}
std::vector<u8> refs(const model::GlobalGoal& gg, std::size_t entry) {
  std::vector<u8> v;
  for (std::size_t at : triggerSetSlots(model::globalgoal::EntryAt[entry]))
    v.push_back(gg.bytes[at]);
  return v;
}
std::vector<u8> all(u8 value, std::size_t n) {
  return std::vector<u8>(n, value);
}

const std::size_t FgSlots = flightGroupSlots().size();

}  // namespace

TEST(Renumbered, EachCode) {
  // Down and Up swap a with its neighbour; other references stay.
  EXPECT_EQ(renumbered(2, 2, Renumber::Down, 5), 3);
  EXPECT_EQ(renumbered(3, 2, Renumber::Down, 5), 2);
  EXPECT_EQ(renumbered(1, 2, Renumber::Down, 5), 1);
  EXPECT_EQ(renumbered(2, 2, Renumber::Up, 5), 1);
  EXPECT_EQ(renumbered(1, 2, Renumber::Up, 5), 2);
  EXPECT_EQ(renumbered(3, 2, Renumber::Up, 5), 3);
  // Delete lowers the ones above and marks the deleted one.
  EXPECT_EQ(renumbered(1, 2, Renumber::Delete, 5), 1);
  EXPECT_EQ(renumbered(2, 2, Renumber::Delete, 5), Deleted);
  EXPECT_EQ(renumbered(4, 2, Renumber::Delete, 5), 3);
  EXPECT_EQ(renumbered(0, 0, Renumber::Delete, 5), Deleted);
  // References past the end name nothing and keep their number, the marker included.
  EXPECT_EQ(renumbered(5, 2, Renumber::Delete, 5), 5);
  EXPECT_EQ(renumbered(Deleted, 2, Renumber::Delete, 5), Deleted);
  EXPECT_EQ(renumbered(9, 4, Renumber::Down, 5), 9);
}

TEST(Renumbering, MoveDownReachesEveryKindOfReference) {
  auto m = missionWith(4);
  pointAll(m.flightGroups[3], 1);
  pointAll(m.flightGroups[0], 2);
  model::FlightGroup buffer;
  pointAll(buffer, 1);
  m.addMessage();
  m.addMessage();
  pointMessage(m.messages[0], 1);
  pointMessage(m.messages[1], 2);
  pointGlobalGoal(m.globalGoals[0], 0, 1);
  pointGlobalGoal(m.globalGoals[9], 2, 2);
  pointGlobalGoal(m.globalGoals[4], 1, 0);

  model::MissionEdit e(m, &buffer);
  const auto sel = moveDown(e, {{1}, 1});
  EXPECT_FALSE(e.take().empty());
  EXPECT_EQ(sel, (FlightGroupSelection{{2}, 2}));
  EXPECT_EQ(names(m), (std::vector<std::string>{"G0", "G2", "G1", "G3"}));
  EXPECT_EQ(refs(m.flightGroups[3]), all(2, FgSlots));
  EXPECT_EQ(refs(m.flightGroups[0]), all(1, FgSlots));
  EXPECT_EQ(refs(buffer), all(2, FgSlots));
  EXPECT_EQ(refs(m.messages[0]), all(2, 4));
  EXPECT_EQ(refs(m.messages[1]), all(1, 4));
  EXPECT_EQ(refs(m.globalGoals[0], 0), all(2, 4));
  EXPECT_EQ(refs(m.globalGoals[9], 2), all(1, 4));
  EXPECT_EQ(refs(m.globalGoals[4], 1), all(0, 4));
}

TEST(Renumbering, OnlyFlightGroupTypesChangeButMothershipsAlways) {
  auto m = missionWith(3);
  // Type 2 (ship type) with the value 1 names craft type 2, not group 1.
  pointAll(m.flightGroups[2], 1, TargetShipType);
  m.addMessage();
  pointMessage(m.messages[0], 1, TargetTeam);
  moveUp(m, {{1}, 1});
  std::vector<u8> expected = all(1, FgSlots);
  // The four mother-ship fields have no type and follow the group, via flag or not.
  for (std::size_t i = FgSlots - 4; i < FgSlots; ++i) expected[i] = 0;
  EXPECT_EQ(refs(m.flightGroups[2]), expected);
  EXPECT_EQ(refs(m.messages[0]), all(1, 4));
}

TEST(Renumbering, FlightGroupGoalsStay) {
  auto m = missionWith(3);
  auto& g = m.flightGroups[2];
  for (std::size_t i = 0; i < fg::GoalCount; ++i) {
    model::set<u8>(g.goalBytes(i), model::goal::Condition, 2);
    model::set<u8>(g.goalBytes(i), model::goal::Team, 1);
  }
  const auto before = g.bytes;
  deleteFlightGroups(m, {{1}, 1});
  EXPECT_EQ(m.flightGroups[1].bytes, before);
}

TEST(MoveUpDown, AdjacentSelectedLinesKeepTheirOrder) {
  auto m = missionWith(5);
  pointAll(m.flightGroups[0], 3);
  auto sel = moveUp(m, {{2, 3}, 2});
  EXPECT_EQ(names(m), (std::vector<std::string>{"G0", "G2", "G3", "G1", "G4"}));
  EXPECT_EQ(sel, (FlightGroupSelection{{1, 2}, 1}));
  EXPECT_EQ(refs(m.flightGroups[0]), all(2, FgSlots));

  sel = moveDown(m, {{1, 2}, 2});
  EXPECT_EQ(names(m), (std::vector<std::string>{"G0", "G1", "G2", "G3", "G4"}));
  EXPECT_EQ(sel, (FlightGroupSelection{{2, 3}, 3}));
  EXPECT_EQ(refs(m.flightGroups[0]), all(3, FgSlots));
}

TEST(MoveUpDown, SeparateSelectedLinesMoveEachByOne) {
  auto m = missionWith(5);
  const auto sel = moveDown(m, {{0, 2}, 0});
  EXPECT_EQ(names(m), (std::vector<std::string>{"G1", "G0", "G3", "G2", "G4"}));
  EXPECT_EQ(sel, (FlightGroupSelection{{1, 3}, 1}));
}

TEST(MoveUpDown, NothingMovesPastTheEnds) {
  auto m = missionWith(3);
  const auto before = names(m);
  EXPECT_FALSE(canMoveUp(m, {{0, 2}, 2}));    // first line selected
  EXPECT_FALSE(canMoveUp(m, {{2}, 0}));       // current line is the first
  EXPECT_FALSE(canMoveDown(m, {{0, 2}, 0}));  // last line selected
  EXPECT_FALSE(canMoveDown(m, {{0}, 2}));     // current line is the last
  EXPECT_FALSE(canMoveUp(m, {{}, 1}));
  EXPECT_EQ(moveUp(m, {{0, 2}, 2}), (FlightGroupSelection{{0, 2}, 2}));
  EXPECT_EQ(moveDown(m, {{0, 2}, 0}), (FlightGroupSelection{{0, 2}, 0}));
  EXPECT_EQ(names(m), before);
}

TEST(Delete, ReferencesToADeletedGroupNeverNameAnother) {
  auto m = missionWith(5);
  for (u8 r = 0; r < 5; ++r) {
    m.addMessage();
    pointMessage(m.messages[r], r);
  }
  m.addMessage();
  pointMessage(m.messages[5], 9);  // already past the end
  const auto sel = deleteFlightGroups(m, {{1, 3}, 3});
  EXPECT_EQ(names(m), (std::vector<std::string>{"G0", "G2", "G4"}));
  EXPECT_EQ(m.header.get(model::header::FlightGroupCount), 3);
  const u8 expected[] = {0, Deleted, 1, Deleted, 2, 9};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(refs(m.messages[i]), all(expected[i], 4)) << i;
  // The trigger of a deleted group reads as a missing group, not as its neighbour.
  const auto t = m.messages[1].part(model::message::Triggers, tr::Size);
  EXPECT_EQ(describeTarget(m, shell::Vocabulary{}, model::get(t, tr::VariableType),
                           model::get(t, tr::Variable)),
            "FG#255");
  // The current line moves to the first group after the deleted one.
  EXPECT_EQ(sel, (FlightGroupSelection{{2}, 2}));
}

TEST(Delete, MothershipsOfADeletedGroup) {
  auto m = missionWith(3);
  auto& g = m.flightGroups[2];
  for (auto f : {fg::ArrivalMothership, fg::AltArrivalMothership, fg::DepartureMothership,
                 fg::AltDepartureMothership})
    g.set(f, u8{0});
  g.set(fg::ArriveViaMothership, u8{1});
  g.set(fg::AltDepartViaMothership, u8{1});
  deleteFlightGroups(m, {{0}, 0});
  const auto& after = m.flightGroups[1];
  // In use: visibly missing. Not in use: back to the unused default.
  EXPECT_EQ(after.get(fg::ArrivalMothership), Deleted);
  EXPECT_EQ(after.get(fg::AltDepartureMothership), Deleted);
  EXPECT_EQ(after.get(fg::DepartureMothership), 0);
  EXPECT_EQ(after.get(fg::AltArrivalMothership), 0);
}

TEST(Delete, CurrentLineAfterwards) {
  {
    auto m = missionWith(4);
    EXPECT_EQ(deleteFlightGroups(m, {{3}, 3}), (FlightGroupSelection{{2}, 2}));
  }
  {
    auto m = missionWith(4);
    EXPECT_EQ(deleteFlightGroups(m, {{0}, 0}), (FlightGroupSelection{{0}, 0}));
    EXPECT_EQ(names(m)[0], "G1");
  }
  {
    // A block of lines: the current line drops once per deleted line, then rises by one, so it
    // lands above the block.
    auto m = missionWith(6);
    EXPECT_EQ(deleteFlightGroups(m, {{2, 3}, 2}), (FlightGroupSelection{{1}, 1}));
    EXPECT_EQ(names(m), (std::vector<std::string>{"G0", "G1", "G4", "G5"}));
  }
  {
    auto m = missionWith(7);
    EXPECT_EQ(deleteFlightGroups(m, {{3, 4, 5}, 3}), (FlightGroupSelection{{1}, 1}));
  }
  {
    // It never drops below the first line; from the first line it stays there.
    auto m = missionWith(6);
    EXPECT_EQ(deleteFlightGroups(m, {{1, 2, 3}, 1}), (FlightGroupSelection{{1}, 1}));
    EXPECT_EQ(names(m)[1], "G4");
    auto n = missionWith(6);
    EXPECT_EQ(deleteFlightGroups(n, {{0, 1}, 0}), (FlightGroupSelection{{0}, 0}));
  }
  {
    // Held to the last line.
    auto m = missionWith(5);
    EXPECT_EQ(deleteFlightGroups(m, {{4}, 4}), (FlightGroupSelection{{3}, 3}));
  }
  {
    auto m = missionWith(3);
    const auto sel = deleteFlightGroups(m, {{0, 1, 2}, 1});
    EXPECT_TRUE(m.flightGroups.empty());
    EXPECT_EQ(m.header.get(model::header::FlightGroupCount), 0);
    EXPECT_EQ(sel, (FlightGroupSelection{{}, 0}));
  }
}

TEST(Delete, TheOnlyGroupIsResetNotRemoved) {
  auto m = missionWith(1);
  auto& g = m.flightGroups[0];
  g.set(fg::CraftCount, u8{7});
  g.goalStrings.setText(model::fggoalstrings::text(0, 0), "old");
  m.addMessage();
  pointMessage(m.messages[0], 0);
  const auto sel = deleteFlightGroups(m, {{0}, 0});
  ASSERT_EQ(m.flightGroups.size(), 1u);
  EXPECT_EQ(m.flightGroups[0].bytes, m.newFlightGroupTemplate({}).bytes);
  EXPECT_EQ(m.flightGroups[0].goalStrings, m.newFlightGroupTemplate({}).goalStrings);
  EXPECT_EQ(sel, (FlightGroupSelection{{0}, 0}));
  // The message named the deleted group; it must not now name the fresh one.
  EXPECT_EQ(refs(m.messages[0]), all(Deleted, 4));
}

TEST(Clipboard, CopyCutAndPaste) {
  auto m = missionWith(4);
  pointAll(m.flightGroups[2], 3);
  model::FlightGroup buffer;
  EXPECT_TRUE(copyFlightGroup(m, {{2}, 2}, buffer));
  EXPECT_EQ(buffer.name(), "G2");

  // Cut copies the current group and deletes every selected one; the buffer's references follow.
  model::MissionEdit e(m, &buffer);
  auto sel = cutFlightGroups(e, {{1, 3}, 1}, m.newFlightGroupTemplate({}));
  EXPECT_EQ(buffer.name(), "G1");
  EXPECT_EQ(names(m), (std::vector<std::string>{"G0", "G2"}));
  std::vector<u8> cutRefs = all(Deleted, FgSlots);
  for (std::size_t i = FgSlots - 4; i < FgSlots; ++i) cutRefs[i] = 0;  // via flags clear
  EXPECT_EQ(refs(m.flightGroups[1]), cutRefs);
  EXPECT_EQ(sel, (FlightGroupSelection{{1}, 1}));

  buffer.autoLink = false;
  sel = pasteFlightGroup(e, sel, buffer, {});
  e.take();
  EXPECT_EQ(names(m), (std::vector<std::string>{"G0", "G2", "G1"}));
  EXPECT_EQ(m.header.get(model::header::FlightGroupCount), 3);
  EXPECT_TRUE(m.flightGroups[2].autoLink);
  EXPECT_EQ(sel, (FlightGroupSelection{{2}, 2}));  // paste selects the new group

  // In a melee the pasted group keeps the buffer's auto-link.
  m.header.set(model::header::MissionType, u8{model::Melee});
  pasteFlightGroup(e, sel, buffer, {});
  e.take();
  EXPECT_FALSE(m.flightGroups[3].autoLink);
}

TEST(Clipboard, CutOnAnEmptyListDoesNothing) {
  auto m = missionWith(0);
  model::FlightGroup buffer;
  buffer.setText(fg::Name, "kept");
  model::MissionEdit e(m, &buffer);
  EXPECT_EQ(cutFlightGroups(e, {{}, 0}, buffer), (FlightGroupSelection{{}, 0}));
  EXPECT_EQ(buffer.name(), "kept");
  // Pasting into the empty list selects the new group.
  EXPECT_EQ(pasteFlightGroup(e, {{}, 0}, buffer, {}), (FlightGroupSelection{{0}, 0}));
}

TEST(NewFlightGroup, BecomesTheOnlySelectedLine) {
  auto m = missionWith(2);
  const auto sel = newFlightGroup(m);
  EXPECT_EQ(sel, (FlightGroupSelection{{2}, 2}));
  EXPECT_EQ(m.flightGroups.size(), 3u);
}

// Random moves and deletes on groups with unique names: every reference keeps naming the group it
// named before, or reads as deleted when that group is gone.
TEST(Renumbering, RandomEditsKeepEveryReferenceOnItsGroup) {
  std::mt19937 rng(7);
  for (int round = 0; round < 40; ++round) {
    const int n = 3 + static_cast<int>(rng() % 8);
    auto m = missionWith(n);
    std::map<std::string, std::vector<std::string>> expected;  // owner -> referenced names
    auto nameOf = [&](u8 r) {
      return r < m.flightGroups.size() ? m.flightGroups[r].name() : std::string("-");
    };
    for (auto& g : m.flightGroups) {
      for (const Slot& s : flightGroupSlots()) {
        g.bytes[s.value] = static_cast<u8>(rng() % n);
        if (s.type) g.bytes[*s.type] = TargetFlightGroup;
      }
      g.set(fg::ArriveViaMothership, u8{1});
      g.set(fg::AltArriveViaMothership, u8{1});
      g.set(fg::DepartViaMothership, u8{1});
      g.set(fg::AltDepartViaMothership, u8{1});
    }
    for (auto& g : m.flightGroups) {
      std::vector<std::string> r;
      for (u8 v : refs(g)) r.push_back(nameOf(v));
      expected[g.name()] = r;
    }
    std::vector<bool> alive(static_cast<std::size_t>(n), true);
    for (int step = 0; step < 6 && m.flightGroups.size() > 1; ++step) {
      const int count = static_cast<int>(m.flightGroups.size());
      const int i = static_cast<int>(rng() % count);
      switch (rng() % 3) {
        case 0:
          moveUp(m, {{i}, i});
          break;
        case 1:
          moveDown(m, {{i}, i});
          break;
        default: {
          alive[std::stoul(m.flightGroups[i].name().substr(1))] = false;
          deleteFlightGroups(m, {{i}, i});
        }
      }
    }
    for (const auto& g : m.flightGroups) {
      const auto got = refs(g);
      const auto& want = expected[g.name()];
      for (std::size_t k = 0; k < got.size(); ++k) {
        const std::string& w = want[k];
        if (alive[std::stoul(w.substr(1))])
          EXPECT_EQ(nameOf(got[k]), w) << g.name() << " " << k;
        else
          EXPECT_EQ(got[k], Deleted) << g.name() << " " << k;
      }
    }
  }
}
