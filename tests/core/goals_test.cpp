#include <gtest/gtest.h>

#include "editing/goals.h"
#include "model/layouts.h"

using namespace editing;
using model::u8;
namespace gl = model::goal;
namespace fg = model::fg;
namespace tables = shell::tables;

namespace {

shell::Vocabulary goalsVocabulary() {
  shell::Vocabulary v;
  v.setTable(tables::Conds, {"(Always true)", "arrive", "be destroyed", "c3", "c4", "c5", "c6",
                             "c7", "c8", "c9", "(Never true)"});
  v.setTable(tables::Percents, {"100%", "75%", "50%", "25%", "At least one"});
  v.setTable(tables::Musts, {"must", "must NOT", "BONUS must", "BONUS must NOT"});
  return v;
}

TEST(GoalPoints, TypedPointsStoreTruncatedStepsWithoutWrapping) {
  // The ends of the spin box are the ends of the signed byte.
  EXPECT_EQ(pointsByte(-32000), -128);
  EXPECT_EQ(static_cast<u8>(pointsByte(-32000)), 128);
  EXPECT_EQ(pointsByte(31750), 127);
  // Between the steps the fraction is dropped toward zero, on both sides of zero.
  EXPECT_EQ(pointsByte(499), 1);
  EXPECT_EQ(pointsByte(-499), -1);
  EXPECT_EQ(pointsByte(249), 0);
  EXPECT_EQ(pointsByte(-249), 0);
  EXPECT_EQ(pointsByte(0), 0);
  // Beyond the ends: the nearest end, never the other sign.
  EXPECT_EQ(pointsByte(31999), 127);
  EXPECT_EQ(pointsByte(32000), 127);
  EXPECT_EQ(pointsByte(1'000'000), 127);
  EXPECT_EQ(pointsByte(-32250), -128);
  EXPECT_EQ(pointsByte(-1'000'000), -128);
}

TEST(GoalPoints, ShownPointsAreTheSignedByteTimes250) {
  model::FlightGroup g;
  auto b = g.goalBytes(2);
  b[3] = 128;
  EXPECT_EQ(goalPoints(b), -32000);
  b[3] = 127;
  EXPECT_EQ(goalPoints(b), 31750);
  b[3] = 255;
  EXPECT_EQ(goalPoints(b), -250);
  // Shown and typed back, every byte is kept.
  for (int byte = 0; byte < 256; ++byte) {
    b[3] = static_cast<u8>(byte);
    EXPECT_EQ(static_cast<u8>(pointsByte(goalPoints(b))), byte);
  }
}

TEST(GoalTime, TypedTimeKeepsItsByteRange) {
  EXPECT_EQ(timeByte(0), 0);
  EXPECT_EQ(timeByte(44), 44);
  EXPECT_EQ(timeByte(255), 255);
  EXPECT_EQ(timeByte(300), 255);  // not its low byte 44
  EXPECT_EQ(timeByte(-1), 0);     // not 255
}

TEST(GoalTyping, EmptyAndLoneMinusStoreNothingOtherTextIsNoNumber) {
  EXPECT_EQ(readTypedNumber("").kind, TypedNumber::Nothing);
  EXPECT_EQ(readTypedNumber("  ").kind, TypedNumber::Nothing);
  EXPECT_EQ(readTypedNumber("-").kind, TypedNumber::Nothing);
  EXPECT_EQ(readTypedNumber(" - ").kind, TypedNumber::Nothing);
  const auto n = readTypedNumber("-750");
  EXPECT_EQ(n.kind, TypedNumber::Number);
  EXPECT_EQ(n.value, -750);
  EXPECT_EQ(readTypedNumber(" 12 ").value, 12);
  EXPECT_EQ(readTypedNumber("12a").kind, TypedNumber::NotANumber);
  EXPECT_EQ(readTypedNumber("1.5").kind, TypedNumber::NotANumber);
  EXPECT_EQ(readTypedNumber("--").kind, TypedNumber::NotANumber);
}

TEST(GoalTeam, TheQuestionFlagFollowsTheTeam) {
  model::FlightGroup g;
  auto b = g.goalBytes(0);
  setGoalTeam(b, 0);
  EXPECT_EQ(model::get(b, gl::Team), 0);
  EXPECT_EQ(model::get(b, gl::GoalFlag), 1);
  setGoalTeam(b, 2);
  EXPECT_EQ(model::get(b, gl::Team), 2);
  EXPECT_EQ(model::get(b, gl::GoalFlag), 0);
}

TEST(GoalTeam, ChoosingTheConditionWritesTheShownTeamAndItsFlagOnly) {
  model::FlightGroup g;
  auto b = g.goalBytes(4);
  for (std::size_t i = 0; i < gl::Size; ++i) b[i] = static_cast<u8>(0xA0 + i);
  const std::vector<u8> before(b.begin(), b.end());
  // The team box shows team 2 while the flag was set: the condition change clears "?".
  b[4] = 1;
  setGoalChoice(b, {1, 2, 5, 1});
  EXPECT_EQ(b[0], 2);
  EXPECT_EQ(b[1], 5);
  EXPECT_EQ(b[2], 1);
  EXPECT_EQ(b[4], 0);
  EXPECT_EQ(b[5], 1);
  // Points, time and the unnamed bytes stay as read.
  EXPECT_EQ(b[3], before[3]);
  for (std::size_t i = 6; i < gl::Size; ++i) EXPECT_EQ(b[i], before[i]) << i;
  // The whole flight-group record around the goal is untouched.
  for (std::size_t i = 0; i < fg::Size; ++i)
    if (i < fg::goalAt(4) || i >= fg::goalAt(5)) {
      EXPECT_EQ(g.bytes[i], 0) << i;
    }
}

TEST(GoalLines, EightLinesNoneForConditionTenWhateverTheOtherBytes) {
  model::Mission m;
  m.newMission();
  const auto v = goalsVocabulary();
  model::FlightGroup g;
  for (std::size_t i = 0; i < fg::GoalCount; ++i) {
    auto b = g.goalBytes(i);
    for (std::size_t k = 0; k < gl::Size; ++k) b[k] = 3;
    model::set(b, gl::Condition, u8{10});
  }
  auto b = g.goalBytes(1);
  model::set(b, gl::Condition, u8{2});
  model::set(b, gl::Amount, u8{0});
  model::set(b, gl::Argument, u8{1});
  model::set(b, gl::Points, model::i8{-2});
  model::set(b, gl::Team, u8{0});
  const auto lines = goalLines(m, v, g);
  ASSERT_EQ(lines.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i)
    if (i != 1) {
      EXPECT_EQ(lines[i], "<None>") << i;
    }
  EXPECT_EQ(lines[1].rfind("100% of it must NOT be destroyed : -500 Pts  - Team ", 0), 0u)
      << lines[1];
}

TEST(GoalLines, ColourIsTheIffColourOfTheGoalsTeam) {
  model::Mission m;
  m.teamIff = {};
  m.teamIff[0] = 1;
  m.teamIff[1] = 0;
  m.teamIff[2] = 5;
  model::FlightGroup g;
  auto b = g.goalBytes(0);
  model::set(b, gl::Team, u8{0});
  EXPECT_EQ(goalColour(m, b), model::iffColour(1));
  model::set(b, gl::Team, u8{1});
  EXPECT_EQ(goalColour(m, b), model::iffColour(0));
  model::set(b, gl::Team, u8{2});
  EXPECT_EQ(goalColour(m, b), (model::Rgb{171, 87, 255}));
  // A team byte beyond the ten teams reads no table out of range.
  model::set(b, gl::Team, u8{200});
  EXPECT_EQ(goalColour(m, b), (model::Rgb{0, 128, 255}));
}

TEST(GoalStrings, SixtyFourCharactersFillTheFieldWithoutAZero) {
  model::FlightGroup g;
  EXPECT_EQ(goalStringMax(), 64u);
  const std::string full(64, 'x');
  g.goalStrings.setText(model::fggoalstrings::text(7, GoalFail), full);
  g.goalStrings.setText(model::fggoalstrings::text(7, GoalSuccess), "done");
  EXPECT_EQ(goalString(g, 7, GoalFail), full);
  EXPECT_EQ(goalString(g, 7, GoalSuccess), "done");
  EXPECT_EQ(goalString(g, 7, GoalIncomplete), "");
  // The last goal's fail text ends the block exactly.
  EXPECT_EQ(g.goalStrings.bytes[1535], 'x');
  EXPECT_EQ(g.goalStrings.bytes[192 * 7 + 64 + 4], 0);
}

}  // namespace
