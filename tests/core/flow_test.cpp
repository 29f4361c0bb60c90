#include <gtest/gtest.h>

#include "flow_mission.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "editing/triggers.h"
#include "flow/analysis.h"
#include "flow/list_check.h"
#include "flow/rules.h"
#include "model/mission.h"

namespace {

using model::u8;
namespace fg = model::fg;

constexpr int Always = 0, Arrive = 1, Destroyed = 2, NeverTrue = 10;
constexpr int FlightGroupTarget = 1, ShipTypeTarget = 2, OrdersTarget = 6, TargetGlobalGroup = 8;

flow::Time exactly(int s) {
  return flow::Time::at(s, true);
}
flow::Time atLeast(int s) {
  return flow::Time::at(s, false);
}
const flow::Time never{};

class Flow : public ::testing::Test {
 protected:
  Flow() {
    m.newMission();
    m.flightGroups.clear();
  }
  // Appends a flight group arriving after `delay` seconds once its triggers are met.
  int add(int delay = 0, const char* name = "Wing") {
    model::FlightGroup g = m.addedFlightGroup(m.newFlightGroupTemplate({}), {});
    g.setText(fg::Name, name);
    g.set(fg::CraftType, u8{1});
    g.set(fg::ArrivalDelayMinutes, static_cast<u8>(delay / 60));
    g.set(fg::ArrivalDelaySeconds, static_cast<u8>(delay % 60));
    m.flightGroups.push_back(g);
    m.syncCounts();
    return static_cast<int>(m.flightGroups.size()) - 1;
  }
  static void setTrigger(model::Bytes record, const editing::TriggerSetPlace& place, int n,
                         int condition, int type, int value) {
    const auto t = editing::packTrigger(condition, type, value, 0);
    std::copy(t.begin(), t.end(), record.begin() + static_cast<long>(place.triggerOffset(n)));
  }
  void trigger(int g, int n, int condition, int type = FlightGroupTarget, int value = 0) {
    setTrigger(group(g).span(), editing::arrivalTriggers(), n, condition, type, value);
  }
  void waitsFor(int g, int n, int other) { trigger(g, n, Arrive, FlightGroupTarget, other); }
  void orFlags(int g, bool or12, bool or34, bool orPairs) {
    const editing::TriggerSetPlace p = editing::arrivalTriggers();
    group(g).set(*p.flag(editing::OrFlag::OneOrTwo), static_cast<u8>(or12));
    group(g).set(*p.flag(editing::OrFlag::ThreeOrFour), static_cast<u8>(or34));
    group(g).set(*p.flag(editing::OrFlag::PairOrPair), static_cast<u8>(orPairs));
  }
  void mother(int g, int ship, int alternative = -1) {
    group(g).set(fg::ArriveViaMothership, u8{1});
    group(g).set(fg::ArrivalMothership, static_cast<u8>(ship));
    group(g).set(fg::AltArriveViaMothership, static_cast<u8>(alternative >= 0));
    group(g).set(fg::AltArrivalMothership, static_cast<u8>(std::max(alternative, 0)));
  }
  model::FlightGroup& group(int g) { return m.flightGroups[static_cast<std::size_t>(g)]; }
  // One level's times with the findings and advisories of that level.
  struct One : flow::LevelResult {
    std::vector<flow::Finding> findings, advisories;
  };
  One run(flow::Difficulty d = flow::Difficulty::Medium) const {
    flow::Result r = flow::analyse(m, v, flow::Levels::only(d));
    One one;
    static_cast<flow::LevelResult&>(one) = r.levels.at(0);
    one.findings = std::move(r.findings);
    one.advisories = std::move(r.advisories);
    return one;
  }
  static std::vector<const flow::Finding*> findings(const One& r, flow::FindingKind k) {
    std::vector<const flow::Finding*> out;
    for (const auto& f : r.findings)
      if (f.kind == k) out.push_back(&f);
    return out;
  }

  model::Mission m;
  shell::Vocabulary v;
};

TEST_F(Flow, AlwaysTrueChainWithDelaysGivesExactTimes) {
  const int lead = add(10);
  const int second = add(60);
  waitsFor(second, 1, lead);
  const int third = add(30);
  waitsFor(third, 2, second);
  const int late = add(4 * 60 + 5);
  const One r = run();
  EXPECT_EQ(r.flightGroups[lead].time, exactly(10));
  EXPECT_EQ(r.flightGroups[second].time, exactly(70));
  EXPECT_EQ(r.flightGroups[third].time, exactly(100));
  EXPECT_EQ(r.flightGroups[late].time, exactly(245));
  EXPECT_EQ(r.flightGroups[third].waitsOn, std::vector<int>{second});
  EXPECT_EQ(r.arrivalOrder(), (std::vector<int>{lead, second, third, late}));
  EXPECT_EQ(flow::formatTime(r.flightGroups[late].time), "4:05");
  EXPECT_TRUE(r.findings.empty());
}

TEST_F(Flow, TriggersCombineAsTheirAndOrFlagsSay) {
  // A at 0:10 and B at 0:20 exactly, C no earlier than 0:30, D at 0:30 exactly, N never.
  const int a = add(10), b = add(20), c = add(10), d = add(30), n = add();
  trigger(c, 1, Destroyed, FlightGroupTarget, b);
  trigger(n, 1, NeverTrue);
  constexpr int None = -1;
  struct Row {
    std::array<int, 4> waits;  // the group each trigger waits on, None for "always true"
    bool or12, or34, orPairs;
    flow::Time expected;
  };
  const std::vector<Row> rows{
      {{a, b, None, None}, false, false, false, exactly(20)},
      {{a, b, None, None}, true, false, false, exactly(10)},
      {{a, n, None, None}, true, false, false, exactly(10)},
      {{a, n, None, None}, false, false, false, never},
      {{a, b, c, None}, false, false, true, exactly(20)},
      {{a, n, c, n}, true, true, false, atLeast(30)},
      {{n, n, b, None}, true, false, true, exactly(20)},
      {{n, n, b, None}, true, false, false, never},
      {{c, b, None, None}, true, false, false, exactly(20)},
      {{c, d, None, None}, true, false, false, exactly(30)},
      {{c, None, None, None}, false, false, false, atLeast(30)},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const int x = add(5);
    for (int t = 0; t < 4; ++t)
      if (row.waits[static_cast<std::size_t>(t)] != None)
        waitsFor(x, t + 1, row.waits[static_cast<std::size_t>(t)]);
    orFlags(x, row.or12, row.or34, row.orPairs);
    const flow::Time expected =
        row.expected.never ? never : flow::Time::at(row.expected.seconds + 5, row.expected.exact);
    EXPECT_EQ(run().flightGroups[static_cast<std::size_t>(x)].time, expected) << "row " << i;
  }
}

// A time that is only a lower bound says which trigger makes it so: of two triggers either of
// which will do, the earlier one.
TEST_F(Flow, ABoundTimeIsExplainedByTheEarlierOfTwoEitherTriggers) {
  const int a = add(10), late = add(30), soon = add(5);
  trigger(soon, 1, Destroyed, FlightGroupTarget, a);  // no earlier than 0:15, the game decides
  for (const bool soonFirst : {false, true}) {
    const int x = add();
    waitsFor(x, soonFirst ? 1 : 2, soon);
    waitsFor(x, soonFirst ? 2 : 1, late);
    orFlags(x, true, false, false);
    const One r = run();
    const flow::Arrival& arrival = r.flightGroups[static_cast<std::size_t>(x)];
    EXPECT_EQ(arrival.time, atLeast(15));
    EXPECT_EQ(arrival.reason.english(),
              "lower bound: arrival trigger " + std::string(soonFirst ? "1" : "2") +
                  " (#3 Light Fighter Wing must arrive) waits on a time that is "
                  "itself a lower bound");
  }
}

// A condition on a group whose time the file cannot tell still names the group it waits on.
TEST_F(Flow, AnOpenConditionOnAGroupNamesTheGroupItWaitsOn) {
  const int a = add(10), x = add();
  trigger(x, 1, 12, FlightGroupTarget, a);
  EXPECT_EQ(run().flightGroups[static_cast<std::size_t>(x)].waitsOn, std::vector<int>{a});
}

TEST_F(Flow, GroupsWaitingOnEachOtherNeverArriveAndTheCycleIsReported) {
  const int first = add(), second = add(), waiting = add();
  waitsFor(first, 1, second);
  waitsFor(second, 1, first);
  waitsFor(waiting, 1, first);
  const int self = add();
  waitsFor(self, 1, self);
  const One r = run();
  for (int g : {first, second, waiting, self})
    EXPECT_TRUE(r.flightGroups[static_cast<std::size_t>(g)].time.never);
  EXPECT_EQ(r.flightGroups[first].cycle, (std::vector<int>{first, second}));
  EXPECT_TRUE(r.flightGroups[waiting].cycle.empty());
  EXPECT_NE(r.flightGroups[waiting].reason.english().find("waits on #1 "), std::string::npos)
      << r.flightGroups[waiting].reason.english();
  EXPECT_EQ(r.flightGroups[self].cycle, std::vector<int>{self});
  const auto never = findings(r, flow::FindingKind::NeverArrives);
  ASSERT_EQ(never.size(), 3u);
  EXPECT_EQ(never[0]->flightGroups, (std::vector<int>{first, second}));
  EXPECT_NE(never[0]->text.english().find("wait on each other"), std::string::npos)
      << never[0]->text.english();
  EXPECT_EQ(never[1]->flightGroups, std::vector<int>{waiting});
  EXPECT_EQ(never[2]->flightGroups, std::vector<int>{self});
}

TEST_F(Flow, ACycleWithAWayInArrives) {
  const int loop = add(), back = add(10), start = add(5);
  waitsFor(loop, 1, back);
  waitsFor(loop, 2, start);
  orFlags(loop, true, false, false);
  waitsFor(back, 1, loop);
  const One r = run();
  EXPECT_EQ(r.flightGroups[loop].time, exactly(5));
  EXPECT_EQ(r.flightGroups[back].time, exactly(15));
  EXPECT_TRUE(r.findings.empty());
}

TEST_F(Flow, AMotherShipBoundsTheArrivalAndItsAlternativeStandsInWhenItNeverComes) {
  const int gone = add(), other = add(), ship = add(60);
  trigger(gone, 1, NeverTrue);
  trigger(other, 1, NeverTrue);
  struct Row {
    int ship, alternative;  // -1: the alternative is hyperspace
    flow::Time expected;
  };
  const std::vector<Row> rows{
      {ship, -1, atLeast(60)}, {gone, -1, atLeast(0)}, {gone, ship, atLeast(60)},
      {gone, other, never},    {40, -1, atLeast(0)},  // a mother ship that does not exist
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int x = add();
    mother(x, rows[i].ship, rows[i].alternative);
    const One r = run();
    EXPECT_EQ(r.flightGroups[static_cast<std::size_t>(x)].time, rows[i].expected) << "row " << i;
    if (rows[i].expected.never) {
      EXPECT_NE(r.flightGroups[static_cast<std::size_t>(x)].reason.english().find("mother ship"),
                std::string::npos);
    }
  }
}

// Whether "100% of nobody destroyed" is met at once is the game's to say: no "never", but the
// target names nothing at any level, and that is certain.
TEST_F(Flow, ATriggerNamingACraftTypeNobodyFliesCannotBeToldAndNamesNothing) {
  const int g = add();
  trigger(g, 1, Destroyed, ShipTypeTarget, 4);  // craft type 5; every group flies type 1
  const int open = add();
  trigger(open, 1, Arrive, OrdersTarget, 3);  // craft with orders: the file cannot tell when
  const One r = run();
  EXPECT_EQ(r.flightGroups[g].time, atLeast(0));
  const auto nothing = findings(r, flow::FindingKind::NamesNothing);
  ASSERT_EQ(nothing.size(), 1u);
  EXPECT_EQ(nothing[0]->flightGroups, std::vector<int>{g});
  EXPECT_EQ(nothing[0]->place, (flow::Place{flow::PlaceKind::ArrivalTrigger, g, 1, 0}));
  EXPECT_EQ(r.flightGroups[open].time, atLeast(0));
  EXPECT_NE(r.flightGroups[open].reason.english().find("cannot tell"), std::string::npos);
  // A category rests on how the editor sorts craft, and says so; a craft type does not.
  const int mines = add();
  trigger(mines, 1, Destroyed, 3, 6);  // ship category 6: no group flies a mine
  const One withMines = run();
  ASSERT_EQ(findings(withMines, flow::FindingKind::NamesNothing).size(), 2u);
  for (const flow::Finding* f : findings(withMines, flow::FindingKind::NamesNothing))
    EXPECT_EQ(f->text.english().find("as the editor sorts craft") != std::string::npos,
              f->flightGroups == std::vector<int>{mines})
        << f->text.english();
  group(1).set(fg::CraftType, u8{5});
  EXPECT_EQ(run().flightGroups[g].time, atLeast(0));
}

TEST_F(Flow, AGroupArrivesOnlyAtTheDifficultiesItAppearsIn) {
  struct Row {
    int difficulty;
    flow::Difficulty level;
    bool arrives;
  };
  const std::vector<Row> rows{
      {0, flow::Difficulty::Easy, true},   {3, flow::Difficulty::Medium, false},
      {3, flow::Difficulty::Hard, true},   {1, flow::Difficulty::Easy, true},
      {1, flow::Difficulty::Hard, false},  {4, flow::Difficulty::Easy, false},
      {5, flow::Difficulty::Medium, true}, {6, flow::Difficulty::Easy, false},
  };
  const int g = add();
  group(g).set(fg::ArriveOnlyIfHuman, u8{1});
  for (const Row& row : rows) {
    group(g).set(fg::ArrivalDifficulty, static_cast<u8>(row.difficulty));
    const One r = run(row.level);
    EXPECT_EQ(!r.flightGroups[g].absent, row.arrives) << row.difficulty;
    EXPECT_TRUE(r.flightGroups[g].onlyIfHuman);
    EXPECT_TRUE(r.findings.empty()) << row.difficulty;  // left out is a state, not a finding
  }
  group(g).set(fg::ArrivalDifficulty, u8{3});
  EXPECT_EQ(run().flightGroups[g].reason.english(), "it is not at Medium (difficulty \"Hard\")");
  EXPECT_EQ(flow::arrivalText(run().flightGroups[g], flow::Difficulty::Medium).english(),
            "not at Medium");
}

// Levels whose findings differ only in their text (one more cause at Easy and Medium, where the
// only other craft of the type is left out) stay apart: each says what holds at its levels.
TEST_F(Flow, FindingsAlikeButForTheirTextStayApart) {
  const int gone = add(0, "Gone");
  trigger(gone, 1, NeverTrue);
  const int late = add(0, "Late");
  group(late).set(fg::ArrivalDifficulty, u8{3});  // at Hard only
  const int waits = add(0, "Waits");
  group(waits).set(fg::CraftType, u8{5});
  waitsFor(waits, 1, gone);
  trigger(waits, 2, Arrive, ShipTypeTarget, 0);  // the craft of "Gone" and "Late"
  std::vector<std::pair<std::string, flow::Levels>> found;
  for (const flow::Finding& f : flow::analyse(m, v).findings)
    if (f.flightGroups == std::vector<int>{waits}) found.emplace_back(f.text.english(), f.levels);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_NE(found[0].first.find("at Easy and Medium: arrival trigger 1 waits on #1 "),
            std::string::npos)
      << found[0].first << "\n"
      << found[1].first;
  EXPECT_NE(found[0].first.find("; arrival trigger 2 waits on "), std::string::npos);
  EXPECT_EQ(found[1].second, flow::Levels::only(flow::Difficulty::Hard));
  EXPECT_EQ(found[1].first.find("arrival trigger 2"), std::string::npos) << found[1].first;
}

TEST_F(Flow, MessagesAndGoalsWaitingOnAGroupThatNeverArrivesAreReported) {
  const int gone = add(), there = add();
  trigger(gone, 1, NeverTrue);
  group(gone).goalBytes(0)[model::goal::Condition.offset] = Destroyed;  // must be destroyed
  group(gone).goalBytes(1)[model::goal::Condition.offset] = Destroyed;
  group(gone).goalBytes(1)[model::goal::Argument.offset] = 1;  // must NOT: kept
  m.addMessage();
  m.addMessage();
  setTrigger(m.messages[0].span(), editing::messageTriggers(), 1, Arrive, FlightGroupTarget, gone);
  setTrigger(m.messages[1].span(), editing::messageTriggers(), 1, Arrive, FlightGroupTarget, there);
  m.messages[1].set(model::message::Delay, u8{3});
  setTrigger(m.globalGoals[0].span(), editing::globalGoalTriggers(0), 1, Destroyed,
             FlightGroupTarget, gone);
  const One r = run();
  EXPECT_TRUE(r.messages[0].time.never);
  EXPECT_EQ(r.messages[1].time, exactly(15));
  const auto notSent = findings(r, flow::FindingKind::NeverSent);
  ASSERT_EQ(notSent.size(), 1u);
  EXPECT_EQ(notSent[0]->messages, std::vector<int>{0});
  ASSERT_EQ(r.globalGoals.size(), 1u);
  EXPECT_TRUE(r.globalGoals[0].time.never);
  const auto unmet = findings(r, flow::FindingKind::GoalNeverMet);
  ASSERT_EQ(unmet.size(), 2u);
  EXPECT_EQ(unmet[0]->place, (flow::Place{flow::PlaceKind::GlobalGoal, 0, 0, 0}));
  EXPECT_EQ(unmet[1]->place, (flow::Place{flow::PlaceKind::FlightGroupGoal, gone, 1, 0}));
  EXPECT_NE(unmet[1]->text.english().find(", goal 1 ("), std::string::npos)
      << unmet[1]->text.english();
}

TEST_F(Flow, UsagesListEveryPlaceThatNamesTheGroup) {
  const int red = add(0, "Red"), other = add(0, "Gold");
  waitsFor(other, 2, red);
  mother(other, red);
  group(other).orderBytes(1)[model::order::Target3Type.offset] = FlightGroupTarget;
  group(other).orderBytes(1)[model::order::Target3.offset] = static_cast<u8>(red);
  group(red).goalBytes(0)[model::goal::Condition.offset] = Destroyed;
  m.addMessage();
  setTrigger(m.messages[0].span(), editing::messageTriggers(), 1, Destroyed, FlightGroupTarget,
             red);
  setTrigger(m.globalGoals[1].span(), editing::globalGoalTriggers(1), 3, Arrive, FlightGroupTarget,
             red);
  // Briefing 2: a box around Red, a tag reading "Red" and a text naming [Red].
  model::Briefing& b = m.briefings[1];
  const std::vector<model::i16> words{0,    9, static_cast<model::i16>(red), 20, 18, 0, 0, 0, 0,
                                      9999, 34};
  for (std::size_t i = 0; i < words.size(); ++i) b.set(model::briefing::Events, words[i], i);
  b.set(model::briefing::EventWordsUsed, static_cast<model::i16>(words.size()));
  b.tags[0] = "Red";
  b.strings[2] = "Watch [Red] closely, [Red] above all";  // one line however often
  std::vector<flow::Place> places;
  for (const flow::Usage& u : flow::usages(m, v, red)) places.push_back(u.place);
  const std::vector<flow::Place> expected{
      {flow::PlaceKind::FlightGroupGoal, red, 1, 0},
      {flow::PlaceKind::ArrivalTrigger, other, 2, 0},
      {flow::PlaceKind::ArrivalMothership, other, 0, 0},
      {flow::PlaceKind::OrderTarget, other, 2, 3},
      {flow::PlaceKind::MessageTrigger, 0, 1, 0},
      {flow::PlaceKind::GlobalGoalTrigger, 1, 1, 3},
      {flow::PlaceKind::BriefingBox, 1, 0, 0},
      {flow::PlaceKind::BriefingTag, 1, 0, 1},
      {flow::PlaceKind::BriefingText, 1, 0, 2},
  };
  EXPECT_EQ(places, expected);
  EXPECT_TRUE(flow::usages(m, v, other).empty());
}

// The slow evaluation the fast one must agree with: every group's arrival recomputed from all
// the others until nothing changes, mother ships first bounded either way, then by the ship
// unless it never comes. A group left out of the level never arrives there; a trigger on it, on
// a set none of whose members is there, on a group the mission does not have or with a condition
// of no known meaning cannot be told (no earlier than 0), and so can a mother ship like that.
struct Slow {
  const model::Mission& m;
  flow::Difficulty d;

  bool absent(std::size_t g) const {
    return !flow::appearsAt(d, m.flightGroups[g].get(fg::ArrivalDifficulty));
  }
  static flow::Time either(const flow::Time& a, const flow::Time& b) {
    if (a.never) return b;
    if (b.never) return a;
    if (a.seconds != b.seconds) return a.seconds < b.seconds ? a : b;
    return flow::Time::at(a.seconds, a.exact || b.exact);
  }
  static flow::Time both(const flow::Time& a, const flow::Time& b) {
    if (a.never || b.never) return never;
    return flow::Time::at(std::max(a.seconds, b.seconds), a.exact && b.exact);
  }
  flow::Time term(model::CBytes t, const std::vector<flow::Time>& arrival) const {
    const int c = t[0], type = t[1], value = t[2];
    const auto count = static_cast<int>(m.flightGroups.size());
    if (c == Always) return exactly(0);
    if (c == NeverTrue) return never;
    if (!flow::knownCondition(c) || (type == FlightGroupTarget && value >= count) ||
        !flow::needsPresence(c))
      return atLeast(0);
    if (type == FlightGroupTarget) {
      const auto g = static_cast<std::size_t>(value);
      if (absent(g)) return atLeast(0);
      return arrival[g].never ? never
                              : flow::Time::at(arrival[g].seconds, c == Arrive && arrival[g].exact);
    }
    const flow::TargetSet set = flow::targetMembers(m, type, value);
    if (!set.known) return atLeast(0);
    flow::Time first = never;
    bool there = false;
    for (int g : set.members) {
      if (absent(static_cast<std::size_t>(g))) continue;
      there = true;
      first = either(first, arrival[static_cast<std::size_t>(g)]);
    }
    if (!there) return atLeast(0);
    return first.never ? never : atLeast(first.seconds);
  }
  flow::Time formula(model::CBytes record, const editing::TriggerSetPlace& p,
                     const std::vector<flow::Time>& arrival) const {
    flow::Time t[4];
    for (int n = 1; n <= 4; ++n) {
      const auto bytes = editing::readTrigger(record, p, n);
      t[n - 1] = term(model::CBytes(bytes), arrival);
    }
    auto join = [](const flow::Time& a, const flow::Time& b, bool isOr) {
      return isOr ? either(a, b) : both(a, b);
    };
    return join(join(t[0], t[1], editing::readOr(record, p, editing::OrFlag::OneOrTwo)),
                join(t[2], t[3], editing::readOr(record, p, editing::OrFlag::ThreeOrFour)),
                editing::readOr(record, p, editing::OrFlag::PairOrPair));
  }
  static flow::Time later(const flow::Time& t, int s) {
    return t.never ? t : flow::Time::at(t.seconds + s, t.exact);
  }
  // A mother ship's time: cannot be told for one the mission does not have or one left out.
  flow::Time ship(std::size_t s, const std::vector<flow::Time>& arrival) const {
    return s < m.flightGroups.size() && !absent(s) ? arrival[s] : atLeast(0);
  }
  flow::Time group(std::size_t g, const std::vector<flow::Time>& arrival,
                   const std::vector<flow::Time>* firstPass) const {
    const model::FlightGroup& x = m.flightGroups[g];
    if (absent(g)) return never;
    flow::Time t = later(formula(x.span(), editing::arrivalTriggers(), arrival),
                         x.get(fg::ArrivalDelayMinutes) * 60 + x.get(fg::ArrivalDelaySeconds));
    if (!x.get(fg::ArriveViaMothership)) return t;
    const std::size_t s = x.get(fg::ArrivalMothership), alt = x.get(fg::AltArrivalMothership);
    const flow::Time shipTime = ship(s, arrival);
    const flow::Time altTime = x.get(fg::AltArriveViaMothership) ? ship(alt, arrival) : atLeast(0);
    flow::Time bound;
    if (!firstPass)
      bound = either(shipTime, altTime);
    else
      bound = s < m.flightGroups.size() && !absent(s) && (*firstPass)[s].never ? altTime : shipTime;
    if (!bound.never) bound.exact = false;
    return both(t, bound);
  }
  std::vector<flow::Time> pass(const std::vector<flow::Time>* firstPass) const {
    std::vector<flow::Time> arrival(m.flightGroups.size(), never);
    for (std::size_t round = 0; round <= 4 * arrival.size() + 4; ++round) {
      std::vector<flow::Time> next(arrival.size());
      for (std::size_t g = 0; g < arrival.size(); ++g) next[g] = group(g, arrival, firstPass);
      if (next == arrival) return arrival;
      arrival = next;
    }
    ADD_FAILURE() << "the slow evaluation did not settle";
    return arrival;
  }
  std::vector<flow::Time> arrivals() const {
    std::vector<flow::Time> first = pass(nullptr);
    std::vector<flow::Time> second = pass(&first);
    for (std::size_t g = 0; g < first.size(); ++g)
      if (!second[g].never) first[g] = second[g];
    return first;
  }
};

TEST_F(Flow, TwoHundredRandomGroupsAgreeWithTheSlowEvaluation) {
  for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
    m = testgen::flowMission(seed);
    const flow::Result all = flow::analyse(m, v);
    int nevers = 0, bounds = 0, absent = 0;
    for (const flow::LevelResult& r : all.levels) {
      const Slow slow{m, r.difficulty};
      const std::vector<flow::Time> arrival = slow.arrivals();
      const std::string at =
          "seed " + std::to_string(seed) + " at " + std::string(flow::difficultyName(r.difficulty));
      for (std::size_t g = 0; g < arrival.size(); ++g) {
        EXPECT_EQ(r.flightGroups[g].time, arrival[g]) << at << " group " << g;
        EXPECT_EQ(r.flightGroups[g].absent, slow.absent(g)) << at << " group " << g;
        absent += slow.absent(g);
        nevers += arrival[g].never && !slow.absent(g);
        bounds += !arrival[g].never && !arrival[g].exact;
      }
      for (std::size_t i = 0; i < m.messages.size(); ++i) {
        const flow::Time t =
            Slow::later(slow.formula(m.messages[i].span(), editing::messageTriggers(), arrival),
                        m.messages[i].get(model::message::Delay) * 5);
        EXPECT_EQ(r.messages[i].time, t) << at << " message " << i;
      }
      for (const flow::GlobalGoalTime& g : r.globalGoals)
        EXPECT_EQ(g.time,
                  slow.formula(m.globalGoals[static_cast<std::size_t>(g.team)].span(),
                               editing::globalGoalTriggers(static_cast<std::size_t>(g.goalSet)),
                               arrival));
    }
    // The generator makes every kind of result.
    EXPECT_GT(nevers, 5);
    EXPECT_GT(bounds, 10);
    EXPECT_GT(absent, 10);
    EXPECT_FALSE(all.advisories.empty());
  }
}

// Missions as designers make them, at every level at once: what is certain is a finding, what
// the game decides an advisory, each once with the levels where it holds.
class Designs : public Flow {
 protected:
  static constexpr int Easy = 1, Medium = 2, Hard = 3;       // ArrivalDifficulty
  static constexpr int Assault = 14, Strike = 4, Heavy = 2;  // craft types
  static constexpr int SecondCondition = 31;                 // a number with no known meaning
  int wing(const char* name, int craft, int difficulty) {
    const int g = add(0, name);
    group(g).set(fg::CraftType, static_cast<u8>(craft));
    group(g).set(fg::ArrivalDifficulty, static_cast<u8>(difficulty));
    return g;
  }
  flow::Result runAll() const { return flow::analyse(m, v); }
  // "kind@levels" for each finding or advisory, levels as bits (1 Easy, 2 Medium, 4 Hard).
  static std::vector<std::string> kinds(const std::vector<flow::Finding>& items) {
    std::vector<std::string> out;
    for (const flow::Finding& f : items)
      out.push_back(std::string(flow::findingWord(f.kind)) + "@" + std::to_string(f.levels.bits));
    return out;
  }
  static std::vector<std::string> chain(const flow::Finding& f) {
    std::vector<std::string> out;
    for (const flow::Step& step : f.chain) out.push_back(step.text.english());
    return out;
  }
};

TEST_F(Designs, EachCauseIsOneFindingOrAdvisoryWithItsLevels) {
  struct Row {
    const char* design;
    std::function<void()> build;
    std::vector<std::string> findings, advisories;
  };
  const std::vector<Row> rows{
      {"difficulty wings, a bonus freighter keyed to each wing's craft type",
       [this] {
         wing("Easy Wing", Assault, Easy);
         wing("Mid Wing", Strike, Medium);
         wing("Hard Wing", Heavy, Hard);
         for (int craft : {Assault, Strike, Heavy}) {
           const int f = wing("Bonus", 33, 0);
           trigger(f, 1, Destroyed, ShipTypeTarget, craft - 1);
           group(f).goalBytes(0)[model::goal::Condition.offset] = Destroyed;
           group(f).goalBytes(0)[model::goal::Argument.offset] = 2;  // BONUS must
         }
       },
       {},
       {"none-at-level@5", "none-at-level@3", "none-at-level@6"}},
      {"a trigger on a Hard-only group",
       [this] {
         const int ace = wing("Ace", Heavy, Hard), hunter = add(0, "Hunter");
         trigger(hunter, 1, Destroyed, FlightGroupTarget, ace);
       },
       {},
       {"group-not-at-level@3"}},
      {"a condition of no known meaning on a group the mission does not have",
       [this] { trigger(add(0, "Odd"), 1, SecondCondition, FlightGroupTarget, 60); },
       {},
       {"unknown-condition@7"}},
      {"two groups waiting on each other",
       [this] {
         const int a = add(0, "Scout"), b = add(0, "Ambush");
         waitsFor(a, 1, b);
         waitsFor(b, 1, a);
       },
       {"never-arrives@7"},
       {}},
      {"a chain that ends in \"never true\"",
       [this] {
         const int x = add(0, "Gate"), y = add(0, "Convoy"), z = add(0, "Escort");
         trigger(x, 1, NeverTrue);
         waitsFor(y, 1, x);
         waitsFor(z, 1, y);
       },
       {"never-arrives@7", "never-arrives@7", "never-arrives@7"},
       {}},
  };
  for (const Row& row : rows) {
    m.flightGroups.clear();
    row.build();
    const flow::Result r = runAll();
    EXPECT_EQ(kinds(r.findings), row.findings) << row.design;
    EXPECT_EQ(kinds(r.advisories), row.advisories) << row.design;
  }
}

TEST_F(Designs, TextsAndChainsSayWhyAndWhere) {
  const int ace = wing("Ace", Heavy, Hard), hunter = add(0, "Hunter");
  trigger(hunter, 1, Destroyed, FlightGroupTarget, ace);
  wing("Mid Wing", Strike, Medium);
  const int bonus = wing("Bonus", 33, 0);
  trigger(bonus, 1, Destroyed, ShipTypeTarget, Strike - 1);
  const int gate = add(0, "Gate"), convoy = add(0, "Convoy");
  trigger(gate, 1, NeverTrue);
  waitsFor(convoy, 2, gate);
  auto label = [this](int g) {
    return "#" + std::to_string(g + 1) + " " +
           editing::nameListEntry(m, v, static_cast<std::size_t>(g));
  };
  const flow::Result r = runAll();
  ASSERT_EQ(r.advisories.size(), 2u);
  EXPECT_EQ(r.advisories[0].text.english(),
            label(hunter) + ", arrival trigger 1: at Easy and Medium " + label(ace) +
                " is not there: whether \"100% of " + label(ace).substr(3) +
                " must be destroyed\" is met is up to the game");
  EXPECT_EQ(
      chain(r.advisories[0]),
      (std::vector<std::string>{label(hunter) + " waits on " + label(ace) + " (arrival trigger 1)",
                                label(ace) + " is not there at Easy and Medium"}));
  EXPECT_EQ(r.advisories[1].text.english(),
            label(bonus) +
                ", arrival trigger 1: at Easy and Hard there are no Strike Fighters: "
                "whether \"100% of Strike Fighters must be destroyed\" is met at once "
                "is up to the game");
  ASSERT_EQ(r.findings.size(), 2u);
  EXPECT_EQ(r.findings[1].text.english(), label(convoy) +
                                              " never arrives at every level: arrival trigger 2 "
                                              "waits on " +
                                              label(gate) + ", which never arrives");
  EXPECT_EQ(
      chain(r.findings[1]),
      (std::vector<std::string>{label(convoy) + " waits on " + label(gate) + " (arrival trigger 2)",
                                label(gate) + ": arrival trigger 1 is never true"}));
  EXPECT_EQ(r.findings[1].chain[1].place,
            (flow::Place{flow::PlaceKind::ArrivalTrigger, gate, 1, 0}));
  // Where the group or the craft are there, the time follows them.
  EXPECT_EQ(r.at(flow::Difficulty::Hard).flightGroups[hunter].time, atLeast(0));
  EXPECT_EQ(r.at(flow::Difficulty::Medium).flightGroups[bonus].time, atLeast(0));
}

// A mother ship that never comes, with an alternative that never comes either, is a way the
// cycle through it stays closed: both groups are named.
TEST_F(Flow, ACycleThroughAMotherShipNamesBothGroups) {
  const int carrier = add(0, "Carrier"), fighters = add(0, "Fighters"), gone = add(0, "Gone");
  trigger(gone, 1, NeverTrue);
  mother(fighters, carrier, gone);
  waitsFor(carrier, 1, fighters);
  const One r = run();
  const auto never = findings(r, flow::FindingKind::NeverArrives);
  ASSERT_EQ(never.size(), 2u);
  EXPECT_EQ(never[0]->flightGroups, (std::vector<int>{carrier, fighters}));
  EXPECT_EQ(never[1]->flightGroups, std::vector<int>{gone});
}

// In a cycle through a mother ship, a group also waiting by its trigger on a group of the cycle
// is explained by that trigger.
TEST_F(Flow, ACycleIsExplainedByTheTriggerThatNamesTheCycle) {
  const int carrier = add(0, "Carrier"), fighters = add(0, "Fighters"), gone = add(0, "Gone");
  trigger(gone, 1, NeverTrue);
  mother(fighters, carrier);
  waitsFor(fighters, 1, gone);
  waitsFor(fighters, 2, carrier);
  orFlags(fighters, true, false, false);
  waitsFor(carrier, 1, fighters);
  const One r = run();
  const auto never = findings(r, flow::FindingKind::NeverArrives);
  ASSERT_FALSE(never.empty());
  std::string why;
  for (const flow::Step& step : never[0]->chain) why += step.text.english() + "\n";
  EXPECT_NE(why.find("arrival trigger 2"), std::string::npos) << why;
}

// A cycle may run through a set of groups (here the mission's only one): its members are part of
// the cycle.
TEST_F(Flow, ACycleThroughASetNamesItsMembers) {
  const int escort = add(0, "Escort"), tanker = add(0, "Tanker");
  group(tanker).set(fg::CraftType, u8{7});
  trigger(escort, 1, Arrive, ShipTypeTarget, 6);  // every craft of type 7
  waitsFor(tanker, 1, escort);
  const One r = run();
  EXPECT_TRUE(r.flightGroups[escort].time.never);
  EXPECT_EQ(r.flightGroups[escort].cycle, (std::vector<int>{escort, tanker}));
}

// Two groups waiting on each other, one of them also (or instead) on a group that never comes:
// they still wait on each other, and the cycle is reported.
TEST_F(Flow, ACycleWithAWayOutThatNeverOpensIsReported) {
  const int gone = add(0, "Gone"), first = add(0, "First"), second = add(0, "Second");
  trigger(gone, 1, NeverTrue);
  waitsFor(first, 1, second);
  waitsFor(first, 3, gone);
  orFlags(first, false, false, true);
  waitsFor(second, 1, first);
  const One r = run();
  EXPECT_TRUE(r.flightGroups[first].time.never);
  EXPECT_EQ(r.flightGroups[first].cycle, (std::vector<int>{first, second}));
}

// The highest value a target can hold names a set like any other.
TEST_F(Flow, TheLastGlobalGroupIsASetLikeAnyOther) {
  const int tanker = add(60, "Tanker"), escort = add(0, "Escort");
  group(tanker).set(fg::GlobalGroup, u8{255});
  trigger(escort, 1, Arrive, TargetGlobalGroup, 255);
  const One r = run();
  EXPECT_EQ(r.flightGroups[tanker].time, exactly(60));
  EXPECT_EQ(r.flightGroups[escort].time, atLeast(60));
}

// The categories a trigger on "every craft of a category" counts, at the ends of each range.
TEST(FlowRules, CraftTypesFallIntoTheEditorsCategories) {
  const std::pair<int, int> rows[] = {
      {0, -1}, {1, 0},  {9, 0},  {10, -1}, {12, 0},  {16, 0}, {17, 1}, {23, 1},  {24, 4},
      {25, 4}, {26, 2}, {29, 2}, {30, 4},  {31, -1}, {32, 2}, {38, 2}, {39, -1}, {40, 2},
      {41, 2}, {42, 3}, {54, 3}, {55, 2},  {59, 2},  {60, 5}, {69, 5}, {70, -1}, {75, 6},
      {77, 6}, {78, 5}, {90, 5}, {91, 5},  {92, 3},  {93, -1}};
  for (const auto& [craft, category] : rows)
    EXPECT_EQ(flow::shipCategory(craft), category) << craft;
}

// The report of a list's missions gives each mission's findings and advisories.
TEST(FlowLists, TheReportGivesEachMissionsFindings) {
  flow::ListCheck check;
  flow::MissionCheck& c = check.missions.emplace_back();
  c.mission = {"t1.kre", "/x/t1.kre"};
  c.findings.emplace_back().text = std::string("Wing never arrives at Hard");
  c.advisories.emplace_back().text = std::string("Patrol is not at Easy");
  const std::string text = flow::listCheckText(check);
  EXPECT_NE(text.find("Wing never arrives at Hard"), std::string::npos) << text;
  EXPECT_NE(text.find("Patrol is not at Easy"), std::string::npos) << text;
  EXPECT_EQ(text.find("nothing found"), std::string::npos) << text;
}

// A list the check cannot read is refused with a word, not taken for an empty list.
TEST(FlowLists, AListThatCannotBeReadIsRefused) {
  std::vector<flow::ListedMission> out;
  std::string error;
  EXPECT_FALSE(flow::listedMissions("/nonexistent-folder/Mission.lst", out, error));
  EXPECT_NE(error, "");
}

// A group left out of the level takes no part in a cycle there: what waits on it cannot be told.
TEST_F(Flow, AGroupLeftOutOfTheLevelIsNoPartOfACycle) {
  const int a = add(0, "Patrol"), b = add(0, "Relief");
  waitsFor(a, 1, b);
  waitsFor(b, 1, a);
  waitsFor(b, 2, b);                           // and on itself
  group(b).set(fg::ArrivalDifficulty, u8{3});  // Hard only
  const One medium = run();
  EXPECT_TRUE(medium.findings.empty());
  EXPECT_TRUE(medium.flightGroups[a].cycle.empty());
  EXPECT_TRUE(medium.flightGroups[b].cycle.empty());
  EXPECT_EQ(medium.flightGroups[a].time, atLeast(0));
  ASSERT_EQ(medium.advisories.size(), 1u);
  EXPECT_EQ(medium.advisories[0].kind, flow::FindingKind::GroupNotAtLevel);
  EXPECT_EQ(run(flow::Difficulty::Hard).flightGroups[a].cycle, (std::vector<int>{a, b}));
}

}  // namespace
