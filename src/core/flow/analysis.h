#pragma once
// When can each flight group arrive, each message be sent and each goal be met, at each of the
// three difficulties? The analysis reads the Mission alone: every time is a lower bound in
// seconds from the mission start, marked exact only when every step on its way is "always true"
// or an arrival plus delays. What the file cannot answer (orders, "craft when", conditions about
// goals) counts as "no earlier than 0" and is said so. "Never" is claimed only where every
// reading of the game's rules gives never: a chain that ends in "never true", groups that wait
// on each other with no other way in. Where the game decides (a trigger on a group left out of
// the level, on a set of craft none of which is there, with a condition of no known meaning) the
// time cannot be told (no earlier than 0) and an advisory says so.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/references.h"
#include "model/mission.h"
#include "model/texts.h"
#include "shell/vocabulary.h"

namespace flow {

enum class Difficulty { Easy, Medium, Hard };
inline constexpr std::array<Difficulty, 3> AllDifficulties{Difficulty::Easy, Difficulty::Medium,
                                                           Difficulty::Hard};
// "easy", "medium", "hard" (the command line's words) and back.
std::string_view difficultyWord(Difficulty d);
std::optional<Difficulty> difficultyFromWord(std::string_view word);
// "Easy", "Medium", "Hard".
std::string_view difficultyName(Difficulty d);
// Whether a group of this ArrivalDifficulty appears at the level, counted as the error check and
// the map's difficulty buttons count.
bool appearsAt(Difficulty d, int arrivalDifficulty);

// A set of difficulties.
struct Levels {
  std::uint8_t bits = 0;
  static constexpr Levels all() { return {7}; }
  static constexpr Levels only(Difficulty d) { return {static_cast<std::uint8_t>(1 << int(d))}; }
  bool has(Difficulty d) const { return (bits >> static_cast<int>(d)) & 1; }
  void add(Difficulty d) { bits = static_cast<std::uint8_t>(bits | only(d).bits); }
  bool empty() const { return bits == 0; }
  bool operator==(const Levels&) const = default;
};
// "at Medium", "at Easy and Hard", "at every level" (all of the analysed levels, when those are
// all three).
model::Text levelsText(Levels levels, Levels analysed);

// The earliest time something can happen.
struct Time {
  bool never = true;
  int seconds = 0;     // meaningful when not never: a lower bound, the time itself when exact
  bool exact = false;  // every step on the way is known

  static Time at(int s, bool isExact) { return {false, s, isExact}; }
  bool operator==(const Time&) const = default;
};
// "0:00", ">= 1:30", "never".
std::string formatTime(const Time& t);
// The same for the editor to show in the user's language.
model::Text timeText(const Time& t);
// "1:30": minutes (as many as needed) and two-digit seconds.
std::string clockText(int seconds);

// Where something lies in the Mission (the table of references' places).
using editing::Place;
using editing::PlaceKind;

// One flight group's earliest arrival at one level.
struct Arrival {
  Time time;            // never when absent
  bool absent = false;  // not at this level: its difficulty leaves it out, a state of its own
  // Why it never arrives, or why its time is only a lower bound; empty when exact.
  model::Text reason;
  std::vector<int> waitsOn;  // flight groups its arrival triggers and mother ships name
  bool onlyIfHuman = false;  // arrives only when a human player flies it
  std::vector<int> cycle;    // the groups of the cycle that keeps it away, when that is why
  bool arrives() const { return !absent && !time.never; }
};
// "0:00", ">= 1:30", "never", "not at Medium".
model::Text arrivalText(const Arrival& a, Difficulty d);

// A message's earliest sending, or a global goal's earliest completion.
struct Event {
  Time time;
  model::Text reason;
  std::vector<int> waitsOn;  // flight groups its triggers name
};

// A global goal in use (a trigger with a condition other than always and never true).
struct GlobalGoalTime : Event {
  int team = 0;     // 0..9
  int goalSet = 0;  // 0 primary, 1 prevent, 2 secondary
};
// "primary", "prevent", "secondary".
using editing::goalSetWord;

// Findings are certain; advisories say where the game decides.
enum class FindingKind {
  NeverArrives,  // findings
  NeverSent,
  GoalNeverMet,
  NamesNothing,
  GroupNotAtLevel,       // advisories: a trigger on a group left out of the level
  NoneAtLevel,           // a trigger on a set of craft none of which is at the level
  UnknownCondition,      // a trigger whose condition has no known meaning
  MothershipNotAtLevel,  // a mother ship left out of the level
};
// "never-arrives", "never-sent", "goal-never-met", "names-nothing", "group-not-at-level",
// "none-at-level", "unknown-condition", "mother-ship-not-at-level".
std::string_view findingWord(FindingKind k);
bool isAdvisory(FindingKind k);

// One step of why: "#42 … waits on #44 … (arrival trigger 1)", with the place to open.
struct Step {
  Place place;
  model::Text text;
  bool operator==(const Step&) const = default;
};

struct Finding {
  FindingKind kind = FindingKind::NeverArrives;
  std::vector<int> flightGroups;  // list positions from 0
  std::vector<int> messages;
  Place place;  // where to look
  model::Text
      text;       // one line, its data Windows-1252 like the Mission's texts; says at which levels
  Levels levels;  // where it holds
  std::vector<Step> chain;  // why, step by step
};

// The times at one level.
struct LevelResult {
  Difficulty difficulty = Difficulty::Medium;
  std::vector<Arrival> flightGroups;  // list order
  std::vector<Event> messages;        // list order
  std::vector<GlobalGoalTime> globalGoals;

  // Flight groups by earliest arrival (list order among equals), the never-arriving, then the
  // absent last.
  std::vector<int> arrivalOrder() const;
  // Flight groups whose arrival names `group`.
  std::vector<int> waitingFor(int group) const;
  // Messages whose triggers name `group`.
  std::vector<int> messagesWaitingFor(int group) const;
};

struct Result {
  Levels analysed;
  std::vector<LevelResult> levels;  // the analysed levels, Easy to Hard
  std::vector<Finding> findings;    // one per cause, with the levels where it holds
  std::vector<Finding> advisories;

  // The times at a level analysed (the first analysed level for one that was not).
  const LevelResult& at(Difficulty d) const;
};

Result analyse(const model::Mission& m, const shell::Vocabulary& v, Levels levels = Levels::all());

// The set of flight groups a trigger or order target names, read as its description reads it:
// a flight group, craft type, ship or object category, IFF, global group or unit, team or all
// teams but one. `known` is false for targets the Mission cannot answer (orders, "craft when",
// unnamed numbers, categories the editor does not sort craft into).
struct TargetSet {
  bool known = false;
  std::vector<int> members;
};
TargetSet targetMembers(const model::Mission& m, int type, int value);

// Every place that names flight group `group`, one line each.
struct Usage {
  Place place;
  model::Text text;
};
std::vector<Usage> usages(const model::Mission& m, const shell::Vocabulary& v, int group);

}  // namespace flow
