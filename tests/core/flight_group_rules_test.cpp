#include <gtest/gtest.h>

#include "editing/flight_group_rules.h"
#include "map/craft_types.h"

using namespace editing;
using namespace model;

TEST(RoleString, PacksInBoxOrderAndCutsAFifthEntry) {
  RoleBoxes b;
  b.team[1] = 6;  // team 2 primary target
  b.allTeams = 5;
  auto p = packRoles(b);
  EXPECT_EQ(p.text, "aMIS2PRI");
  EXPECT_FALSE(p.truncated);

  b = RoleBoxes{1, {2, 3, 4, 12}};
  p = packRoles(b);
  EXPECT_TRUE(p.truncated);
  EXPECT_EQ(p.text, "aBAS1COM2CON3MAN");
  // What was kept reads back as All plus teams 1 to 3.
  EXPECT_EQ(unpackRoles(p.text), (RoleBoxes{1, {2, 3, 4, 0}}));

  EXPECT_EQ(packRoles(RoleBoxes{}).text, "");
  // Four entries fill 16 of the 19 characters and are no cut.
  EXPECT_FALSE(packRoles(RoleBoxes{0, {1, 1, 1, 1}}).truncated);
}

TEST(RoleString, ReadsCaseInsensitivelyAndSkipsTeamsWithoutABox) {
  EXPECT_EQ(unpackRoles("Apri6STA3sec"), (RoleBoxes{6, {0, 0, 9, 0}}));
  // A role for team 6 has no box; the entries after it are still read.
  EXPECT_EQ(unpackRoles("6BAS1TER"), (RoleBoxes{0, {12, 0, 0, 0}}));
  // Reading stops at a character that names no team; an unknown role leaves its box empty.
  EXPECT_EQ(unpackRoles("1XYZ2BASzz3MIS"), (RoleBoxes{0, {0, 1, 0, 0}}));
  // A short last entry does not read past the end.
  EXPECT_EQ(unpackRoles("1BA"), (RoleBoxes{}));
  EXPECT_EQ(unpackRoles(""), (RoleBoxes{}));
}

TEST(OptionalWeapons, PacksChosenItemsAndReadsThemBack) {
  // Items 2 and 5 (0-based positions in the list without "None") store 3, 6, then zeros.
  const auto packed = packOptions({5, 2}, 8);
  EXPECT_EQ(packed, (std::vector<std::uint8_t>{3, 6, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(unpackOptions(packed), (std::vector<int>{2, 5}));
  // More choices than bytes keep the first ones.
  EXPECT_EQ(packOptions({0, 1, 2, 3, 4}, 3), (std::vector<std::uint8_t>{1, 2, 3}));
  // Bytes scattered with gaps in a file read as the same choices.
  EXPECT_EQ(unpackOptions({0, 4, 0, 1}), (std::vector<int>{0, 3}));
}

TEST(SpecialCraft, OutsideStaysOutsideAndInsideStays) {
  // Three craft, special craft 3 (outside the group): four craft make it 4.
  EXPECT_EQ(specialCraftAfterCount(3, 3, 4), 4);
  EXPECT_EQ(specialCraftAfterCount(1, 3, 4), 1);
  // The last craft of three stays special when a fourth joins.
  EXPECT_EQ(specialCraftAfterCount(2, 3, 4), 2);
  // Shrinking keeps a craft that is still in the group, and moves one that left outside.
  EXPECT_EQ(specialCraftAfterCount(1, 3, 2), 1);
  EXPECT_EQ(specialCraftAfterCount(2, 3, 2), 2);
  EXPECT_EQ(specialCraftAfterCount(5, 3, 1), 1);
}

namespace {
Mission fresh() {
  Mission m;
  m.newMission();
  return m;
}
}  // namespace

TEST(AutoLink, CraftTypeChoosesIffAndTeam) {
  Mission m = fresh();  // team 1 Imperial (IFF 1), team 2 Rebel (IFF 0)
  m.teamIff[1] = 0;
  m.teams[1].setText(team::Name, "Rebel");
  FlightGroup g = m.flightGroups[0];
  g.set(fg::CraftType, u8{2});
  applyCraftTypeAutoLink(m, g);
  EXPECT_EQ(g.get(fg::Iff), 0);
  EXPECT_EQ(g.get(fg::Team), 1);
  g.set(fg::CraftType, u8{53});
  applyCraftTypeAutoLink(m, g);
  EXPECT_EQ(g.get(fg::Iff), 1);
  EXPECT_EQ(g.get(fg::Team), 0);
  // A type of neither side changes nothing.
  g.set(fg::CraftType, u8{30});
  g.set(fg::Team, u8{4});
  applyCraftTypeAutoLink(m, g);
  EXPECT_EQ(g.get(fg::Team), 4);
}

TEST(AutoLink, TeamGivesItsIff) {
  Mission m = fresh();
  m.teamIff[2] = 3;
  FlightGroup g = m.flightGroups[0];
  g.set(fg::Team, u8{2});
  applyTeamAutoLink(m, g);
  EXPECT_EQ(g.get(fg::Iff), 3);
  g.set(fg::Iff, u8{5});
  g.set(fg::Team, u8{200});  // a team the Mission does not have: the IFF stays
  applyTeamAutoLink(m, g);
  EXPECT_EQ(g.get(fg::Iff), 5);
}

TEST(AutoLink, TeamChoice) {
  Mission m = fresh();
  m.teamIff = {2, 3, 3, 1, 0, 2, 2, 2, 2, 2};
  EXPECT_EQ(autoLinkTeam(m, Side::Rebel), 4);
  EXPECT_EQ(autoLinkTeam(m, Side::Imperial), 3);
  // A team named "Empire" before the first Imperial IFF is remembered but the scan goes on.
  m.teams[1].setText(team::Name, " empire ");
  EXPECT_EQ(autoLinkTeam(m, Side::Imperial), 3);
  m.teamIff[3] = 2;
  EXPECT_EQ(autoLinkTeam(m, Side::Imperial), 1);
  m.teams[1].setText(team::Name, "");
  EXPECT_EQ(autoLinkTeam(m, Side::Imperial), 0);  // no match: team 1
  // No Rebel team among teams 1 to 8: the team is left alone.
  m.teamIff = {2, 2, 2, 2, 2, 2, 2, 2, 0, 0};
  EXPECT_EQ(autoLinkTeam(m, Side::Rebel), std::nullopt);
  // Multiplayer combat fixes the teams.
  m.header.set(header::MissionType, u8{MultiplayerCombat});
  EXPECT_EQ(autoLinkTeam(m, Side::Rebel), 1);
  EXPECT_EQ(autoLinkTeam(m, Side::Imperial), 0);
}

TEST(PlayableCraft, WarningsByFormat) {
  EXPECT_EQ(playableWarning(54, FormatBase), OnlyInExpansionWarning);
  EXPECT_EQ(playableWarning(54, FormatExpansion), "");
  EXPECT_EQ(playableWarning(0, FormatExpansion), NoSlotWarning);
  EXPECT_EQ(playableWarning(89, FormatBase), NoSlotWarning);
  EXPECT_EQ(playableWarning(93, FormatExpansion), NoSlotWarning);
  EXPECT_EQ(playableWarning(1, FormatBase), "");
  EXPECT_TRUE(map::isPlayerCraft(16));
  EXPECT_FALSE(map::isPlayerCraft(10));
  EXPECT_FALSE(map::isPlayerCraft(0));
}

TEST(Markings, NameSetsMarkingsShiftedForSomeCraft) {
  EXPECT_EQ(markingsForName("Rogue", 6), 1);
  EXPECT_EQ(markingsForName("Rogue", 1), 0);
  EXPECT_EQ(markingsForName("green", 7), 3);  // already the last item: not raised
  EXPECT_EQ(markingsForName("BLUE", 9), 3);
  EXPECT_EQ(markingsForName("Yellow", 10), 1);
  // Compared without trimming: a blank makes it another name.
  EXPECT_EQ(markingsForName("Red ", 1), std::nullopt);
  EXPECT_EQ(markingsForName("Redwing", 1), std::nullopt);
}

TEST(TypedNumbers, OnlyWholeNumbersAreAccepted) {
  EXPECT_EQ(parseInteger(" 42 "), 42);
  EXPECT_EQ(parseInteger("-7"), -7);
  EXPECT_EQ(parseInteger("+7"), 7);
  EXPECT_EQ(parseInteger("+-7"), std::nullopt);
  EXPECT_EQ(parseInteger("4x"), std::nullopt);
  EXPECT_EQ(parseInteger(""), std::nullopt);
  EXPECT_EQ(parseInteger("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(notAnIntegerMessage("abc").english(), "'abc' is not a valid integer value");
}

TEST(OptionalCraft, RowText) {
  FlightGroup g;
  EXPECT_EQ(optionalCraftRow(g, 2, "Dart"), "<None>");
  g.set(fg::OptionalCraftCount, u8{3}, 2);
  g.set(fg::OptionalCraftWaves, u8{1}, 2);
  EXPECT_EQ(optionalCraftRow(g, 2, "Dart"), "2 x [ 3 ]  Dart");
}
