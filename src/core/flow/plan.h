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

// One trigger read for the analysis.
struct Term {
  enum Kind : std::uint8_t { Always, Never, Group, Set, Unknown } kind = Always;
  enum Cause : std::uint8_t {
    NoCause,
    NeverTrue,
    NoSuchGroup,
    EmptySet,
    UnknownTarget,
    OpenCondition
  };
  Cause cause = NoCause;
  bool arrive = false;  // a group term whose condition is "arrive"
  int node = -1;        // group, or set node
  std::uint8_t condition = 0, type = 0, value = 0;
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
};

// The Mission compiled into nodes: the flight groups, then one node per set of craft a trigger
// names.
struct Plan {
  int groups = 0;
  std::vector<Formula> arrival;
  std::vector<int> delay;
  std::vector<char> excluded;
  std::vector<Mother> mother;
  bool anyMother = false;
  std::vector<std::vector<int>> setMembers;  // per set
  std::vector<std::vector<int>> setsOf;      // per group: the set nodes it is in
  std::vector<std::vector<int>> dependents;  // per node: groups whose arrival names it
  std::vector<int> setIndex;                 // by known set type and value: set, -1 none yet
  std::vector<Formula> messages;
  std::array<std::array<Formula, 3>, model::TeamCount> globalGoals;
};

// The plan of a Mission at one difficulty.
Plan makePlan(const model::Mission& m, Difficulty d);

// The flight groups a formula names, with or without a known time.
std::vector<int> namedGroups(const Formula& f, int groups);

// --- The solver (solver.cpp) ---

Val termValue(const Term& t, const std::vector<Val>& value);
Val pairValue(const Val& a, const Val& b, bool isOr);
Val formulaValue(const Formula& f, const std::vector<Val>& value);
// Every node's earliest time: mother ships first bounded either way, then, once it is known
// which ships never come, by the ship itself or the alternative of those that never come.
std::vector<Val> earliestTimes(const Plan& p);
Time toTime(const Val& v);

// --- Cycles (cycles.cpp) ---

// For each group: whether it never arrives even when every group not known to stay away is
// assumed to arrive.
std::vector<char> neverByThemselves(const Plan& p, const std::vector<Val>& value);
// The strongly connected groups among `inCycle`, each with more than one group or a group that
// names itself, in list order.
std::vector<std::vector<int>> cycles(const Plan& p, const std::vector<char>& inCycle);

}  // namespace flow
