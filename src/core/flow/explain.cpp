#include "flow/explain.h"

#include <algorithm>

#include "flow/rules.h"

namespace flow {

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string s;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) s += sep;
    s += parts[i];
  }
  return s;
}

std::string capitalised(std::string s) {
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}

void sortUnique(std::vector<int>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

Place triggerPlace(Place holder, int n) {
  switch (holder.kind) {
    case PlaceKind::FlightGroup:
      return {PlaceKind::ArrivalTrigger, holder.record, n, 0};
    case PlaceKind::Message:
      return {PlaceKind::MessageTrigger, holder.record, n, 0};
    case PlaceKind::GlobalGoal:
      return {PlaceKind::GlobalGoalTrigger, holder.record, holder.part, n};
    default:
      return holder;
  }
}

std::string triggerWhere(std::string_view prefix, int n) {
  return std::string(prefix) + "trigger " + std::to_string(n);
}

namespace {

std::string levelName(const Values& v) {
  return std::string(difficultyName(v.level.difficulty));
}

// Why a never-met term is never met.
std::string neverCause(Names& names, const Term& t, const std::string& where) {
  if (t.kind == Term::Group)
    return where + " waits on " + names.label(t.node) + ", which never arrives";
  if (t.kind == Term::Set)
    return where + " waits on " + names.target(t.type, t.value) + ", none of which arrives";
  return where + " is never true";
}

}  // namespace

void neverCauses(Names& names, const Formula& f, std::string_view prefix, const Values& v,
                 std::vector<std::string>& out) {
  auto term = [&](int n) {
    const Term& t = f.terms[static_cast<std::size_t>(n - 1)];
    if (termValue(t, v).never()) out.push_back(neverCause(names, t, triggerWhere(prefix, n)));
  };
  auto pairNever = [&](int first, bool isOr) {
    return pairValue(termValue(f.terms[static_cast<std::size_t>(first - 1)], v),
                     termValue(f.terms[static_cast<std::size_t>(first)], v), isOr)
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

int firstNeverTerm(const Formula& f, const Values& v) {
  if (!formulaValue(f, v).never()) return 0;
  auto never = [&](int n) {
    return termValue(f.terms[static_cast<std::size_t>(n - 1)], v).never();
  };
  // Within a pair that is never met, its first never-met trigger.
  auto inPair = [&](int first) { return never(first) ? first : first + 1; };
  const bool firstPair =
      pairValue(termValue(f.terms[0], v), termValue(f.terms[1], v), f.or12).never();
  return firstPair ? inPair(1) : inPair(3);
}

namespace {

// What a trigger asks for: "#2 Heavy Fighter Gold must be destroyed".
std::string asks(Names& names, const Term& t) {
  return names.target(t.type, t.value) + " must " + names.condition(t.condition);
}

// Why a term's time is only a lower bound, where the level says nothing of it: the same at every
// level, so worked out once.
const std::string& toldCause(Names& names, const Term& t, const std::string& where) {
  auto [known, fresh] = names.memo.try_emplace(&t);
  if (!fresh) return known->second;
  std::string what = where + " (" + asks(names, t) + ")";
  switch (t.kind) {
    case Term::Group:
      what += t.arrive ? " waits on a time that is itself a lower bound"
                       : ": no earlier than it arrives";
      break;
    case Term::Set:
      what += ": no earlier than the first of them arrives";
      break;
    default:
      if (t.cause == Term::NoSuchGroup)
        what += ": the mission has no such group, so the game decides";
      else if (t.cause == Term::UnknownCondition)
        what += ": the condition has no known meaning, so the game decides";
      else if (t.cause == Term::UnknownTarget || t.cause == Term::OpenCondition)
        what += ": the file cannot tell when, so counted from 0";
      break;
  }
  return known->second = std::move(what);
}

// Why a term's time is only a lower bound.
std::string boundCause(Names& names, const Term& t, const std::string& where, const Values& v) {
  if (t.node < 0 || !v.level.untold(v.plan, t.node)) return toldCause(names, t, where);
  const std::string what = where + " (" + asks(names, t) + ")";
  if (t.kind == Term::Group)
    return what + ": " + names.label(t.node) + " is not at " + levelName(v) +
           ", so the game decides";
  return what + ": none of them is at " + levelName(v) + ", so the game decides";
}

}  // namespace

// The first term that makes a formula's time a lower bound, following the branch that gives
// the time.
std::string formulaBoundCause(Names& names, const Formula& f, std::string_view prefix,
                              const Values& v) {
  std::array<Val, 4> tv;
  for (std::size_t i = 0; i < 4; ++i) tv[i] = termValue(f.terms[i], v);
  auto pairCause = [&](int first, bool isOr) -> std::string {
    const auto a = static_cast<std::size_t>(first - 1);
    int pick = -1;
    if (isOr)
      pick = earlier(tv[a + 1], tv[a]) ? first + 1 : first;
    else
      pick = !tv[a].exact ? first : first + 1;
    const Term& t = f.terms[static_cast<std::size_t>(pick - 1)];
    if (tv[static_cast<std::size_t>(pick - 1)].exact) return {};
    return boundCause(names, t, triggerWhere(prefix, pick), v);
  };
  const Val a = pairValue(tv[0], tv[1], f.or12);
  const Val b = pairValue(tv[2], tv[3], f.or34);
  const bool first = f.orPairs ? !earlier(b, a) : !a.exact;
  return first ? pairCause(1, f.or12) : pairCause(3, f.or34);
}

namespace {

std::string cycleReason(Names& names, const std::vector<int>& cycle, int g) {
  std::vector<std::string> others;
  for (int h : cycle)
    if (h != g) others.push_back(names.label(h));
  if (others.empty()) return "it waits on itself, with no other way in";
  if (others.size() == 1)
    return "it waits on " + others[0] + ", which waits on it in turn, with no other way in";
  return "it waits on " + join(others, ", ") + ", which wait on it in turn, with no other way in";
}

std::string neverReason(Names& names, const Values& v, const Arrival& a, int g) {
  if (!a.cycle.empty()) return cycleReason(names, a.cycle, g);
  const auto i = static_cast<std::size_t>(g);
  if (!triggeredValue(g, v).never()) {
    // Its triggers are met, its mother ship (and the alternative) never come.
    const Mother& mo = v.plan.mother[i];
    std::string ship = "its mother ship " + names.label(mo.node) + " never arrives";
    if (mo.altVia) ship += ", nor does its alternative " + names.label(mo.alt);
    return ship;
  }
  std::vector<std::string> causes;
  neverCauses(names, v.plan.arrival[i], "arrival ", v, causes);
  return join(causes, "; ");
}

std::string absentReason(Names& names, const Values& v, int g) {
  const int d = v.plan.difficulty[static_cast<std::size_t>(g)];
  return "it is not at " + levelName(v) + " (difficulty \"" +
         names.vocabulary().text(shell::tables::Appear, d, "value " + std::to_string(d)) + "\")";
}

std::string boundReason(Names& names, const Values& v, int g) {
  const auto i = static_cast<std::size_t>(g);
  const Mother& mo = v.plan.mother[i];
  const Val base = triggeredValue(g, v);
  if (!mo.via || (!base.exact && base.s >= v.value[i].s))
    return "lower bound: " + formulaBoundCause(names, v.plan.arrival[i], "arrival ", v);
  if (mo.node < 0)
    return "lower bound: its mother ship is " + Names::missing(mo.number) +
           ", which the mission does not have, so the game decides how it comes";
  if (v.level.absent[static_cast<std::size_t>(mo.node)])
    return "lower bound: its mother ship " + names.label(mo.node) + " is not at " + levelName(v) +
           ", so the game decides how it comes";
  if (!v.value[static_cast<std::size_t>(mo.node)].never())
    return "lower bound: it arrives from its mother ship " + names.label(mo.node) +
           ", no earlier than the ship itself";
  return "lower bound: it arrives by its alternative, no earlier than the game lets it";
}

}  // namespace

std::string arrivalReason(Names& names, const Values& v, const Arrival& a, int g) {
  if (a.absent) return absentReason(names, v, g);
  if (a.time.never) return neverReason(names, v, a, g);
  if (!a.time.exact) return boundReason(names, v, g);
  return {};
}

Event eventOf(Names& names, const Formula& f, int delay, const Values& v) {
  Event e;
  const Val val = later(formulaValue(f, v), delay);
  e.time = toTime(val);
  e.waitsOn = namedGroups(f, v.plan.groups);
  sortUnique(e.waitsOn);
  if (val.never()) {
    std::vector<std::string> causes;
    neverCauses(names, f, "", v, causes);
    e.reason = join(causes, "; ");
  } else if (!val.exact) {
    e.reason = "lower bound: " + formulaBoundCause(names, f, "", v);
  }
  return e;
}

bool inUse(const Formula& f) {
  return std::any_of(f.terms.begin(), f.terms.end(), [](const Term& t) {
    return t.condition != AlwaysTrueCondition && t.condition != NeverTrueCondition;
  });
}

}  // namespace flow
