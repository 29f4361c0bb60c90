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
      return ZYNED_TEXT("core", "Easy");
    case Difficulty::Hard:
      return ZYNED_TEXT("core", "Hard");
    default:
      return ZYNED_TEXT("core", "Medium");
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

model::Text levelsText(Levels levels, Levels analysed) {
  std::vector<model::Text> names;
  for (Difficulty d : AllDifficulties)
    if (levels.has(d)) names.push_back(model::text(difficultyName(d).data()));
  switch (names.size()) {
    case 1:
      return {ZYNED_TEXT("core", "at %1"), std::move(names)};
    case 2:
      return {ZYNED_TEXT("core", "at %1 and %2"), std::move(names)};
    default:
      return levels == analysed ? model::text(ZYNED_TEXT("core", "at every level"))
                                : model::Text(ZYNED_TEXT("core", "at %1, %2 and %3"), names);
  }
}

model::Text timeText(const Time& t) {
  if (t.never) return model::text(ZYNED_TEXT("core", "never"));
  return formatTime(t);
}

model::Text arrivalText(const Arrival& a, Difficulty d) {
  if (a.absent)
    return model::Text(ZYNED_TEXT("core", "not at %1"), model::text(difficultyName(d).data()));
  return timeText(a.time);
}

}  // namespace flow
