// Earliest times over the plan's nodes at one level.
#include <algorithm>
#include <functional>
#include <queue>
#include <tuple>

#include "flow/plan.h"

namespace flow {

namespace {

// How a group that arrives from a mother ship is bounded. First the earlier of the mother ship
// and the alternative (a time that holds whatever the game does when the mother ship is not
// there); then, once it is known which mother ships never come, the mother ship itself, or the
// alternative for those that never come.
enum class MotherRule { EitherWay, MotherFirst };

constexpr Val Untold{0, false};

Val motherValue(const Mother& mo, const Values& v, MotherRule rule,
                const std::vector<char>& neverComes) {
  const Val ship = motherShipValue(mo.node, v);
  const Val alt = mo.altVia ? motherShipValue(mo.alt, v) : Untold;  // else by hyperspace
  Val out;
  if (rule == MotherRule::EitherWay)
    out = either(ship, alt);
  else
    out = mo.node >= 0 && neverComes[static_cast<std::size_t>(mo.node)] ? alt : ship;
  out.exact = false;
  return out;
}

Val groupValue(int g, const Values& v, MotherRule rule, const std::vector<char>& neverComes) {
  const auto i = static_cast<std::size_t>(g);
  if (v.level.absent[i]) return {};
  Val out = triggeredValue(g, v);
  const Mother& mo = v.plan.mother[i];
  if (mo.via) out = both(out, motherValue(mo, v, rule, neverComes));
  return out;
}

// Earliest arrivals: Knuth's generalisation of Dijkstra's shortest paths. Every function is
// "superior" (no earlier than any time it reads), so the node with the earliest tentative time
// is final; a group's value is read from final nodes only, others counting as never.
std::vector<Val> solve(const Plan& p, const Level& level, MotherRule rule,
                       const std::vector<char>& neverComes) {
  const std::size_t nodes = p.dependents.size();
  std::vector<Val> best(nodes), finalValue(nodes);
  const Values v{p, level, finalValue};
  std::vector<char> done(nodes, 0);
  using Entry = std::tuple<int, bool, int>;  // seconds, lower bound, node
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  auto offer = [&](int node, const Val& val) {
    auto& b = best[static_cast<std::size_t>(node)];
    if (val.never() || !earlier(val, b)) return;
    b = val;
    queue.emplace(val.s, !val.exact, node);
  };
  for (int g = 0; g < p.groups; ++g) offer(g, groupValue(g, v, rule, neverComes));
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
      if (!done[static_cast<std::size_t>(d)]) offer(d, groupValue(d, v, rule, neverComes));
  }
  return finalValue;
}

}  // namespace

Val termValue(const Term& t, const Values& v) {
  switch (t.kind) {
    case Term::Always:
      return {0, true};
    case Term::Unknown:
      return Untold;
    case Term::Group:
    case Term::Set: {
      if (v.level.untold(v.plan, t.node)) return Untold;
      const Val& val = v.value[static_cast<std::size_t>(t.node)];
      if (val.never()) return {};
      return {val.s, t.kind == Term::Group && t.arrive && val.exact};
    }
    default:
      return {};
  }
}

Val pairValue(const Val& a, const Val& b, bool isOr) {
  return isOr ? either(a, b) : both(a, b);
}

Val formulaValue(const Formula& f, const Values& v) {
  const Val a = pairValue(termValue(f.terms[0], v), termValue(f.terms[1], v), f.or12);
  const Val b = pairValue(termValue(f.terms[2], v), termValue(f.terms[3], v), f.or34);
  return pairValue(a, b, f.orPairs);
}

Val triggeredValue(int g, const Values& v) {
  const auto i = static_cast<std::size_t>(g);
  return later(formulaValue(v.plan.arrival[i], v), v.plan.delay[i]);
}

Val motherShipValue(int node, const Values& v) {
  if (node < 0 || v.level.untold(v.plan, node)) return Untold;
  return v.value[static_cast<std::size_t>(node)];
}

std::vector<Val> earliestTimes(const Plan& p, const Level& level) {
  std::vector<Val> value = solve(p, level, MotherRule::EitherWay, {});
  if (!p.anyMother) return value;
  // Which groups never come does not depend on how a mother ship bounds the time; knowing them,
  // a group waits for its mother ship, or takes the alternative when the ship never comes.
  const auto n = static_cast<std::size_t>(p.groups);
  std::vector<char> neverComes(n);
  for (std::size_t g = 0; g < n; ++g) neverComes[g] = !level.absent[g] && value[g].never();
  const std::vector<Val> firm = solve(p, level, MotherRule::MotherFirst, neverComes);
  // A group that waits for a mother ship that waits on it keeps the first bound.
  for (std::size_t g = 0; g < n; ++g)
    if (!firm[g].never()) value[g] = firm[g];
  return value;
}

Time toTime(const Val& v) {
  if (v.never()) return {};
  return Time::at(v.s, v.exact);
}

}  // namespace flow
