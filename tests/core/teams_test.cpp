#include <gtest/gtest.h>

#include "editing/teams.h"

using namespace editing;
using model::u8;
namespace fg = model::fg;

TEST(TeamIff, ImperialAndRebelRenameOthersKeepTheName) {
  model::Mission m;
  m.newMission();
  m.teams[2].setText(model::team::Name, "Osmira");
  setTeamIff(m, 2, 2);
  EXPECT_EQ(m.teams[2].name(), "Osmira");
  EXPECT_EQ(m.teamIff[2], 2);
  setTeamIff(m, 2, 1);
  EXPECT_EQ(m.teams[2].name(), "Imperial");
  setTeamIff(m, 2, 0);
  EXPECT_EQ(m.teams[2].name(), "Rebel");
}

TEST(TeamIff, CombatMissionsWarnAboutTeamsOneAndTwo) {
  const std::string t1 = "You shouldn't do that. In Combat Missions, Team 1 must be Imperial";
  const std::string t2 = "You shouldn't do that. In Combat Missions, Team 2 must be Rebel";
  EXPECT_EQ(teamIffWarning(model::MultiplayerCombat, 0, 0), t1);
  EXPECT_EQ(teamIffWarning(model::MultiplayerCombat, 1, 1), t2);
  EXPECT_FALSE(teamIffWarning(model::MultiplayerCombat, 0, 1));
  EXPECT_FALSE(teamIffWarning(model::MultiplayerCombat, 1, 0));
  EXPECT_FALSE(teamIffWarning(model::MultiplayerCombat, 2, 3));
  EXPECT_FALSE(teamIffWarning(model::Training, 0, 0));
}

TEST(TeamRadio, LinksEveryGroupOfTheTeamOnly) {
  model::Mission m;
  m.newMission();
  m.flightGroups.resize(3, m.flightGroups[0]);
  m.flightGroups[0].set(fg::Team, u8{2});
  m.flightGroups[2].set(fg::Team, u8{2});
  m.teams[2].setText(model::team::Name, "Osmira");
  EXPECT_EQ(linkTeamByRadio(m, 2), 2);
  EXPECT_EQ(m.flightGroups[0].get(fg::Radio), 3);
  EXPECT_EQ(m.flightGroups[1].get(fg::Radio), 0);
  EXPECT_EQ(m.flightGroups[2].get(fg::Radio), 3);
  EXPECT_EQ(radioLinkNotice(m, 2), "Team 3.Osmira has been linked by Radio");
  // Radio values from 9 up name players: teams 9 and 10 cannot be linked.
  m.flightGroups[1].set(fg::Team, u8{8});
  EXPECT_FALSE(teamRadio(8));
  EXPECT_EQ(linkTeamByRadio(m, 8), 0);
  EXPECT_EQ(m.flightGroups[1].get(fg::Radio), 0);
}

TEST(GlobalGoalStrings, RowsPerGoalSet) {
  auto rows = goalStringRows(PreventGoals);
  EXPECT_TRUE(rows[0].visible && rows[1].visible && !rows[2].visible);
  EXPECT_EQ(rows[1].caption, "   Failed");
  EXPECT_EQ(rows[1].tint, GoalStringRow::Red);
  rows = goalStringRows(SecondaryGoals);
  EXPECT_TRUE(!rows[0].visible && rows[1].visible && !rows[2].visible);
  EXPECT_EQ(rows[1].caption, "Success");
  rows = goalStringRows(PrimaryGoals);
  EXPECT_TRUE(rows[0].visible && rows[1].visible && rows[2].visible);
}
