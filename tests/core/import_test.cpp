// Import of older-format missions and briefing files: the conversion rules, one table row per
// rule, the notices and the refusals of damaged files.
#include <gtest/gtest.h>

#include <functional>

#include "cli_runner.h"
#include "model/mission_file.h"
#include "older/import.h"
#include "older_generator.h"
#include "shell/vocabulary.h"
#include "temp_dir.h"

namespace {

using model::FlightGroup;
using model::Mission;
namespace fg = model::fg;
namespace od = model::order;
namespace gl = model::goal;
using Bytes8 = std::vector<std::uint8_t>;

// Offsets of the older flight-group record, as plain numbers.
enum Old : std::size_t {
  SpecialCraft = 48,
  Type = 50,
  Iff = 52,
  Status = 54,
  Count = 56,
  Event = 60,
  Delay = 62,
  ArrivalFG = 64,
  Mother = 66,
  ArriveHyper = 68,
  DepartHyper = 70,
  X = 72,
  Y = 86,
  Z = 100,
  Enabled = 114,
  Player = 130,
  Order = 134,
  Param = 136,
  Markings = 140,
  Objective = 142,
  Primary = 144,
  Secondary = 146,
};

older::ImportOptions options() {
  older::ImportOptions o;
  o.craftNames = shell::Vocabulary::builtIn(shell::tables::Ships);
  return o;
}

Mission convert(const testgen::OlderMissionFile& f, older::ImportedExtras* extras = nullptr) {
  older::Mission old;
  const Bytes8 bytes = f.bytes();
  EXPECT_TRUE(older::readMission(bytes, old).ok());
  older::ImportedExtras ignored;
  return older::convertMission(old, options(), extras ? *extras : ignored);
}

// One older flight group (after `before` plain ones) with the given fields set.
using Fields = std::vector<std::pair<std::size_t, int>>;
FlightGroup convertGroup(const Fields& fields, int before = 0) {
  testgen::OlderMissionFile f;
  for (int i = 0; i < before; ++i) f.addFlightGroup();
  auto& g = f.addFlightGroup();
  for (const auto& [at, value] : fields) testgen::put16(g, at, value);
  return convert(f).flightGroups.back();
}

int order1(const FlightGroup& g, model::Field<model::u8> f) {
  return model::get(g.orderBytes(0), f);
}
int goal1(const FlightGroup& g, model::Field<model::u8> f) {
  return model::get(g.goalBytes(0), f);
}
int arrival(const FlightGroup& g, std::size_t byte) {
  return g.bytes[fg::ArrivalTriggers + byte];
}

TEST(OlderImport, CraftTypes) {
  struct Row {
    int type, status, craft, spacing;
  };
  const Row rows[] = {{0, 0, 0, 6},   {1, 0, 1, 6},   {3, 0, 3, 6},   {2, 9, 2, 6},
                      {2, 10, 4, 6},  {18, 0, 4, 6},  {4, 0, 5, 6},   {5, 0, 6, 6},
                      {6, 0, 7, 6},   {7, 0, 16, 6},  {8, 0, 21, 15}, {9, 0, 17, 15},
                      {10, 0, 24, 6}, {11, 0, 26, 6}, {12, 0, 32, 6}, {13, 0, 49, 6},
                      {14, 0, 42, 6}, {15, 0, 40, 6}, {16, 0, 53, 6}, {17, 0, 8, 6},
                      {19, 0, 0, 6},  {-1, 0, 0, 6}};
  for (const Row& r : rows) {
    const FlightGroup g = convertGroup({{Type, r.type}, {Status, r.status}});
    EXPECT_EQ(g.get(fg::CraftType), r.craft) << "old type " << r.type << " status " << r.status;
    EXPECT_EQ(g.get(fg::FormationSpacing), r.spacing) << "old type " << r.type;
  }
}

TEST(OlderImport, IffTeamAndRadio) {
  struct Row {
    int iff, type, newIff, team, radio;
  };
  const Row rows[] = {{1, 5, 0, 0, 0},  {2, 0, 1, 1, 0},  {3, 0, 2, 2, 0},  {0, 0, 0, 0, 1},
                      {0, 13, 0, 0, 1}, {0, 18, 0, 0, 1}, {0, 4, 1, 1, 0},  {0, 12, 1, 1, 0},
                      {0, 17, 1, 1, 0}, {0, 8, 2, 2, 0},  {0, 14, 2, 2, 0}, {7, 1, 0, 0, 1}};
  for (const Row& r : rows) {
    const FlightGroup g = convertGroup({{Iff, r.iff}, {Type, r.type}});
    const std::string what = "old IFF " + std::to_string(r.iff) + " type " + std::to_string(r.type);
    EXPECT_EQ(g.get(fg::Iff), r.newIff) << what;
    EXPECT_EQ(g.get(fg::Team), r.team) << what;
    EXPECT_EQ(g.get(fg::Radio), r.radio) << what;
  }
}

// One rule per row: the older fields set, the field read back, the value expected.
struct FieldRow {
  const char* rule;
  Fields fields;
  std::function<int(const FlightGroup&)> read;
  int expected;
};

void check(const std::vector<FieldRow>& rows) {
  for (const FieldRow& r : rows) EXPECT_EQ(r.read(convertGroup(r.fields)), r.expected) << r.rule;
}

TEST(OlderImport, GroupFieldRules) {
  auto field = [](model::Field<model::u8> f) {
    return [f](const FlightGroup& g) { return int{g.get(f)}; };
  };
  check({
      {"special craft is the smaller", {{SpecialCraft, 5}, {Count, 3}}, field(fg::SpecialCraft), 3},
      {"special craft kept", {{SpecialCraft, 1}, {Count, 3}}, field(fg::SpecialCraft), 1},
      {"status 1 becomes 0", {{Status, 1}}, field(fg::Status), 0},
      {"status 2 stays", {{Status, 2}}, field(fg::Status), 2},
      {"status 3 stays", {{Type, 1}, {Status, 3}}, field(fg::Status), 3},
      {"status 3 of type 5 is 0", {{Type, 5}, {Status, 3}}, field(fg::Status), 0},
      {"markings copied", {{Type, 1}, {Markings, 2}}, field(fg::Markings), 2},
      {"no markings for type 4", {{Type, 4}, {Markings, 2}}, field(fg::Markings), 0},
      {"warhead 4 for type 2", {{Type, 2}}, field(fg::Warhead), 4},
      {"warhead 3 for type 7", {{Type, 7}}, field(fg::Warhead), 3},
      {"no warhead with status 11", {{Type, 1}, {Status, 11}}, field(fg::Warhead), 0},
      {"abort 4 for type 17", {{Type, 17}}, field(fg::AbortCondition), 4},
      {"abort 9 for type 4", {{Type, 4}}, field(fg::AbortCondition), 9},
      {"no abort for type 8", {{Type, 8}}, field(fg::AbortCondition), 0},
      {"craft count", {{Count, 4}}, field(fg::CraftCount), 4},
      {"arrival event 2: condition",
       {{Event, 2}, {ArrivalFG, 3}},
       [](auto& g) { return arrival(g, 0); },
       2},
      {"arrival event 2: amount 0", {{Event, 2}}, [](auto& g) { return arrival(g, 3); }, 0},
      {"arrival event 4: condition 6", {{Event, 4}}, [](auto& g) { return arrival(g, 0); }, 6},
      {"arrival event 4: amount 4", {{Event, 4}}, [](auto& g) { return arrival(g, 3); }, 4},
      {"arrival event 6: condition 8", {{Event, 6}}, [](auto& g) { return arrival(g, 0); }, 8},
      {"arrival target type", {{Event, 1}}, [](auto& g) { return arrival(g, 1); }, 1},
      {"arrival target", {{Event, 1}, {ArrivalFG, 3}}, [](auto& g) { return arrival(g, 2); }, 3},
      {"no arrival event: type 0", {{ArrivalFG, 3}}, [](auto& g) { return arrival(g, 1); }, 0},
      {"arrive via mother ship", {{ArriveHyper, 0}}, field(fg::ArriveViaMothership), 1},
      {"arrive by hyperspace", {{ArriveHyper, 1}}, field(fg::ArriveViaMothership), 0},
      {"depart by hyperspace", {{DepartHyper, 1}}, field(fg::DepartViaMothership), 0},
      {"X negated", {{X + 2, 800}}, [](auto& g) { return g.x(model::Waypoint1); }, -800},
      {"X -32768", {{X, -32768}}, [](auto& g) { return g.x(model::Start1); }, 32767},
      {"Y copied", {{Y + 8, 321}}, [](auto& g) { return g.y(model::Start2); }, 321},
      {"Z to hyperspace", {{Z + 12, -5}}, [](auto& g) { return g.z(model::Hyperspace); }, -5},
      {"flag to start 3",
       {{Enabled + 10, 1}},
       [](auto& g) { return int{g.enabled(model::Start3)}; },
       1},
      {"waypoint 4 cleared", {}, [](auto& g) { return int{g.enabled(model::Waypoint4)}; }, 0},
      {"briefing 1 kept", {}, [](auto& g) { return int{g.enabled(model::Briefing1)}; }, 1},
  });
}

TEST(OlderImport, ArrivalDelays) {
  using older::convertedDelay;
  const std::pair<int, older::Delay> rows[] = {{0, {0, 0}},   {20, {20, 0}},     {21, {0, 6}},
                                               {25, {0, 30}}, {30, {1, 0}},      {40, {2, 0}},
                                               {-4, {0, 0}},  {32767, {255, 59}}};
  for (const auto& [old, delay] : rows) EXPECT_EQ(convertedDelay(old), delay) << old;
  const FlightGroup g = convertGroup({{Delay, 41}});
  EXPECT_EQ(g.get(fg::ArrivalDelayMinutes), 2);
  EXPECT_EQ(g.get(fg::ArrivalDelaySeconds), 6);
}

TEST(OlderImport, MotherShipsAreOlderFlightGroups) {
  // Two older flight groups: 1 is the second one, 2 would be the first object group.
  const std::pair<int, int> rows[] = {{1, 1}, {2, 0}, {-1, 0}};
  for (const auto& [old, mother] : rows) {
    const FlightGroup g = convertGroup({{Mother, old}}, 1);
    EXPECT_EQ(g.get(fg::ArrivalMothership), mother) << old;
    EXPECT_EQ(g.get(fg::DepartureMothership), mother) << old;
  }
}

TEST(OlderImport, OrderCommands) {
  const std::pair<int, int> rows[] = {{0, 0},   {1, 1},   {2, 2},   {3, 2},   {4, 3},   {5, 3},
                                      {6, 9},   {7, 9},   {8, 7},   {10, 7},  {20, 7},  {23, 7},
                                      {11, 4},  {12, 5},  {13, 12}, {17, 16}, {18, 11}, {25, 11},
                                      {26, 26}, {28, 26}, {27, 21}, {29, 22}, {30, 23}, {31, 5}};
  for (const auto& [old, command] : rows)
    EXPECT_EQ(order1(convertGroup({{Order, old}}), od::Command), command) << old;
}

TEST(OlderImport, OrderTargetsAndThrottle) {
  auto o1 = [](model::Field<model::u8> f) {
    return [f](const FlightGroup& g) { return order1(g, f); };
  };
  auto o2 = [](model::Field<model::u8> f) {
    return [f](const FlightGroup& g) { return int{model::get(g.orderBytes(1), f)}; };
  };
  check({
      {"primary target", {{Primary, 2}, {Secondary, -1}}, o1(od::Target1), 2},
      {"primary target type", {{Primary, 2}}, o1(od::Target1Type), 1},
      {"no primary when negative", {{Primary, -1}}, o1(od::Target1Type), 0},
      {"secondary target", {{Secondary, 3}}, o1(od::Target2), 3},
      {"no targets for order 29", {{Order, 29}, {Primary, 2}}, o1(od::Target1Type), 0},
      {"order 31 with two targets",
       {{Order, 31}, {Primary, 1}, {Secondary, 2}},
       o1(od::Variable1),
       2},
      {"order 31 with one target",
       {{Order, 31}, {Primary, 1}, {Secondary, 1}},
       o1(od::Variable1),
       1},
      {"throttle from parameter", {{Param, 4}}, o1(od::Throttle), 5},
      {"throttle at parameter 0", {{Param, 0}}, o1(od::Throttle), 10},
      {"throttle at most 100%", {{Param, 30}}, o1(od::Throttle), 10},
      {"throttle 0 for order 26", {{Order, 26}, {Param, 4}}, o1(od::Throttle), 0},
      {"boarding time", {{Order, 14}, {Param, 3}}, o1(od::Variable1), 36},
      {"boarding throttle", {{Order, 14}, {Param, 3}}, o1(od::Throttle), 10},
      {"order 8: craft with order", {{Order, 8}}, o1(od::Target3Type), 6},
      {"order 8: order 10", {{Order, 8}}, o1(od::Target3), 10},
      {"order 8: enemy of a Rebel", {{Order, 8}, {Iff, 1}}, o1(od::Target4), 1},
      {"order 8: enemy of an Imperial", {{Order, 8}, {Iff, 2}}, o1(od::Target4), 0},
      {"order 8: and", {{Order, 8}}, o1(od::Target3Or4), 0},
      {"order 10: category 0", {{Order, 10}}, o1(od::Target3Type), 3},
      {"order 19: second order", {{Order, 19}}, o2(od::Command), 7},
      {"order 19: second order category 1", {{Order, 19}}, o2(od::Target1), 1},
      {"order 19: second order and", {{Order, 19}}, o2(od::Target1Or2), 0},
      {"order 20: ship type 20", {{Order, 20}}, o1(od::Target3), 20},
      {"order 21: second order command", {{Order, 21}}, o2(od::Command), 7},
      {"order 24: second order type 39", {{Order, 24}}, o2(od::Target3), 39},
      {"order 25: category 3", {{Order, 25}}, o1(od::Target3), 3},
      {"order 23: object category", {{Order, 23}, {Primary, 2}}, o1(od::Target1Type), 4},
      {"order 23: ship category 6", {{Order, 23}, {Secondary, 2}}, o1(od::Target2), 6},
      {"order 27: enemy IFF", {{Order, 27}}, o1(od::Target4Type), 5},
      {"no second order otherwise", {{Order, 8}}, o2(od::Command), 0},
  });
}

TEST(OlderImport, GoalRules) {
  struct Row {
    int objective, type, order, argument, condition, amount;
    const char* roles;
  };
  const Row rows[] = {
      {0, 1, 8, 0, 10, 0, ""},    {1, 1, 8, 0, 2, 0, "1PRI"},  {2, 1, 8, 0, 12, 0, "1MIS"},
      {2, 1, 0, 1, 2, 0, "1MIS"}, {6, 11, 8, 1, 2, 6, "1MIS"}, {3, 1, 8, 0, 44, 0, "1PRI"},
      {4, 1, 8, 0, 6, 0, "1PRI"}, {5, 1, 8, 0, 2, 6, "1PRI"},  {7, 1, 8, 0, 44, 6, ""},
      {9, 1, 8, 0, 2, 2, "1PRI"}, {12, 1, 8, 0, 6, 2, "1PRI"}, {13, 1, 8, 0, 5, 0, "1PRI"},
      {14, 1, 8, 0, 5, 6, ""},    {15, 1, 8, 0, 5, 2, "1PRI"}, {16, 1, 8, 0, 1, 0, ""},
      {17, 1, 8, 0, 2, 0, ""},
  };
  for (const Row& r : rows) {
    const FlightGroup g =
        convertGroup({{Objective, r.objective}, {Type, r.type}, {Order, r.order}});
    const std::string what = "objective " + std::to_string(r.objective);
    EXPECT_EQ(goal1(g, gl::GoalFlag), 1) << what;
    EXPECT_EQ(goal1(g, gl::Argument), r.argument) << what;
    EXPECT_EQ(goal1(g, gl::Condition), r.condition) << what;
    EXPECT_EQ(goal1(g, gl::Amount), r.amount) << what;
    EXPECT_EQ(g.text(fg::Roles), r.roles) << what;
  }
}

TEST(OlderImport, NamesGoalStringsAndDescriptions) {
  testgen::OlderMissionFile f;
  auto& g = f.addFlightGroup();
  testgen::putText(g, 0, 16, "RED LEADER");
  testgen::putText(g, 16, 16, "sPARE pARTS");
  testgen::put16(g, Type, 1);
  testgen::put16(g, Objective, 5);
  testgen::put16(g, Order, 9);
  auto& h = f.addFlightGroup();
  testgen::put16(h, Order, 6);
  testgen::put16(h, Player, 2);
  auto& k = f.addFlightGroup();
  testgen::put16(k, Order, 18);
  const Mission m = convert(f);
  const FlightGroup& a = m.flightGroups[0];
  EXPECT_EQ(a.name(), "Red leader");
  EXPECT_EQ(a.text(fg::Cargo), "Spare parts");
  const std::string prefix = shell::Vocabulary::builtIn(shell::tables::Ships)[1] + " Red leader: ";
  EXPECT_EQ(a.goalStrings.text(model::fggoalstrings::text(0, 0)), prefix + "Destroy special ship");
  EXPECT_EQ(a.goalStrings.text(model::fggoalstrings::text(0, 1)),
            prefix + "Special ship destroyed");
  EXPECT_EQ(a.goalStrings.text(model::fggoalstrings::text(0, 2)),
            prefix + "Special ship can't be destroyed");
  // The player group takes the player number from the first; both get the order description.
  EXPECT_EQ(a.get(fg::PlayerNumber), 0);
  EXPECT_EQ(getText(a.orderBytes(0), od::Description), "Attack");
  const FlightGroup& b = m.flightGroups[1];
  EXPECT_EQ(b.get(fg::PlayerNumber), 1);
  EXPECT_EQ(b.get(fg::PlayerCraft), 1);
  EXPECT_EQ(b.get(fg::DepartViaMothership), 0);
  EXPECT_EQ(getText(b.orderBytes(0), od::Description), "Escort");
  EXPECT_EQ(getText(m.flightGroups[2].orderBytes(0), od::Description), "");
}

TEST(OlderImport, OrderTexts) {
  testgen::OlderMissionFile f;
  const std::tuple<int, int, int> groups[] = {{9, 0, 2}, {26, -1, -1}, {14, 1, -1}, {29, 3, 0}};
  for (const auto& [order, pri, sec] : groups) {
    auto& g = f.addFlightGroup();
    testgen::put16(g, Order, order);
    testgen::put16(g, Primary, pri);
    testgen::put16(g, Secondary, sec);
  }
  f.addObjectGroup();
  older::ImportedExtras extras;
  convert(f, &extras);
  EXPECT_EQ(extras.orderTexts,
            (std::vector<std::string>{
                "[Vortan]    Attack primary and secondary targets   -   Pri #1,  Sec #3",
                "[Vortan]    SShip sit and fire   -   Pri  <none>,  Sec <none>",
                "[Vortan]    Board to take   -   Pri #2,  Sec <none>",
                "[Vortan]    SShip await return   -   Pri #4,  Sec #1",
                "[Vortan]    Hold Steady",
            }));
}

TEST(OlderImport, ObjectGroups) {
  struct Row {
    int type, iff, craft, status, newIff, team, target1Type;
  };
  const Row rows[] = {{40, 0, 87, 6, 3, 9, 0}, {34, 2, 87, 0, 1, 1, 0}, {30, 0, 86, 0, 1, 1, 0},
                      {18, 0, 75, 0, 1, 1, 5}, {22, 1, 70, 0, 0, 0, 0}, {23, 3, 83, 0, 2, 2, 0},
                      {24, 0, 80, 0, 1, 1, 0}};
  for (const Row& r : rows) {
    testgen::OlderMissionFile f;
    auto& o = f.addObjectGroup();
    testgen::putText(o, 0, 16, "MINES");
    testgen::put16(o, 50, r.type);
    testgen::put16(o, 52, r.iff);
    testgen::put16(o, 54, 4);
    testgen::put16(o, 56, 3);
    testgen::put16(o, 58, 100);
    testgen::put16(o, 60, -200);
    const FlightGroup g = convert(f).flightGroups.at(0);
    const std::string what = "object type " + std::to_string(r.type);
    EXPECT_EQ(g.name(), "Mines");
    EXPECT_EQ(g.get(fg::CraftType), r.craft) << what;
    EXPECT_EQ(g.get(fg::Status), r.status) << what;
    EXPECT_EQ(g.get(fg::Iff), r.newIff) << what;
    EXPECT_EQ(g.get(fg::Team), r.team) << what;
    EXPECT_EQ(order1(g, od::Target1Type), r.target1Type) << what;
    EXPECT_EQ(g.get(fg::CraftCount), 3);
    EXPECT_EQ(g.x(model::Start1), -100);
    EXPECT_EQ(g.y(model::Start1), -200);
    EXPECT_EQ(goal1(g, gl::Condition), 2);
    EXPECT_EQ(g.text(fg::Roles), "1PRI");
  }
  // A mine aimed at the enemy of its own side.
  testgen::OlderMissionFile f;
  testgen::put16(f.addObjectGroup(), 50, 19);
  EXPECT_EQ(order1(convert(f).flightGroups[0], od::Target1), 0);  // an Imperial mine
}

TEST(OlderImport, MissionTeamsAndNotices) {
  testgen::OlderMissionFile f;
  testgen::put16(f.header, 0, 0x10F);
  testgen::put16(f.header, 6, 1);
  testgen::putText(f.header, 8, 64, "First");
  testgen::putText(f.header, 72, 64, std::string(64, 'S'));
  testgen::putText(f.header, 136, 64, "Third");
  f.addFlightGroup();
  testgen::put16(f.addObjectGroup(), 50, 49);
  older::ImportedExtras extras;
  const Mission m = convert(f, &extras);
  EXPECT_EQ(m.flightGroups.size(), 2u);
  EXPECT_EQ(m.header.get(model::header::FlightGroupCount), 2);
  EXPECT_EQ(m.header.get(model::header::TimeLimitMinutes), 0x0F);
  EXPECT_EQ(m.teams[0].name(), "Rebel");
  EXPECT_EQ(m.teams[1].name(), "Imperial");
  EXPECT_EQ(m.teams[2].name(), "Neutral");
  EXPECT_EQ((std::array<int, 3>{m.teamIff[0], m.teamIff[1], m.teamIff[2]}),
            (std::array<int, 3>{0, 1, 2}));
  EXPECT_EQ(m.teams[0].text(model::team::Success1), "First");
  EXPECT_EQ(m.teams[0].text(model::team::Success2), std::string(64, 'S'));
  EXPECT_EQ(m.flightGroups[0].get(fg::PlayerNumber), 1);
  EXPECT_EQ(extras.notices, (std::vector<std::string>{older::PlanetNotice, older::SurfaceNotice}));
}

TEST(OlderImport, KeepsTheFormatOfTheEditor) {
  testgen::OlderMissionFile f;
  f.addFlightGroup();
  for (std::int16_t format : {model::FormatBase, model::FormatExpansion}) {
    older::Mission old;
    ASSERT_TRUE(older::readMission(f.bytes(), old).ok());
    auto o = options();
    o.platformId = format;
    older::ImportedExtras extras;
    EXPECT_EQ(older::convertMission(old, o, extras).platformId, format);
  }
}

// ---- Briefing files ----

TEST(OlderBriefing, Events) {
  using W = std::vector<std::uint16_t>;
  struct Row {
    const char* rule;
    W old, converted;
  };
  const Row rows[] = {
      {"end marker", {9999, 1}, {9999, 34}},
      {"end marker 41, time doubled", {10, 41}, {20, 34}},
      {"clear tags", {5, 10, 6, 26}, {10, 17, 12, 17, 9999, 34}},
      {"title text", {1, 11, 3}, {2, 4, 2, 9999, 34}},
      {"briefing text", {1, 12, 1}, {2, 5, 0, 9999, 34}},
      {"move map", {3, 15, 100, 65436}, {6, 6, 100, 65436, 9999, 34}},
      {"zoom map", {3, 16, 16, 24}, {6, 7, 32, 48, 9999, 34}},
      {"clear boxes", {4, 21}, {8, 8, 9999, 34}},
      {"flight-group boxes", {1, 22, 5, 1, 25, 6}, {2, 9, 5, 2, 12, 6, 9999, 34}},
      {"map tags",
       {7, 27, 1, 10, 20, 7, 30, 2, 30, 40},
       {14, 18, 1, 10, 20, 2, 14, 21, 2, 30, 40, 2, 9999, 34}},
      {"others dropped with their words", {1, 3, 2, 40, 5, 12, 2}, {10, 5, 1, 9999, 34}},
      {"a cut command is not read", {1, 27, 1, 2}, {9999, 34}},
      {"empty block", {}, {9999, 34}},
  };
  for (const Row& r : rows) EXPECT_EQ(older::convertedEvents(r.old), r.converted) << r.rule;

  // At most 400 words, the end marker included.
  W many;
  for (int i = 0; i < 300; ++i) many.insert(many.end(), {1, 22, 0});
  many.insert(many.end(), {9999, 1});
  const W out = older::convertedEvents(many);
  EXPECT_EQ(out.size(), 398u);  // 132 boxes (396 words) and the end marker
  EXPECT_EQ((W{out.end() - 2, out.end()}), (W{9999, 34}));
}

TEST(OlderBriefing, StringsDescriptionAndPoints) {
  Mission m;
  m.newMission();
  m.addFlightGroup();
  testgen::OlderBriefingFile b;
  b.runningTime = 450;
  b.iconCount = 3;
  b.coordinateSets = {{{10, 20, 30}, {-1, -2, -3}, {7, 7, 7}}};
  b.tags[0] = "Tag";
  b.texts[0] = "Title";
  b.texts[2] = std::string(201, 'a');
  b.texts[5] = std::string(200, 'b');
  b.texts[7] = std::string(300, 'c');
  b.events = {0, 12, 1, 9999, 1};
  b.after = {2, 0, 5, 0, 21, 0};  // a second event block: not read
  older::Briefing brf;
  ASSERT_TRUE(older::readBriefing(b.bytes(), brf).ok());
  older::convertBriefing(brf, m);
  const model::Briefing& br = m.briefings[0];
  EXPECT_EQ(br.tags[0], "Tag");
  EXPECT_EQ(br.strings[0], "Title");
  EXPECT_EQ(br.strings[7], std::string(300, 'c'));
  EXPECT_EQ(m.description.text(),
            std::string(201, 'a') + "\r\n\r\n" + std::string(300, 'c') + "\r\n\r\n");
  EXPECT_EQ(br.get(model::briefing::RunningTime), 900);
  EXPECT_EQ(br.get(model::briefing::EventWordsUsed), 5);
  EXPECT_EQ(br.get(model::briefing::Events, 1), 5);
  EXPECT_EQ(br.get(model::briefing::TeamVisible, 0), 1);
  EXPECT_EQ(m.flightGroups[1].x(model::Briefing1), -1);
  EXPECT_EQ(m.flightGroups[1].z(model::Briefing1), -3);
  EXPECT_TRUE(m.flightGroups[0].enabled(model::Briefing1));
}

TEST(OlderBriefing, DescriptionIsAtMost4095Characters) {
  Mission m;
  m.newMission();
  older::Briefing brf;
  for (auto& t : brf.texts) t = std::string(900, 'x');
  older::convertBriefing(brf, m);
  EXPECT_EQ(m.description.text().size(), 4095u);
}

TEST(OlderBriefing, DamagedFilesAreRefused) {
  testgen::OlderBriefingFile b = testgen::randomOlderBriefing(4, 3);
  b.after.clear();  // the file ends with its first event block
  const Bytes8 whole = b.bytes();
  older::Briefing brf;
  brf.runningTime = 77;
  for (std::size_t cut : {std::size_t{0}, std::size_t{5}, std::size_t{30}, whole.size() - 1}) {
    const model::ReadResult r =
        older::readBriefing(Bytes8(whole.begin(), whole.begin() + cut), brf);
    EXPECT_FALSE(r.ok()) << cut;
    EXPECT_NE(r.message.find("ends at byte " + std::to_string(cut)), std::string::npos)
        << r.message;
    EXPECT_EQ(brf.runningTime, 77);
  }
  b.coordinateSets.resize(3);
  EXPECT_EQ(older::readBriefing(b.bytes(), brf).message, older::StrangeBriefingMessage);
  // A huge icon count is refused before anything is allocated.
  Bytes8 bad = whole;
  bad[4] = bad[5] = 0xFF;
  EXPECT_NE(older::readBriefing(bad, brf).message.find("coordinate sets"), std::string::npos);
}

// ---- Files ----

class OlderFiles : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  std::string put(const std::string& name, const Bytes8& bytes) {
    testsupport::writeFile(dir / name, std::string(bytes.begin(), bytes.end()));
    return dir / name;
  }
};

TEST_F(OlderFiles, ImportsWithTheBriefingFoundInAnyCase) {
  const auto f = testgen::randomOlderMission(7);
  const std::string path = put("ATTACK.VTN", f.bytes());
  auto b = testgen::randomOlderBriefing(7, 2);
  b.texts[0] = "Briefed";
  put("attack.Brf", b.bytes());
  Mission m;
  const older::ImportResult r = older::importMissionFile(path, m, options());
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(m.flightGroups.size(), f.flightGroups.size() + f.objectGroups.size());
  EXPECT_EQ(r.extras.orderTexts.size(), m.flightGroups.size());
  EXPECT_EQ(m.title(), "Briefed");
  EXPECT_EQ(std::count(r.extras.notices.begin(), r.extras.notices.end(),
                       std::string(older::MissingBriefingMessage)),
            0);
}

TEST_F(OlderFiles, MissingOrDamagedBriefingStillImports) {
  const auto f = testgen::randomOlderMission(8);
  const std::string path = put("m.vtn", f.bytes());
  Mission m;
  older::ImportResult r = older::importMissionFile(path, m, options());
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.extras.notices.back(), older::MissingBriefingMessage);
  EXPECT_EQ(m.briefings[0].get(model::briefing::EventWordsUsed), 2);

  const Bytes8 brf = testgen::randomOlderBriefing(8, 1).bytes();
  put("m.brf", Bytes8(brf.begin(), brf.begin() + 40));
  r = older::importMissionFile(path, m, options());
  ASSERT_TRUE(r.ok);
  EXPECT_NE(r.extras.notices.back().find("m.brf\" cannot be converted: the file ends at byte 40"),
            std::string::npos)
      << r.extras.notices.back();
}

TEST_F(OlderFiles, DamagedMissionsAreRefusedAndTheOpenMissionStays) {
  testgen::OlderMissionFile f;
  f.addFlightGroup();
  f.addFlightGroup();
  f.addObjectGroup();
  const Bytes8 whole = f.bytes();
  Bytes8 negative = whole;
  negative[202] = negative[203] = 0xFF;  // flight-group count -1
  const std::pair<Bytes8, std::string> rows[] = {
      {Bytes8(whole.begin(), whole.begin() + 1), "inside the platform id"},
      {Bytes8(whole.begin(), whole.begin() + 100), "inside the header"},
      {Bytes8(whole.begin(), whole.begin() + 206 + 148 + 20), "inside flight group 2 of 2"},
      {Bytes8(whole.begin(), whole.end() - 1), "inside object group 1 of 1"},
      {negative, "flight-group count is negative"},
  };
  Mission open;
  open.newMission();
  open.flightGroups[0].setText(fg::Name, "Mine");
  for (const auto& [bytes, what] : rows) {
    const std::string path = put("bad.vtn", bytes);
    Mission m = open;
    const older::ImportResult r = older::importMissionFile(path, m, options());
    EXPECT_FALSE(r.ok) << what;
    EXPECT_NE(r.error.find(path), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(what), std::string::npos) << r.error;
    EXPECT_EQ(m.flightGroups.size(), 1u);
    EXPECT_EQ(m.flightGroups[0].name(), "Mine");
  }
}

TEST_F(OlderFiles, BriefingImportIntoAnOpenMission) {
  Mission m;
  m.newMission();
  m.description.setText("Kept");
  auto b = testgen::randomOlderBriefing(9, 1);
  for (auto& t : b.texts) t = "short";
  std::string message;
  ASSERT_TRUE(older::importBriefingFile(put("x.brf", b.bytes()), m, message)) << message;
  EXPECT_EQ(m.briefings[0].strings[3], "short");
  EXPECT_EQ(m.description.text(), "Kept");  // no long texts: the description stays

  b.coordinateSets.resize(4);
  const Mission before = m;
  EXPECT_FALSE(older::importBriefingFile(put("y.brf", b.bytes()), m, message));
  EXPECT_EQ(message, older::StrangeBriefingMessage);
  EXPECT_EQ(m.briefings[0], before.briefings[0]);
}

TEST(OlderImport, RandomMissionsConvertWhole) {
  for (std::uint64_t seed = 0; seed < 40; ++seed) {
    const auto f = testgen::randomOlderMission(seed);
    older::ImportedExtras extras;
    Mission m = convert(f, &extras);
    ASSERT_EQ(m.flightGroups.size(), f.flightGroups.size() + f.objectGroups.size());
    // What the import makes is a mission file the reader takes back.
    Mission again;
    ASSERT_TRUE(model::readMission(model::writeMission(m), again).ok()) << seed;
    EXPECT_EQ(again.flightGroups.size(), m.flightGroups.size());
  }
}

}  // namespace

namespace {

TEST_F(OlderFiles, CommandLineConvertsAndReads) {
  auto f = testgen::randomOlderMission(11);
  testgen::put16(f.header, 6, 1);
  const std::string in = put("Old.vtn", f.bytes());
  const std::string out = dir / "new.kre";
  auto r = testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(),
                                         "convert --format 12 '" + in + "' '" + out + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, std::string(older::SurfaceNotice) + "\n" + older::MissingBriefingMessage + "\n");
  Mission m;
  ASSERT_TRUE(model::loadMissionFile(out, m).ok());
  EXPECT_EQ(m.platformId, model::FormatBase);
  EXPECT_EQ(m.flightGroups.size(), f.flightGroups.size() + f.objectGroups.size());

  r = testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(), "info '" + in + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Flight groups: " + std::to_string(m.flightGroups.size())),
            std::string::npos)
      << r.out;
  r = testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(),
                                    "dump '" + put("cut.vtn", Bytes8{2, 0, 0, 0}) + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cut.vtn\" cannot be loaded as an older-format mission"), std::string::npos)
      << r.err;
}

}  // namespace
