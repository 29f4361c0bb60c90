#pragma once
// The error check: looks over a whole Mission for combinations the game is known to mishandle
// and lists them, errors first and warnings after. Also the three mission counts the main window
// shows under the flight-group list.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/mission.h"
#include "model/texts.h"
#include "shell/settings.h"
#include "shell/vocabulary.h"

namespace shell {

// Title of the results window and the notice of a clean check.
inline constexpr const char* ErrorListTitle = "Error and Warning List";
inline constexpr const char* OmitWarningsCaption = "&Don't include Warnings again this mission";
inline constexpr const char* CheckCleanNotice = ZYNED_TEXT("core", "Seems Ok.");
// Kept until the user's next action, or this long: the user asked for the check and reads it.
inline constexpr int CheckCleanNoticeMs = 5000;

// ArrivalDifficulty values under which a group appears on the medium level.
bool arrivesOnMedium(int arrivalDifficulty);
// No arrival trigger, no delay of 30 seconds or more: the group is there when the mission starts.
bool arrivesAtStart(const model::FlightGroup& fg);

// The counts the main window shows under the flight-group list.
struct MissionCounts {
  int craftMedium = 0;   // craft-class groups appearing on medium
  int craftAtStart = 0;  // craft present in the first 30 seconds on medium
  int objectCount = 0;   // objects on medium (mines count as a square field)
};
MissionCounts missionCounts(const model::Mission& m);
// Their labels: "12 Craft (medium)", "4 craft at 30 sec", "1 Object" / "3 Objects", made from
// these forms.
inline constexpr const char* CraftMediumForm = ZYNED_TEXT("core", "%1 Craft (medium)");
inline constexpr const char* CraftAtStartForm = ZYNED_TEXT("core", "%1 craft at 30 sec");
inline constexpr const char* OneObjectForm = ZYNED_TEXT("core", "%1 Object");
inline constexpr const char* ObjectsForm = ZYNED_TEXT("core", "%1 Objects");
std::string craftMediumLabel(int count);
std::string craftAtStartLabel(int count);
std::string objectCountLabel(int count);

// What one run of the check found. Texts are single-byte (Windows-1252) like the Mission's own.
struct CheckResult {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  // The same findings as texts the editor shows in the user's language.
  std::vector<model::Text> errorTexts;
  std::vector<model::Text> warningTexts;
  void error(model::Text t);
  void warning(model::Text t);
  MissionCounts counts;
  // One flag per flight group, in list order: whether it arrives at the start.
  std::vector<bool> arrivesAtStart;
  bool omitWarnings = false;

  // Errors, plus warnings unless the user chose to leave them out for this mission.
  std::size_t findingCount() const { return errors.size() + (omitWarnings ? 0 : warnings.size()); }
  // The lines of the results window: every error, then (unless omitted) every warning.
  std::vector<std::string> lines() const;
  std::vector<model::Text> lineTexts() const;
};

// Runs the check. `omitWarnings` is the per-mission choice made in the results window.
CheckResult runCheck(const model::Mission& m, const Vocabulary& vocabulary,
                     const Settings& settings, bool omitWarnings = false);

}  // namespace shell
