// What can never happen at the level: groups that never arrive, messages never sent, goals never
// met.
#include "editing/descriptions.h"
#include "flow/rules.h"
#include "flow/steps.h"

namespace flow {

namespace fg = model::fg;

namespace {

Finding cycleFinding(Names& names, const std::vector<int>& cycle, const std::string& level) {
  std::vector<std::string> labels;
  for (int h : cycle) labels.push_back(names.label(h));
  const std::string text =
      cycle.size() == 1
          ? labels[0] + " never arrives at " + level + ": it waits on itself, with no other way in"
          : "Never arrive at " + level + ": " + join(labels, ", ") +
                " wait on each other, with no other way in";
  return {
      FindingKind::NeverArrives, cycle, {}, {PlaceKind::ArrivalTrigger, cycle.front(), 1, 0}, text};
}

}  // namespace

void neverArriveFindings(const Plan& p, Names& names, Result& r) {
  const std::string level(difficultyName(r.difficulty));
  for (std::size_t g = 0; g < r.flightGroups.size(); ++g) {
    const Arrival& a = r.flightGroups[g];
    if (!a.time.never) continue;
    const int gi = static_cast<int>(g);
    if (!a.cycle.empty()) {
      if (a.cycle.front() == gi) r.findings.push_back(cycleFinding(names, a.cycle, level));
    } else if (p.excluded[g]) {
      r.findings.push_back({FindingKind::NeverArrives,
                            {gi},
                            {},
                            {PlaceKind::FlightGroup, gi, 0, 0},
                            names.label(gi) + " never arrives: " + a.reason});
    } else {
      r.findings.push_back({FindingKind::NeverArrives,
                            {gi},
                            {},
                            {PlaceKind::ArrivalTrigger, gi, 1, 0},
                            names.label(gi) + " never arrives at " + level + ": " + a.reason});
    }
  }
}

void neverSentFindings(Names& names, Result& r) {
  const std::string level(difficultyName(r.difficulty));
  for (std::size_t i = 0; i < r.messages.size(); ++i) {
    const Event& e = r.messages[i];
    if (!e.time.never) continue;
    const int mi = static_cast<int>(i);
    r.findings.push_back(
        {FindingKind::NeverSent,
         {},
         {mi},
         {PlaceKind::Message, mi, 0, 0},
         capitalised(names.message(mi)) + " is never sent at " + level + ": " + e.reason});
  }
}

void goalFindings(const model::Mission& m, const shell::Vocabulary& v, Names& names, Result& r) {
  const std::string level(difficultyName(r.difficulty));
  for (const GlobalGoalTime& goal : r.globalGoals) {
    if (!goal.time.never) continue;
    std::string text = "Team " + std::to_string(goal.team + 1) + "'s " +
                       std::string(goalSetWord(goal.goalSet)) + " goal can never be met at " +
                       level + ": " + goal.reason;
    if (goal.goalSet == 1) text += " (so it never fails the team)";
    r.findings.push_back({FindingKind::GoalNeverMet,
                          goal.waitsOn,
                          {},
                          {PlaceKind::GlobalGoal, goal.team, goal.goalSet, 0},
                          text});
  }
  for (std::size_t g = 0; g < r.flightGroups.size(); ++g) {
    if (!r.flightGroups[g].time.never) continue;
    const int gi = static_cast<int>(g);
    for (std::size_t k = 0; k < fg::GoalCount; ++k) {
      const model::CBytes goal = m.flightGroups[g].goalBytes(k);
      const int condition = model::get(goal, model::goal::Condition);
      const int argument = model::get(goal, model::goal::Argument);
      // "must" and "BONUS must" goals whose condition needs the group there.
      if (condition == NeverTrueCondition || !needsPresence(condition) ||
          (argument != 0 && argument != 2))
        continue;
      r.findings.push_back({FindingKind::GoalNeverMet,
                            {gi},
                            {},
                            {PlaceKind::FlightGroupGoal, gi, static_cast<int>(k) + 1, 0},
                            names.label(gi) + ", goal " + std::to_string(k + 1) + " (" +
                                editing::describeGoal(m, v, goal) +
                                ") can never be met: the group never arrives at " + level});
    }
  }
}

}  // namespace flow
