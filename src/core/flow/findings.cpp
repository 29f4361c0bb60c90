// What can never happen at one level: groups that never arrive, messages never sent, goals never
// met. Each text holds `LevelMark` where the levels it holds at go.
#include "flow/rules.h"
#include "flow/steps.h"

namespace flow {

namespace fg = model::fg;

namespace {

Finding cycleFinding(LevelRun& run, const std::vector<int>& cycle) {
  std::vector<std::string> labels;
  for (int h : cycle) labels.push_back(run.names.label(h));
  model::Text text =
      cycle.size() == 1
          ? model::Text(ZYNED_TEXT("core",
                                   "%1 never arrives %2: it waits on itself, with no other "
                                   "way in"),
                        labels[0], levelMark())
          : model::Text(ZYNED_TEXT("core",
                                   "Never arrive %1: %2 wait on each other, with no "
                                   "other way in"),
                        levelMark(), join(labels, ", "));
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
        run.out.add(
            {FindingKind::GoalNeverMet,
             {gi},
             {},
             {PlaceKind::FlightGroupGoal, gi, static_cast<int>(k) + 1, 0},
             model::Text(
                 ZYNED_TEXT("core",
                            "%1, goal %2 (%3) can never be met: the group never arrives %4"),
                 run.names.label(gi), std::to_string(k + 1),
                 editing::describeGoal(run.m, run.names.vocabulary(), goal), levelMark()),
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
                 model::Text(ZYNED_TEXT("core", "%1 never arrives %2: %3"), run.names.label(gi),
                             levelMark(), a.reason),
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
    const model::Text holder = run.names.message(mi, true);
    const Place place{PlaceKind::Message, mi, 0, 0};
    run.out.add(
        {FindingKind::NeverSent,
         {},
         {mi},
         place,
         model::Text(ZYNED_TEXT("core", "%1 is never sent %2: %3"), holder, levelMark(), e.reason),
         {},
         formulaChain(run.names, run.v, run.v.plan.messages[i], holder, place)},
        run.v.level.difficulty);
  }
}

void goalFindings(LevelRun& run) {
  for (const GlobalGoalTime& goal : run.r.globalGoals) {
    if (!goal.time.never) continue;
    const model::Text holder = Names::teamGoal(goal.team, goal.goalSet);
    model::Text text =
        goal.goalSet == 1
            ? model::Text(ZYNED_TEXT("core",
                                     "%1 can never be met %2: %3 (so it never fails the "
                                     "team)"),
                          holder, levelMark(), goal.reason)
            : model::Text(ZYNED_TEXT("core", "%1 can never be met %2: %3"), holder, levelMark(),
                          goal.reason);
    const Place place{PlaceKind::GlobalGoal, goal.team, goal.goalSet, 0};
    const Formula& f = run.v.plan.globalGoals[static_cast<std::size_t>(goal.team)]
                                             [static_cast<std::size_t>(goal.goalSet)];
    run.out.add({FindingKind::GoalNeverMet,
                 goal.waitsOn,
                 {},
                 place,
                 std::move(text),
                 {},
                 formulaChain(run.names, run.v, f, holder, place)},
                run.v.level.difficulty);
  }
  flightGroupGoalFindings(run);
}

}  // namespace flow
