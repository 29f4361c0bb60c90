#include <gtest/gtest.h>

#include <sys/wait.h>
#include "cli_runner.h"
#include "temp_dir.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "editing/descriptions.h"
#include "model/cp1252.h"
#include "model/mission_file.h"

using namespace editing;
using model::u8;
namespace fg = model::fg;
namespace tables = shell::tables;

namespace {

// Small tables with known entries, so that the texts do not depend on the built-in vocabulary.
shell::Vocabulary testVocabulary() {
  shell::Vocabulary v;
  v.setTable(tables::Ships, {"(None)", "Arrow", "Lancer", "Freighter", "Station"});
  v.setTable(tables::Conds, {"(Always true)", "arrive", "be destroyed", "c3", "c4", "c5", "c6",
                             "c7", "c8", "c9", "(Never true)"});
  v.setTable(tables::Percents, {"100%", "75%", "50%", "25%", "At least one"});
  v.setTable(tables::Musts, {"must", "must NOT", "BONUS must", "BONUS must NOT"});
  v.setTable(tables::Orders, {"Hold Steady", "Fly home", "Circle waypoints", "o3", "o4", "o5", "o6",
                              "Attack targets"});
  v.setTable(tables::IFF, {"Rebel", "Imperial", "Blue"});
  v.setTable(tables::ShipCats, {"Starfighters", "Transport craft"});
  v.setTable(tables::ObjCats, {"Space craft", "Weapons"});
  v.setTable(tables::When, {"0", "inspected", "finished docking?"});
  return v;
}

model::FlightGroup group(const char* name, u8 craftType, u8 count) {
  model::FlightGroup g;
  g.setText(fg::Name, name);
  g.set(fg::CraftType, craftType);
  g.set(fg::CraftCount, count);
  for (std::size_t i = 0; i < fg::GoalCount; ++i)
    model::set(g.goalBytes(i), model::goal::Condition, u8{10});
  return g;
}

void setGoal(model::FlightGroup& g, std::size_t i, u8 argument, u8 condition, u8 team) {
  auto b = g.goalBytes(i);
  model::set(b, model::goal::Argument, argument);
  model::set(b, model::goal::Condition, condition);
  model::set(b, model::goal::Team, team);
}

std::array<u8, 4> trig(u8 condition, u8 type, u8 value, u8 amount) {
  return {condition, type, value, amount};
}

class Descriptions : public ::testing::Test {
 protected:
  void SetUp() override {
    m.newMission();
    m.flightGroups.clear();
    m.flightGroups.push_back(group("  Red  ", 1, 2));
    m.flightGroups.push_back(group("Gold", 2, 3));
    m.flightGroups.push_back(group("Hauler", 3, 1));
    m.syncCounts();
  }
  model::Mission m;
  shell::Vocabulary v = testVocabulary();
};

TEST_F(Descriptions, ListLineColumnsForComputerGroup) {
  auto& g = m.flightGroups[0];
  g.set(fg::GlobalGroup, u8{0x1F});
  g.set(fg::WaveCount, u8{2});
  EXPECT_EQ(listLine(m, v, 0, false),
            "1    1F  -  0 " + std::string(15, ' ') + "3  x  [ 2 ]  Arrow  Red");
}

TEST_F(Descriptions, TeamColumnIsHexadecimal) {
  m.flightGroups[0].set(fg::Team, u8{9});
  EXPECT_EQ(listLine(m, v, 0, false).substr(0, 5), "A    ");
  m.flightGroups[0].set(fg::Team, u8{15});
  EXPECT_EQ(listLine(m, v, 0, false).substr(0, 6), "10    ");
}

TEST_F(Descriptions, PlayerColumnReplacesDifficulty) {
  auto& g = m.flightGroups[0];
  g.set(fg::PlayerNumber, u8{2});
  g.set(fg::ArrivalDifficulty, u8{3});
  EXPECT_EQ(listLine(m, v, 0, false), "1    0  -  0    Plr: 2    1  x  [ 2 ]  Arrow  Red");
  g.set(fg::ArriveOnlyIfHuman, u8{1});
  EXPECT_EQ(listLine(m, v, 0, false), "1    0  -  0 ? Plr: 2    1  x  [ 2 ]  Arrow  Red");
}

TEST_F(Descriptions, DifficultyColumn) {
  const std::pair<u8, std::string> cases[] = {
      {1, "<= Easy  "},    {8, "<= Easy  "},     {2, "   Med     "}, {9, "   Med     "},
      {3, "   hard     "}, {10, "   hard     "}, {4, ">= Med   "},   {5, "<= Med   "},
      {6, "--never--  "},  {7, "--never--  "},   {11, ""},           {200, ""},
  };
  for (const auto& [difficulty, column] : cases) {
    m.flightGroups[0].set(fg::ArrivalDifficulty, difficulty);
    EXPECT_EQ(listLine(m, v, 0, false), "1    0  -  0 " + column + "1  x  [ 2 ]  Arrow  Red")
        << int(difficulty);
  }
}

TEST_F(Descriptions, GlobalUnitNumbersCountCraftPerUnit) {
  // 2, 3 and 1 craft in unit 5 number 1, 3, 6; a group of another unit between them does not
  // disturb the count, and units outside 1..50 get no number.
  m.flightGroups.insert(m.flightGroups.begin() + 1, group("Other", 1, 4));
  m.flightGroups.push_back(group("Far", 1, 2));
  for (std::size_t i : {0, 2, 3}) m.flightGroups[i].set(fg::GlobalUnit, u8{5});
  m.flightGroups[1].set(fg::GlobalUnit, u8{50});
  m.flightGroups[4].set(fg::GlobalUnit, u8{51});
  EXPECT_EQ(globalUnitNumbers(m), (std::vector<int>{1, 1, 3, 6, 0}));
  for (std::size_t i = 0; i < m.flightGroups.size(); ++i)
    EXPECT_EQ(globalUnitNumber(m, i), globalUnitNumbers(m)[i]);

  EXPECT_EQ(listLine(m, v, 3, false),
            "1    0  -  5 " + std::string(15, ' ') + "1  x  [ 1 ]  Freighter  Hauler 6");
  EXPECT_EQ(listLine(m, v, 4, false).substr(0, 14), "1    0  -  33 ");
  EXPECT_EQ(nameList(m, v),
            (std::vector<std::string>{"Arrow Red 1", "Arrow Other 1", "Lancer Gold 3",
                                      "Freighter Hauler 6", "Arrow Far"}));
}

TEST_F(Descriptions, NameListShowsPlayerInsteadOfUnit) {
  m.flightGroups[1].set(fg::GlobalUnit, u8{2});
  m.flightGroups[1].set(fg::PlayerNumber, u8{1});
  EXPECT_EQ(nameListEntry(m, v, 1), "Lancer Gold (1)");
  // The list line keeps the unit number of a player group.
  EXPECT_EQ(listLine(m, v, 1, false), "1    0  -  2    Plr: 1    1  x  [ 3 ]  Lancer  Gold 1");
}

TEST_F(Descriptions, RoleMarksAndGoalSummary) {
  auto& g = m.flightGroups[0];
  const std::string base = listLine(m, v, 0, false);
  g.setText(fg::Roles, "1mis2PRI");
  EXPECT_EQ(listLine(m, v, 0, false), base + " * ^");
  g.setText(fg::Roles, "aPRI");
  EXPECT_EQ(listLine(m, v, 0, false), base + " ^");

  // A blank separates the summary only when no role mark was written.
  g.setText(fg::Roles, "");
  setGoal(g, 0, 1, 2, 1);
  EXPECT_EQ(listLine(m, v, 0, true), base + "  [2Nd]");
  g.setText(fg::Roles, "1MIS");
  EXPECT_EQ(listLine(m, v, 0, true), base + " * [2Nd]");
  // Without goals in use the summary switch only adds the blank.
  g.setText(fg::Roles, "");
  setGoal(g, 0, 1, 10, 1);
  EXPECT_EQ(listLine(m, v, 0, true), base + " ");
}

TEST(GoalSummary, CodesBracketsAndBonus) {
  auto g = group("X", 1, 1);
  const std::pair<int, std::string> codes[] = {
      {1, "a"},  {2, "d"},  {4, "c"},   {5, "i"},  {6, "b"}, {7, "dk"},
      {8, "di"}, {12, "m"}, {44, "bg"}, {45, "w"}, {3, "*"}, {0, "*"},
  };
  for (const auto& [condition, code] : codes) EXPECT_EQ(goalConditionCode(condition), code);

  setGoal(g, 0, 2, 2, 0);  // bonus before any plain goal
  setGoal(g, 1, 0, 1, 0);
  setGoal(g, 3, 3, 5, 4);  // a second bonus goal adds nothing
  setGoal(g, 5, 1, 44, 9);
  setGoal(g, 7, 0, 3, 2);
  EXPECT_EQ(goalSummary(g), "+ [1a10Nbg3*]");

  auto bonusOnly = group("Y", 1, 1);
  setGoal(bonusOnly, 4, 3, 2, 0);
  EXPECT_EQ(goalSummary(bonusOnly), "+");
  EXPECT_EQ(goalSummary(group("Z", 1, 1)), "");
}

TEST_F(Descriptions, TeamNameListAndShortDescription) {
  m.teams[9].setText(model::team::Name, "Pirates");
  const auto teams = teamNameList(m);
  ASSERT_EQ(teams.size(), 10u);
  EXPECT_EQ(teams[0], "1.Imperial");
  EXPECT_EQ(teams[1], "2.Rebel");
  EXPECT_EQ(teams[2], "3.");
  EXPECT_EQ(teams[9], "10.Pirates");
  // The short description keeps the name as stored, blanks included.
  EXPECT_EQ(shortDescription(m.flightGroups[0], v), "[2] Arrow   Red  ");
}

TEST_F(Descriptions, ListColours) {
  auto& g = m.flightGroups[0];
  const std::pair<u8, model::Rgb> cases[] = {
      {0, {0, 255, 0}}, {1, {255, 0, 0}},    {2, {0, 128, 255}}, {3, {255, 255, 0}},
      {4, {255, 0, 0}}, {5, {171, 87, 255}}, {6, {0, 128, 255}}, {200, {0, 128, 255}},
  };
  for (const auto& [iff, rgb] : cases) {
    g.set(fg::Iff, iff);
    EXPECT_EQ(listColour(g), rgb) << int(iff);
  }
  for (u8 never : {6, 7}) {
    g.set(fg::ArrivalDifficulty, never);
    EXPECT_EQ(listColour(g), model::Grey);
  }
  g.set(fg::ArrivalDifficulty, u8{8});
  EXPECT_EQ(listColour(g), (model::Rgb{0, 128, 255}));
}

TEST_F(Descriptions, TargetOfEveryType) {
  m.teams[2].setText(model::team::Name, "  Osm  ");
  m.teams[9].setText(model::team::Name, "Tenth");
  EXPECT_EQ(describeTarget(m, v, 0, 7), "");
  EXPECT_EQ(describeTarget(m, v, 1, 1), "Lancer Gold");
  EXPECT_EQ(describeTarget(m, v, 1, 3), "FG#3");  // one past the last group
  EXPECT_EQ(describeTarget(m, v, 1, 255), "FG#255");
  EXPECT_EQ(describeTarget(m, v, 2, 1), "Lancers");  // craft table entry value + 1
  EXPECT_EQ(describeTarget(m, v, 3, 1), "Transport craft");
  EXPECT_EQ(describeTarget(m, v, 4, 0), "Space craft");
  EXPECT_EQ(describeTarget(m, v, 5, 1), "Imperials");
  EXPECT_EQ(describeTarget(m, v, 6, 7), "Craft order: Attack targets");
  EXPECT_EQ(describeTarget(m, v, 7, 1), "inspected");
  EXPECT_EQ(describeTarget(m, v, 8, 12), "GGroup 12");
  EXPECT_EQ(describeTarget(m, v, 23, 4), "GUnit 4");
  EXPECT_EQ(describeTarget(m, v, 12, 1), "Team Rebel");
  EXPECT_EQ(describeTarget(m, v, 12, 2), "Team Osm");
  EXPECT_EQ(describeTarget(m, v, 21, 0), "All teams but Imperial");
  // Team 10's entry "10.Tenth" loses its whole number, not just two characters.
  EXPECT_EQ(describeTarget(m, v, 12, 9), "Team Tenth");
  // A team without a name shows its entry; a value past the ten says so, numbered as the list.
  EXPECT_EQ(describeTarget(m, v, 12, 4), "Team 5.");
  EXPECT_EQ(describeTarget(m, v, 12, 10), "team value 11, not in the team list");
  EXPECT_EQ(describeTarget(m, v, 21, 200), "All teams but team value 201, not in the team list");
  EXPECT_EQ(describeTarget(m, v, 9, 3), "9? 3");
  // Values beyond a table give an empty entry.
  EXPECT_EQ(describeTarget(m, v, 5, 9), "s");
}

TEST_F(Descriptions, Triggers) {
  auto t = trig(0, 1, 0, 0);
  EXPECT_EQ(describeTrigger(m, v, t), "(Always true)");
  t = trig(10, 1, 0, 0);
  EXPECT_EQ(describeTrigger(m, v, t), "(Never true)");
  t = trig(2, 1, 2, 0);
  EXPECT_EQ(describeTrigger(m, v, t), "100% of Freighter Hauler must be destroyed");
  t = trig(1, 1, 9, 4);
  EXPECT_EQ(describeTrigger(m, v, t), "At least one of FG#9 must arrive");
  // Amount and condition beyond their tables leave their parts out.
  t = trig(40, 5, 0, 30);
  EXPECT_EQ(describeTrigger(m, v, t), "Rebels");
}

TEST_F(Descriptions, Orders) {
  std::array<u8, model::order::Size> o{};
  namespace od = model::order;
  // Order 0 takes no targets: "(No Order)", whatever its box's entry.
  EXPECT_EQ(describeOrder(m, v, o), "(No Order)");
  model::set<u8>(o, od::Target3Type, 1);
  model::set<u8>(o, od::Target3, 2);
  EXPECT_EQ(describeOrder(m, v, o), "(No Order)  /  Freighter Hauler");

  model::set<u8>(o, od::Command, 7);
  model::set<u8>(o, od::Target1Type, 1);
  model::set<u8>(o, od::Target1, 0);
  EXPECT_EQ(describeOrder(m, v, o), "Attack targets:  Arrow Red  /  Freighter Hauler");
  model::set<u8>(o, od::Target2Type, 5);
  model::set<u8>(o, od::Target2, 1);
  model::set<u8>(o, od::Target1Or2, 1);
  model::set<u8>(o, od::Target4Type, 2);
  model::set<u8>(o, od::Target4, 3);
  EXPECT_EQ(describeOrder(m, v, o),
            "Attack targets:  Arrow Red or Imperials  /  Freighter Hauler only if Stations");
  // An empty target 3 leaves target 4 alone, as an empty target 1 does target 2.
  model::set<u8>(o, od::Target3Type, 0);
  EXPECT_EQ(describeOrder(m, v, o), "Attack targets:  Arrow Red or Imperials  /  Stations");
}

TEST_F(Descriptions, Goals) {
  std::array<u8, model::goal::Size> g{};
  namespace gl = model::goal;
  model::set<u8>(g, gl::Condition, 10);
  EXPECT_EQ(describeGoal(m, v, g), "<None>");
  model::set<u8>(g, gl::Condition, 2);
  model::set<u8>(g, gl::Argument, 1);
  model::set<u8>(g, gl::Amount, 2);
  model::set<u8>(g, gl::Team, 1);
  EXPECT_EQ(describeGoal(m, v, g), "50% of it must NOT be destroyed  - Team Rebel");
  model::set<std::int8_t>(g, gl::Points, -4);
  model::set<u8>(g, gl::Team, 0);
  EXPECT_EQ(describeGoal(m, v, g), "50% of it must NOT be destroyed : -1000 Pts  - Team Imperial");
  model::set<u8>(g, gl::Team, 10);
  EXPECT_EQ(describeGoal(m, v, g),
            "50% of it must NOT be destroyed : -1000 Pts  - team value 11, not in the team list");
}

namespace fs = std::filesystem;

std::pair<int, std::string> runListCli(const fs::path& dir, const std::string& args) {
  const auto run = testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.string(), args);
  return {run.status, run.out};
}

}  // namespace

TEST(ListCommand, PrintsListLinesThenNameListInUtf8) {
  testsupport::TempDir dir;
  const fs::path editor = dir.path() / "editor";
  fs::create_directories(editor);
  std::ofstream(editor / "Ships.txt", std::ios::binary) << "(None)\r\nCaf\xe9 Runner\r\nLancer\r\n";

  model::Mission m;
  m.newMission();
  m.addFlightGroup();
  m.flightGroups[1].set(fg::CraftType, u8{2});
  m.flightGroups[1].setText(fg::Name, "Gr\xfcn");
  m.flightGroups[1].set(fg::GlobalUnit, u8{3});
  setGoal(m.flightGroups[1], 0, 0, 2, 1);
  const std::string file = (dir.path() / "m.kre").string();
  ASSERT_TRUE(model::saveMissionFile(m, file).ok);

  const auto [status, out] =
      runListCli(dir.path(), "list '" + file + "' --goals --editor-dir '" + editor.string() + "'");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out,
            "1    0  -  0    Plr: 1    1  x  [ 1 ]  Caf\u00e9 Runner  Unnamed \n"
            "1    0  -  3 " +
                std::string(15, ' ') +
                "1  x  [ 1 ]  Lancer  Gr\u00fcn 1  [2d]\n"
                "\n"
                "Caf\u00e9 Runner Unnamed (1)\n"
                "Lancer Gr\u00fcn 1\n");

  const auto plain =
      runListCli(dir.path(), "list '" + file + "' --editor-dir '" + editor.string() + "'");
  EXPECT_EQ(plain.second.substr(0, plain.second.find('\n')),
            "1    0  -  0    Plr: 1    1  x  [ 1 ]  Caf\u00e9 Runner  Unnamed");
  EXPECT_EQ(runListCli(dir.path(), "list").first, 2);
  EXPECT_EQ(runListCli(dir.path(), "list '" + (dir.path() / "missing.kre").string() + "'").first,
            1);
}
