#include <gtest/gtest.h>

#include "editing/descriptions.h"
#include "editing/triggers.h"

using namespace editing;
using model::u8;
namespace fg = model::fg;
namespace tables = shell::tables;

namespace {

TEST(ExplosionTime, ValuesFromTheTableAndTheEdges) {
  // 57..84 are reduced by 55 first: 60 reads as 5.
  EXPECT_EQ(explosionTimeText(60), " = 00:19 (approx)");
  EXPECT_EQ(explosionTimeText(5), " = 00:19 (approx)");
  // 85 is not reduced: 85 x 4.6 = 391 s.
  EXPECT_EQ(explosionTimeText(85), " = 6:31 (approx)");
  // 15 x 4.5 = 67.5, the half goes to the even 68.
  EXPECT_EQ(explosionTimeText(15), " = 1:08 (approx)");
  EXPECT_EQ(explosionTimeText(0), " = (default)");
  EXPECT_EQ(explosionTimeText(1), " = 00:00");
  EXPECT_EQ(explosionTimeText(56), " = 4:18 (approx)");  // 257.6
  EXPECT_EQ(explosionTimeText(86), " = (untested)");
  EXPECT_EQ(explosionTimeText(255), " = (untested)");
  EXPECT_EQ(explosionTimeText(57), " = 00:05 (approx)");  // reduced to 2
  EXPECT_EQ(explosionTimeText(84), " = 2:10 (approx)");   // reduced to 29: 130.5 -> 130
}

TEST(ExplosionTime, HalvesRoundToTheEvenNeighbour) {
  EXPECT_EQ(explosionSeconds(17), 76);   // 76.5 -> 76
  EXPECT_EQ(explosionSeconds(19), 86);   // 85.5 -> 86
  EXPECT_EQ(explosionSeconds(35), 161);  // 161.0
  EXPECT_EQ(explosionSeconds(36), 166);  // 165.6
  EXPECT_EQ(explosionSeconds(8), 34);    // 33.6
  EXPECT_EQ(explosionSeconds(14), 59);   // 58.8
  EXPECT_EQ(explosionSeconds(7), 28);
  EXPECT_EQ(explosionTimeText(14), " = 00:59 (approx)");
  EXPECT_EQ(explosionTimeText(3), " = 00:09 (approx)");
}

TEST(TriggerPlaces, FlightGroupMessageAndGlobalGoalSetsLieWhereTheRecordsKeepThem) {
  const TriggerSetPlace arr = arrivalTriggers();
  EXPECT_EQ(arr.count, 4);
  EXPECT_EQ(arr.trigger, (std::array<std::size_t, 4>{110, 114, 121, 125}));
  EXPECT_EQ(arr.flag(OrFlag::OneOrTwo)->offset, 120u);
  EXPECT_EQ(arr.flag(OrFlag::ThreeOrFour)->offset, 131u);
  EXPECT_EQ(arr.flag(OrFlag::PairOrPair)->offset, 132u);

  const TriggerSetPlace dep = departureTriggers();
  EXPECT_EQ(dep.count, 2);
  EXPECT_EQ(dep.triggerOffset(1), 136u);
  EXPECT_EQ(dep.triggerOffset(2), 140u);
  EXPECT_EQ(dep.flag(OrFlag::OneOrTwo)->offset, 146u);
  EXPECT_FALSE(dep.flag(OrFlag::ThreeOrFour));
  EXPECT_FALSE(dep.flag(OrFlag::PairOrPair));

  const TriggerSetPlace jump = jumpTriggers();
  EXPECT_EQ(jump.triggerOffset(1), 490u);
  EXPECT_EQ(jump.triggerOffset(2), 494u);
  EXPECT_EQ(jump.flag(OrFlag::OneOrTwo)->offset, 500u);

  const TriggerSetPlace msg = messageTriggers();
  EXPECT_EQ(msg.trigger, (std::array<std::size_t, 4>{76, 80, 87, 91}));
  EXPECT_EQ(msg.flag(OrFlag::OneOrTwo)->offset, 86u);
  EXPECT_EQ(msg.flag(OrFlag::ThreeOrFour)->offset, 97u);
  EXPECT_EQ(msg.flag(OrFlag::PairOrPair)->offset, 115u);

  // Goal sets start at 2, 44 and 86 of the global-goal record; the flags at 10, 21 and 39.
  const TriggerSetPlace prevent = globalGoalTriggers(1);
  EXPECT_EQ(prevent.trigger, (std::array<std::size_t, 4>{44, 48, 55, 59}));
  EXPECT_EQ(prevent.flag(OrFlag::OneOrTwo)->offset, 54u);
  EXPECT_EQ(prevent.flag(OrFlag::ThreeOrFour)->offset, 65u);
  EXPECT_EQ(prevent.flag(OrFlag::PairOrPair)->offset, 83u);
  EXPECT_EQ(globalGoalTriggers(2).triggerOffset(4), 86u + 15u);
}

TEST(TriggerPlaces, ReadsTriggersAndFlagsAndPacksInRecordOrder) {
  model::FlightGroup g;
  const TriggerSetPlace arr = arrivalTriggers();
  const TriggerBytes t = packTrigger(2, 1, 7, 3);
  EXPECT_EQ(t, (TriggerBytes{2, 1, 7, 3}));
  std::copy(t.begin(), t.end(), g.bytes.begin() + 121);
  g.set(fg::ArrivalTriggersOr, u8{1});
  EXPECT_EQ(readTrigger(g.span(), arr, 3), t);
  EXPECT_EQ(model::get(g.span(), arr.triggerByte(3, model::trigger::Variable)), 7);
  EXPECT_TRUE(readOr(g.span(), arr, OrFlag::PairOrPair));
  EXPECT_FALSE(readOr(g.span(), arr, OrFlag::OneOrTwo));
  EXPECT_FALSE(readOr(g.span(), departureTriggers(), OrFlag::PairOrPair));
}

TEST(TargetItems, EachTypeHasItsList) {
  shell::Vocabulary v;
  v.setTable(tables::Ships, {"(None)", "Arrow", "Lancer"});
  v.setTable(tables::IFF, {"Rebel", "Imperial"});
  v.setTable(tables::When, {"0", "inspected"});
  model::Mission m;
  m.newMission();
  while (m.flightGroups.size() < 3) m.addFlightGroup();

  const auto none = targetItems(m, v, 0);
  ASSERT_EQ(none.size(), 256u);
  EXPECT_EQ(none[0], "none");
  EXPECT_EQ(none[255], "255");
  const auto other = targetItems(m, v, 9);
  ASSERT_EQ(other.size(), 256u);
  EXPECT_EQ(other[0], "0");
  EXPECT_EQ(other[1], "1");
  EXPECT_EQ(targetItems(m, v, 23), other);

  EXPECT_EQ(targetItems(m, v, 1), nameList(m, v));
  EXPECT_EQ(targetItems(m, v, 1).size(), 3u);
  EXPECT_EQ(targetItems(m, v, 2), (std::vector<std::string>{"Arrow", "Lancer"}));
  EXPECT_EQ(targetItems(m, v, 5), (std::vector<std::string>{"Rebel", "Imperial"}));
  EXPECT_EQ(targetItems(m, v, 7), (std::vector<std::string>{"0", "inspected"}));
  EXPECT_EQ(targetItems(m, v, 6), v.table(tables::Orders));
  EXPECT_EQ(targetItems(m, v, 3), v.table(tables::ShipCats));
  EXPECT_EQ(targetItems(m, v, 4), v.table(tables::ObjCats));
  EXPECT_EQ(targetItems(m, v, 12), teamNameList(m));
  EXPECT_EQ(targetItems(m, v, 21).size(), 10u);

  // A craft table without entries gives an empty list, not a fault.
  v.setTable(tables::Ships, {});
  EXPECT_TRUE(targetItems(m, v, 2).empty());
}

TEST(Delay, TakesBytesAndRefusesWhatWouldNotFit) {
  EXPECT_EQ(parseDelay("").kind, DelayEntry::Nothing);
  EXPECT_EQ(parseDelay("-").kind, DelayEntry::Nothing);
  EXPECT_EQ(parseDelay("  ").kind, DelayEntry::Nothing);
  const DelayEntry ok = parseDelay(" 45 ");
  EXPECT_EQ(ok.kind, DelayEntry::Value);
  EXPECT_EQ(ok.value, 45);
  EXPECT_EQ(parseDelay("255").value, 255);
  EXPECT_EQ(parseDelay("0").kind, DelayEntry::Value);

  // 300 would have kept only its low byte (44).
  const DelayEntry big = parseDelay("300");
  EXPECT_EQ(big.kind, DelayEntry::OutOfRange);
  EXPECT_NE(big.message.english().find("300"), std::string::npos);
  EXPECT_NE(big.message.english().find("255"), std::string::npos);
  EXPECT_EQ(parseDelay("-1").kind, DelayEntry::OutOfRange);
  EXPECT_EQ(parseDelay("256").kind, DelayEntry::OutOfRange);

  const DelayEntry text = parseDelay("1x");
  EXPECT_EQ(text.kind, DelayEntry::NotANumber);
  EXPECT_EQ(text.message.english(), "'1x' is not a valid integer value");
  EXPECT_EQ(parseDelay("1.5").kind, DelayEntry::NotANumber);
}

}  // namespace
