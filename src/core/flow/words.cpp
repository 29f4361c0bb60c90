// The words of the mission flow: difficulties, times, kinds of finding.
#include "flow/analysis.h"
#include "map/filters.h"

namespace flow {

std::string_view difficultyWord(Difficulty d) {
  switch (d) {
    case Difficulty::Easy:
      return "easy";
    case Difficulty::Hard:
      return "hard";
    default:
      return "medium";
  }
}

std::optional<Difficulty> difficultyFromWord(std::string_view w) {
  for (Difficulty d : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard})
    if (difficultyWord(d) == w) return d;
  return std::nullopt;
}

std::string_view difficultyName(Difficulty d) {
  switch (d) {
    case Difficulty::Easy:
      return "Easy";
    case Difficulty::Hard:
      return "Hard";
    default:
      return "Medium";
  }
}

bool appearsAt(Difficulty d, int arrivalDifficulty) {
  const map::Difficulty level = d == Difficulty::Easy   ? map::Difficulty::Easy
                                : d == Difficulty::Hard ? map::Difficulty::Hard
                                                        : map::Difficulty::Medium;
  return map::difficultyAllows(level, arrivalDifficulty);
}

std::string clockText(int seconds) {
  const int s = seconds % 60;
  return std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

std::string formatTime(const Time& t) {
  if (t.never) return "never";
  return (t.exact ? "" : ">= ") + clockText(t.seconds);
}

std::string_view findingWord(FindingKind k) {
  switch (k) {
    case FindingKind::NeverArrives:
      return "never-arrives";
    case FindingKind::NeverSent:
      return "never-sent";
    case FindingKind::GoalNeverMet:
      return "goal-never-met";
    default:
      return "names-nothing";
  }
}

}  // namespace flow
