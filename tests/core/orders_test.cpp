#include <gtest/gtest.h>

#include "editing/descriptions.h"
#include "editing/orders.h"
#include "model/mission.h"
#include "model/mission_edit.h"

using namespace editing;
using model::u8;
namespace od = model::order;
namespace fg = model::fg;

namespace {

TEST(OrderSpeeds, ThrottleStepsAndTheSpeedTable) {
  const auto t = throttleList();
  ASSERT_EQ(t.size(), 11u);
  EXPECT_EQ(t[0], "   0%");
  EXPECT_EQ(t[1], " 10%");
  EXPECT_EQ(t[9], " 90%");
  EXPECT_EQ(t[10], "100%");

  const auto s = speedTable();
  ASSERT_EQ(s.size(), 256u);
  EXPECT_EQ(s[0], "default");
  EXPECT_EQ(s[1], "2");
  EXPECT_EQ(s[2], "4");  // 4.447
  EXPECT_EQ(s[45], "100");
  EXPECT_EQ(s[85], "189");
  EXPECT_EQ(s[255], "567");
  // Strictly rising after "default": no two speeds read the same.
  for (std::size_t i = 2; i < s.size(); ++i) EXPECT_LT(std::stoi(s[i - 1]), std::stoi(s[i]));
}

TEST(OrderSpeeds, OnlyFullThrottleEnablesTheSpeed) {
  EXPECT_FALSE(speedEnabled(0));
  EXPECT_FALSE(speedEnabled(9));
  EXPECT_TRUE(speedEnabled(10));
  // A throttle byte beyond the list still means full throttle.
  EXPECT_TRUE(speedEnabled(11));
}

TEST(OrderExplanation, ComesFromTheTableAndIsUnknownBeyondIt) {
  shell::Vocabulary v;
  v.setTable(shell::tables::OrdTexts, {"Stays put.", "Goes home."});
  EXPECT_EQ(orderExplanation(v, 0), "Stays put.");
  EXPECT_EQ(orderExplanation(v, 1), "Goes home.");
  EXPECT_EQ(orderExplanation(v, 2), "Unknown");
  EXPECT_EQ(orderExplanation(v, 255), "Unknown");
  // The built-in table explains every built-in order.
  const shell::Vocabulary builtIn;
  EXPECT_NE(orderExplanation(builtIn, 7), "Unknown");
}

TEST(OrderExplanation, AnImportedGroupShowsItsOlderOrder) {
  shell::Vocabulary v;
  v.setTable(shell::tables::OrdTexts, {"Stays put."});
  const std::vector<std::string> older = {"[Vortan]    Go Home", ""};
  EXPECT_EQ(orderExplanation(v, 0, older, 0), "[Vortan]    Go Home");
  // Groups added since the import, and other missions, explain the order code.
  EXPECT_EQ(orderExplanation(v, 0, older, 1), "Stays put.");
  EXPECT_EQ(orderExplanation(v, 0, older, 2), "Stays put.");
  EXPECT_EQ(orderExplanation(v, 0, {}, 0), "Stays put.");
}

TEST(ListRemaps, CarryValuesKeptBesideAList) {
  // Old 0 removed, old 1 moved to 0, old 2 stays at 2, a record inserted at 1.
  model::ListRemap r{{-1, 0, 2}, {1}, 3};
  const std::vector<std::string> values = {"a", "b", "c"};
  EXPECT_EQ(model::remapped(values, r), (std::vector<std::string>{"b", "", "c"}));
}

TEST(ParameterCaptions, FollowTheOrderCode) {
  auto c = parameterCaptions(2, 3, 0);
  EXPECT_EQ(c.p1, "                  # of loops:");
  EXPECT_EQ(c.p2, "             No Effect?:");
  EXPECT_EQ(parameterCaptions(21, 0, 0).p1, "                  # of loops:");
  EXPECT_EQ(parameterCaptions(6, 0, 0).p1, "           # of dockings:");

  // Timed orders count parameter 1 in units of five seconds.
  c = parameterCaptions(12, 7, 0);
  EXPECT_EQ(c.p1, "Docking time (35 secs):");
  EXPECT_EQ(c.p2, "         # of dockings:");
  EXPECT_EQ(parameterCaptions(32, 0, 0).p1, "Docking time (0 secs):");
  EXPECT_EQ(parameterCaptions(17, 255, 0).p1, "Docking time (1275 secs):");
  EXPECT_EQ(parameterCaptions(17, 1, 0).p2, "             No Effect?:");
  c = parameterCaptions(18, 2, 0);
  EXPECT_EQ(c.p1, "Deploy time? (10 secs):");
  EXPECT_EQ(c.p2, "FG# to drop off:");
  EXPECT_EQ(parameterCaptions(20, 4, 0).p1, "    Wait time (20 secs):");
  c = parameterCaptions(36, 12, 0);
  EXPECT_EQ(c.p1, "Delay time (60 secs):");
  EXPECT_EQ(c.p2, "               No Effect?:");

  c = parameterCaptions(0, 9, 9);
  EXPECT_EQ(c.p1, "                  No Effect?:");
  EXPECT_EQ(c.p2, "             No Effect?:");
  EXPECT_EQ(parameterCaptions(33, 0, 0).p1, "                  No Effect?:");
}

TEST(ParameterCaptions, AttackPlayerKeepsThePreviousCaptionForOtherValues) {
  EXPECT_EQ(parameterCaptions(10, 0, 1).p2, "Attack Player:Yes");
  EXPECT_EQ(parameterCaptions(10, 0, 0).p2, "Attack Player:No");
  EXPECT_FALSE(parameterCaptions(10, 0, 5).p2.has_value());
  EXPECT_EQ(parameterCaptions(10, 0, 5).p1, "                  No Effect?:");
}

TEST(OrderRecord, UnknownBytesHeadingAndClipboardCopy) {
  std::vector<u8> o(od::Size, 0);
  o[4] = 1;
  o[5] = 22;
  o[11] = 3;
  o[17] = 255;
  o[0] = 7;
  o[81] = 9;
  EXPECT_EQ(orderUnknownsText(o), "Unknowns for each order:  1,   22,   3,   255");
  EXPECT_EQ(orderHeading(3), "Order #3:");

  const auto c = clipboardOrder(o);
  ASSERT_EQ(c.size(), od::Size);
  EXPECT_EQ(c[4], 0);
  EXPECT_EQ(c[5], 0);
  EXPECT_EQ(c[11], 0);
  EXPECT_EQ(c[17], 0);
  EXPECT_EQ(c[0], 7);
  EXPECT_EQ(c[81], 9);
}

TEST(OrderRecord, ANewTargetTypeStartsAtTargetZero) {
  std::vector<u8> o(od::Size, 0);
  // Target 3 names flight group 4; its type becomes IFF.
  model::set<u8>(o, od::Target3Type, 1);
  model::set<u8>(o, od::Target3, 4);
  model::set<u8>(o, od::Target4Type, 1);
  model::set<u8>(o, od::Target4, 6);
  setTargetType(o, 2, 5);
  EXPECT_EQ(model::get(std::span<const u8>(o), od::Target3Type), 5);
  EXPECT_EQ(model::get(std::span<const u8>(o), od::Target3), 0);
  // Target 4 is left alone.
  EXPECT_EQ(model::get(std::span<const u8>(o), od::Target4), 6);
  // Targets 1 and 2 lie at 12..15, in the other order of bytes.
  model::set<u8>(o, od::Target1, 9);
  setTargetType(o, 0, 2);
  EXPECT_EQ(o[12], 2);
  EXPECT_EQ(o[13], 0);
}

TEST(OrderDescription, OnlyOrderOneOfAPlayerGroupAndNothingCut) {
  EXPECT_TRUE(descriptionEnabled(0, 1));
  EXPECT_FALSE(descriptionEnabled(1, 1));  // order 2 of a player group
  EXPECT_FALSE(descriptionEnabled(0, 0));  // a computer group
  EXPECT_FALSE(descriptionEnabled(3, 0));

  EXPECT_EQ(descriptionRoom(0), 60u);
  EXPECT_EQ(descriptionRoom(60), 60u);
  EXPECT_EQ(descriptionRoom(61), 61u);
  EXPECT_EQ(descriptionRoom(62), 62u);
  EXPECT_EQ(descriptionRoom(200), 62u);
  EXPECT_TRUE(plusVisible(0));
  EXPECT_FALSE(plusVisible(1));
}

TEST(OrderLabels, NoOrderStillShowsItsSecondaryTarget) {
  model::Mission m;
  m.newMission();
  shell::Vocabulary v;
  v.setTable(shell::tables::IFF, {"Rebel", "Imperial"});
  auto o = m.flightGroups[0].orderBytes(1);
  model::set<u8>(o, od::Command, 0);
  model::set<u8>(o, od::Target3Type, 5);
  model::set<u8>(o, od::Target3, 1);
  EXPECT_EQ(describeOrder(m, v, o), "(No Order)  /  Imperials");
  model::set<u8>(o, od::Target4Type, 5);
  model::set<u8>(o, od::Target3Or4, 1);
  EXPECT_EQ(describeOrder(m, v, o), "(No Order)  /  Imperials or Rebels");
}

// The wizard's player order names its one target second: the line shows it alone, never
// "Attack targets:   or Imperials" with an empty first target.
TEST(OrderLabels, AnEmptyFirstTargetLeavesTheSecondAlone) {
  model::Mission m;
  m.newMission();
  shell::Vocabulary v;
  v.setTable(shell::tables::IFF, {"Rebel", "Imperial"});
  auto o = m.flightGroups[0].orderBytes(0);
  model::set<u8>(o, od::Command, 7);
  model::set<u8>(o, od::Target2Type, 5);
  model::set<u8>(o, od::Target2, 1);
  EXPECT_EQ(describeOrder(m, v, o), "Attack targets:  Imperials");
  model::set<u8>(o, od::Target4Type, 5);
  EXPECT_EQ(describeOrder(m, v, o), "Attack targets:  Imperials  /  Rebels");
}

}  // namespace
