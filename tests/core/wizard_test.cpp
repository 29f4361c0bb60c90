// The new-mission wizard's builder, its refusals in zyned-cli new, and the formation table.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "editing/wizard.h"
#include "map/formations.h"
#include "model/mission_file.h"
#include "shell/settings_file.h"
#include "shell/vocabulary.h"
#include "temp_dir.h"

namespace {

using editing::WizardChoices;
using editing::WizardKind;
namespace fg = model::fg;
namespace order = model::order;

// What one generated flight group must hold.
struct Group {
  std::string name;
  int iff, team, player, globalUnit;
};

struct WizardCase {
  const char* label;
  WizardChoices choices;
  int missionType;
  std::vector<std::string> teamNames;  // team records 1, 2, ...
  std::vector<Group> groups;
  std::vector<int> firstOrder;  // Command, Target1Type, Target1, Target2Type, Target2, Target1Or2
};

WizardChoices melee(int teams) {
  WizardChoices c;
  c.kind = WizardKind::Melee;
  c.meleeTeams = teams;
  return c;
}

std::vector<Group> meleeEight() {
  const char* words[] = {"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight"};
  std::vector<Group> g;
  for (int i = 0; i < 8; ++i) g.push_back({words[i], 2, i, i + 1, i + 1});
  return g;
}

TEST(Wizard, BuildsEachKindOfMission) {
  WizardChoices combat4;
  combat4.kind = WizardKind::Combat;
  combat4.combatPlayers = 4;
  WizardChoices training1;
  training1.trainingPlayers = 1;
  training1.trainingRebel = false;
  WizardChoices noOrders = melee(4);
  noOrders.defaultOrders = false;

  const std::vector<WizardCase> cases{
      {"melee 8 teams",
       melee(8),
       model::Melee,
       {"One", "Two", "Eight"},
       meleeEight(),
       {7, 3, 0, 21, 0, 0}},
      {"melee 2 teams",
       melee(2),
       model::Melee,
       {"Red", "Blue"},
       {{"Red", 1, 0, 1, 1},
        {"Red", 1, 0, 2, 1},
        {"Red", 1, 0, 3, 1},
        {"Red", 1, 0, 4, 1},
        {"Blue", 2, 1, 5, 2},
        {"Blue", 2, 1, 6, 2},
        {"Blue", 2, 1, 7, 2},
        {"Blue", 2, 1, 8, 2}},
       {7, 3, 0, 21, 0, 0}},
      {"combat 4 players",
       combat4,
       model::MultiplayerCombat,
       {"Imperial", "Rebel"},
       {{"Unnamed", 1, 0, 1, 0},
        {"Unnamed", 1, 0, 2, 0},
        {"Unnamed", 0, 1, 3, 0},
        {"Unnamed", 0, 1, 4, 0}},
       {7, 0, 0, 5, 0, 1}},
      {"training 1 imperial",
       training1,
       model::Training,
       {"Imperial", "Rebel"},
       {{"Unnamed", 1, 0, 1, 0}},
       {7, 0, 0, 5, 0, 1}},
      {"melee 4 teams without orders",
       noOrders,
       model::Melee,
       {"Red", "Gold", "Blue", "Green"},
       {{"Red", 1, 0, 1, 1},
        {"Red", 1, 0, 2, 1},
        {"Gold", 3, 1, 3, 2},
        {"Gold", 3, 1, 4, 2},
        {"Blue", 2, 2, 5, 3},
        {"Blue", 2, 2, 6, 3},
        {"Green", 0, 3, 7, 4},
        {"Green", 0, 3, 8, 4}},
       {}},
  };
  for (const WizardCase& c : cases) {
    SCOPED_TRACE(c.label);
    model::Mission m;
    m.newMission();
    m.flightGroups[0].setText(fg::Name, "Old");
    editing::buildWizardMission(m, c.choices);
    EXPECT_EQ(m.missionType(), c.missionType);
    ASSERT_EQ(m.flightGroups.size(), c.groups.size());
    EXPECT_EQ(m.header.get(model::header::FlightGroupCount), c.groups.size());
    if (c.teamNames.size() == 3) {  // first, second and last of eight
      EXPECT_EQ(m.teams[0].name(), c.teamNames[0]);
      EXPECT_EQ(m.teams[1].name(), c.teamNames[1]);
      EXPECT_EQ(m.teams[7].name(), c.teamNames[2]);
    } else {
      for (std::size_t t = 0; t < c.teamNames.size(); ++t)
        EXPECT_EQ(m.teams[t].name(), c.teamNames[t]) << "team " << t;
    }
    for (std::size_t i = 0; i < c.groups.size(); ++i) {
      const model::FlightGroup& g = m.flightGroups[i];
      const Group& want = c.groups[i];
      EXPECT_EQ(g.name(), want.name) << i;
      EXPECT_EQ(g.get(fg::Iff), want.iff) << i;
      EXPECT_EQ(g.get(fg::Team), want.team) << i;
      EXPECT_EQ(g.get(fg::PlayerNumber), want.player) << i;
      EXPECT_EQ(g.get(fg::GlobalUnit), want.globalUnit) << i;
      const bool isMelee = c.missionType == model::Melee;
      EXPECT_EQ(g.get(fg::WaveCount), isMelee ? 99 : 0) << i;
      EXPECT_EQ(g.get(fg::OptionalCraftCategory), isMelee ? 1 : 0) << i;
      const model::CBytes o = g.orderBytes(0);
      if (c.firstOrder.empty()) {
        // Order 1 as the template has it.
        EXPECT_TRUE(
            std::equal(o.begin(), o.end(), m.newFlightGroupTemplate({}).orderBytes(0).begin()));
        continue;
      }
      const std::vector<int> got{model::get(o, order::Command), model::get(o, order::Target1Type),
                                 model::get(o, order::Target1), model::get(o, order::Target2Type),
                                 model::get(o, order::Target2), model::get(o, order::Target1Or2)};
      std::vector<int> want1 = c.firstOrder;
      if (isMelee) want1[4] = want.team;  // all teams but its own
      if (c.missionType == model::MultiplayerCombat) want1[4] = want.iff == 1 ? 0 : 1;
      EXPECT_EQ(got, want1) << i;
    }
  }
}

TEST(Wizard, TrainingSidesAndCounts) {
  for (int players : {1, 2, 8}) {
    WizardChoices c;
    c.trainingPlayers = players;
    model::Mission m;
    editing::buildWizardMission(m, c);
    EXPECT_EQ(m.flightGroups.size(), static_cast<std::size_t>(players));
    EXPECT_EQ(m.missionType(), players == 8 ? model::MultiplayerTraining : model::Training);
    EXPECT_EQ(m.teams[0].name(), "Rebel");
    EXPECT_EQ(m.flightGroups.back().get(fg::Iff), 0);
    EXPECT_EQ(model::get(m.flightGroups.back().orderBytes(0), order::Target2), 1);
  }
}

TEST(Wizard, RefusesValuesTheDialogDoesNotOffer) {
  WizardChoices c;
  c.kind = WizardKind::Combat;
  c.combatPlayers = 3;
  EXPECT_EQ(editing::wizardChoiceError(c), "a combat mission is for 2, 4 or 8 players");
  c.kind = WizardKind::Training;
  EXPECT_FALSE(editing::wizardChoiceError(c));
  c.trainingPlayers = 4;
  EXPECT_EQ(editing::wizardChoiceError(c), "a training mission is for 1, 2 or 8 players");
  EXPECT_EQ(editing::wizardChoiceError(melee(3)), "a melee has 2, 4 or 8 teams");
}

TEST(WizardCli, WritesTheWizardsMissionOrRefuses) {
  testsupport::TempDir dir;
  const std::string out = dir / "w.kre";
  auto run = [&](const std::string& args) {
    return testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(), "new --format 14 " + args);
  };
  testsupport::CliRun r = run("--wizard melee --teams 2 --no-default-orders '" + out + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  model::Mission m;
  ASSERT_TRUE(model::loadMissionFile(out, m).ok());
  model::Mission want;
  WizardChoices c = melee(2);
  c.defaultOrders = false;
  editing::buildWizardMission(want, c);
  EXPECT_EQ(model::writeMission(m), model::writeMission(want));

  // New flight groups follow the settings, plain or from the wizard, as in the editor.
  shell::Settings s;
  s.defaultShip = 7;
  s.defaultAI = 3;
  ASSERT_TRUE(shell::writeSettings(shell::settingsFilePath(dir.str()), s));
  for (const std::string args : {"", "--wizard training --players 2 "}) {
    r = run(args + "'" + out + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(model::loadMissionFile(out, m).ok());
    for (const model::FlightGroup& g : m.flightGroups) {
      EXPECT_EQ(g.get(fg::CraftType), 7) << args;
      EXPECT_EQ(g.get(fg::AiRank), 3) << args;
    }
  }

  for (const char* bad :
       {"--wizard combat --players 3", "--wizard training --players 4", "--wizard melee --teams 5",
        "--wizard melee --players 2", "--wizard combat --iff rebel", "--wizard training --teams 2",
        "--wizard training --iff green", "--wizard raid", "--players 2"}) {
    std::filesystem::remove(out);
    r = run(std::string(bad) + " '" + out + "'");
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.err.find("zyned-cli new: "), std::string::npos) << bad;
    EXPECT_FALSE(std::filesystem::exists(out)) << bad;
  }
  EXPECT_NE(run("--wizard combat --players 3 x.kre").err.find("2, 4 or 8 players"),
            std::string::npos);
}

TEST(Formations, TableMatchesTheFormationNamesAndSpotValues) {
  shell::Vocabulary v;
  for (int n = 0; n < map::FormationCount; ++n)
    EXPECT_EQ(map::formation(n).name, v.text(shell::tables::Form, n)) << n;
  EXPECT_EQ(map::formation(0).count, 6u);
  EXPECT_EQ(map::formation(34).count, 5u);
  const map::GridPoint p = map::formation(29).craft[1];  // Side Pentagon, craft 2
  EXPECT_DOUBLE_EQ(p.x, 3);
  EXPECT_DOUBLE_EQ(p.y, 4.7);
  EXPECT_DOUBLE_EQ(p.z, 2.4);
  EXPECT_DOUBLE_EQ(map::formation(1).craft[3].x, 0.5);  // Finger Four, craft 4
  EXPECT_DOUBLE_EQ(map::formation(17).craft[0].z, 6);   // Wing Forward, craft 1
  EXPECT_EQ(map::previousFormation(0), 34);
  EXPECT_EQ(map::nextFormation(34), 0);
}

TEST(Formations, MarksInTheThreeViews) {
  // Vic, craft 1 at (3, 2, 3).
  const auto marks = map::formationMarks(0, false, 1);
  ASSERT_EQ(marks.size(), 18u);
  EXPECT_EQ(marks[0].view, map::FormationView::Top);
  EXPECT_EQ(std::vector<int>({marks[0].x, marks[0].y, marks[0].labelX, marks[0].labelY}),
            std::vector<int>({92, 190, 102, 200}));
  EXPECT_EQ(std::vector<int>({marks[1].x, marks[1].y, marks[1].labelX}),
            std::vector<int>({92, 44, 104}));
  EXPECT_EQ(std::vector<int>({marks[2].x, marks[2].y, marks[2].labelY}),
            std::vector<int>({290, 44, 53}));
  // Only the group's own craft when asked; the single point has five.
  EXPECT_EQ(map::formationMarks(12, true, 2).size(), 6u);
  EXPECT_EQ(map::formationMarks(34, false, 1).back().number, 5);
  // Flat Hexagon craft 1: x 30 + 31 * 1.8 = 85.8 -> 86.
  EXPECT_EQ(map::formationMarks(31, false, 0)[0].x, 86);
}

// The wizard's groups are made from the settings' new-group template, as New Mission's are.
TEST(Wizard, GroupsFollowTheDefaultsOfNewFlightGroups) {
  model::MissionDefaults d;
  d.defaultShip = 5;
  d.defaultAI = 4;
  d.enableWPs = false;
  for (auto kind :
       {editing::WizardKind::Training, editing::WizardKind::Combat, editing::WizardKind::Melee}) {
    editing::WizardChoices c;
    c.kind = kind;
    model::Mission m;
    editing::buildWizardMission(m, c, d);
    ASSERT_EQ(m.flightGroups.size(), 8u);
    for (const model::FlightGroup& g : m.flightGroups) {
      EXPECT_EQ(g.get(model::fg::CraftType), 5);
      EXPECT_EQ(g.get(model::fg::AiRank), 4);
      EXPECT_FALSE(g.enabled(model::Waypoint1));
    }
  }
}

}  // namespace
