#pragma once
// The Mission compiled for the mission-flow analysis: each trigger read as a term, each trigger
// set as a formula of terms, the flight groups and the sets of craft the triggers name as the
// nodes of a graph; the solver that gives every node its earliest time; the search for groups
// that stay away only because they wait on each other. Seen by the analysis' own files only.

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "flow/analysis.h"

namespace flow {

inline constexpr int NeverSeconds = INT_MAX;

// A time during the evaluation: NeverSeconds for never.
struct Val {
  int s = NeverSeconds;
  bool exact = false;
  bool never() const { return s == NeverSeconds; }
};

// The earlier of two times first, an exact one before a lower bound of the same time.
inline bool earlier(const Val& a, const Val& b) {
  return a.s < b.s || (a.s == b.s && a.exact && !b.exact);
}
inline Val either(const Val& a, const Val& b) {
  return earlier(b, a) ? b : a;
}
inline Val both(const Val& a, const Val& b) {
  if (a.never() || b.never()) return {};
  return {std::max(a.s, b.s), a.exact && b.exact};
}
inline Val later(const Val& a, int delay) {
  if (a.never()) return a;
  return {a.s + delay, a.exact};
}

// One trigger read for the analysis. A group or set term whose group is left out of a level, or
// whose set has no member there, cannot be told at that level (see `Level`).
struct Term {
  enum Kind : std::uint8_t { Always, Never, Group, Set, Unknown } kind = Always;
  enum Cause : std::uint8_t {
    NoCause,
    NeverTrue,
    NoSuchGroup,       // a flight-group number beyond the list
    UnknownTarget,     // a target the file cannot list (orders, "craft when", …)
    OpenCondition,     // a condition that says nothing about when ("survive", goals)
    UnknownCondition,  // a condition of no known meaning
  };
  Cause cause = NoCause;
  bool arrive = false;  // a group term whose condition is "arrive"
  int node = -1;        // group, or set node
  std::uint8_t condition = 0, type = 0, value = 0, amount = 0;
  // The four bytes as the record holds them.
  std::array<std::uint8_t, 4> bytes() const { return {condition, type, value, amount}; }
};

// Up to four triggers joined as the record says: (1 and/or 2) and/or (3 and/or 4).
struct Formula {
  std::array<Term, 4> terms;
  bool or12 = false, or34 = false, orPairs = false;
};

struct Mother {
  bool via = false;
  int node = -1;  // -1: names no flight group
  bool altVia = false;
  int alt = -1;
  int number = 0, altNumber = 0;  // as stored
};

// The Mission compiled into nodes: the flight groups, then one node per set of craft a trigger
// names.
struct Plan {
  int groups = 0;
  std::vector<Formula> arrival;
  std::vector<int> delay;
  std::vector<int> difficulty;  // ArrivalDifficulty
  std::vector<Mother> mother;
  bool anyMother = false;
  std::vector<std::vector<int>> setMembers;  // per set
  std::vector<std::vector<int>> setsOf;      // per group: the set nodes it is in
  std::vector<std::vector<int>> dependents;  // per node: groups whose arrival names it
  std::vector<int> setIndex;                 // by known set type and value: set, -1 none yet
  std::vector<Formula> messages;
  std::array<std::array<Formula, 3>, model::TeamCount> globalGoals;
};

Plan makePlan(const model::Mission& m);

// What differs from one difficulty to another: the groups left out of it, and the sets of craft
// with no member at it.
struct Level {
  Difficulty difficulty = Difficulty::Medium;
  std::vector<char> absent;    // per group
  std::vector<char> setEmpty;  // per set
  // A node whose time cannot be told at this level: an absent group, an empty set.
  bool untold(const Plan& p, int node) const {
    return node < p.groups ? absent[static_cast<std::size_t>(node)] != 0
                           : setEmpty[static_cast<std::size_t>(node - p.groups)] != 0;
  }
};
Level levelOf(const Plan& p, Difficulty d);

// The flight groups a formula names, with or without a known time.
std::vector<int> namedGroups(const Formula& f, int groups);

// --- The solver (solver.cpp) ---

// What the solver reads: the plan, the level, every node's time so far.
struct Values {
  const Plan& plan;
  const Level& level;
  const std::vector<Val>& value;
};
Val termValue(const Term& t, const Values& v);
Val pairValue(const Val& a, const Val& b, bool isOr);
Val formulaValue(const Formula& f, const Values& v);
// A group's formula and delay (no mother ship).
Val triggeredValue(int g, const Values& v);
// A mother ship's (or its alternative's) time: cannot be told when it names no group or one left
// out of the level.
Val motherShipValue(int node, const Values& v);
// Every node's earliest time at a level: mother ships first bounded either way, then, once it is
// known which ships never come, by the ship itself or the alternative of those that never come.
std::vector<Val> earliestTimes(const Plan& p, const Level& level);
Time toTime(const Val& v);

// --- Cycles (cycles.cpp) ---

// For each group: whether it never arrives even when every group not known to stay away is
// assumed to arrive.
std::vector<char> neverByThemselves(const Values& v);
// The strongly connected groups among `inCycle`, each with more than one group or a group that
// names itself, in list order.
std::vector<std::vector<int>> cycles(const Plan& p, const std::vector<char>& inCycle);
// The groups that never arrive only because they wait on each other.
std::vector<std::vector<int>> cyclesAmongNever(const Values& v);

}  // namespace flow
