// Groups that never arrive only because they wait on each other.
#include <algorithm>
#include <functional>

#include "flow/plan.h"

namespace flow {

// For each group: whether it never arrives even when every group not known to stay away is
// assumed to arrive. The groups never arriving that this leaves out stay away only because they
// wait on each other. A node that cannot be told at the level (an absent group, an empty set, a
// mother ship the mission does not have) is no way of staying away.
std::vector<char> neverByThemselves(const Values& v) {
  const Plan& p = v.plan;
  const auto n = static_cast<std::size_t>(p.groups);
  std::vector<char> away(p.dependents.size(), 0);
  auto nodeOpen = [&](int node) {
    return node < 0 || v.level.untold(p, node) || !away[static_cast<std::size_t>(node)];
  };
  auto termOpen = [&](const Term& t) {
    if (t.kind == Term::Never) return false;
    return t.kind == Term::Group || t.kind == Term::Set ? nodeOpen(t.node) : true;
  };
  auto pairOpen = [&](const Term& a, const Term& b, bool isOr) {
    return isOr ? termOpen(a) || termOpen(b) : termOpen(a) && termOpen(b);
  };
  auto open = [&](std::size_t g) {
    const Formula& f = p.arrival[g];
    const bool a = pairOpen(f.terms[0], f.terms[1], f.or12);
    const bool b = pairOpen(f.terms[2], f.terms[3], f.or34);
    if (!(f.orPairs ? a || b : a && b)) return false;
    const Mother& mo = p.mother[g];
    return !mo.via || nodeOpen(mo.node) || !mo.altVia || nodeOpen(mo.alt);
  };
  auto gone = [&](int x) {
    return v.level.absent[static_cast<std::size_t>(x)] || away[static_cast<std::size_t>(x)];
  };
  std::vector<int> work;
  for (std::size_t g = 0; g < n; ++g)
    if (!v.level.absent[g] && v.value[g].never()) work.push_back(static_cast<int>(g));
  while (!work.empty()) {
    const auto g = static_cast<std::size_t>(work.back());
    work.pop_back();
    if (away[g] || open(g)) continue;
    away[g] = 1;
    for (int d : p.dependents[g]) work.push_back(d);
    for (int set : p.setsOf[g]) {
      const auto s = static_cast<std::size_t>(set);
      const auto& members = p.setMembers[s - n];
      if (away[s] || !std::all_of(members.begin(), members.end(), gone)) continue;
      away[s] = 1;
      for (int d : p.dependents[s]) work.push_back(d);
    }
  }
  away.resize(n);
  return away;
}

std::vector<std::vector<int>> cyclesAmongNever(const Values& v) {
  const auto n = static_cast<std::size_t>(v.plan.groups);
  const std::vector<char> byThemselves = neverByThemselves(v);
  std::vector<char> inCycle(n, 0);
  for (std::size_t g = 0; g < n; ++g)
    inCycle[g] = !v.level.absent[g] && v.value[g].never() && !byThemselves[g];
  return cycles(v.plan, inCycle);
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

}  // namespace flow
