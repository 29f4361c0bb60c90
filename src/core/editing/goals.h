#pragma once
// The rules of the flight-group goal editor that need no widget: the points a goal shows and the
// byte a typed value stores, the time byte, the "?" flag that follows the team, the eight goal
// lines with their colours and the goal user strings.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/colours.h"
#include "model/mission.h"
#include "shell/vocabulary.h"

namespace editing {

// A goal stores its points divided by 250 in a signed byte: -128..127 steps of 250.
inline constexpr int GoalPointsStep = 250;
inline constexpr int MinGoalPoints = -128 * GoalPointsStep;  // -32000
inline constexpr int MaxGoalPoints = 127 * GoalPointsStep;   // 31750
// The goal condition that means "no goal".
inline constexpr int NoGoalCondition = 10;
// The three user strings of a goal, in the order of the goal-strings block.
enum GoalString : std::size_t { GoalIncomplete = 0, GoalSuccess = 1, GoalFail = 2 };
inline constexpr std::size_t GoalStringCount = 3;

// The points a goal shows (its byte times 250).
int goalPoints(model::CBytes goal);
// The byte typed points store: the value divided by 250 with the fraction dropped toward zero
// (499 stores 1). Values beyond -32000..31750 store the nearest end instead of wrapping round.
std::int8_t pointsByte(long points);
// The byte a typed time stores: 0..255; values beyond keep the nearest end instead of their low
// byte, so that a typed 300 is not read back as 44.
std::uint8_t timeByte(long time);

// What a typed number box holds when it is committed.
struct TypedNumber {
  enum Kind { Nothing, Number, NotANumber } kind = Nothing;
  long value = 0;
};
// An empty text or a lone "-" stores nothing; a whole number is a number; anything else is not.
TypedNumber readTypedNumber(std::string_view text);

// The "?" flag a goal gets with its team: 1 for team 1 (index 0), else 0.
std::uint8_t goalFlagForTeam(int team);
// Team change: byte 5 and the "?" flag that follows it.
void setGoalTeam(model::Bytes goal, std::uint8_t team);
// What the amount, argument and condition boxes write together: the three boxes, the team the
// team box shows and the "?" flag derived from it. Other bytes are left as they are.
struct GoalChoice {
  std::uint8_t amount = 0;
  std::uint8_t argument = 0;
  std::uint8_t condition = NoGoalCondition;
  std::uint8_t team = 0;
};
void setGoalChoice(model::Bytes goal, const GoalChoice& c);

// The eight lines of the goal list ("<None>" for an unset goal).
std::vector<std::string> goalLines(const model::Mission& m, const shell::Vocabulary& v,
                                   const model::FlightGroup& g);
// The colour a goal line is drawn in: the colour of its team's IFF.
model::Rgb goalColour(const model::Mission& m, model::CBytes goal);

// User string k of goal `goal` (a full 64-character string has no terminating zero).
std::string goalString(const model::FlightGroup& g, std::size_t goal, std::size_t k);
// The most characters a goal string holds: the whole 64-byte field.
std::size_t goalStringMax();

}  // namespace editing
