#include "flow/explain.h"

#include <algorithm>

#include "editing/descriptions.h"
#include "editing/messages.h"
#include "flow/rules.h"

namespace flow {

namespace fg = model::fg;
namespace tables = shell::tables;

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

namespace {

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

}  // namespace

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

namespace {

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

}  // namespace

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

namespace {

std::string appearanceText(const shell::Vocabulary& v, int difficulty) {
  return v.text(tables::Appear, difficulty, "value " + std::to_string(difficulty));
}

}  // namespace

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

// A group whose triggers are met but whose mother ship (and alternative) never comes.
std::string motherReason(const model::FlightGroup& group, Names& names, const Mother& mo) {
  std::string ship = mo.node >= 0 ? "its mother ship " + names.label(mo.node) + " never arrives"
                                  : "its mother ship is " +
                                        Names::missing(group.get(fg::ArrivalMothership)) +
                                        ", which the mission does not have";
  if (mo.altVia)
    ship += mo.alt >= 0 ? ", nor does its alternative " + names.label(mo.alt)
                        : ", and its alternative is " +
                              Names::missing(group.get(fg::AltArrivalMothership)) +
                              ", which the mission does not have";
  return ship;
}

std::string neverReason(const model::Mission& m, const shell::Vocabulary& v, const Plan& p,
                        const std::vector<Val>& value, Names& names, const Arrival& a, int g,
                        Difficulty d) {
  const auto i = static_cast<std::size_t>(g);
  if (p.excluded[i])
    return "it does not appear at " + std::string(difficultyName(d)) + " (difficulty \"" +
           appearanceText(v, m.flightGroups[i].get(fg::ArrivalDifficulty)) + "\")";
  if (!a.cycle.empty()) return cycleReason(names, a.cycle, g);
  if (!later(formulaValue(p.arrival[i], value), p.delay[i]).never())
    return motherReason(m.flightGroups[i], names, p.mother[i]);
  std::vector<std::string> causes;
  neverCauses(names, p.arrival[i], "arrival ", value, causes);
  return join(causes, "; ");
}

std::string boundReason(const Plan& p, const std::vector<Val>& value, Names& names, int g) {
  const auto i = static_cast<std::size_t>(g);
  const Mother& mo = p.mother[i];
  const Val base = later(formulaValue(p.arrival[i], value), p.delay[i]);
  if (!mo.via || (!base.exact && base.s >= value[i].s))
    return "lower bound: " + formulaBoundCause(names, p.arrival[i], "arrival ", value);
  if (mo.node >= 0 && !value[static_cast<std::size_t>(mo.node)].never())
    return "lower bound: it arrives from its mother ship " + names.label(mo.node) +
           ", no earlier than the ship itself";
  return "lower bound: it arrives by its alternative, no earlier than the game lets it";
}

}  // namespace

std::string arrivalReason(const model::Mission& m, const shell::Vocabulary& v, const Plan& p,
                          const std::vector<Val>& value, Names& names, const Arrival& a, int g,
                          Difficulty d) {
  if (a.time.never) return neverReason(m, v, p, value, names, a, g, d);
  if (!a.time.exact) return boundReason(p, value, names, g);
  return {};
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

}  // namespace flow
