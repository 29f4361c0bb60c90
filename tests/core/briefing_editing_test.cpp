#include <gtest/gtest.h>

#include <string>

#include "briefing/editing.h"
#include "model/mission.h"

namespace {

using briefing::Command;
using briefing::CommandList;
namespace rec = model::briefing;
namespace fg = model::fg;

Command at(int time, int code, int index = 0) {
  Command c = briefing::newCommand(code, time);
  c.index = static_cast<std::uint16_t>(index);
  return c;
}

std::vector<int> codes(const CommandList& l) {
  std::vector<int> v;
  for (const Command& c : l) v.push_back(c.code);
  return v;
}

TEST(BriefingSort, EqualTimesKeepOrderUnlessAnEarlierOneCrossesThem) {
  CommandList l{at(5, 3), at(5, 8), at(9, 17), Command::endMarker()};
  int sel = 1;
  briefing::sortByTime(l, sel);
  EXPECT_EQ(codes(l), (std::vector<int>{3, 8, 17, 34}));
  l = {at(5, 3), at(5, 8), at(1, 17), Command::endMarker()};
  sel = 2;
  briefing::sortByTime(l, sel);
  EXPECT_EQ(codes(l), (std::vector<int>{17, 8, 3, 34}));  // the exchange sort swaps 3 across 8
  EXPECT_EQ(sel, 0);
}

TEST(BriefingInsert, TimeAndPositionOnTheList) {
  CommandList l{at(0, 5, 1), at(40, 3), Command::endMarker()};
  std::string msg;
  EXPECT_EQ(briefing::insertOnList(l, 2, 3, msg),
            2);  // before the end marker, its predecessor's time
  EXPECT_EQ(l[2].time, 40);
  EXPECT_EQ(briefing::insertOnList(l, 1, 7, msg), 1);
  EXPECT_EQ(l[1].time, 40);
  EXPECT_EQ(l[1].x, 32);
  briefing::insertOnList(l, 0, 8, msg);
  EXPECT_EQ(l[0].time, 0);
}

TEST(BriefingInsert, BoxAndTagSlotsFollowTheLastClear) {
  CommandList l{at(0, 9), at(0, 12), at(1, 8), at(2, 10), Command::endMarker()};
  std::string msg;
  int p = briefing::insertOnList(l, 4, 9, msg);
  EXPECT_EQ(l[p].code, 11);
  EXPECT_EQ(msg, "");
  l = {at(0, 16), Command::endMarker()};
  p = briefing::insertOnList(l, 1, 9, msg);
  EXPECT_EQ(l[p].code, 9);
  EXPECT_EQ(msg, briefing::BoxesInUseMessage);
  l = {at(0, 25), at(0, 17), Command::endMarker()};
  p = briefing::insertOnList(l, 2, 18, msg);
  EXPECT_EQ(l[p].code, 18);
  l = {at(0, 25), Command::endMarker()};
  briefing::insertOnList(l, 1, 18, msg);
  EXPECT_EQ(msg, briefing::TagsInUseMessage);
}

TEST(BriefingInsert, AtTheCurrentTimeBeforeTheFirstLaterCommand) {
  CommandList l{at(0, 5), at(20, 3), at(60, 3), Command::endMarker()};
  std::string msg;
  EXPECT_EQ(briefing::insertAtTime(l, 0, 8, 30, msg), 2);
  EXPECT_EQ(briefing::insertAtTime(l, 3, 8, 100, msg), 4);  // none later: before the end
}

TEST(BriefingMove, ExchangesTimesAndGuardsTheEnds) {
  CommandList l{at(0, 5), at(20, 3), at(60, 8), Command::endMarker()};
  EXPECT_FALSE(briefing::canMoveUp(l, 0));
  EXPECT_FALSE(briefing::canMoveUp(l, 3));
  EXPECT_FALSE(briefing::canMoveDown(l, 2));
  EXPECT_FALSE(briefing::canDelete(l, 3));
  EXPECT_TRUE(briefing::canDelete(l, 2));
  int sel = 2;
  briefing::moveUp(l, sel);
  EXPECT_EQ(sel, 1);
  EXPECT_EQ(codes(l), (std::vector<int>{5, 8, 3, 34}));
  EXPECT_EQ(l[1].time, 20);
  EXPECT_EQ(l[2].time, 60);
}

TEST(BriefingTimeAdjust, FollowingCommandsMoveButNeverBelowTheIncrement) {
  CommandList l{at(0, 5), at(20, 3), at(15, 3), at(100, 3), Command::endMarker()};
  briefing::stepTime(l, 0, 20, true);
  EXPECT_EQ(l[0].time, 20);
  EXPECT_EQ(l[1].time, 40);
  EXPECT_EQ(l[4].time, 9999);
  briefing::stepTime(l, 0, -20, true);
  briefing::stepTime(l, 0, -20, true);
  EXPECT_EQ(l[0].time, 0);
  EXPECT_EQ(l[1].time, 20);  // 40 -> 20, then left: not above the increment
  EXPECT_EQ(l[2].time, 15);
  briefing::stepTime(l, 3, 100000, false);
  EXPECT_EQ(l[3].time, briefing::MaxTime);  // the file holds 16 bits
}

TEST(BriefingCurrentInstruction, ParameterAndTypedCoordinates) {
  model::Mission m;
  m.newMission();
  m.flightGroups[0].set(fg::WaypointX, model::i16{320}, model::Briefing1 + 2);
  m.flightGroups[0].set(fg::WaypointY, model::i16{-160}, model::Briefing1 + 2);
  Command move = at(0, briefing::MoveMap);
  briefing::chooseParameter(move, 0, m, 2);  // centred on the flight group's briefing 3 point
  EXPECT_EQ(move.index, 0);
  EXPECT_EQ(move.x, 320);
  EXPECT_EQ(move.y, -160);
  Command zoom = at(0, briefing::ZoomMap);
  briefing::chooseParameter(zoom, 4, m, 0);  // a preset: X and Y, never the index
  EXPECT_EQ(zoom.x, 48);
  EXPECT_EQ(zoom.y, 48);
  EXPECT_EQ(zoom.index, 0);

  EXPECT_TRUE(briefing::typeX(zoom, "100"));
  EXPECT_EQ(zoom.y, 100);
  EXPECT_FALSE(briefing::typeX(zoom, "1.5"));  // a zoom is a whole number
  EXPECT_TRUE(briefing::typeX(move, "-1.5"));
  EXPECT_EQ(move.x, -240);
  EXPECT_EQ(move.y, -160);
  EXPECT_FALSE(briefing::typeY(move, "205"));  // 32800 map units do not fit a word
  EXPECT_FALSE(briefing::typeY(move, "abc"));
  EXPECT_EQ(move.y, -160);
}

TEST(BriefingStore, OneStepOfTheChangedWordsThatUndoTakesBack) {
  model::Mission m;
  m.newMission();
  m.briefings[1].set(rec::RunningTime, model::i16{200});
  const model::Briefing before = m.briefings[1];
  model::MissionEdit e(m);
  EXPECT_FALSE(briefing::storeList(e, 1, {at(20, 3), Command::endMarker()}));
  model::Delta d = e.take();
  ASSERT_EQ(d.steps.size(), 1u);
  const auto& step = std::get<model::PatchStep>(d.steps[0]);
  EXPECT_EQ(step.index, 1);
  EXPECT_GE(step.offset, rec::EventWordsUsed.offset);
  EXPECT_LE(step.offset + step.after.size(), rec::TeamVisible.offset);
  EXPECT_EQ(codes(briefing::decode(m.briefings[1]).commands), (std::vector<int>{3, 34}));
  d.revert(m);
  EXPECT_EQ(m.briefings[1], before);

  CommandList big(200, at(0, 3));  // 402 words with the end marker
  big.push_back(Command::endMarker());
  model::MissionEdit cut(m);
  EXPECT_TRUE(briefing::storeList(cut, 1, big));
  EXPECT_EQ(m.briefings[1].get(rec::EventWordsUsed), 400);
}

TEST(BriefingCopy, BriefingAndIconPositions) {
  model::Mission m;
  m.newMission();
  m.briefings[0].strings[1] = "text";
  m.briefings[0].set(rec::RunningTime, model::i16{100});
  briefing::copyBriefing(m, 0, 2);
  EXPECT_EQ(m.briefings[2].strings[1], "text");
  EXPECT_EQ(m.briefings[2].get(rec::RunningTime), 100);
  EXPECT_EQ(m.briefings[2].get(rec::TeamVisible, 0), 0);
  EXPECT_EQ(m.briefings[2].get(rec::TeamVisible, 2), 1);

  model::FlightGroup& g = m.flightGroups[0];
  g.set(fg::WaypointX, model::i16{500}, model::Start1);
  g.set(fg::WaypointZ, model::i16{7}, model::Briefing1);
  briefing::copyIconPositions(m, 0, 3);
  EXPECT_EQ(g.z(model::Briefing4), 7);
  EXPECT_FALSE(g.enabled(model::Briefing4));
  briefing::setIconsToStart1(m, 1);
  EXPECT_EQ(g.x(model::Briefing2), 500);
  EXPECT_EQ(g.x(model::Briefing1), 0);
}

class AutoBrief : public ::testing::Test {
 protected:
  AutoBrief() {
    m.newMission();
    m.flightGroups[0].setText(fg::Name, "Red");
    m.addFlightGroup();
    m.flightGroups[1].setText(fg::Name, "Gold");
  }
  std::vector<std::pair<int, int>> stream(const briefing::AutoBriefResult& r) {
    std::vector<std::pair<int, int>> v;
    for (const Command& c : r.commands) v.emplace_back(c.time, c.code);
    return v;
  }
  model::Mission m;
};

TEST_F(AutoBrief, TwoNamesBoxedAcrossTheInterval) {
  m.briefings[0].strings[1] = "Watch [Red] and [Gold].";
  const auto r = briefing::autoBrief(m, 0, {7, true, {}, {}});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(stream(r),
            (std::vector<std::pair<int, int>>{
                {0, 6}, {0, 7}, {0, 5}, {10, 9}, {80, 10}, {140, 8}, {140, 3}, {9999, 34}}));
  EXPECT_EQ(r.commands[4].index, 1);
  EXPECT_EQ(r.runningTime, 140);
}

TEST_F(AutoBrief, UnmatchedNameStillClearsAndShortIntervalHasNoClosingMove) {
  m.briefings[0].strings[1] = "Find [Nobody] now";
  const auto r = briefing::autoBrief(m, 0, {3, true, 0, 48});
  EXPECT_EQ(stream(r), (std::vector<std::pair<int, int>>{
                           {0, 6}, {0, 7}, {0, 5}, {60, 8}, {60, 3}, {9999, 34}}));
  const auto longer = briefing::autoBrief(m, 0, {4, true, 0, 48});
  EXPECT_EQ(longer.commands[5].code, 6);
  EXPECT_EQ(longer.commands[5].time, 20);
  EXPECT_EQ(longer.commands[6].code, 7);
}

TEST_F(AutoBrief, NoTextIsRefusedAndTheStreamStaysWithinTheLimit) {
  EXPECT_EQ(briefing::autoBrief(m, 0, {}).message.english(), briefing::NoTextMessage);
  for (int i = 0; i < 40; ++i) m.addFlightGroup();
  for (auto& g : m.flightGroups) g.setText(fg::Name, "Red");
  for (int k = 1; k < 32; ++k) m.briefings[0].strings[k] = "[Red]";
  const auto r = briefing::autoBrief(m, 0, {7, true, {}, {}});
  ASSERT_TRUE(r.ok);
  EXPECT_LE(briefing::wordCount(r.commands), 400);
  EXPECT_GT(r.droppedBoxes, 0);
  EXPECT_TRUE(r.commands.back().isEnd());
  EXPECT_EQ(r.message.english(), "The briefing would be larger than 400 words: the last " +
                                     std::to_string(r.droppedBoxes) +
                                     " FG Box instructions were left out.");
  briefing::applyAutoBrief(m, 0, r);
  EXPECT_EQ(m.briefings[0].get(rec::RunningTime), 31 * 140);
}

TEST_F(AutoBrief, ABriefingLongerThanTheGameAllowsIsRefused) {
  m.briefings[0].strings[1] = "One";
  m.briefings[0].strings[2] = "Two";
  const auto r = briefing::autoBrief(m, 0, {1000, true, {}, {}});
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message.english(),
            "The briefing would run longer than the game allows (1633.35 seconds). Choose a "
            "shorter time between texts.");
}

TEST_F(AutoBrief, ANewStreamLeavesNothingOfTheOldOneBehindIt) {
  m.addFlightGroup();
  m.flightGroups[0].setText(fg::Name, "Red");
  m.briefings[0].strings[1] = "[Red]";
  for (std::size_t i = 0; i < rec::EventWords; ++i)
    m.briefings[0].set(rec::Events, model::i16{0x1234}, i);
  const auto r = briefing::autoBrief(m, 0, {7, true, {}, {}});
  ASSERT_TRUE(r.ok);
  briefing::applyAutoBrief(m, 0, r);
  EXPECT_EQ(m.briefings[0].get(rec::Events, rec::EventWords - 1), 0);
}

TEST(BriefingNames, BracketedNamesStopAtSpaceBracketOrLastCharacter) {
  EXPECT_EQ(briefing::bracketedNames("[A b] [C] [De"), (std::vector<std::string>{"A", "C", "D"}));
}

}  // namespace
