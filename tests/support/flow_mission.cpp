#include "flow_mission.h"

#include <array>
#include <random>

namespace testgen {

namespace {

namespace fg = model::fg;
using model::u8;

struct Dice {
  std::mt19937_64 rng;
  int below(int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }
};

// A trigger that mostly names flight groups, sometimes sets of craft or targets the file cannot
// answer, with conditions weighted toward "arrive" and "always true".
std::array<u8, 4> randomTrigger(Dice& d, int groups) {
  static constexpr std::array<int, 12> Conditions{0, 0, 0, 1, 1, 1, 1, 2, 3, 9, 10, 12};
  static constexpr std::array<int, 12> Types{1, 1, 1, 1, 1, 1, 2, 3, 5, 8, 12, 6};
  const int condition = Conditions[static_cast<std::size_t>(d.below(Conditions.size()))];
  const int type = d.chance(3) ? 23 : Types[static_cast<std::size_t>(d.below(Types.size()))];
  int value = 0;
  switch (type) {
    case 1:
      value = d.below(groups + groups / 50 + 1);  // now and then a group that does not exist
      break;
    case 2:
      value = d.below(20);
      break;
    case 3:
      value = d.below(9);
      break;
    default:
      value = d.below(6);
      break;
  }
  return {static_cast<u8>(condition), static_cast<u8>(type), static_cast<u8>(value),
          static_cast<u8>(d.below(6))};
}

void randomTriggerSet(Dice& d, int groups, model::Bytes record, std::size_t base,
                      std::size_t pairsOr) {
  namespace ts = model::triggerset;
  for (std::size_t at : ts::TriggerAt) {
    // Most sets use one or two triggers; the rest stay "always true".
    if (!d.chance(at == ts::Trigger1 ? 80 : 25)) continue;
    const auto t = randomTrigger(d, groups);
    for (std::size_t i = 0; i < t.size(); ++i) record[base + at + i] = t[i];
  }
  record[base + ts::Trigger1Or2.offset] = static_cast<u8>(d.chance(40));
  record[base + ts::Trigger3Or4.offset] = static_cast<u8>(d.chance(40));
  record[pairsOr] = static_cast<u8>(d.chance(40));
}

}  // namespace

model::Mission flowMission(std::uint64_t seed, int groups, int messages) {
  Dice d{std::mt19937_64(seed)};
  model::Mission m;
  m.newMission();
  m.flightGroups.clear();
  static constexpr std::array<int, 10> Craft{1, 2, 3, 7, 17, 21, 33, 46, 60, 76};
  for (int i = 0; i < groups; ++i) {
    model::FlightGroup g = m.addedFlightGroup(m.newFlightGroupTemplate({}), {});
    g.setText(fg::Name, "Group " + std::to_string(i + 1));
    g.set(fg::CraftType, static_cast<u8>(Craft[static_cast<std::size_t>(d.below(Craft.size()))]));
    g.set(fg::Iff, static_cast<u8>(d.below(4)));
    g.set(fg::Team, static_cast<u8>(d.below(3)));
    g.set(fg::GlobalGroup, static_cast<u8>(d.below(6)));
    g.set(fg::GlobalUnit, static_cast<u8>(d.below(6)));
    g.set(fg::ArrivalDifficulty, static_cast<u8>(d.chance(80) ? 0 : d.below(12)));
    g.set(fg::ArriveOnlyIfHuman, static_cast<u8>(d.chance(5)));
    // Two groups in three wait on something.
    if (d.chance(67))
      randomTriggerSet(d, groups, g.span(), fg::ArrivalTriggers, fg::ArrivalTriggersOr.offset);
    if (d.chance(50)) g.set(fg::ArrivalDelayMinutes, static_cast<u8>(d.below(4)));
    if (d.chance(60)) g.set(fg::ArrivalDelaySeconds, static_cast<u8>(d.below(60)));
    if (d.chance(10)) {
      g.set(fg::ArriveViaMothership, u8{1});
      g.set(fg::ArrivalMothership, static_cast<u8>(d.below(groups + 2)));
      g.set(fg::AltArriveViaMothership, static_cast<u8>(d.chance(50)));
      g.set(fg::AltArrivalMothership, static_cast<u8>(d.below(groups)));
    }
    for (std::size_t k = 0; k < 2; ++k) {
      auto goal = g.goalBytes(k);
      goal[model::goal::Condition.offset] = static_cast<u8>(d.chance(50) ? 10 : 2);
      goal[model::goal::Argument.offset] = static_cast<u8>(d.below(4));
    }
    m.flightGroups.push_back(g);
  }
  for (int i = 0; i < messages; ++i) {
    model::Message msg = m.addedMessage(model::newMessageTemplate());
    msg.setText(model::message::Text, "Message " + std::to_string(i + 1));
    randomTriggerSet(d, groups, msg.span(), model::message::Triggers,
                     model::message::TriggersOr.offset);
    msg.set(model::message::Delay, static_cast<u8>(d.below(12)));
    m.messages.push_back(msg);
  }
  for (std::size_t t = 0; t < 3; ++t)
    for (std::size_t s = 0; s < 3; ++s) {
      const std::size_t base = model::globalgoal::EntryAt[s];
      randomTriggerSet(d, groups, m.globalGoals[t].span(), base + model::ggentry::Triggers,
                       base + model::ggentry::TriggersOr.offset);
    }
  m.syncCounts();
  return m;
}

}  // namespace testgen
