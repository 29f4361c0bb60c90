// What can never happen at one level: groups that never arrive, messages never sent, goals never
// met. Each text holds `LevelMark` where the levels it holds at go.
#include "flow/rules.h"
#include "flow/steps.h"

namespace flow {

namespace fg = model::fg;

namespace {

const std::string Mark(LevelMark);

Finding cycleFinding(LevelRun& run, const std::vector<int>& cycle) {
  std::vector<std::string> labels;
  for (int h : cycle) labels.push_back(run.names.label(h));
  const std::string text = cycle.size() == 1 ? labels[0] + " never arrives " + Mark +
                                                   ": it waits on itself, with no other way in"
                                             : "Never arrive " + Mark + ": " + join(labels, ", ") +
                                                   " wait on each other, with no other way in";
  return {FindingKind::NeverArrives,
          cycle,
          {},
          {PlaceKind::ArrivalTrigger, cycle.front(), 1, 0},
          text,
          {},
          arrivalChain(run.names, run.v, cycle.front(), &cycle)};
}

// The "must" and "BONUS must" goals whose condition needs the group there.
bool needsTheGroup(model::CBytes goal) {
  const int condition = model::get(goal, model::goal::Condition);
  const int argument = model::get(goal, model::goal::Argument);
  return condition != NeverTrueCondition && needsPresence(condition) &&
         (argument == 0 || argument == 2);
}

void flightGroupGoalFindings(LevelRun& run) {
  for (std::size_t g = 0; g < run.r.flightGroups.size(); ++g) {
    if (!run.r.flightGroups[g].arrives() && !run.r.flightGroups[g].absent) {
      const int gi = static_cast<int>(g);
      for (std::size_t k = 0; k < fg::GoalCount; ++k) {
        const model::CBytes goal = run.m.flightGroups[g].goalBytes(k);
        if (!needsTheGroup(goal)) continue;
        run.out.add({FindingKind::GoalNeverMet,
                     {gi},
                     {},
                     {PlaceKind::FlightGroupGoal, gi, static_cast<int>(k) + 1, 0},
                     run.names.label(gi) + ", goal " + std::to_string(k + 1) + " (" +
                         editing::describeGoal(run.m, run.names.vocabulary(), goal) +
                         ") can never be met: the group never arrives " + Mark,
                     {},
                     arrivalChain(run.names, run.v, gi)},
                    run.v.level.difficulty);
      }
    }
  }
}

}  // namespace

void neverArriveFindings(LevelRun& run) {
  const Difficulty d = run.v.level.difficulty;
  for (std::size_t g = 0; g < run.r.flightGroups.size(); ++g) {
    const Arrival& a = run.r.flightGroups[g];
    if (a.absent || !a.time.never) continue;
    const int gi = static_cast<int>(g);
    if (!a.cycle.empty()) {
      if (a.cycle.front() == gi) run.out.add(cycleFinding(run, a.cycle), d);
      continue;
    }
    run.out.add({FindingKind::NeverArrives,
                 {gi},
                 {},
                 {PlaceKind::ArrivalTrigger, gi, 1, 0},
                 run.names.label(gi) + " never arrives " + Mark + ": " + a.reason,
                 {},
                 arrivalChain(run.names, run.v, gi)},
                d);
  }
}

void neverSentFindings(LevelRun& run) {
  for (std::size_t i = 0; i < run.r.messages.size(); ++i) {
    const Event& e = run.r.messages[i];
    if (!e.time.never) continue;
    const int mi = static_cast<int>(i);
    const std::string holder = capitalised(run.names.message(mi));
    const Place place{PlaceKind::Message, mi, 0, 0};
    run.out.add({FindingKind::NeverSent,
                 {},
                 {mi},
                 place,
                 holder + " is never sent " + Mark + ": " + e.reason,
                 {},
                 formulaChain(run.names, run.v, run.v.plan.messages[i], holder, place)},
                run.v.level.difficulty);
  }
}

void goalFindings(LevelRun& run) {
  for (const GlobalGoalTime& goal : run.r.globalGoals) {
    if (!goal.time.never) continue;
    const std::string holder = Names::teamGoal(goal.team, goal.goalSet);
    std::string text = holder + " can never be met " + Mark + ": " + goal.reason;
    if (goal.goalSet == 1) text += " (so it never fails the team)";
    const Place place{PlaceKind::GlobalGoal, goal.team, goal.goalSet, 0};
    const Formula& f = run.v.plan.globalGoals[static_cast<std::size_t>(goal.team)]
                                             [static_cast<std::size_t>(goal.goalSet)];
    run.out.add({FindingKind::GoalNeverMet,
                 goal.waitsOn,
                 {},
                 place,
                 text,
                 {},
                 formulaChain(run.names, run.v, f, holder, place)},
                run.v.level.difficulty);
  }
  flightGroupGoalFindings(run);
}

}  // namespace flow
