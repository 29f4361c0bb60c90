#include "editing/goals.h"

#include <algorithm>

#include "editing/descriptions.h"
#include "editing/flight_group_rules.h"
#include "model/layouts.h"

namespace editing {

namespace gl = model::goal;

int goalPoints(model::CBytes goal) {
  return model::get(goal, gl::Points) * GoalPointsStep;
}

std::int8_t pointsByte(long points) {
  const long clamped = std::clamp<long>(points, MinGoalPoints, MaxGoalPoints);
  // Integer division drops the fraction toward zero: 499 points are one step.
  return static_cast<std::int8_t>(clamped / GoalPointsStep);
}

std::uint8_t timeByte(long time) {
  return static_cast<std::uint8_t>(std::clamp<long>(time, 0, 255));
}

TypedNumber readTypedNumber(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::string_view core = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (core == "-") return {};
  if (const auto v = parseInteger(core)) return {TypedNumber::Number, *v};
  return {TypedNumber::NotANumber, 0};
}

std::uint8_t goalFlagForTeam(int team) {
  return team == 0 ? 1 : 0;
}

void setGoalTeam(model::Bytes goal, std::uint8_t team) {
  model::set(goal, gl::Team, team);
  model::set(goal, gl::GoalFlag, goalFlagForTeam(team));
}

void setGoalChoice(model::Bytes goal, const GoalChoice& c) {
  model::set(goal, gl::Amount, c.amount);
  model::set(goal, gl::Argument, c.argument);
  model::set(goal, gl::Condition, c.condition);
  setGoalTeam(goal, c.team);
}

std::vector<std::string> goalLines(const model::Mission& m, const shell::Vocabulary& v,
                                   const model::FlightGroup& g) {
  std::vector<std::string> lines;
  lines.reserve(model::fg::GoalCount);
  for (std::size_t i = 0; i < model::fg::GoalCount; ++i)
    lines.push_back(describeGoal(m, v, g.goalBytes(i)));
  return lines;
}

model::Rgb goalColour(const model::Mission& m, model::CBytes goal) {
  const std::size_t team = model::get(goal, gl::Team);
  // A team beyond the ten has no IFF; it takes the colour of IFFs the table does not name.
  return model::iffColour(team < m.teamIff.size() ? m.teamIff[team] : 255);
}

std::string goalString(const model::FlightGroup& g, std::size_t goal, std::size_t k) {
  return g.goalStrings.text(model::fggoalstrings::text(goal, k));
}

std::size_t goalStringMax() {
  return model::fggoalstrings::text(0, 0).maxChars;
}

}  // namespace editing
