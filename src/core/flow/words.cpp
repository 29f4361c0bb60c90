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
    case FindingKind::NamesNothing:
      return "names-nothing";
    case FindingKind::GroupNotAtLevel:
      return "group-not-at-level";
    case FindingKind::NoneAtLevel:
      return "none-at-level";
    case FindingKind::UnknownCondition:
      return "unknown-condition";
    case FindingKind::MothershipNotAtLevel:
      return "mother-ship-not-at-level";
  }
  return {};
}

bool isAdvisory(FindingKind k) {
  return k >= FindingKind::GroupNotAtLevel;
}

std::string levelsText(Levels levels, Levels analysed) {
  std::vector<std::string> names;
  for (Difficulty d : AllDifficulties)
    if (levels.has(d)) names.emplace_back(difficultyName(d));
  if (names.size() == 3 && levels == analysed) return "at every level";
  std::string s = "at ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i) s += i + 1 == names.size() ? " and " : ", ";
    s += names[i];
  }
  return s;
}

std::string arrivalText(const Arrival& a, Difficulty d) {
  if (a.absent) return "not at " + std::string(difficultyName(d));
  return formatTime(a.time);
}

}  // namespace flow
