// Earliest times over the plan's nodes.
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

}  // namespace

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

namespace {

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

}  // namespace

std::vector<Val> earliestTimes(const Plan& p) {
  std::vector<Val> value = solve(p, MotherRule::EitherWay, {});
  if (!p.anyMother) return value;
  // Which groups never come does not depend on how a mother ship bounds the time; knowing them,
  // a group waits for its mother ship, or takes the alternative when the ship never comes.
  const auto n = static_cast<std::size_t>(p.groups);
  std::vector<char> neverComes(n);
  for (std::size_t g = 0; g < n; ++g) neverComes[g] = value[g].never();
  const std::vector<Val> firm = solve(p, MotherRule::MotherFirst, neverComes);
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
