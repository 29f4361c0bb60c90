// The chain of why something never happens: from the holder through each trigger or mother ship
// it waits on, down to a trigger that is never true or back to a group already named.
#include <algorithm>

#include "flow/explain.h"

namespace flow {

namespace {

struct ChainWalk {
  ChainWalk(Names& n, const Values& values, const std::vector<int>* c = nullptr)
      : names(n), v(values), cycle(c), named(static_cast<std::size_t>(values.plan.groups), 0) {}

  Names& names;
  const Values& v;
  const std::vector<int>* cycle;  // the groups to follow first, for a cycle's chain
  std::vector<Step> steps;
  std::vector<char> named;

  bool inCycle(int node) const {
    if (!cycle || node < 0) return false;
    if (node < v.plan.groups) return std::find(cycle->begin(), cycle->end(), node) != cycle->end();
    const auto& members = v.plan.setMembers[static_cast<std::size_t>(node - v.plan.groups)];
    return std::any_of(members.begin(), members.end(), [&](int g) { return inCycle(g); });
  }

  void fromGroup(int g) {
    while (g >= 0 && !named[static_cast<std::size_t>(g)]) {
      named[static_cast<std::size_t>(g)] = 1;
      g = stepFrom(g);
    }
  }

  // The step out of a group that never arrives; the group it leads to, -1 at the end.
  int stepFrom(int g) {
    const Formula& f = v.plan.arrival[static_cast<std::size_t>(g)];
    const int n = cycle ? cycleTerm(f) : firstNeverTerm(f, v);
    const Mother& mo = v.plan.mother[static_cast<std::size_t>(g)];
    if (n == 0 || (cycle && mo.via && inCycle(mo.node) &&
                   !inCycle(f.terms[static_cast<std::size_t>(n - 1)].node)))
      return motherStep(g);
    return termStep(names.label(g), f.terms[static_cast<std::size_t>(n - 1)],
                    {PlaceKind::ArrivalTrigger, g, n, 0}, triggerWhere(true, n));
  }

  // A never-met trigger naming a group of the cycle, else the first never-met one.
  int cycleTerm(const Formula& f) const {
    for (int k = 1; k <= 4; ++k) {
      const Term& t = f.terms[static_cast<std::size_t>(k - 1)];
      if (termValue(t, v).never() && inCycle(t.node)) return k;
    }
    return firstNeverTerm(f, v);
  }

  int termStep(const model::Text& holder, const Term& t, const Place& place,
               const model::Text& where) {
    if (t.kind == Term::Group) {
      steps.push_back({place, model::Text(ZYNED_TEXT("core", "%1 waits on %2 (%3)"), holder,
                                          names.label(t.node), where)});
      return t.node;
    }
    if (t.kind == Term::Set) {
      steps.push_back(
          {place, model::Text(ZYNED_TEXT("core", "%1 waits on %2 (%3), none of which arrives"),
                              holder, names.target(t.type, t.value), where)});
      return firstPresentMember(t.node);
    }
    steps.push_back(
        {place, model::Text(ZYNED_TEXT("core", "%1: %2 is never true"), holder, where)});
    return -1;
  }

  int motherStep(int g) {
    const Mother& mo = v.plan.mother[static_cast<std::size_t>(g)];
    model::Text text =
        mo.altVia
            ? model::Text(
                  ZYNED_TEXT("core", "%1 arrives from its mother ship %2 or its alternative %3"),
                  {names.label(g), names.label(mo.node), names.label(mo.alt)})
            : model::Text(ZYNED_TEXT("core", "%1 arrives from its mother ship %2"), names.label(g),
                          names.label(mo.node));
    steps.push_back({{PlaceKind::ArrivalMothership, g, 0, 0}, std::move(text)});
    return mo.node;
  }

  int firstPresentMember(int node) const {
    for (int g : v.plan.setMembers[static_cast<std::size_t>(node - v.plan.groups)])
      if (!v.level.absent[static_cast<std::size_t>(g)] && (!cycle || inCycle(g))) return g;
    return -1;
  }
};

}  // namespace

std::vector<Step> arrivalChain(Names& names, const Values& v, int g,
                               const std::vector<int>* cycle) {
  ChainWalk walk{names, v, cycle};
  walk.fromGroup(g);
  return std::move(walk.steps);
}

std::vector<Step> formulaChain(Names& names, const Values& v, const Formula& f,
                               const model::Text& holder, Place holderPlace) {
  const int n = firstNeverTerm(f, v);
  if (n == 0) return {};
  ChainWalk walk{names, v};
  const int next = walk.termStep(holder, f.terms[static_cast<std::size_t>(n - 1)],
                                 triggerPlace(holderPlace, n), triggerWhere(false, n));
  walk.fromGroup(next);
  return std::move(walk.steps);
}

}  // namespace flow
