#include <gtest/gtest.h>

#include "flow_mission.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "editing/triggers.h"
#include "flow/analysis.h"
#include "flow/rules.h"
#include "model/mission.h"

namespace {

using model::u8;
namespace fg = model::fg;

constexpr int Always = 0, Arrive = 1, Destroyed = 2, NeverTrue = 10;
constexpr int FlightGroupTarget = 1, ShipTypeTarget = 2, OrdersTarget = 6;

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
  flow::Result run(flow::Difficulty d = flow::Difficulty::Medium) const {
    return flow::analyse(m, v, d);
  }
  static std::vector<const flow::Finding*> findings(const flow::Result& r, flow::FindingKind k) {
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
  const flow::Result r = run();
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

TEST_F(Flow, GroupsWaitingOnEachOtherNeverArriveAndTheCycleIsReported) {
  const int first = add(), second = add(), waiting = add();
  waitsFor(first, 1, second);
  waitsFor(second, 1, first);
  waitsFor(waiting, 1, first);
  const int self = add();
  waitsFor(self, 1, self);
  const flow::Result r = run();
  for (int g : {first, second, waiting, self})
    EXPECT_TRUE(r.flightGroups[static_cast<std::size_t>(g)].time.never);
  EXPECT_EQ(r.flightGroups[first].cycle, (std::vector<int>{first, second}));
  EXPECT_TRUE(r.flightGroups[waiting].cycle.empty());
  EXPECT_NE(r.flightGroups[waiting].reason.find("waits on #1 "), std::string::npos)
      << r.flightGroups[waiting].reason;
  EXPECT_EQ(r.flightGroups[self].cycle, std::vector<int>{self});
  const auto never = findings(r, flow::FindingKind::NeverArrives);
  ASSERT_EQ(never.size(), 3u);
  EXPECT_EQ(never[0]->flightGroups, (std::vector<int>{first, second}));
  EXPECT_NE(never[0]->text.find("wait on each other"), std::string::npos) << never[0]->text;
  EXPECT_EQ(never[1]->flightGroups, std::vector<int>{waiting});
  EXPECT_EQ(never[2]->flightGroups, std::vector<int>{self});
}

TEST_F(Flow, ACycleWithAWayInArrives) {
  const int loop = add(), back = add(10), start = add(5);
  waitsFor(loop, 1, back);
  waitsFor(loop, 2, start);
  orFlags(loop, true, false, false);
  waitsFor(back, 1, loop);
  const flow::Result r = run();
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
    const flow::Result r = run();
    EXPECT_EQ(r.flightGroups[static_cast<std::size_t>(x)].time, rows[i].expected) << "row " << i;
    if (rows[i].expected.never) {
      EXPECT_NE(r.flightGroups[static_cast<std::size_t>(x)].reason.find("mother ship"),
                std::string::npos);
    }
  }
}

TEST_F(Flow, ATriggerNamingACraftTypeNobodyFliesIsNeverMet) {
  const int g = add();
  trigger(g, 1, Destroyed, ShipTypeTarget, 4);  // craft type 5; every group flies type 1
  const int open = add();
  trigger(open, 1, Arrive, OrdersTarget, 3);  // craft with orders: the file cannot tell when
  const flow::Result r = run();
  EXPECT_TRUE(r.flightGroups[g].time.never);
  const auto nothing = findings(r, flow::FindingKind::NamesNothing);
  ASSERT_EQ(nothing.size(), 1u);
  EXPECT_EQ(nothing[0]->flightGroups, std::vector<int>{g});
  EXPECT_EQ(nothing[0]->place, (flow::Place{flow::PlaceKind::ArrivalTrigger, g, 1, 0}));
  EXPECT_EQ(r.flightGroups[open].time, atLeast(0));
  EXPECT_NE(r.flightGroups[open].reason.find("cannot tell"), std::string::npos);
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
    const flow::Result r = run(row.level);
    EXPECT_EQ(!r.flightGroups[g].time.never, row.arrives) << row.difficulty;
    EXPECT_TRUE(r.flightGroups[g].onlyIfHuman);
  }
  group(g).set(fg::ArrivalDifficulty, u8{3});
  EXPECT_NE(run().flightGroups[g].reason.find("does not appear at Medium"), std::string::npos);
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
  const flow::Result r = run();
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
  b.strings[2] = "Watch [Red] closely";
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
// unless it never comes.
struct Slow {
  const model::Mission& m;
  flow::Difficulty d;
  static constexpr int NeverS = INT_MAX;

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
    if (c == Always) return exactly(0);
    if (c == NeverTrue) return never;
    if (!flow::needsPresence(c)) return atLeast(0);
    if (type == FlightGroupTarget) {
      if (value >= static_cast<int>(m.flightGroups.size())) return never;
      const flow::Time& a = arrival[static_cast<std::size_t>(value)];
      return a.never ? never : flow::Time::at(a.seconds, c == Arrive && a.exact);
    }
    const flow::TargetSet set = flow::targetMembers(m, type, value);
    if (!set.known) return atLeast(0);
    flow::Time first = never;
    for (int g : set.members) first = either(first, arrival[static_cast<std::size_t>(g)]);
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
  flow::Time group(std::size_t g, const std::vector<flow::Time>& arrival,
                   const std::vector<flow::Time>* firstPass) const {
    const model::FlightGroup& x = m.flightGroups[g];
    if (!flow::appearsAt(d, x.get(fg::ArrivalDifficulty))) return never;
    flow::Time t = later(formula(x.span(), editing::arrivalTriggers(), arrival),
                         x.get(fg::ArrivalDelayMinutes) * 60 + x.get(fg::ArrivalDelaySeconds));
    if (!x.get(fg::ArriveViaMothership)) return t;
    const std::size_t count = m.flightGroups.size();
    const std::size_t ship = x.get(fg::ArrivalMothership), alt = x.get(fg::AltArrivalMothership);
    const flow::Time shipTime = ship < count ? arrival[ship] : never;
    flow::Time altTime = atLeast(0);
    if (x.get(fg::AltArriveViaMothership)) altTime = alt < count ? arrival[alt] : never;
    flow::Time bound;
    if (!firstPass)
      bound = either(shipTime, altTime);
    else
      bound = ship < count && !(*firstPass)[ship].never ? shipTime : altTime;
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
    const flow::Result r = run();
    const Slow slow{m, flow::Difficulty::Medium};
    const std::vector<flow::Time> arrival = slow.arrivals();
    int nevers = 0, bounds = 0;
    for (std::size_t g = 0; g < arrival.size(); ++g) {
      EXPECT_EQ(r.flightGroups[g].time, arrival[g]) << "seed " << seed << " group " << g;
      nevers += arrival[g].never;
      bounds += !arrival[g].never && !arrival[g].exact;
    }
    // The generator makes every kind of result.
    EXPECT_GT(nevers, 10);
    EXPECT_GT(bounds, 10);
    for (std::size_t i = 0; i < m.messages.size(); ++i) {
      const flow::Time t =
          Slow::later(slow.formula(m.messages[i].span(), editing::messageTriggers(), arrival),
                      m.messages[i].get(model::message::Delay) * 5);
      EXPECT_EQ(r.messages[i].time, t) << "seed " << seed << " message " << i;
    }
    for (const flow::GlobalGoalTime& g : r.globalGoals)
      EXPECT_EQ(
          g.time,
          slow.formula(m.globalGoals[static_cast<std::size_t>(g.team)].span(),
                       editing::globalGoalTriggers(static_cast<std::size_t>(g.goalSet)), arrival));
  }
}

}  // namespace
