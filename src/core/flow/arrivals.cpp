// The times of the result: each flight group's arrival with its reason, the messages' sending
// and the global goals in use.
#include "editing/references.h"
#include "flow/steps.h"

namespace flow {

namespace fg = model::fg;

namespace {

// The groups that never arrive only because they wait on each other.
std::vector<std::vector<int>> cyclesAmongNever(const Plan& p, const std::vector<Val>& value) {
  const auto n = static_cast<std::size_t>(p.groups);
  const std::vector<char> byThemselves = neverByThemselves(p, value);
  std::vector<char> inCycle(n, 0);
  for (std::size_t g = 0; g < n; ++g) inCycle[g] = value[g].never() && !byThemselves[g];
  return cycles(p, inCycle);
}

std::vector<int> arrivalWaitsOn(const Plan& p, std::size_t g) {
  std::vector<int> out = namedGroups(p.arrival[g], p.groups);
  const Mother& mo = p.mother[g];
  if (mo.via && mo.node >= 0) out.push_back(mo.node);
  if (mo.via && mo.altVia && mo.alt >= 0) out.push_back(mo.alt);
  sortUnique(out);
  return out;
}

}  // namespace

void describeArrivals(const model::Mission& m, const shell::Vocabulary& v, const Plan& p,
                      const std::vector<Val>& value, Names& names, Result& r) {
  const auto n = static_cast<std::size_t>(p.groups);
  r.flightGroups.resize(n);
  for (std::size_t g = 0; g < n; ++g) {
    Arrival& a = r.flightGroups[g];
    a.time = toTime(value[g]);
    a.onlyIfHuman = m.flightGroups[g].get(fg::ArriveOnlyIfHuman) != 0;
    a.waitsOn = arrivalWaitsOn(p, g);
  }
  for (const auto& loop : cyclesAmongNever(p, value))
    for (int g : loop) r.flightGroups[static_cast<std::size_t>(g)].cycle = loop;
  for (std::size_t g = 0; g < n; ++g) {
    Arrival& a = r.flightGroups[g];
    a.reason = arrivalReason(m, v, p, value, names, a, static_cast<int>(g), r.difficulty);
  }
}

void timeMessages(const model::Mission& m, const Plan& p, const std::vector<Val>& value,
                  Names& names, Result& r) {
  r.messages.reserve(m.messages.size());
  for (std::size_t i = 0; i < m.messages.size(); ++i)
    r.messages.push_back(
        eventOf(names, p, p.messages[i], m.messages[i].get(model::message::Delay) * 5, value));
}

void timeGlobalGoals(const Plan& p, const std::vector<Val>& value, Names& names, Result& r) {
  for (std::size_t t = 0; t < model::TeamCount; ++t)
    for (int s = 0; s < 3; ++s) {
      const Formula& f = p.globalGoals[t][static_cast<std::size_t>(s)];
      if (!inUse(f)) continue;
      GlobalGoalTime goal;
      static_cast<Event&>(goal) = eventOf(names, p, f, 0, value);
      goal.team = static_cast<int>(t);
      goal.goalSet = s;
      r.globalGoals.push_back(std::move(goal));
    }
}

}  // namespace flow
