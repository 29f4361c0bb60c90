// The times of one level: each flight group's arrival with its reason, the messages' sending and
// the global goals in use.
#include "flow/steps.h"

namespace flow {

namespace fg = model::fg;

namespace {

std::vector<int> arrivalWaitsOn(const Plan& p, std::size_t g) {
  std::vector<int> out = namedGroups(p.arrival[g], p.groups);
  const Mother& mo = p.mother[g];
  if (mo.via && mo.node >= 0) out.push_back(mo.node);
  if (mo.via && mo.altVia && mo.alt >= 0) out.push_back(mo.alt);
  sortUnique(out);
  return out;
}

}  // namespace

void describeArrivals(LevelRun& run) {
  const Values& v = run.v;
  const auto n = static_cast<std::size_t>(v.plan.groups);
  run.r.flightGroups.resize(n);
  for (std::size_t g = 0; g < n; ++g) {
    Arrival& a = run.r.flightGroups[g];
    a.absent = v.level.absent[g] != 0;
    a.time = toTime(v.value[g]);
    a.onlyIfHuman = run.m.flightGroups[g].get(fg::ArriveOnlyIfHuman) != 0;
    a.waitsOn = arrivalWaitsOn(v.plan, g);
  }
  for (const auto& loop : cyclesAmongNever(v))
    for (int g : loop) run.r.flightGroups[static_cast<std::size_t>(g)].cycle = loop;
  for (std::size_t g = 0; g < n; ++g) {
    Arrival& a = run.r.flightGroups[g];
    a.reason = arrivalReason(run.names, v, a, static_cast<int>(g));
  }
}

void timeMessages(LevelRun& run) {
  const auto& messages = run.m.messages;
  run.r.messages.reserve(messages.size());
  for (std::size_t i = 0; i < messages.size(); ++i)
    run.r.messages.push_back(eventOf(run.names, run.v.plan.messages[i],
                                     messages[i].get(model::message::Delay) * 5, run.v));
}

void timeGlobalGoals(LevelRun& run) {
  for (std::size_t t = 0; t < model::TeamCount; ++t)
    for (int s = 0; s < 3; ++s) {
      const Formula& f = run.v.plan.globalGoals[t][static_cast<std::size_t>(s)];
      if (!inUse(f)) continue;
      GlobalGoalTime goal;
      static_cast<Event&>(goal) = eventOf(run.names, f, 0, run.v);
      goal.team = static_cast<int>(t);
      goal.goalSet = s;
      run.r.globalGoals.push_back(std::move(goal));
    }
}

}  // namespace flow
