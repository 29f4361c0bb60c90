#include "flow/analysis.h"

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <queue>

#include "editing/descriptions.h"
#include "editing/messages.h"
#include "editing/triggers.h"
#include "flow/rules.h"
#include "map/filters.h"

namespace flow {

namespace fg = model::fg;
namespace tables = shell::tables;

std::string_view difficultyWord(Difficulty d) {
  switch (d) {
    case Difficulty::Easy:
      return "easy";
    case Difficulty::Hard:
      return "hard";
    default:
      return "medium";
  }
}

std::optional<Difficulty> difficultyFromWord(std::string_view w) {
  for (Difficulty d : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard})
    if (difficultyWord(d) == w) return d;
  return std::nullopt;
}

std::string_view difficultyName(Difficulty d) {
  switch (d) {
    case Difficulty::Easy:
      return "Easy";
    case Difficulty::Hard:
      return "Hard";
    default:
      return "Medium";
  }
}

bool appearsAt(Difficulty d, int arrivalDifficulty) {
  const map::Difficulty level = d == Difficulty::Easy   ? map::Difficulty::Easy
                                : d == Difficulty::Hard ? map::Difficulty::Hard
                                                        : map::Difficulty::Medium;
  return map::difficultyAllows(level, arrivalDifficulty);
}

std::string clockText(int seconds) {
  const int s = seconds % 60;
  return std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

std::string formatTime(const Time& t) {
  if (t.never) return "never";
  return (t.exact ? "" : ">= ") + clockText(t.seconds);
}

std::string_view findingWord(FindingKind k) {
  switch (k) {
    case FindingKind::NeverArrives:
      return "never-arrives";
    case FindingKind::NeverSent:
      return "never-sent";
    case FindingKind::GoalNeverMet:
      return "goal-never-met";
    default:
      return "names-nothing";
  }
}

std::vector<int> Result::arrivalOrder() const {
  std::vector<int> order(flightGroups.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [this](int a, int b) {
    const Time& x = flightGroups[static_cast<std::size_t>(a)].time;
    const Time& y = flightGroups[static_cast<std::size_t>(b)].time;
    if (x.never != y.never) return !x.never;
    if (!x.never && x.seconds != y.seconds) return x.seconds < y.seconds;
    return a < b;
  });
  return order;
}

std::vector<int> Result::waitingFor(int group) const {
  std::vector<int> out;
  for (std::size_t i = 0; i < flightGroups.size(); ++i) {
    const auto& w = flightGroups[i].waitsOn;
    if (std::find(w.begin(), w.end(), group) != w.end()) out.push_back(static_cast<int>(i));
  }
  return out;
}

std::vector<int> Result::messagesWaitingFor(int group) const {
  std::vector<int> out;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const auto& w = messages[i].waitsOn;
    if (std::find(w.begin(), w.end(), group) != w.end()) out.push_back(static_cast<int>(i));
  }
  return out;
}

namespace {

constexpr int NeverSeconds = INT_MAX;

// A time during the evaluation: NeverSeconds for never.
struct Val {
  int s = NeverSeconds;
  bool exact = false;
  bool never() const { return s == NeverSeconds; }
};

// The earlier of two times first, an exact one before a lower bound of the same time.
bool earlier(const Val& a, const Val& b) {
  return a.s < b.s || (a.s == b.s && a.exact && !b.exact);
}
Val either(const Val& a, const Val& b) {
  return earlier(b, a) ? b : a;
}
Val both(const Val& a, const Val& b) {
  if (a.never() || b.never()) return {};
  return {std::max(a.s, b.s), a.exact && b.exact};
}
Val later(const Val& a, int delay) {
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

Term readTerm(const model::Mission& m, Plan& p, model::CBytes t) {
  namespace tr = model::trigger;
  Term term;
  term.condition = model::get(t, tr::Condition);
  term.type = model::get(t, tr::VariableType);
  term.value = model::get(t, tr::Variable);
  if (term.condition == AlwaysTrueCondition) return term;
  if (term.condition == NeverTrueCondition) {
    term.kind = Term::Never;
    term.cause = Term::NeverTrue;
    return term;
  }
  const bool presence = needsPresence(term.condition);
  if (term.type == editing::TargetFlightGroup) {
    if (term.value >= p.groups) {
      term.kind = presence ? Term::Never : Term::Unknown;
      term.cause = presence ? Term::NoSuchGroup : Term::OpenCondition;
      return term;
    }
    if (!presence) {
      term.kind = Term::Unknown;
      term.cause = Term::OpenCondition;
      return term;
    }
    term.kind = Term::Group;
    term.node = term.value;
    term.arrive = term.condition == ArriveCondition;
    return term;
  }
  const int slot = setSlot(term.type, term.value);
  if (slot < 0) {
    term.kind = Term::Unknown;
    term.cause = Term::UnknownTarget;
    return term;
  }
  if (!presence) {
    term.kind = Term::Unknown;
    term.cause = Term::OpenCondition;
    return term;
  }
  int& set = p.setIndex[static_cast<std::size_t>(slot)];
  if (set < 0) {
    set = static_cast<int>(p.setMembers.size());
    p.setMembers.push_back(targetMembers(m, term.type, term.value).members);
    for (int g : p.setMembers.back())
      p.setsOf[static_cast<std::size_t>(g)].push_back(p.groups + set);
  }
  if (p.setMembers[static_cast<std::size_t>(set)].empty()) {
    term.kind = Term::Never;
    term.cause = Term::EmptySet;
    return term;
  }
  term.kind = Term::Set;
  term.node = p.groups + set;
  return term;
}

Formula readFormula(const model::Mission& m, Plan& p, model::CBytes record,
                    const editing::TriggerSetPlace& place) {
  Formula f;
  for (int n = 1; n <= place.count; ++n) {
    const auto t = editing::readTrigger(record, place, n);
    f.terms[static_cast<std::size_t>(n - 1)] = readTerm(m, p, t);
  }
  f.or12 = editing::readOr(record, place, editing::OrFlag::OneOrTwo);
  f.or34 = editing::readOr(record, place, editing::OrFlag::ThreeOrFour);
  f.orPairs = editing::readOr(record, place, editing::OrFlag::PairOrPair);
  return f;
}

int motherNode(int index, int groups) {
  return index < groups ? index : -1;
}

Plan makePlan(const model::Mission& m, Difficulty d) {
  Plan p;
  p.groups = static_cast<int>(m.flightGroups.size());
  const auto n = static_cast<std::size_t>(p.groups);
  p.arrival.resize(n);
  p.delay.resize(n);
  p.excluded.resize(n);
  p.mother.resize(n);
  p.setsOf.resize(n);
  p.setIndex.assign(SetSlotCount, -1);
  const editing::TriggerSetPlace place = editing::referenceRow(PlaceKind::ArrivalTrigger).triggers;
  const editing::ReferenceRow& ship = editing::referenceRow(PlaceKind::ArrivalMothership, 0);
  const editing::ReferenceRow& alt = editing::referenceRow(PlaceKind::ArrivalMothership, 1);
  for (std::size_t g = 0; g < n; ++g) {
    const model::FlightGroup& group = m.flightGroups[g];
    p.arrival[g] = readFormula(m, p, group.span(), place);
    p.delay[g] = group.get(fg::ArrivalDelayMinutes) * 60 + group.get(fg::ArrivalDelaySeconds);
    p.excluded[g] = !appearsAt(d, group.get(fg::ArrivalDifficulty));
    Mother& mo = p.mother[g];
    mo.via = group.get(ship.via) != 0;
    if (mo.via) {
      p.anyMother = true;
      mo.node = motherNode(group.get(ship.number), p.groups);
      mo.altVia = group.get(alt.via) != 0;
      mo.alt = motherNode(group.get(alt.number), p.groups);
    }
  }
  // Messages and global goals are read before the sets are counted: the sets they name get
  // their first arrival from the same evaluation.
  const editing::TriggerSetPlace messagePlace =
      editing::referenceRow(PlaceKind::MessageTrigger).triggers;
  for (const model::Message& msg : m.messages)
    p.messages.push_back(readFormula(m, p, msg.span(), messagePlace));
  for (std::size_t t = 0; t < model::TeamCount; ++t)
    for (std::size_t s = 0; s < 3; ++s)
      p.globalGoals[t][s] = readFormula(
          m, p, m.globalGoals[t].span(),
          editing::referenceRow(PlaceKind::GlobalGoalTrigger, static_cast<int>(s)).triggers);
  p.dependents.resize(n + p.setMembers.size());
  for (std::size_t g = 0; g < n; ++g) {
    for (const Term& t : p.arrival[g].terms)
      if (t.node >= 0)
        p.dependents[static_cast<std::size_t>(t.node)].push_back(static_cast<int>(g));
    const Mother& mo = p.mother[g];
    if (mo.via && mo.node >= 0)
      p.dependents[static_cast<std::size_t>(mo.node)].push_back(static_cast<int>(g));
    if (mo.via && mo.altVia && mo.alt >= 0)
      p.dependents[static_cast<std::size_t>(mo.alt)].push_back(static_cast<int>(g));
  }
  return p;
}

// How a group that arrives from a mother ship is bounded. First the earlier of the mother ship
// and the alternative (a time that holds whatever the game does when the mother ship is not
// there); then, once it is known which mother ships never come, the mother ship itself, or the
// alternative for those that never come.
enum class MotherRule { EitherWay, MotherFirst };

Val termValue(const Term& t, const std::vector<Val>& value) {
  switch (t.kind) {
    case Term::Always:
      return {0, true};
    case Term::Unknown:
      return {0, false};
    case Term::Group: {
      const Val& v = value[static_cast<std::size_t>(t.node)];
      if (v.never()) return {};
      return {v.s, t.arrive && v.exact};
    }
    case Term::Set: {
      const Val& v = value[static_cast<std::size_t>(t.node)];
      return {v.s, false};
    }
    default:
      return {};
  }
}

Val pairValue(const Val& a, const Val& b, bool isOr) {
  return isOr ? either(a, b) : both(a, b);
}

Val formulaValue(const Formula& f, const std::vector<Val>& value) {
  const Val a = pairValue(termValue(f.terms[0], value), termValue(f.terms[1], value), f.or12);
  const Val b = pairValue(termValue(f.terms[2], value), termValue(f.terms[3], value), f.or34);
  return pairValue(a, b, f.orPairs);
}

Val motherValue(const Mother& mo, const std::vector<Val>& value, MotherRule rule,
                const std::vector<char>& neverComes) {
  const Val ship = mo.node >= 0 ? value[static_cast<std::size_t>(mo.node)] : Val{};
  Val alt{0, false};  // by hyperspace
  if (mo.altVia) alt = mo.alt >= 0 ? value[static_cast<std::size_t>(mo.alt)] : Val{};
  Val v;
  if (rule == MotherRule::EitherWay)
    v = either(ship, alt);
  else
    v = mo.node >= 0 && !neverComes[static_cast<std::size_t>(mo.node)] ? ship : alt;
  v.exact = false;
  return v;
}

Val groupValue(const Plan& p, int g, const std::vector<Val>& value, MotherRule rule,
               const std::vector<char>& neverComes) {
  const auto i = static_cast<std::size_t>(g);
  if (p.excluded[i]) return {};
  Val v = later(formulaValue(p.arrival[i], value), p.delay[i]);
  if (p.mother[i].via) v = both(v, motherValue(p.mother[i], value, rule, neverComes));
  return v;
}

// Earliest arrivals: Knuth's generalisation of Dijkstra's shortest paths. Every function is
// "superior" (no earlier than any time it reads), so the node with the earliest tentative time
// is final; a group's value is read from final nodes only, others counting as never.
std::vector<Val> solve(const Plan& p, MotherRule rule, const std::vector<char>& neverComes) {
  const std::size_t nodes = p.dependents.size();
  std::vector<Val> best(nodes), finalValue(nodes);
  std::vector<char> done(nodes, 0);
  using Entry = std::tuple<int, bool, int>;  // seconds, lower bound, node
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  auto offer = [&](int node, const Val& v) {
    auto& b = best[static_cast<std::size_t>(node)];
    if (v.never() || !earlier(v, b)) return;
    b = v;
    queue.emplace(v.s, !v.exact, node);
  };
  for (int g = 0; g < p.groups; ++g) offer(g, groupValue(p, g, finalValue, rule, neverComes));
  while (!queue.empty()) {
    const auto [s, inexact, node] = queue.top();
    queue.pop();
    const auto i = static_cast<std::size_t>(node);
    if (done[i] || best[i].s != s || best[i].exact == inexact) continue;
    done[i] = 1;
    finalValue[i] = best[i];
    if (node < p.groups)
      for (int set : p.setsOf[i])
        if (!done[static_cast<std::size_t>(set)]) offer(set, {s, false});
    for (int d : p.dependents[i])
      if (!done[static_cast<std::size_t>(d)])
        offer(d, groupValue(p, d, finalValue, rule, neverComes));
  }
  return finalValue;
}

// The names the texts use, built once when the first text needs them.
class Names {
 public:
  Names(const model::Mission& m, const shell::Vocabulary& v) : m_(m), v_(v) {}
  const std::string& group(int g) {
    if (list_.empty() && !m_.flightGroups.empty()) list_ = editing::nameList(m_, v_);
    return list_[static_cast<std::size_t>(g)];
  }
  std::string label(int g) { return "#" + std::to_string(g + 1) + " " + group(g); }
  std::string target(int type, int value) {
    if (type == editing::TargetFlightGroup)
      return value < static_cast<int>(m_.flightGroups.size()) ? label(value) : missing(value);
    return editing::describeTarget(m_, v_, type, value);
  }
  // A flight-group number beyond the list, counted from 1 as the list counts.
  static std::string missing(int value) { return "flight group " + std::to_string(value + 1); }
  std::string condition(int c) { return v_.text(tables::Conds, c, std::to_string(c)); }
  std::string message(int i) {
    return "message #" + std::to_string(i + 1) + " \"" +
           editing::trimmed(
               editing::shownMessageText(m_.messages[static_cast<std::size_t>(i)].textValue())) +
           "\"";
  }

 private:
  const model::Mission& m_;
  const shell::Vocabulary& v_;
  std::vector<std::string> list_;
};

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string s;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) s += sep;
    s += parts[i];
  }
  return s;
}

// What a trigger asks for: "#2 Heavy Fighter Gold must be destroyed".
std::string asks(Names& names, const Term& t) {
  return names.target(t.type, t.value) + " must " + names.condition(t.condition);
}

// Why a never-met term is never met.
std::string neverCause(Names& names, const Term& t, const std::string& where) {
  switch (t.cause) {
    case Term::NeverTrue:
      return where + " is never true";
    case Term::NoSuchGroup:
      return where + " names " + Names::missing(t.value) + ", which the mission does not have";
    case Term::EmptySet:
      return where + " names " + names.target(t.type, t.value) +
             ", and no flight group of the mission is one" + categoryNote(t.type);
    default:
      break;
  }
  if (t.kind == Term::Group)
    return where + " waits on " + names.label(t.node) + ", which never arrives";
  if (t.kind == Term::Set)
    return where + " waits on " + names.target(t.type, t.value) + ", none of which arrives";
  return where + " is never met";
}

std::string triggerWhere(std::string_view prefix, int n) {
  return std::string(prefix) + "trigger " + std::to_string(n);
}

void neverCauses(Names& names, const Formula& f, std::string_view prefix,
                 const std::vector<Val>& value, std::vector<std::string>& out) {
  auto term = [&](int n) {
    const Term& t = f.terms[static_cast<std::size_t>(n - 1)];
    if (termValue(t, value).never()) out.push_back(neverCause(names, t, triggerWhere(prefix, n)));
  };
  auto pairNever = [&](int first, bool isOr) {
    return pairValue(termValue(f.terms[static_cast<std::size_t>(first - 1)], value),
                     termValue(f.terms[static_cast<std::size_t>(first)], value), isOr)
        .never();
  };
  if (f.orPairs || pairNever(1, f.or12)) {
    term(1);
    term(2);
  }
  if (f.orPairs || pairNever(3, f.or34)) {
    term(3);
    term(4);
  }
}

// Why a term's time is only a lower bound.
std::string boundCause(Names& names, const Term& t, const std::string& where) {
  const std::string what = where + " (" + asks(names, t) + ")";
  switch (t.kind) {
    case Term::Group:
      if (t.arrive) return what + " waits on a time that is itself a lower bound";
      return what + ": no earlier than it arrives";
    case Term::Set:
      return what + ": no earlier than the first of them arrives";
    default:
      break;
  }
  if (t.cause == Term::UnknownTarget)
    return what + ": the file cannot tell when, so counted from 0";
  if (t.cause == Term::OpenCondition)
    return what + ": the file cannot tell when, so counted from 0";
  return what;
}

// The first term that makes a formula's time a lower bound, following the branch that gives
// the time.
std::string formulaBoundCause(Names& names, const Formula& f, std::string_view prefix,
                              const std::vector<Val>& value) {
  std::array<Val, 4> tv;
  for (std::size_t i = 0; i < 4; ++i) tv[i] = termValue(f.terms[i], value);
  auto pairCause = [&](int first, bool isOr) -> std::string {
    const auto a = static_cast<std::size_t>(first - 1);
    int pick = -1;
    if (isOr)
      pick = earlier(tv[a + 1], tv[a]) ? first + 1 : first;
    else
      pick = !tv[a].exact ? first : first + 1;
    const Term& t = f.terms[static_cast<std::size_t>(pick - 1)];
    if (tv[static_cast<std::size_t>(pick - 1)].exact) return {};
    return boundCause(names, t, triggerWhere(prefix, pick));
  };
  const Val a = pairValue(tv[0], tv[1], f.or12);
  const Val b = pairValue(tv[2], tv[3], f.or34);
  bool first = true;
  if (f.orPairs)
    first = !earlier(b, a);
  else
    first = !a.exact;
  return first ? pairCause(1, f.or12) : pairCause(3, f.or34);
}

std::string appearanceText(const shell::Vocabulary& v, int difficulty) {
  return v.text(tables::Appear, difficulty, "value " + std::to_string(difficulty));
}

// For each group: whether it never arrives even when every group not known to stay away is
// assumed to arrive. The groups never arriving that this leaves out stay away only because they
// wait on each other.
std::vector<char> neverByThemselves(const Plan& p, const std::vector<Val>& value) {
  const auto n = static_cast<std::size_t>(p.groups);
  std::vector<char> away(p.dependents.size(), 0);
  auto termOpen = [&](const Term& t) {
    if (t.kind == Term::Never) return false;
    if (t.kind == Term::Group || t.kind == Term::Set)
      return !away[static_cast<std::size_t>(t.node)];
    return true;
  };
  auto pairOpen = [&](const Term& a, const Term& b, bool isOr) {
    return isOr ? termOpen(a) || termOpen(b) : termOpen(a) && termOpen(b);
  };
  auto open = [&](std::size_t g) {
    if (p.excluded[g]) return false;
    const Formula& f = p.arrival[g];
    const bool a = pairOpen(f.terms[0], f.terms[1], f.or12);
    const bool b = pairOpen(f.terms[2], f.terms[3], f.or34);
    if (!(f.orPairs ? a || b : a && b)) return false;
    const Mother& mo = p.mother[g];
    if (!mo.via) return true;
    const bool ship = mo.node >= 0 && !away[static_cast<std::size_t>(mo.node)];
    const bool alt = !mo.altVia || (mo.alt >= 0 && !away[static_cast<std::size_t>(mo.alt)]);
    return ship || alt;
  };
  std::vector<int> work;
  for (std::size_t g = 0; g < n; ++g)
    if (value[g].never()) work.push_back(static_cast<int>(g));
  while (!work.empty()) {
    const auto g = static_cast<std::size_t>(work.back());
    work.pop_back();
    if (away[g] || open(g)) continue;
    away[g] = 1;
    for (int d : p.dependents[g]) work.push_back(d);
    for (int set : p.setsOf[g]) {
      const auto s = static_cast<std::size_t>(set);
      if (away[s]) continue;
      const auto& members = p.setMembers[s - n];
      if (std::all_of(members.begin(), members.end(),
                      [&](int x) { return away[static_cast<std::size_t>(x)] != 0; })) {
        away[s] = 1;
        for (int d : p.dependents[s]) work.push_back(d);
      }
    }
  }
  away.resize(n);
  return away;
}

// The strongly connected groups among `inCycle` (Tarjan), each with more than one group or a
// group that names itself.
std::vector<std::vector<int>> cycles(const Plan& p, const std::vector<char>& inCycle) {
  const auto n = static_cast<std::size_t>(p.groups);
  auto edges = [&](std::size_t g) {
    std::vector<int> out;
    auto add = [&](int node) {
      if (node < 0) return;
      if (node < p.groups) {
        if (inCycle[static_cast<std::size_t>(node)]) out.push_back(node);
        return;
      }
      for (int x : p.setMembers[static_cast<std::size_t>(node - p.groups)])
        if (inCycle[static_cast<std::size_t>(x)]) out.push_back(x);
    };
    for (const Term& t : p.arrival[g].terms) add(t.node);
    if (p.mother[g].via) {
      add(p.mother[g].node);
      if (p.mother[g].altVia) add(p.mother[g].alt);
    }
    return out;
  };
  std::vector<int> index(n, -1), low(n, 0);
  std::vector<char> onStack(n, 0);
  std::vector<int> stack;
  std::vector<std::vector<int>> found;
  int counter = 0;
  std::function<void(int)> visit = [&](int g) {
    const auto i = static_cast<std::size_t>(g);
    index[i] = low[i] = counter++;
    stack.push_back(g);
    onStack[i] = 1;
    bool self = false;
    for (int h : edges(i)) {
      const auto j = static_cast<std::size_t>(h);
      if (h == g) self = true;
      if (index[j] < 0) {
        visit(h);
        low[i] = std::min(low[i], low[j]);
      } else if (onStack[j]) {
        low[i] = std::min(low[i], index[j]);
      }
    }
    if (low[i] != index[i]) return;
    std::vector<int> component;
    int h = -1;
    do {
      h = stack.back();
      stack.pop_back();
      onStack[static_cast<std::size_t>(h)] = 0;
      component.push_back(h);
    } while (h != g);
    if (component.size() > 1 || self) {
      std::sort(component.begin(), component.end());
      found.push_back(std::move(component));
    }
  };
  for (std::size_t g = 0; g < n; ++g)
    if (inCycle[g] && index[g] < 0) visit(static_cast<int>(g));
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<int> namedGroups(const Formula& f, int groups) {
  std::vector<int> out;
  for (const Term& t : f.terms)
    if (t.kind == Term::Group || (t.cause == Term::OpenCondition &&
                                  t.type == editing::TargetFlightGroup && t.value < groups))
      out.push_back(t.value);
  return out;
}

void sortUnique(std::vector<int>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

Time toTime(const Val& v) {
  if (v.never()) return {};
  return Time::at(v.s, v.exact);
}

// A message or global goal: its triggers over the final arrivals, plus a delay.
Event eventOf(Names& names, const Plan& p, const Formula& f, int delay,
              const std::vector<Val>& value) {
  Event e;
  const Val v = later(formulaValue(f, value), delay);
  e.time = toTime(v);
  e.waitsOn = namedGroups(f, p.groups);
  sortUnique(e.waitsOn);
  if (v.never()) {
    std::vector<std::string> causes;
    neverCauses(names, f, "", value, causes);
    e.reason = join(causes, "; ");
  } else if (!v.exact) {
    e.reason = "lower bound: " + formulaBoundCause(names, f, "", value);
  }
  return e;
}

bool inUse(const Formula& f) {
  return std::any_of(f.terms.begin(), f.terms.end(), [](const Term& t) {
    return t.condition != AlwaysTrueCondition && t.condition != NeverTrueCondition;
  });
}

// Places whose target names no flight group of the mission.
struct NothingCheck {
  const model::Mission& m;
  const shell::Vocabulary& v;
  Names& names;
  std::vector<Finding>& out;
  std::vector<signed char> emptySet = std::vector<signed char>(SetSlotCount, -1);  // by slot

  void target(const editing::Reference& r) {
    std::vector<int> groups, messages;
    if (r.row->record == model::RecordKind::FlightGroup) groups.push_back(r.place.record);
    if (r.row->record == model::RecordKind::Message) messages.push_back(r.place.record);
    const std::string holder = editing::placeText(m, v, r.place);
    if (r.type == editing::TargetFlightGroup) {
      if (r.value < static_cast<int>(m.flightGroups.size())) return;
      out.push_back(
          {FindingKind::NamesNothing, std::move(groups), std::move(messages), r.place,
           holder + ": names " + Names::missing(r.value) + ", which the mission does not have"});
      return;
    }
    const int slot = setSlot(r.type, r.value);
    if (slot < 0) return;
    signed char& empty = emptySet[static_cast<std::size_t>(slot)];
    if (empty < 0) empty = targetMembers(m, r.type, r.value).members.empty() ? 1 : 0;
    if (!empty) return;
    out.push_back({FindingKind::NamesNothing, std::move(groups), std::move(messages), r.place,
                   holder + ": names " + names.target(r.type, r.value) +
                       ", and no flight group of the mission is one" + categoryNote(r.type)});
  }
};

void namesNothing(const model::Mission& m, const shell::Vocabulary& v, Names& names,
                  std::vector<Finding>& out) {
  NothingCheck check{m, v, names, out};
  editing::forEachReference(m, [&](const editing::Reference& r) {
    if (r.inUse) check.target(r);
  });
}

std::string capitalised(std::string s) {
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}

}  // namespace

Result analyse(const model::Mission& m, const shell::Vocabulary& v, Difficulty d) {
  Result r;
  r.difficulty = d;
  Plan p = makePlan(m, d);
  const auto n = static_cast<std::size_t>(p.groups);
  std::vector<char> none;
  std::vector<Val> value = solve(p, MotherRule::EitherWay, none);
  if (p.anyMother) {
    // Which groups never come does not depend on how a mother ship bounds the time; knowing
    // them, a group waits for its mother ship, or takes the alternative when the ship never comes.
    std::vector<char> neverComes(n);
    for (std::size_t g = 0; g < n; ++g) neverComes[g] = value[g].never();
    std::vector<Val> firm = solve(p, MotherRule::MotherFirst, neverComes);
    // A group that waits for a mother ship that waits on it keeps the first bound.
    for (std::size_t g = 0; g < n; ++g)
      if (!firm[g].never()) value[g] = firm[g];
  }

  Names names(m, v);
  const std::string level(difficultyName(d));
  const std::vector<char> byThemselves = neverByThemselves(p, value);
  std::vector<char> inCycle(n, 0);
  for (std::size_t g = 0; g < n; ++g) inCycle[g] = value[g].never() && !byThemselves[g];
  const std::vector<std::vector<int>> loops = cycles(p, inCycle);

  r.flightGroups.resize(n);
  for (std::size_t g = 0; g < n; ++g) {
    const model::FlightGroup& group = m.flightGroups[g];
    Arrival& a = r.flightGroups[g];
    a.time = toTime(value[g]);
    a.onlyIfHuman = group.get(fg::ArriveOnlyIfHuman) != 0;
    a.waitsOn = namedGroups(p.arrival[g], p.groups);
    const Mother& mo = p.mother[g];
    if (mo.via && mo.node >= 0) a.waitsOn.push_back(mo.node);
    if (mo.via && mo.altVia && mo.alt >= 0) a.waitsOn.push_back(mo.alt);
    sortUnique(a.waitsOn);
  }
  for (const auto& loop : loops)
    for (int g : loop) r.flightGroups[static_cast<std::size_t>(g)].cycle = loop;

  for (std::size_t g = 0; g < n; ++g) {
    Arrival& a = r.flightGroups[g];
    const int gi = static_cast<int>(g);
    const Mother& mo = p.mother[g];
    if (a.time.never) {
      if (p.excluded[g]) {
        a.reason = "it does not appear at " + level + " (difficulty \"" +
                   appearanceText(v, m.flightGroups[g].get(fg::ArrivalDifficulty)) + "\")";
      } else if (!a.cycle.empty()) {
        std::vector<std::string> others;
        for (int h : a.cycle)
          if (h != gi) others.push_back(names.label(h));
        a.reason = others.empty()       ? "it waits on itself, with no other way in"
                   : others.size() == 1 ? "it waits on " + others[0] +
                                              ", which waits on it in turn, with no other way in"
                                        : "it waits on " + join(others, ", ") +
                                              ", which wait on it in turn, with no other way in";
      } else {
        std::vector<std::string> causes;
        if (!later(formulaValue(p.arrival[g], value), p.delay[g]).never()) {
          std::string ship =
              mo.node >= 0 ? "its mother ship " + names.label(mo.node) + " never arrives"
                           : "its mother ship is " +
                                 Names::missing(m.flightGroups[g].get(fg::ArrivalMothership)) +
                                 ", which the mission does not have";
          if (mo.altVia)
            ship += mo.alt >= 0
                        ? ", nor does its alternative " + names.label(mo.alt)
                        : ", and its alternative is " +
                              Names::missing(m.flightGroups[g].get(fg::AltArrivalMothership)) +
                              ", which the mission does not have";
          causes.push_back(ship);
        } else {
          neverCauses(names, p.arrival[g], "arrival ", value, causes);
        }
        a.reason = join(causes, "; ");
      }
    } else if (!a.time.exact) {
      const Val base = later(formulaValue(p.arrival[g], value), p.delay[g]);
      if (mo.via && (base.exact || base.s < value[g].s)) {
        const int ship =
            mo.node >= 0 && !value[static_cast<std::size_t>(mo.node)].never() ? mo.node : -1;
        a.reason = ship >= 0 ? "lower bound: it arrives from its mother ship " + names.label(ship) +
                                   ", no earlier than the ship itself"
                             : "lower bound: it arrives by its alternative, no earlier than the "
                               "game lets it";
      } else {
        a.reason = "lower bound: " + formulaBoundCause(names, p.arrival[g], "arrival ", value);
      }
    }
  }

  // Findings: groups that never arrive (a cycle once, at its first group), in list order.
  for (std::size_t g = 0; g < n; ++g) {
    const Arrival& a = r.flightGroups[g];
    if (!a.time.never) continue;
    const int gi = static_cast<int>(g);
    if (!a.cycle.empty()) {
      if (a.cycle.front() != gi) continue;
      std::vector<std::string> labels;
      for (int h : a.cycle) labels.push_back(names.label(h));
      const std::string text = a.cycle.size() == 1
                                   ? labels[0] + " never arrives at " + level +
                                         ": it waits on itself, with no other way in"
                                   : "Never arrive at " + level + ": " + join(labels, ", ") +
                                         " wait on each other, with no other way in";
      r.findings.push_back(
          {FindingKind::NeverArrives, a.cycle, {}, {PlaceKind::ArrivalTrigger, gi, 1, 0}, text});
      continue;
    }
    if (p.excluded[g]) {
      r.findings.push_back({FindingKind::NeverArrives,
                            {gi},
                            {},
                            {PlaceKind::FlightGroup, gi, 0, 0},
                            names.label(gi) + " never arrives: " + a.reason});
      continue;
    }
    r.findings.push_back({FindingKind::NeverArrives,
                          {gi},
                          {},
                          {PlaceKind::ArrivalTrigger, gi, 1, 0},
                          names.label(gi) + " never arrives at " + level + ": " + a.reason});
  }

  // Messages.
  r.messages.reserve(m.messages.size());
  for (std::size_t i = 0; i < m.messages.size(); ++i) {
    const model::Message& msg = m.messages[i];
    r.messages.push_back(
        eventOf(names, p, p.messages[i], msg.get(model::message::Delay) * 5, value));
    const Event& e = r.messages.back();
    if (e.time.never)
      r.findings.push_back({FindingKind::NeverSent,
                            {},
                            {static_cast<int>(i)},
                            {PlaceKind::Message, static_cast<int>(i), 0, 0},
                            capitalised(names.message(static_cast<int>(i))) + " is never sent at " +
                                level + ": " + e.reason});
  }

  // Global goals in use, then the goals of flight groups that never arrive.
  for (std::size_t t = 0; t < model::TeamCount; ++t) {
    for (int s = 0; s < 3; ++s) {
      const Formula& f = p.globalGoals[t][static_cast<std::size_t>(s)];
      if (!inUse(f)) continue;
      GlobalGoalTime goal;
      static_cast<Event&>(goal) = eventOf(names, p, f, 0, value);
      goal.team = static_cast<int>(t);
      goal.goalSet = s;
      if (goal.time.never) {
        std::string text = "Team " + std::to_string(t + 1) + "'s " + std::string(goalSetWord(s)) +
                           " goal can never be met at " + level + ": " + goal.reason;
        if (s == 1) text += " (so it never fails the team)";
        r.findings.push_back({FindingKind::GoalNeverMet,
                              goal.waitsOn,
                              {},
                              {PlaceKind::GlobalGoal, static_cast<int>(t), s, 0},
                              text});
      }
      r.globalGoals.push_back(std::move(goal));
    }
  }
  for (std::size_t g = 0; g < n; ++g) {
    if (!r.flightGroups[g].time.never) continue;
    for (std::size_t k = 0; k < fg::GoalCount; ++k) {
      const model::CBytes goal = m.flightGroups[g].goalBytes(k);
      const int condition = model::get(goal, model::goal::Condition);
      const int argument = model::get(goal, model::goal::Argument);
      // "must" and "BONUS must" goals whose condition needs the group there.
      if (condition == NeverTrueCondition || !needsPresence(condition) ||
          (argument != 0 && argument != 2))
        continue;
      const int gi = static_cast<int>(g);
      r.findings.push_back({FindingKind::GoalNeverMet,
                            {gi},
                            {},
                            {PlaceKind::FlightGroupGoal, gi, static_cast<int>(k) + 1, 0},
                            names.label(gi) + ", goal " + std::to_string(k + 1) + " (" +
                                editing::describeGoal(m, v, goal) +
                                ") can never be met: the group never arrives at " + level});
    }
  }

  namesNothing(m, v, names, r.findings);
  return r;
}

}  // namespace flow
