// The plan: the Mission's arrival triggers, mother ships, messages and global goals read once
// into terms and formulas over nodes.
#include "flow/plan.h"

#include <algorithm>

#include "editing/descriptions.h"
#include "editing/references.h"
#include "flow/rules.h"

namespace flow {

namespace fg = model::fg;

namespace {

Term unknown(Term t, Term::Cause cause) {
  t.kind = Term::Unknown;
  t.cause = cause;
  return t;
}

// The node of the set of craft a target names, made on first use.
int setNode(const model::Mission& m, Plan& p, int type, int value, int slot) {
  int& set = p.setIndex[static_cast<std::size_t>(slot)];
  if (set < 0) {
    set = static_cast<int>(p.setMembers.size());
    p.setMembers.push_back(targetMembers(m, type, value).members);
    for (int g : p.setMembers.back())
      p.setsOf[static_cast<std::size_t>(g)].push_back(p.groups + set);
  }
  return p.groups + set;
}

Term readTerm(const model::Mission& m, Plan& p, model::CBytes t) {
  namespace tr = model::trigger;
  Term term;
  term.condition = model::get(t, tr::Condition);
  term.type = model::get(t, tr::VariableType);
  term.value = model::get(t, tr::Variable);
  term.amount = model::get(t, tr::Amount);
  if (term.condition == AlwaysTrueCondition) return term;
  if (term.condition == NeverTrueCondition) {
    term.kind = Term::Never;
    term.cause = Term::NeverTrue;
    return term;
  }
  if (!knownCondition(term.condition)) return unknown(term, Term::UnknownCondition);
  const bool group = term.type == editing::TargetFlightGroup;
  if (group && term.value >= p.groups) return unknown(term, Term::NoSuchGroup);
  if (!needsPresence(term.condition)) return unknown(term, Term::OpenCondition);
  if (group) {
    term.kind = Term::Group;
    term.node = term.value;
    term.arrive = term.condition == ArriveCondition;
    return term;
  }
  const int slot = setSlot(term.type, term.value);
  if (slot < 0) return unknown(term, Term::UnknownTarget);
  term.kind = Term::Set;
  term.node = setNode(m, p, term.type, term.value, slot);
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

}  // namespace

Plan makePlan(const model::Mission& m) {
  Plan p;
  p.groups = static_cast<int>(m.flightGroups.size());
  const auto n = static_cast<std::size_t>(p.groups);
  p.arrival.resize(n);
  p.delay.resize(n);
  p.difficulty.resize(n);
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
    p.difficulty[g] = group.get(fg::ArrivalDifficulty);
    Mother& mo = p.mother[g];
    mo.via = group.get(ship.via) != 0;
    if (mo.via) {
      p.anyMother = true;
      mo.number = group.get(ship.number);
      mo.node = motherNode(mo.number, p.groups);
      mo.altVia = group.get(alt.via) != 0;
      mo.altNumber = group.get(alt.number);
      mo.alt = motherNode(mo.altNumber, p.groups);
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

Level levelOf(const Plan& p, Difficulty d) {
  Level level;
  level.difficulty = d;
  level.absent.resize(static_cast<std::size_t>(p.groups));
  for (std::size_t g = 0; g < level.absent.size(); ++g)
    level.absent[g] = !appearsAt(d, p.difficulty[g]);
  level.setEmpty.reserve(p.setMembers.size());
  for (const std::vector<int>& members : p.setMembers)
    level.setEmpty.push_back(std::all_of(members.begin(), members.end(), [&](int g) {
      return level.absent[static_cast<std::size_t>(g)] != 0;
    }));
  return level;
}

std::vector<int> namedGroups(const Formula& f, int groups) {
  std::vector<int> out;
  for (const Term& t : f.terms)
    if (t.kind == Term::Group || (t.cause == Term::OpenCondition &&
                                  t.type == editing::TargetFlightGroup && t.value < groups))
      out.push_back(t.value);
  return out;
}

}  // namespace flow
