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

model::Text triggerWhere(bool arrival, int n) {
  return {arrival ? ZYNED_TEXT("core", "arrival trigger %1") : ZYNED_TEXT("core", "trigger %1"),
          {std::to_string(n)}};
}

namespace {

model::Text levelName(const Values& v) {
  return model::text(difficultyName(v.level.difficulty).data());
}

// Why a never-met term is never met.
model::Text neverCause(Names& names, const Term& t, const model::Text& where) {
  if (t.kind == Term::Group)
    return model::Text(ZYNED_TEXT("core", "%1 waits on %2, which never arrives"), where,
                       names.label(t.node));
  if (t.kind == Term::Set)
    return model::Text(ZYNED_TEXT("core", "%1 waits on %2, none of which arrives"), where,
                       names.target(t.type, t.value));
  return model::Text(ZYNED_TEXT("core", "%1 is never true"), where);
}

}  // namespace

void neverCauses(Names& names, const Formula& f, bool arrival, const Values& v,
                 std::vector<model::Text>& out) {
  auto term = [&](int n) {
    const Term& t = f.terms[static_cast<std::size_t>(n - 1)];
    if (termValue(t, v).never()) out.push_back(neverCause(names, t, triggerWhere(arrival, n)));
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
model::Text asks(Names& names, const Term& t) {
  return model::Text(ZYNED_TEXT("core", "%1 must %2"), names.target(t.type, t.value),
                     names.condition(t.condition));
}

// Why a term's time is only a lower bound, where the level says nothing of it: the same at every
// level, so worked out once.
const model::Text& toldCause(Names& names, const Term& t, const model::Text& where) {
  auto [known, fresh] = names.memo.try_emplace(&t);
  if (!fresh) return known->second;
  const char* form = ZYNED_TEXT("core", "%1 (%2)");
  switch (t.kind) {
    case Term::Group:
      form = t.arrive ? ZYNED_TEXT("core", "%1 (%2) waits on a time that is itself a lower bound")
                      : ZYNED_TEXT("core", "%1 (%2): no earlier than it arrives");
      break;
    case Term::Set:
      form = ZYNED_TEXT("core", "%1 (%2): no earlier than the first of them arrives");
      break;
    default:
      if (t.cause == Term::NoSuchGroup)
        form = ZYNED_TEXT("core", "%1 (%2): the mission has no such group, so the game decides");
      else if (t.cause == Term::UnknownCondition)
        form =
            ZYNED_TEXT("core", "%1 (%2): the condition has no known meaning, so the game decides");
      else if (t.cause == Term::UnknownTarget || t.cause == Term::OpenCondition)
        form = ZYNED_TEXT("core", "%1 (%2): the file cannot tell when, so counted from 0");
      break;
  }
  return known->second = model::Text(form, where, asks(names, t));
}

// Why a term's time is only a lower bound.
model::Text boundCause(Names& names, const Term& t, const model::Text& where, const Values& v) {
  if (t.node < 0 || !v.level.untold(v.plan, t.node)) return toldCause(names, t, where);
  if (t.kind == Term::Group)
    return model::Text(ZYNED_TEXT("core", "%1 (%2): %3 is not at %4, so the game decides"), where,
                       asks(names, t), names.label(t.node), levelName(v));
  return model::Text(ZYNED_TEXT("core", "%1 (%2): none of them is at %3, so the game decides"),
                     where, asks(names, t), levelName(v));
}

}  // namespace

// The first term that makes a formula's time a lower bound, following the branch that gives
// the time.
model::Text formulaBoundCause(Names& names, const Formula& f, bool arrival, const Values& v) {
  std::array<Val, 4> tv;
  for (std::size_t i = 0; i < 4; ++i) tv[i] = termValue(f.terms[i], v);
  auto pairCause = [&](int first, bool isOr) -> model::Text {
    const auto a = static_cast<std::size_t>(first - 1);
    int pick = -1;
    if (isOr)
      pick = earlier(tv[a + 1], tv[a]) ? first + 1 : first;
    else
      pick = !tv[a].exact ? first : first + 1;
    const Term& t = f.terms[static_cast<std::size_t>(pick - 1)];
    if (tv[static_cast<std::size_t>(pick - 1)].exact) return {};
    return boundCause(names, t, triggerWhere(arrival, pick), v);
  };
  const Val a = pairValue(tv[0], tv[1], f.or12);
  const Val b = pairValue(tv[2], tv[3], f.or34);
  const bool first = f.orPairs ? !earlier(b, a) : !a.exact;
  return first ? pairCause(1, f.or12) : pairCause(3, f.or34);
}

namespace {

model::Text cycleReason(Names& names, const std::vector<int>& cycle, int g) {
  std::vector<std::string> others;
  for (int h : cycle)
    if (h != g) others.push_back(names.label(h));
  if (others.empty())
    return model::text(ZYNED_TEXT("core", "it waits on itself, with no other way in"));
  if (others.size() == 1)
    return model::Text(
        ZYNED_TEXT("core", "it waits on %1, which waits on it in turn, with no other way in"),
        others[0]);
  return model::Text(
      ZYNED_TEXT("core", "it waits on %1, which wait on it in turn, with no other way in"),
      join(others, ", "));
}

model::Text neverReason(Names& names, const Values& v, const Arrival& a, int g) {
  if (!a.cycle.empty()) return cycleReason(names, a.cycle, g);
  const auto i = static_cast<std::size_t>(g);
  if (!triggeredValue(g, v).never()) {
    // Its triggers are met, its mother ship (and the alternative) never come.
    const Mother& mo = v.plan.mother[i];
    if (mo.altVia)
      return model::Text(
          ZYNED_TEXT("core", "its mother ship %1 never arrives, nor does its alternative %2"),
          names.label(mo.node), names.label(mo.alt));
    return model::Text(ZYNED_TEXT("core", "its mother ship %1 never arrives"),
                       names.label(mo.node));
  }
  std::vector<model::Text> causes;
  neverCauses(names, v.plan.arrival[i], true, v, causes);
  return model::joinedTexts(std::move(causes), "; ");
}

model::Text absentReason(Names& names, const Values& v, int g) {
  const int d = v.plan.difficulty[static_cast<std::size_t>(g)];
  return model::Text(
      ZYNED_TEXT("core", "it is not at %1 (difficulty \"%2\")"), levelName(v),
      names.vocabulary().text(shell::tables::Appear, d, "value " + std::to_string(d)));
}

model::Text lowerBound(model::Text why) {
  return model::Text(ZYNED_TEXT("core", "lower bound: %1"), std::move(why));
}

model::Text boundReason(Names& names, const Values& v, int g) {
  const auto i = static_cast<std::size_t>(g);
  const Mother& mo = v.plan.mother[i];
  const Val base = triggeredValue(g, v);
  if (!mo.via || (!base.exact && base.s >= v.value[i].s))
    return lowerBound(formulaBoundCause(names, v.plan.arrival[i], true, v));
  if (mo.node < 0)
    return lowerBound(
        model::Text(ZYNED_TEXT("core",
                               "its mother ship is %1, which the mission does not have, so the "
                               "game decides how it comes"),
                    Names::missing(mo.number)));
  if (v.level.absent[static_cast<std::size_t>(mo.node)])
    return lowerBound(model::Text(
        ZYNED_TEXT("core", "its mother ship %1 is not at %2, so the game decides how it comes"),
        names.label(mo.node), levelName(v)));
  if (!v.value[static_cast<std::size_t>(mo.node)].never())
    return lowerBound(model::Text(ZYNED_TEXT("core",
                                             "it arrives from its mother ship %1, no earlier than "
                                             "the ship itself"),
                                  names.label(mo.node)));
  return lowerBound(model::text(
      ZYNED_TEXT("core", "it arrives by its alternative, no earlier than the game lets it")));
}

}  // namespace

model::Text arrivalReason(Names& names, const Values& v, const Arrival& a, int g) {
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
    std::vector<model::Text> causes;
    neverCauses(names, f, false, v, causes);
    e.reason = model::joinedTexts(std::move(causes), "; ");
  } else if (!val.exact) {
    e.reason = lowerBound(formulaBoundCause(names, f, false, v));
  }
  return e;
}

bool inUse(const Formula& f) {
  return std::any_of(f.terms.begin(), f.terms.end(), [](const Term& t) {
    return t.condition != AlwaysTrueCondition && t.condition != NeverTrueCondition;
  });
}

}  // namespace flow
