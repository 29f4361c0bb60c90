#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/triggers.h"
#include "map/craft_types.h"
#include "model/mission.h"
#include "shell/error_check.h"

namespace {

using model::u8;
namespace fg = model::fg;
namespace order = model::order;

constexpr int Fighter = 1;     // a craft-class type that both formats have
constexpr int Container = 70;  // an object counted once per craft
constexpr int Mine = 76;       // an object counted as a square field
constexpr int Capital = 46;    // a capital ship in both formats
constexpr int ExpansionOnly = 54;

class ErrorCheck : public ::testing::Test {
 protected:
  ErrorCheck() {
    // Known craft names make the expected texts readable.
    std::vector<std::string> ships;
    for (int t = 0; t < 93; ++t) ships.push_back("Craft" + std::to_string(t));
    vocabulary.setTable("Ships", ships);
    m.newMission();  // one flight group flown by player 1 on team 1, Training
    m.platformId = model::FormatExpansion;
    m.flightGroups[0].setText(fg::Name, "Lead");
  }

  // Appends a flight group and returns its index.
  std::size_t add(int type, int count, int player = 0, int team = 0, const char* name = "Wing") {
    const auto i = static_cast<std::size_t>(m.addFlightGroup());
    auto& g = m.flightGroups[i];
    g.set(fg::CraftType, static_cast<u8>(type));
    g.set(fg::CraftCount, static_cast<u8>(count));
    g.set(fg::PlayerNumber, static_cast<u8>(player));
    g.set(fg::Team, static_cast<u8>(team));
    g.set(fg::Iff, u8{0});
    g.setText(fg::Name, name);
    return i;
  }
  void setMissionType(int t) { m.header.set(model::header::MissionType, static_cast<u8>(t)); }
  std::string label(std::size_t i) const { return editing::numberedName(m, vocabulary, i); }
  shell::CheckResult run(bool omitWarnings = false) const {
    return shell::runCheck(m, vocabulary, settings, omitWarnings);
  }
  static bool has(const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
  }
  static std::size_t countStarting(const std::vector<std::string>& lines,
                                   const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](auto& l) { return l.rfind(prefix, 0) == 0; }));
  }

  model::Mission m;
  shell::Vocabulary vocabulary;
  shell::Settings settings;
};

const std::string NoTeam1Player =
    "ERROR: There are no player craft on Team 1. There MUST be player craft on Team 1 for a "
    "mission to work.";

TEST_F(ErrorCheck, DefaultMissionIsClean) {
  const auto r = run();
  EXPECT_TRUE(r.errors.empty());
  EXPECT_TRUE(r.warnings.empty());
  EXPECT_EQ(r.findingCount(), 0u);
  EXPECT_EQ(r.counts.craftMedium, 1);
  EXPECT_EQ(r.counts.craftAtStart, 1);
  EXPECT_EQ(r.counts.objectCount, 0);
  EXPECT_EQ(r.arrivesAtStart, std::vector<bool>{true});
}

TEST_F(ErrorCheck, CountsFollowDifficultyArrivalAndClass) {
  m.flightGroups.clear();
  // Medium levels: 0, 2, 4, 5, 9; every other difficulty is left out of all three counts.
  for (int d = 0; d <= 10; ++d) {
    const auto i = add(Fighter, 1);
    m.flightGroups[i].set(fg::ArrivalDifficulty, static_cast<u8>(d));
  }
  auto c = shell::missionCounts(m);
  EXPECT_EQ(c.craftMedium, 5);
  EXPECT_EQ(c.craftAtStart, 5);

  m.flightGroups.clear();
  const auto late = add(5, 2);
  m.flightGroups[late].set(fg::ArrivalDelayMinutes, u8{2});
  const auto big = add(90, 3);
  m.flightGroups[big].set(fg::ArrivalDelayMinutes, u8{2});
  const auto justInTime = add(Fighter, 4);
  m.flightGroups[justInTime].set(fg::ArrivalDelaySeconds, u8{29});
  const auto tooLate = add(Fighter, 5);
  m.flightGroups[tooLate].set(fg::ArrivalDelaySeconds, u8{30});
  const auto triggered = add(Fighter, 6);
  // Trigger 4 of the arrival set, condition "arrive".
  m.flightGroups[triggered].part(fg::ArrivalTriggers + model::triggerset::Trigger4, 4)[0] = 1;
  add(Container, 3);
  add(Mine, 4);
  add(87, 2);
  c = shell::missionCounts(m);
  EXPECT_EQ(c.craftMedium, 2 + 3 + 4 + 5 + 6);
  EXPECT_EQ(c.craftAtStart, 3 + 4);  // type 90 counts whenever it arrives; type 5 does not
  EXPECT_EQ(c.objectCount, 3 + 16 + 2);

  const auto r = run();
  EXPECT_EQ(r.arrivesAtStart,
            (std::vector<bool>{false, false, true, false, false, true, true, true}));
}

TEST_F(ErrorCheck, CountLabels) {
  EXPECT_EQ(shell::craftMediumLabel(12), "12 Craft (medium)");
  EXPECT_EQ(shell::craftAtStartLabel(4), "4 craft at 30 sec");
  EXPECT_EQ(shell::objectCountLabel(1), "1 Object");
  EXPECT_EQ(shell::objectCountLabel(0), "0 Objects");
  EXPECT_EQ(shell::objectCountLabel(2), "2 Objects");
}

TEST_F(ErrorCheck, ShipAndObjectThresholds) {
  const std::string tooManyShips =
      "WARNING: More than 32 ships at the start of the mission. Some ships may not appear at "
      "the start.";
  const std::string tooManyObjects =
      "WARNING: More than 64 objects in the mission. Some objects may not appear in the "
      "mission.";
  for (int i = 0; i < 5; ++i) add(Fighter, 6);
  add(Fighter, 1);  // 1 + 30 + 1 = 32
  add(Mine, 8);     // 64 objects
  auto r = run();
  EXPECT_FALSE(has(r.warnings, tooManyShips));
  EXPECT_FALSE(has(r.warnings, tooManyObjects));

  add(Fighter, 1);
  add(Container, 1);
  r = run();
  EXPECT_TRUE(has(r.warnings, tooManyShips));
  EXPECT_TRUE(has(r.warnings, tooManyObjects));
  EXPECT_EQ(r.warnings[0], tooManyShips);
  EXPECT_EQ(r.warnings[1], tooManyObjects);
}

TEST_F(ErrorCheck, MissionTypeOneIsUnknownAndSkipsPlayerCountRules) {
  setMissionType(1);
  add(Fighter, 1, 2);
  add(Fighter, 1, 3);
  add(Fighter, 1, 4);
  add(Fighter, 1, 5);  // five players would be an error in Training
  const auto r = run();
  EXPECT_TRUE(r.errors.empty());
  EXPECT_EQ(r.warnings, std::vector<std::string>{"WARNING: Mission Type of \"1\" is unknown."});
}

TEST_F(ErrorCheck, MissingShipTypeNamesThePosition) {
  add(0, 1);
  add(Fighter, 1);
  add(0, 1);
  const auto r = run();
  EXPECT_EQ(r.errors, (std::vector<std::string>{"ERROR: FG#2 has no Ship type.",
                                                "ERROR: FG#4 has no Ship type."}));
}

TEST_F(ErrorCheck, ExpansionOnlyCraftWarnOncePerTypeInBaseFormat) {
  m.platformId = model::FormatBase;
  add(ExpansionOnly, 1);
  add(ExpansionOnly, 1);
  add(ExpansionOnly, 1);
  add(4, 1);
  auto r = run();
  EXPECT_TRUE(r.errors.empty());
  EXPECT_EQ(r.warnings, (std::vector<std::string>{
                            "ERROR: Zyn Format mission. Craft54s are only available in Qvn.",
                            "ERROR: Zyn Format mission. Craft4s are only available in Qvn."}));

  settings.checkPlayable = false;
  EXPECT_TRUE(run().warnings.empty());

  settings.checkPlayable = true;
  m.platformId = model::FormatExpansion;
  EXPECT_TRUE(run().warnings.empty());
}

TEST_F(ErrorCheck, UnsupportedSlotsAreErrorsInEitherFormat) {
  add(10, 1);
  add(89, 1);
  add(10, 1);
  add(87, 1);  // a planet is a real slot
  for (auto format : {model::FormatBase, model::FormatExpansion}) {
    m.platformId = format;
    EXPECT_EQ(run().errors,
              (std::vector<std::string>{"ERROR: Ship Slot #10 is not available in Zyn or Qvn.",
                                        "ERROR: Ship Slot #89 is not available in Zyn or Qvn.",
                                        "ERROR: Ship Slot #10 is not available in Zyn or Qvn."}));
  }
  settings.checkPlayable = false;
  EXPECT_TRUE(run().errors.empty());
}

TEST_F(ErrorCheck, PlayerIffMustBeRebelOrImperialOutsideMelee) {
  const std::string text = "WARNING: All Player Craft should be either IFF Rebel or IFF Imperial.";
  m.flightGroups[0].set(fg::Iff, u8{2});
  const auto other = add(Fighter, 1, 2);
  m.flightGroups[other].set(fg::Iff, u8{5});
  const auto ai = add(Fighter, 1);  // a computer group of any colour is fine
  m.flightGroups[ai].set(fg::Iff, u8{3});
  EXPECT_EQ(countStarting(run().warnings, text), 2u);
  setMissionType(model::Melee);
  EXPECT_EQ(countStarting(run().warnings, text), 0u);
  setMissionType(model::Training);
  m.flightGroups[0].set(fg::Iff, u8{1});
  m.flightGroups[other].set(fg::Iff, u8{0});
  EXPECT_EQ(countStarting(run().warnings, text), 0u);
}

TEST_F(ErrorCheck, SinglePointFormationCrashesPlayerGroups) {
  m.flightGroups[0].set(fg::Formation, u8{33});
  const auto ai = add(Fighter, 1);
  m.flightGroups[ai].set(fg::Formation, u8{34});
  EXPECT_TRUE(run().errors.empty());
  m.flightGroups[0].set(fg::Formation, u8{34});
  EXPECT_EQ(run().errors, std::vector<std::string>{"ERROR: Player FG  " + label(0) +
                                                   " has (Single Point) Formation. The mission "
                                                   "will crash."});
  EXPECT_EQ(label(0), "#1 Craft1 Lead (1)");
}

TEST_F(ErrorCheck, PlayerNumbersMustDiffer) {
  add(Fighter, 1, 2);
  add(Fighter, 1, 1);
  add(Fighter, 1, 1);
  const std::string text =
      "ERROR: There is more than one Player 1 All Players should have different Player numbers.";
  EXPECT_EQ(run().errors, (std::vector<std::string>{text, text}));
}

TEST_F(ErrorCheck, FormationSizes) {
  const auto six = add(Fighter, 6);
  const auto seven = add(Fighter, 7, 0, 0, "Seven");
  const auto crates = add(Container, 7);
  (void)six;
  (void)crates;
  auto r = run();
  EXPECT_TRUE(r.errors.empty());
  EXPECT_EQ(r.warnings, std::vector<std::string>{
                            "WARNING: " + label(seven) +
                            " has 7 ships in FG.  Zyn does not properly support FG Formations "
                            "larger than 6 ships."});
  EXPECT_EQ(label(seven), "#" + std::to_string(seven + 1) + " Craft1 Seven");

  m.flightGroups[0].set(fg::CraftCount, u8{8});
  r = run();
  EXPECT_TRUE(has(r.warnings, "WARNING: Player FG  " + label(0) +
                                  " has 8 ships. Some sounds in the game may be played "
                                  "properly."));
  m.flightGroups[0].set(fg::CraftCount, u8{9});
  r = run();
  EXPECT_EQ(r.errors, std::vector<std::string>{"ERROR: Player FG  " + label(0) +
                                               " has more than 8 ships. The mission will crash."});
  EXPECT_EQ(countStarting(r.warnings, "WARNING: Player FG"), 0u);
}

class AttackOrders : public ErrorCheck {
 protected:
  void attack(std::size_t i, std::size_t k, int t1Type, int t1, int t2Type, int t2, u8 or12,
              int t3Type = 0, int t3 = 0, u8 or34 = 0) {
    auto o = m.flightGroups[i].orderBytes(k);
    model::set(o, order::Command, u8{7});
    model::set(o, order::Target1Type, static_cast<u8>(t1Type));
    model::set(o, order::Target1, static_cast<u8>(t1));
    model::set(o, order::Target2Type, static_cast<u8>(t2Type));
    model::set(o, order::Target2, static_cast<u8>(t2));
    model::set(o, order::Target1Or2, or12);
    model::set(o, order::Target3Type, static_cast<u8>(t3Type));
    model::set(o, order::Target3, static_cast<u8>(t3));
    model::set(o, order::Target3Or4, or34);
  }
  std::string capital(std::size_t i, int k) {
    return "WARNING: " + label(i) + " - Order " + std::to_string(k) +
           ": Capital ship with \"Attack\" order will make it jump around. Use a Starship order "
           "such as Patrol and Attack instead.";
  }
  std::string allFighters(std::size_t i, int k) {
    return "WARNING: " + label(i) + " - Order " + std::to_string(k) +
           ": Attack Starfighters has \"Either A or B\" flag turned on, therefore it will attack "
           "ALL Starfighters in the mission, regardless of Team or IFF.";
  }
};

TEST_F(AttackOrders, CapitalShipWithStarfighterTargetGivesBothCapitalFirst) {
  const auto ship = add(Capital, 1, 0, 0, "Big");
  attack(ship, 1, 3, 0, 0, 0, 1);
  EXPECT_EQ(run().warnings, (std::vector<std::string>{capital(ship, 2), allFighters(ship, 2)}));
}

TEST_F(AttackOrders, StarfighterCategoryWithEitherFlagInAnyPair) {
  const auto a = add(Fighter, 1, 0, 0, "A");
  attack(a, 0, 1, 0, 3, 0, 1);           // target 2 names the starfighters
  attack(a, 3, 0, 0, 0, 0, 0, 3, 0, 1);  // pair 3-4
  EXPECT_EQ(run().warnings, (std::vector<std::string>{allFighters(a, 1), allFighters(a, 4)}));
}

TEST_F(AttackOrders, NoWarningWithoutEitherFlagOrOtherCategoryOrOtherCommand) {
  const auto a = add(Fighter, 1);
  attack(a, 0, 3, 0, 0, 0, 0);  // flag off
  attack(a, 1, 3, 1, 0, 0, 1);  // transports, not starfighters
  attack(a, 2, 2, 0, 0, 0, 1);  // ship type 0, not a category
  attack(a, 3, 3, 0, 0, 0, 0, 3, 0, 0);
  const auto ship = add(Capital, 1);
  attack(ship, 0, 3, 0, 0, 0, 1);
  model::set(m.flightGroups[ship].orderBytes(0), order::Command, u8{8});
  EXPECT_TRUE(run().warnings.empty());
}

TEST_F(ErrorCheck, MoreThanFourPlayersOnATeamInBaseFormat) {
  setMissionType(model::MultiplayerTraining);
  for (int p = 2; p <= 5; ++p) add(Fighter, 1, p, 0);
  add(Fighter, 1, 6, 1);
  const std::string text =
      "WARNING: There are 5 Players on Team 1 in this Zyn Format mission. You will only be able "
      "to access the first 4 Player slots per Team without Qvn. Split the players up into 2 or "
      "more allied Teams.";
  m.platformId = model::FormatBase;
  EXPECT_EQ(run().warnings, std::vector<std::string>{text});
  m.platformId = model::FormatExpansion;
  EXPECT_FALSE(has(run().warnings, text));
}

TEST_F(ErrorCheck, NoPlayerOnTeamOneIsTheOnlyPlayerCountFinding) {
  m.flightGroups[0].set(fg::Team, u8{1});
  for (int type : {0, 2, 3, 4}) {
    setMissionType(type);
    for (auto format : {model::FormatBase, model::FormatExpansion}) {
      m.platformId = format;
      const auto r = run();
      EXPECT_EQ(r.errors, std::vector<std::string>{NoTeam1Player}) << type;
      EXPECT_TRUE(r.warnings.empty()) << type;
    }
  }
}

TEST_F(ErrorCheck, PlayerTeamBeyondTheTenTeamsCountsForNoTeam) {
  m.flightGroups[0].set(fg::Team, u8{200});
  EXPECT_EQ(run().errors, std::vector<std::string>{NoTeam1Player});
}

TEST_F(ErrorCheck, TrainingAllowsFourPlayers) {
  const std::string text =
      "ERROR: There are more than 4 Players in this Training Mission. Try MultiPlayer Training.";
  for (int p = 2; p <= 4; ++p) add(Fighter, 1, p);
  EXPECT_FALSE(has(run().errors, text));
  add(Fighter, 1, 5, 1);  // the count is over all teams
  EXPECT_TRUE(has(run().errors, text));
}

TEST_F(ErrorCheck, MeleeWantsTwoPlayers) {
  setMissionType(model::Melee);
  EXPECT_EQ(run().warnings,
            std::vector<std::string>{"WARNING: There is only one Player Craft in this Melee."});
  add(Fighter, 1, 2, 3);
  EXPECT_TRUE(run().warnings.empty());
}

TEST_F(ErrorCheck, MultiplayerTrainingRulesInOrder) {
  setMissionType(model::MultiplayerTraining);
  const std::string teams = "WARNING: Players should all be on Team 1 for Qvn Campaigns.";
  const std::string fewer2 = "ERROR: Less than 2 Players in Multiplayer Training.";
  const std::string fewer5 =
      "WARNING: Less than 5 Players in MultiPlayer Training. In Qvn Campaigns this mission will "
      "still work but you will not have access to the 'View Briefing Map' and 'Assign Players' "
      "buttons. This means you will not have a chance to read the Mission Description.";

  auto r = run();  // one player
  EXPECT_EQ(r.errors, std::vector<std::string>{fewer2});
  EXPECT_TRUE(r.warnings.empty());

  const auto second = add(Fighter, 1, 2);
  r = run();
  EXPECT_TRUE(r.errors.empty());
  EXPECT_EQ(r.warnings, std::vector<std::string>{fewer5});
  m.platformId = model::FormatBase;
  EXPECT_TRUE(run().warnings.empty());

  // A second player team in the expansion format replaces the other findings.
  m.platformId = model::FormatExpansion;
  m.flightGroups[second].set(fg::Team, u8{1});
  r = run();
  EXPECT_EQ(r.warnings, std::vector<std::string>{teams});
  EXPECT_TRUE(r.errors.empty());
  m.platformId = model::FormatBase;
  r = run();
  EXPECT_TRUE(r.warnings.empty());
  EXPECT_TRUE(r.errors.empty());

  m.platformId = model::FormatExpansion;
  for (int p = 3; p <= 5; ++p) add(Fighter, 1, p);
  m.flightGroups[second].set(fg::Team, u8{0});
  r = run();
  EXPECT_TRUE(r.errors.empty());
  EXPECT_TRUE(r.warnings.empty());
}

TEST_F(ErrorCheck, MultiplayerCombatNeedsPlayersOnTwoTeams) {
  setMissionType(model::MultiplayerCombat);
  const std::string one =
      "ERROR: This is a \"Multiplayer Combat\" Mission, but only has one Player Craft.  It should "
      "have Player Craft on both Team 1 (which MUST be Imperial), and Team 2 (which MUST be "
      "Rebel.)  If you want player craft on only one Team, try a Training mission.";
  const std::string sameTeam =
      "ERROR: This is a \"Multiplayer Combat\" Mission, but has all Players on the same Team. It "
      "should have Player Craft on both Team 1 (which MUST be Imperial), and Team 2 (which MUST "
      "be Rebel.)  If you want player craft on only one Team, try a Training mission.";
  EXPECT_EQ(run().errors, std::vector<std::string>{one});
  const auto second = add(Fighter, 1, 2);
  EXPECT_EQ(run().errors, std::vector<std::string>{sameTeam});
  m.flightGroups[second].set(fg::Team, u8{1});
  EXPECT_TRUE(run().errors.empty());
}

TEST_F(ErrorCheck, ErrorsComeFirstAndWarningsCanBeLeftOut) {
  setMissionType(model::Melee);  // one warning
  add(0, 1);                     // one error
  auto r = run();
  ASSERT_EQ(r.errors.size(), 1u);
  ASSERT_EQ(r.warnings.size(), 1u);
  EXPECT_EQ(r.lines(), (std::vector<std::string>{r.errors[0], r.warnings[0]}));
  EXPECT_EQ(r.findingCount(), 2u);

  r = run(true);
  EXPECT_EQ(r.warnings.size(), 1u);  // still found, only not shown
  EXPECT_EQ(r.lines(), std::vector<std::string>{r.errors[0]});
  EXPECT_EQ(r.findingCount(), 1u);

  m.flightGroups.pop_back();
  EXPECT_EQ(run(true).findingCount(), 0u);
}

TEST(CraftClasses, Tables) {
  EXPECT_TRUE(map::isCraftClass(1));
  EXPECT_TRUE(map::isCraftClass(69));
  EXPECT_FALSE(map::isCraftClass(70));
  EXPECT_TRUE(map::isCraftClass(78));
  EXPECT_FALSE(map::isCraftClass(89));
  EXPECT_TRUE(map::isCraftClass(92));
  EXPECT_FALSE(map::isCraftClass(93));
  EXPECT_TRUE(map::isCapitalShip(48));
  EXPECT_TRUE(map::isCapitalShip(54));
  EXPECT_FALSE(map::isCapitalShip(47));
  EXPECT_FALSE(map::isCapitalShip(55));
  EXPECT_TRUE(map::isCapitalShip(92));
}

// Messages made elsewhere (a JSON file, another tool) that the game would read back otherwise: a
// red text beginning with a colour digit, a text past the 62 characters a coloured one holds.
TEST_F(ErrorCheck, MessagesThatWouldReadBackOtherwiseAreWarned) {
  auto message = [&](char colour, const std::string& text) {
    m.addMessage();
    model::Message& msg = m.messages.back();
    msg.set(model::message::Color, static_cast<u8>(colour));
    model::setText(msg.span(), editing::messageTextField('0'), text);
  };
  message('0', "2nd wave");
  message('0', " 2nd wave");
  message('1', "2nd wave");
  message('0', std::string(63, 'a'));
  message('2', std::string(63, 'b'));
  EXPECT_EQ(countStarting(run().warnings, "WARNING: Message "), 2u);
  EXPECT_TRUE(has(run().warnings,
                  "WARNING: Message 1: A red message cannot begin with \"2\": the game would read "
                  "it as the message's colour. Begin the text with a space or choose another "
                  "colour."));
  EXPECT_TRUE(has(run().warnings,
                  "WARNING: Message 5: A green, blue or gold message holds 62 characters, this "
                  "one has 63: only a red message holds more. Shorten it first."));
}

// A warning about a reference to a deleted flight group names the group by its list label, as
// every other warning does: several groups may share a name.
TEST_F(ErrorCheck, DanglingReferencesNameTheGroupByItsLabel) {
  const std::size_t a = add(Fighter, 2, 0, 0, "Sigma");
  const std::size_t b = add(Fighter, 1, 0, 0, "Sigma");
  for (std::size_t i : {a, b}) m.flightGroups[i].set(fg::GlobalUnit, u8{1});
  model::Bytes rec = m.flightGroups[b].span();
  rec[fg::ArrivalTriggers + 1] = editing::TargetFlightGroup;
  rec[fg::ArrivalTriggers + 2] = 9;
  ASSERT_NE(label(a), label(b));
  EXPECT_TRUE(has(run().warnings, "WARNING: " + label(b) +
                                      " - Arrival trigger 1: refers to a flight group that does "
                                      "not exist."));
}

}  // namespace
